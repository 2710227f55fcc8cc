#include <gtest/gtest.h>

#include <QDir>

#include "FileSizeLimit.h"
#include "QtPrinters.h"
#include "RecordingPlatform.h"
#include "RecordingTarget.h"
#include "SampleSetupFile.h"
#include "TempFolder.h"
#include "model/SetupFileWriter.h"
#include "model/SetupFiles.h"

using model::MatchSettings;
using ui::MsgAnswer;
using ui::MsgButtons;
using ui::MsgIcon;

namespace {

const QString kHeaderText =
    "This not an Quorvantix set-up file or the file is corrupt.  Try Saving a new setup file. "
    "Loading default system settings";
const QString kStartUpNotice =
    "The set-up file QVXUSBSETUP.TXT was not found. Please save your setup choices before "
    "exiting.  This setup file with your options will be automatically loaded the next time "
    "the program starts.";
const QString kStartUpFailed =
    "QvxUSBSetUp.txt not found. Program will continue with default configuration.\r\n";
const QString kReadFailed =
    "The selected file failed to open.  Program will continue with current configuration.\r\n";
const QString kNoDefaults = "The set-up file QVXUSBSETUPBU.TXT was not found.";

// A complete set-up file whose first team name tells which file was read.
QByteArray fileMarked(const QString& marker, int badBoxLine = 0) {
    QStringList lines = test::sampleSetupLines();
    lines[1] = marker;
    if (badBoxLine) {
        lines[badBoxLine - 1] = "x";
    }
    return test::joinLines(lines);
}

class SetupFilesTest : public ::testing::Test {
  protected:
    SetupFilesTest() {
        QDir(work.path()).mkdir("program");
        platform.programDir = work.file("program");
    }
    QString writeProgramFile(const QString& name, const QByteArray& bytes) {
        return work.write("program/" + name, bytes);
    }
    void expectMessage(size_t index, const QString& text, MsgButtons buttons = MsgButtons::OK,
                       MsgIcon icon = MsgIcon::None, const QString& title = {}) {
        ASSERT_LT(index, platform.messages.size());
        const auto& m = platform.messages[index];
        EXPECT_EQ(m.text, text);
        EXPECT_EQ(m.buttons, buttons);
        EXPECT_EQ(m.icon, icon);
        EXPECT_EQ(m.title, title);
    }
    void expectHeaderWarning(size_t index) {
        expectMessage(index, kHeaderText, MsgButtons::OK, MsgIcon::Warning,
                      "File not QvxUSB setup file");
    }
    void expectDialog(const ui::FileDialogRequest& request, const QString& proposed) {
        EXPECT_EQ(request.title, "Open Set-up Prefences");
        EXPECT_EQ(request.filter, "Setup Files|*.txt");
        EXPECT_EQ(request.initialFolder, platform.programDir);
        EXPECT_EQ(request.proposedName, proposed);
        EXPECT_EQ(request.defaultExtension, ".txt");
    }
    QString first() const { return settings.rosterText[0]; }

    test::TempFolder work;  // the working folder; the program folder is inside it
    test::RecordingPlatform platform{work.path()};
    MatchSettings settings;
    model::MatchState state;
    test::RecordingTarget target{settings};
    model::SetupFiles files{settings, state, platform, target};
};

TEST_F(SetupFilesTest, ARescueFileIsReadOnceInPlaceOfTheSetUpFileThenDeleted) {
    work.write("QvxUSBsetup.txt", fileMarked("from set-up"));
    writeProgramFile("QvxRescueFile.txt", fileMarked("from rescue"));

    files.loadAtStartUp();
    EXPECT_EQ(first(), "from rescue");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(QFile::exists(work.file("program/QvxRescueFile.txt")));
    EXPECT_FALSE(target.log.contains("front"));
    EXPECT_EQ(target.log.last(), "OptionDisplay") << "the boards are not applied twice";

    files.loadAtStartUp();
    EXPECT_EQ(first(), "from set-up");
}

TEST_F(SetupFilesTest, ARescueFileInTheWorkingFolderIsNotTheRescueFile) {
    work.write("QvxUSBsetup.txt", fileMarked("from set-up"));
    work.write("QvxRescueFile.txt", fileMarked("elsewhere"));
    files.loadAtStartUp();
    EXPECT_EQ(first(), "from set-up");
    EXPECT_TRUE(QFile::exists(work.file("QvxRescueFile.txt")));
}

TEST_F(SetupFilesTest, ADamagedRescueFileIsKeptAndMetAgainAtTheNextStart) {
    work.write("QvxUSBsetup.txt", fileMarked("from set-up"));
    const QByteArray damaged = fileMarked("from rescue", 80);
    writeProgramFile("QvxRescueFile.txt", damaged);

    files.loadAtStartUp();
    EXPECT_EQ(first(), "from rescue") << "values before the failure stay";
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(0, kReadFailed + "Line 80 is not a number.\r\n");
    EXPECT_EQ(work.read("program/QvxRescueFile.txt"), damaged);

    settings = MatchSettings();
    files.loadAtStartUp();
    EXPECT_EQ(first(), "from rescue");
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(QFile::exists(work.file("program/QvxRescueFile.txt")));
}

TEST_F(SetupFilesTest, ARescueFileWithAWrongHeaderWarnsAndStays) {
    work.write("QvxUSBsetup.txt", fileMarked("from set-up"));
    writeProgramFile("QvxRescueFile.txt", "Quorvantix USB Setup File \r\nTeam\r\n");
    files.loadAtStartUp();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectHeaderWarning(0);
    EXPECT_EQ(settings, MatchSettings());
    EXPECT_TRUE(QFile::exists(work.file("program/QvxRescueFile.txt")));
}

TEST_F(SetupFilesTest, TheRescueFileIsFoundWhateverTheCaseOfItsName) {
    writeProgramFile("QVXRESCUEFILE.TXT", fileMarked("from rescue"));
    files.loadAtStartUp();
    EXPECT_EQ(first(), "from rescue");
    EXPECT_FALSE(QFile::exists(work.file("program/QVXRESCUEFILE.TXT")));
}

TEST_F(SetupFilesTest, TheStartUpReadAppliesTheBoardsTwiceWithoutBringingTheMenuForward) {
    work.write("QvxUSBsetup.txt", fileMarked("from set-up"));
    files.OpenSetUpFile();
    EXPECT_EQ(first(), "from set-up");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(target.log.contains("front"));
    EXPECT_EQ(target.log.mid(target.log.size() - 3),
              (QStringList{"hide CutThroat", "hide Classic", "show Leader"}));
}

TEST_F(SetupFilesTest, WithoutASetUpFileTheModelChoosesTheVariant) {
    const std::pair<int, QString> cases[] = {
        {2012, "QvxUSBsetupLM.txt"}, {4097, "QvxUSBsetupLM.txt"}, {0, "QvxUSBsetupLM.txt"},
        {272, "QvxUSBsetupKor.txt"}, {512, "QvxUSBsetupKor.txt"}, {712, "QvxUSBsetupKor.txt"}};
    work.write("QvxUSBsetupLM.txt", fileMarked("maker"));
    work.write("QvxUSBsetupKor.txt", fileMarked("distributor"));
    for (const auto& [model, name] : cases) {
        platform.messages.clear();
        state.modelNumber = model;
        files.OpenSetUpFile();
        EXPECT_EQ(first(), name == "QvxUSBsetupLM.txt" ? "maker" : "distributor") << model;
        ASSERT_EQ(platform.messages.size(), 1u) << model;
        expectMessage(0, kStartUpNotice);
    }
}

TEST_F(SetupFilesTest, WithNothingAtAllModel2012FailsThenRestoreDefaultsWarns) {
    state.modelNumber = 2012;
    files.OpenSetUpFile();
    ASSERT_EQ(platform.messages.size(), 3u);
    expectMessage(0, kStartUpNotice);
    expectMessage(1, kStartUpFailed + "No such file or directory\r\n");
    expectMessage(2, kNoDefaults, MsgButtons::OK, MsgIcon::Warning, "File not found");
    EXPECT_EQ(settings, MatchSettings());
    EXPECT_TRUE(target.log.isEmpty());
}

TEST_F(SetupFilesTest, Model2012StartsFromTheMakersVariantButRestoresTheDistributors) {
    state.modelNumber = 2012;
    work.write("QvxUSBsetupKor.txt", fileMarked("distributor"));  // named as at start-up
    files.OpenSetUpFile();
    ASSERT_EQ(platform.messages.size(), 2u);
    expectMessage(1, kStartUpFailed + "No such file or directory\r\n");
    EXPECT_EQ(first(), "distributor") << "\"QvxUSBsetupKOR.txt\" found in another case";
    EXPECT_TRUE(target.log.contains("front")) << "read as restored defaults";
}

TEST_F(SetupFilesTest, AStartUpReadThatFailsPartWayKeepsItsValuesAndRestoresDefaults) {
    state.modelNumber = 4097;
    work.write("QvxUSBsetup.txt", fileMarked("partly read", 85));
    files.OpenSetUpFile();
    ASSERT_EQ(platform.messages.size(), 2u);
    expectMessage(0, kStartUpFailed + "Line 85 is not a number.\r\n");
    expectMessage(1, kNoDefaults, MsgButtons::OK, MsgIcon::Warning, "File not found");
    EXPECT_EQ(first(), "partly read");
    EXPECT_TRUE(settings.matchTimerDisabled) << "line 85 failed, 84 and before stay";
    EXPECT_FALSE(settings.lockSecondResponder);
}

TEST_F(SetupFilesTest, AStartUpFileWithAWrongHeaderOnlyWarns) {
    work.write("QvxUSBsetup.txt", "Quorvantix USB Setup File \r\n");
    work.write("QvxUSBsetupKOR.txt", fileMarked("distributor"));
    files.OpenSetUpFile();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectHeaderWarning(0);
    EXPECT_EQ(settings, MatchSettings());
}

TEST_F(SetupFilesTest, BadStartUpFilesFailAndFallBack) {
    const QByteArray bad[] = {QByteArray(), test::joinLines(test::sampleSetupLines().mid(0, 40)),
                              fileMarked("colour", 0).replace(" 65280", "green")};
    for (const QByteArray& bytes : bad) {
        platform.messages.clear();
        work.write("QvxUSBsetup.txt", bytes);
        files.OpenSetUpFile();
        ASSERT_EQ(platform.messages.size(), 2u);
        EXPECT_TRUE(platform.messages[0].text.startsWith(kStartUpFailed));
        EXPECT_EQ(platform.messages[1].text, kNoDefaults);
    }
}

TEST_F(SetupFilesTest, RestoreDefaultsReadsTheMakersVariantOnlyForModel4097) {
    work.write("QvxUSBsetupLM.txt", fileMarked("maker"));
    work.write("QvxUSBsetupKOR.txt", fileMarked("distributor"));
    state.modelNumber = 4097;
    files.RestoreDefaults();
    EXPECT_EQ(first(), "maker");
    for (int model : {2012, 512, 272, 712, 0}) {
        settings = MatchSettings();
        state.modelNumber = model;
        files.RestoreDefaults();
        EXPECT_EQ(first(), "distributor") << model;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SetupFilesTest, RestoreDefaultsReportsAFailedRead) {
    work.write("QvxUSBsetupKOR.txt", fileMarked("distributor", 85));
    files.RestoreDefaults();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(0, kReadFailed + "Line 85 is not a number.\r\n");
}

TEST_F(SetupFilesTest, TheRestoreMenuAsksFirstAndCancelDoesNothing) {
    work.write("QvxUSBsetupKOR.txt", fileMarked("distributor"));
    platform.answers = {MsgAnswer::Cancel};
    files.mnuRestoreDefault_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(0,
                  "Click OK to reset menu options to program defaults.  Current names and "
                  "options will be restored to generic program settings. Cancel to exit",
                  MsgButtons::OKCancel, MsgIcon::None, "Reset Program Defaults");
    EXPECT_EQ(settings, MatchSettings());

    platform.answers = {MsgAnswer::OK};
    files.mnuRestoreDefault_Click();
    EXPECT_EQ(first(), "distributor");
}

TEST_F(SetupFilesTest, OpeningAChosenFileBringsTheMenuForward) {
    const QString path = work.write("mine.txt", fileMarked("chosen"));
    platform.openResults = {path};
    files.mnuOpen_Click();
    ASSERT_EQ(platform.openRequests.size(), 1u);
    expectDialog(platform.openRequests[0], "QvxUSBsetup.txt");
    EXPECT_EQ(first(), "chosen");
    EXPECT_TRUE(target.log.contains("front"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SetupFilesTest, ACancelledOpenDialogReadsNothing) {
    work.write("QvxUSBsetup.txt", fileMarked("not wanted"));
    platform.openResults = {std::nullopt};
    files.mnuOpen_Click();
    EXPECT_EQ(settings, MatchSettings());
    EXPECT_TRUE(target.log.isEmpty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SetupFilesTest, OpeningAMissingFileWarnsAndChangesNothing) {
    platform.openResults = {work.file("gone.txt")};
    files.mnuOpen_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(0,
                  "The set-up file QVXUSBSETUP.TXT was not found.  Loading default system "
                  "settings",
                  MsgButtons::OK, MsgIcon::Warning, "File not found");
    EXPECT_EQ(settings, MatchSettings());
}

TEST_F(SetupFilesTest, OpeningAFileThatFailsKeepsWhatWasRead) {
    platform.openResults = {work.write("mine.txt", fileMarked("chosen", 81))};
    files.mnuOpen_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(0, kReadFailed + "Line 81 is not a number.\r\n");
    EXPECT_EQ(first(), "chosen");
    EXPECT_TRUE(settings.timerTabsOn);
}

TEST_F(SetupFilesTest, SaveAsWritesTheSettingsWhereTheOperatorPoints) {
    settings.rosterText[0] = "Saved";
    platform.saveResults = {work.file("out.txt")};
    files.mnuSaveAs_Click();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    expectDialog(platform.saveRequests[0], "QvxUSBsetup.txt");
    EXPECT_EQ(work.read("out.txt"), model::setupFileBytes(settings));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SetupFilesTest, ACancelledSaveDialogWritesNothing) {
    platform.saveResults = {std::nullopt};
    files.mnuSaveAs_Click();
    files.SaveRescueFile();
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), QStringList{});
    EXPECT_EQ(QDir(platform.programDir).entryList(QDir::Files), QStringList{});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SetupFilesTest, AFailedSaveShowsTheMessageAndLeavesTheOldFileWhole) {
    const QByteArray old = fileMarked("old");
    const QString path = work.write("QvxUSBsetup.txt", old);
    platform.saveResults = {path};
    {
        test::FileSizeLimit diskFull(100);
        files.mnuSaveAs_Click();
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(0, "File failed to save as expected.\r\nFile too largeFile Not Saved!");
    EXPECT_EQ(work.read("QvxUSBsetup.txt"), old);
}

TEST_F(SetupFilesTest, ASaveIntoAFolderThatCannotExistFails) {
    const QString notAFolder = work.write("plain", "x");
    platform.saveResults = {notAFolder + "/QvxRescueFile.txt"};
    files.SaveRescueFile();
    ASSERT_EQ(platform.messages.size(), 1u);
    const QString text = platform.messages[0].text;
    EXPECT_TRUE(text.startsWith("File failed to save as expected.\r\n"));
    EXPECT_TRUE(text.endsWith("File Not Saved!"));
    EXPECT_GT(text.size(), QString("File failed to save as expected.\r\nFile Not Saved!").size())
        << "the platform's description is in between";
    EXPECT_EQ(work.read("plain"), "x");
}

TEST_F(SetupFilesTest, TheRescueFileRoundTripsEverySetting) {
    settings.rosterText[7] = QString::fromUtf8("Zoë Ångström");
    settings.rosterText[59] = QString::fromUtf8("Müller €");
    settings.bonusTime = "15";
    settings.scoreStep10 = true;
    settings.moduleSpeakersOn = false;
    settings.chooseBoard(model::BoardChoice::CutThroat);
    settings.chooseQuestionSource(model::QuestionSource::ComputerGenerated);
    settings.buzzSoundFile = QString::fromUtf8("/home/sé/buzz.wav");
    settings.boardBackColor = ui::colors::buttonFace;
    settings.boardTextColor = ui::Color::rgb(1, 2, 3);
    settings.twentySecondTabOn = true;
    settings.timerContinuesAfterBuzz = true;
    const MatchSettings saved = settings;

    platform.saveResults = {work.file("program/QvxRescueFile.txt")};
    files.SaveRescueFile();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    expectDialog(platform.saveRequests[0], "QvxRescueFile.txt");

    settings = MatchSettings();
    files.loadAtStartUp();
    EXPECT_EQ(settings, saved);
    EXPECT_EQ(state.matchTimeSetting, "15:00");
    EXPECT_FALSE(QFile::exists(work.file("program/QvxRescueFile.txt")));
}

TEST_F(SetupFilesTest, AWindows1252FileKeepsItsAccentedNamesAndIsSavedAsUtf8) {
    QByteArray bytes = test::joinLines(test::sampleSetupLines());
    bytes.replace("Name 0\r\n", "Jos\xE9\r\n");
    bytes.replace("Name 1\r\n", "M\xFCller \x80\r\n");
    work.write("QvxUSBsetup.txt", bytes);
    files.OpenSetUpFile();
    EXPECT_EQ(first(), QString::fromUtf8("José"));
    EXPECT_EQ(settings.rosterText[1], QString::fromUtf8("Müller €"));

    platform.saveResults = {work.file("QvxUSBsetup.txt")};
    files.mnuSaveAs_Click();
    const QByteArray written = work.read("QvxUSBsetup.txt");
    EXPECT_TRUE(written.contains("\r\nJos\xC3\xA9\r\nM\xC3\xBCller \xE2\x82\xAC\r\n"));
}

}  // namespace

// Where an installed console reads and writes: the working and writable folders are the
// user's, the shipped defaults come from the program's data folder.
namespace {

TEST_F(SetupFilesTest, TheShippedDefaultsAreReadWhenTheWorkingFolderHasNone) {
    writeProgramFile("QvxUSBsetupLM.txt", fileMarked("shipped maker"));
    files.OpenSetUpFile();
    EXPECT_EQ(first(), "shipped maker");
    ASSERT_EQ(platform.messages.size(), 1u);
    expectMessage(0, kStartUpNotice);
}

TEST_F(SetupFilesTest, ADefaultSetUpInTheWorkingFolderComesBeforeTheShippedOne) {
    writeProgramFile("QvxUSBsetupKOR.txt", fileMarked("shipped"));
    work.write("QvxUSBsetupKor.txt", fileMarked("the operator's own"));
    state.modelNumber = 2012;  // restores the distributor's
    files.RestoreDefaults();
    EXPECT_EQ(first(), "the operator's own");
}

TEST_F(SetupFilesTest, TheDialogsStartInTheFolderTheProgramWrites) {
    platform.writableDir = work.file("user");
    platform.saveResults = {std::nullopt};
    platform.openResults = {std::nullopt};
    files.SaveRescueFile();
    files.mnuOpen_Click();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    ASSERT_EQ(platform.openRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].initialFolder, work.file("user"));
    EXPECT_EQ(platform.openRequests[0].initialFolder, work.file("user"));
}

TEST_F(SetupFilesTest, ARescueFileThatCannotBeWrittenGoesToTheUsersFolderAndIsReadFromThere) {
    settings.rosterText[0] = "rescued";
    platform.userDataDir = work.file("user/data");  // made when needed
    const QString blocked = work.write("plain", "x") + "/QvxRescueFile.txt";
    platform.saveResults = {blocked};
    files.SaveRescueFile();

    const QString moved = work.file("user/data/QvxRescueFile.txt");
    ASSERT_EQ(platform.messages.size(), 1u);
    const auto& m = platform.messages[0];
    EXPECT_TRUE(m.text.startsWith("The rescue file could not be saved as " + blocked + " ("));
    EXPECT_TRUE(m.text.endsWith("It was saved as " + moved +
                                " instead; the next start reads it from there."));
    EXPECT_EQ(m.icon, MsgIcon::Warning);
    EXPECT_EQ(work.read("user/data/QvxRescueFile.txt"), model::setupFileBytes(settings));

    settings = MatchSettings();
    files.loadAtStartUp();
    EXPECT_EQ(first(), "rescued");
    EXPECT_FALSE(QFile::exists(moved)) << "read once, then deleted";
}

TEST_F(SetupFilesTest, ARescueFileThatFitsNowhereIsReportedLostWithBothReasons) {
    work.write("plain", "x");
    platform.userDataDir = work.file("plain/data");
    const QString chosen = work.file("plain/QvxRescueFile.txt");
    platform.saveResults = {chosen};
    files.SaveRescueFile();
    ASSERT_EQ(platform.messages.size(), 1u);
    const QString text = platform.messages[0].text;
    EXPECT_TRUE(text.startsWith("File failed to save as expected.\r\n" + chosen + ": "));
    EXPECT_TRUE(text.contains("\r\n" + work.file("plain/data/QvxRescueFile.txt") + ": "));
    EXPECT_TRUE(text.endsWith("\r\nFile Not Saved!"));
}

TEST_F(SetupFilesTest, ARescueFileFailingInTheUsersFolderItselfIsNotTriedTwice) {
    platform.userDataDir = work.write("plain", "x") + "/data";
    platform.saveResults = {platform.userDataDir + "/QvxRescueFile.txt"};
    files.SaveRescueFile();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.startsWith("File failed to save as expected.\r\n"));
    EXPECT_FALSE(platform.messages[0].text.contains(platform.userDataDir + "/QvxRescueFile.txt"))
        << "one attempt, one reason";
}

TEST_F(SetupFilesTest, TheRescueFileWhereTheProgramWritesIsReadBeforeOneMovedAway) {
    platform.userDataDir = work.file("user");
    QDir(work.path()).mkdir("user");
    work.write("user/QvxRescueFile.txt", fileMarked("moved away"));
    writeProgramFile("QvxRescueFile.txt", fileMarked("where it belongs"));
    work.write("QvxUSBsetup.txt", fileMarked("from set-up"));
    files.loadAtStartUp();
    EXPECT_EQ(first(), "where it belongs");
    files.loadAtStartUp();
    EXPECT_EQ(first(), "moved away");
    files.loadAtStartUp();
    EXPECT_EQ(first(), "from set-up");
}

}  // namespace
