#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "TempFolder.h"
#include "model/SetupFileLines.h"
#include "model/TextEncoding.h"

using model::SetupFileLines;
using Stop = SetupFileLines::Stop;

namespace {

TEST(TextEncoding, Windows1252HasItsOwnSignsIn80To9FAndLatin1Elsewhere) {
    EXPECT_EQ(model::fromWindows1252("\x80\x8A\x92\x96\x99\x9C\x9F"), QString::fromUtf8("€Š’–™œŸ"));
    EXPECT_EQ(model::fromWindows1252("\x81\x8D\x8F\x90\x9D"),
              QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(model::fromWindows1252("Jos\xE9 M\xFCller \xA0\xFF"),
              QString::fromUtf8("José Müller \u00A0ÿ"));
    EXPECT_EQ(model::fromWindows1252(QByteArray("a\0b", 3)), QString::fromUtf16(u"a\u0000b", 3));
}

TEST(TextEncoding, RecognisesValidUtf8Only) {
    EXPECT_TRUE(model::isValidUtf8("plain"));
    EXPECT_TRUE(model::isValidUtf8("Zo\xC3\xAB \xE2\x82\xAC"));
    EXPECT_FALSE(model::isValidUtf8("Jos\xE9")) << "a Windows-1252 letter";
    EXPECT_FALSE(model::isValidUtf8("\xC3")) << "cut short";
    EXPECT_FALSE(model::isValidUtf8("\xC0\xAF")) << "over-long form";
    EXPECT_FALSE(model::isValidUtf8("\xED\xA0\x80")) << "a surrogate";
}

TEST(SetupFileLines, TakesAtMost86LinesWithoutTheirLineEnds) {
    QByteArray bytes;
    for (int i = 1; i <= 105; ++i) {
        bytes += "line " + QByteArray::number(i) + (i % 2 ? "\r\n" : "\n");
    }
    const SetupFileLines lines = SetupFileLines::fromBytes(bytes);
    ASSERT_EQ(lines.count(), 86);
    EXPECT_EQ(lines.line(1), "line 1");
    EXPECT_EQ(lines.line(2), "line 2");
    EXPECT_EQ(lines.line(86), "line 86");
    EXPECT_EQ(lines.stop(), Stop::None);
}

TEST(SetupFileLines, KeepsEmptyLinesAndALastLineWithoutLineEnd) {
    const SetupFileLines lines = SetupFileLines::fromBytes("a\r\n\r\n\nlast");
    ASSERT_EQ(lines.count(), 4);
    EXPECT_EQ(lines.line(2), "");
    EXPECT_EQ(lines.line(3), "");
    EXPECT_EQ(lines.line(4), "last");
    EXPECT_EQ(lines.stop(), Stop::EndOfFile);
    EXPECT_EQ(lines.stopDescription(), "The file ends before line 5.");
}

TEST(SetupFileLines, ReadsUtf8AndDropsAByteOrderMark) {
    const SetupFileLines lines =
        SetupFileLines::fromBytes("\xEF\xBB\xBFQuorvantix\r\nZo\xC3\xAB\r\n\xE2\x82\xACuro\r\n");
    EXPECT_EQ(lines.line(1), "Quorvantix");
    EXPECT_EQ(lines.line(2), QString::fromUtf8("Zoë"));
    EXPECT_EQ(lines.line(3), QString::fromUtf8("€uro"));
}

// Only the file's mark is dropped: a later line that begins with one (a name pasted with
// it) keeps it, so a saved name reads back as it was.
TEST(SetupFileLines, AByteOrderMarkInsideTheFileIsText) {
    const SetupFileLines lines =
        SetupFileLines::fromBytes("\xEF\xBB\xBF\xEF\xBB\xBFone\r\n\xEF\xBB\xBFtwo\r\n");
    EXPECT_EQ(lines.line(1), QString(QChar(0xFEFF)) + "one");
    EXPECT_EQ(lines.line(2), QString(QChar(0xFEFF)) + "two");
}

// Each line is decoded on its own: a file of the earlier Windows console reads as
// Windows-1252 line by line, and one damaged line of a UTF-8 file garbles that line only.
TEST(SetupFileLines, DecidesTheEncodingLineByLine) {
    SetupFileLines lines = SetupFileLines::fromBytes("M\xFCller\r\n\x80uro\r\nplain\r\n");
    EXPECT_EQ(lines.line(1), QString::fromUtf8("Müller"));
    EXPECT_EQ(lines.line(2), QString::fromUtf8("€uro"));
    EXPECT_EQ(lines.line(3), "plain");

    lines = SetupFileLines::fromBytes(
        "\xEF\xBB\xBFZo\xC3\xAB\r\nCaf\xC3\xA9 \xFF\r\nJos\xC3\xA9\r\nM\xC3\xBCller\r\n");
    EXPECT_EQ(lines.line(1), QString::fromUtf8("Zoë"));
    EXPECT_EQ(lines.line(2), QString::fromUtf8("CafÃ© ÿ")) << "the damaged line alone";
    EXPECT_EQ(lines.line(3), QString::fromUtf8("José"));
    EXPECT_EQ(lines.line(4), QString::fromUtf8("Müller"));
}

// Classic Macintosh editors end lines with CR alone; mixed ends in one file are fine too.
TEST(SetupFileLines, ACarriageReturnAloneEndsALine) {
    const SetupFileLines lines = SetupFileLines::fromBytes("one\rtwo\r\rfour\r\nfive\nsix\r");
    ASSERT_EQ(lines.count(), 6);
    EXPECT_EQ(lines.line(1), "one");
    EXPECT_EQ(lines.line(2), "two");
    EXPECT_EQ(lines.line(3), "");
    EXPECT_EQ(lines.line(4), "four");
    EXPECT_EQ(lines.line(5), "five");
    EXPECT_EQ(lines.line(6), "six");
    EXPECT_EQ(lines.stop(), Stop::EndOfFile);
}

TEST(SetupFileLines, ALineAtTheLimitIsTakenAndOneByteMoreStopsTheLines) {
    const QByteArray atLimit(16 * 1024, 'a');
    SetupFileLines lines = SetupFileLines::fromBytes("h\r\n" + atLimit + "\r\nnext\r\n");
    ASSERT_EQ(lines.count(), 3);
    EXPECT_EQ(lines.line(2).size(), 16 * 1024);

    lines = SetupFileLines::fromBytes("h\r\n" + atLimit + "a\r\nnext\r\n");
    EXPECT_EQ(lines.count(), 1);
    EXPECT_EQ(lines.stop(), Stop::LineTooLong);
    EXPECT_EQ(lines.stopDescription(), "Line 2 is longer than 16384 bytes.");
}

TEST(SetupFileLines, AMegabyteWithoutLineBreakStopsAtTheFirstLine) {
    test::TempFolder folder;
    const QString path = folder.write("big.txt", QByteArray(1 << 20, 'x'));
    const SetupFileLines lines = SetupFileLines::read(path);
    EXPECT_EQ(lines.count(), 0);
    EXPECT_EQ(lines.stop(), Stop::LineTooLong);
}

TEST(SetupFileLines, AMissingFileGivesThePlatformsDescription) {
    test::TempFolder folder;
    const SetupFileLines lines = SetupFileLines::read(folder.file("none.txt"));
    EXPECT_EQ(lines.count(), 0);
    EXPECT_EQ(lines.stop(), Stop::Error);
    EXPECT_EQ(lines.stopDescription(), "No such file or directory");
}

TEST(SetupFileLines, AnEmptyFileSaysSo) {
    test::TempFolder folder;
    const SetupFileLines lines = SetupFileLines::read(folder.write("empty.txt", {}));
    EXPECT_EQ(lines.stop(), Stop::EndOfFile);
    EXPECT_EQ(lines.stopDescription(), "The file is empty.");
}

TEST(SetupFileLines, AFolderOrDeviceIsNotOpened) {
    test::TempFolder folder;
    SetupFileLines lines = SetupFileLines::read(folder.path());
    EXPECT_EQ(lines.stop(), Stop::Error);
    EXPECT_TRUE(lines.stopDescription().endsWith("is not a file"))
        << lines.stopDescription().toStdString();

    lines = SetupFileLines::read("/dev/zero");  // endless: must not be read
    EXPECT_EQ(lines.stopDescription(), "zero is not a file");
}

}  // namespace
