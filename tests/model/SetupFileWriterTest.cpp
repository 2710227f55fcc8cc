#include <gtest/gtest.h>

#include <QDir>

#include "FileSizeLimit.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "model/SetupFileWriter.h"

using model::MatchSettings;

namespace {

QStringList defaultFileLines() {
    QStringList lines{"Quorvantix USB Setup File"};
    lines << "Team 1"
          << "One"
          << "Two"
          << "Three"
          << "Four"
          << "Five";
    lines << "Team 2"
          << "Six"
          << "Seven"
          << "Eight"
          << "Nine"
          << "Ten";
    lines << "Team 3"
          << "Eleven"
          << "Twelve"
          << "Thirteen"
          << "Fourteen"
          << "Fifteen";
    lines << "Team 4"
          << "Sixteen"
          << "Seventeen"
          << "Eighteen"
          << "Nineteen"
          << "Twenty";
    lines << "Team 5"
          << "Twenty-one"
          << "Twenty-two"
          << "Twenty-three"
          << "Twenty-four"
          << "Twenty-five";
    lines << "Team 6"
          << "Twenty-six"
          << "Twenty-seven"
          << "Twenty-eight"
          << "Twenty-nine"
          << "Thirty";
    lines << "Team 7"
          << "Thirty-one"
          << "Thirty-Two"
          << "Thirty-three"
          << "Thirty-four"
          << "Thirty-five";
    lines << "Team 8"
          << "Thirty-six"
          << "Thirty-seven"
          << "Thirty-eight"
          << "Thirty-nine"
          << "Forty";
    lines << "Team 9"
          << "Forty-one"
          << "Forty-two"
          << "Forty-three"
          << "Forty-four"
          << "Forty-five";
    lines << "Team 10"
          << "Forty-six"
          << "Forty-seven"
          << "Forty-eight"
          << "Forty-nine"
          << "Fifty";
    lines << "15:00"
          << "5"
          << "10"
          << "60"
          << "60";
    lines << " 0"
          << " 0"
          << " 0";  // score steps
    lines << " 1"
          << " 1"
          << " 0"
          << " 1"
          << " 0";  // speakers, sound card, boards
    lines << ""
          << ""
          << "";  // sounds
    lines << " 16711680"
          << " 192";  // blue, dark red
    lines << " 0"
          << " 0"
          << " 0"
          << " 0"
          << " 0"
          << " 0"
          << " 0";
    for (int i = 0; i < 19; ++i) {
        lines << "reserved";
    }
    return lines;
}

QByteArray crlfJoined(const QStringList& lines) {
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

TEST(SetupFileWriter, WritesTheDefaultsByteForByte) {
    EXPECT_EQ(model::setupFileBytes(MatchSettings()), crlfJoined(defaultFileLines()));
}

TEST(SetupFileWriter, Writes105LinesWithReservedFromLine87) {
    const QList<QByteArray> lines = model::setupFileBytes(MatchSettings()).split('\n');
    ASSERT_EQ(lines.size(), 106) << "105 lines, each ended";
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 105; ++i) {
        EXPECT_TRUE(lines[i].endsWith('\r')) << "line " << i + 1;
    }
    for (int i = 86; i < 105; ++i) {
        EXPECT_EQ(lines[i], "reserved\r") << "line " << i + 1;
    }
}

TEST(SetupFileWriter, NumbersCarryABlankUnlessNegative) {
    MatchSettings s;
    s.scoreStep10 = true;
    s.chooseBoard(model::BoardChoice::CutThroat);
    s.boardBackColor = ui::colors::buttonFace;
    s.boardTextColor = ui::Color::fromInt(0);
    s.lockSecondResponder = true;
    s.chooseQuestionSource(model::QuestionSource::ComputerGenerated);
    const QList<QByteArray> lines = model::setupFileBytes(s).split('\n');
    EXPECT_EQ(lines[68], " 1\r");
    EXPECT_EQ(lines[71], " 0\r");
    EXPECT_EQ(lines[73], " 1\r");
    EXPECT_EQ(lines[77], "-2147483633\r") << "a system colour";
    EXPECT_EQ(lines[78], " 0\r");
    EXPECT_EQ(lines[84], " 1\r");
    EXPECT_EQ(lines[85], " 1\r");
}

TEST(SetupFileWriter, WritesTextsAsUtf8AndLineBreaksAsBlanks) {
    MatchSettings s;
    s.rosterText[0] = QString::fromUtf8("Zoë €");
    s.rosterText[1] = "two\r\nlines\nhere\r";
    s.buzzSoundFile = QString::fromUtf8("/home/sé/buzz.wav");
    const QByteArray bytes = model::setupFileBytes(s);
    const QList<QByteArray> lines = bytes.split('\n');
    EXPECT_EQ(lines[1], "Zo\xC3\xAB \xE2\x82\xAC\r");
    EXPECT_EQ(lines[2], "two lines here \r");
    EXPECT_EQ(lines[74], "/home/s\xC3\xA9/buzz.wav\r");
    EXPECT_EQ(bytes.count("\r\n"), 105);
}

TEST(SetupFileWriter, ReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    test::TempFolder folder;
    const QString path = folder.write("QvxUSBsetup.txt", QByteArray(5000, 'o'));
    ASSERT_EQ(model::writeSetupFile(path, MatchSettings()), std::nullopt);
    EXPECT_EQ(folder.read("QvxUSBsetup.txt"), crlfJoined(defaultFileLines()));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"QvxUSBsetup.txt"});
}

TEST(SetupFileWriter, AMissingFolderOrAFileAsFolderFailsWithADescription) {
    test::TempFolder folder;
    const QString plain = folder.write("plain", "not a folder");
    for (const QString& path : {folder.file("missing/QvxUSBsetup.txt"), plain + "/x.txt"}) {
        const std::optional<QString> error = model::writeSetupFile(path, MatchSettings());
        ASSERT_TRUE(error.has_value()) << path.toStdString();
        EXPECT_FALSE(error->isEmpty());
    }
    EXPECT_EQ(folder.read("plain"), "not a folder");
}

TEST(SetupFileWriter, AWriteThatFailsPartWayLeavesTheOldFileWhole) {
    test::TempFolder folder;
    const QByteArray old = crlfJoined(defaultFileLines());
    const QString path = folder.write("QvxUSBsetup.txt", old);
    MatchSettings changed;
    changed.rosterText[0] = "Changed";
    std::optional<QString> error;
    {
        test::FileSizeLimit limit(200);  // far less than the 1 KB of a set-up file
        error = model::writeSetupFile(path, changed);
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "File too large");
    EXPECT_EQ(folder.read("QvxUSBsetup.txt"), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"QvxUSBsetup.txt"});
}

}  // namespace
