#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "RecordingTarget.h"
#include "SampleSetupFile.h"
#include "model/SetupFileReader.h"

using model::MatchSettings;
using model::MatchState;
using model::SetupFileLines;
using model::SetupReader;
using Status = model::SetupReadResult::Status;

namespace {

class SetupFileReaderTest : public ::testing::Test {
  protected:
    model::SetupReadResult read(const QStringList& lines,
                                SetupReader reader = SetupReader::ChosenFile) {
        return model::applySetupFile(SetupFileLines::fromBytes(test::joinLines(lines)), reader,
                                     settings, state, target);
    }
    // The sample file with line `number` (1-based) replaced.
    static QStringList sampleWith(int number, const QString& text) {
        QStringList lines = test::sampleSetupLines();
        lines[number - 1] = text;
        return lines;
    }

    MatchSettings settings;
    MatchState state;
    test::RecordingTarget target{settings};
};

// The calls that show or hide boards.
QStringList boardCalls(const QStringList& log) {
    QStringList calls;
    for (const QString& call : log) {
        if (call.startsWith("show ") || call.startsWith("hide ")) {
            calls << call;
        }
    }
    return calls;
}

const QStringList kStepCalls = {
    "step Leader 1 off",  "step Classic 1 off",  "step CutThroat 1 off",
    "step Leader 5 on",   "step Classic 5 on",   "step CutThroat 5 on",
    "step Leader 10 off", "step Classic 10 off", "step CutThroat 10 off"};
const QStringList kLeaderShown = {"hide CutThroat", "hide Classic", "show Leader"};
const QStringList kColourCalls = {"setbackcolor", "SetForeColor"};
// The sample's boxes 1 0 1 0 1 1 against all-clear defaults.
const QStringList kBoxCalls = {"box CheckTimerTabs", "box CheckBuzzonBonus",
                               "box CheckDisableMatchTimer", "box CheckPlayerWaiting"};
const QStringList kEndCalls = {"showSettings", "SetUpFormOptions", "OptionDisplay"};

TEST_F(SetupFileReaderTest, ReadsEveryValueOfACompleteFile) {
    ASSERT_EQ(read(test::sampleSetupLines()).status, Status::Complete);
    EXPECT_EQ(settings.rosterText[0], "Name 0");
    EXPECT_EQ(settings.rosterText[59], "Name 59");
    EXPECT_EQ(settings.matchTime, "20:00");
    EXPECT_EQ(settings.tossUpTime, "7");
    EXPECT_EQ(settings.bonusTime, "12");
    EXPECT_EQ(settings.timeOutTime, "30");
    EXPECT_EQ(settings.auxiliaryTime, "45");
    EXPECT_FALSE(settings.scoreStep1);
    EXPECT_TRUE(settings.scoreStep5);
    EXPECT_FALSE(settings.scoreStep10);
    EXPECT_FALSE(settings.moduleSpeakersOn);
    EXPECT_TRUE(settings.soundCardOn);
    EXPECT_EQ(settings.boardChoice(), model::BoardChoice::Leader);
    EXPECT_FALSE(settings.classicBoardChosen);
    EXPECT_EQ(settings.buzzSoundFile, "/snd/buzz.wav");
    EXPECT_EQ(settings.timerSoundFile, "/snd/timer.wav");
    EXPECT_EQ(settings.gameSoundFile, "/snd/game.wav");
    EXPECT_EQ(settings.boardBackColor, ui::colors::green);
    EXPECT_EQ(settings.boardTextColor, ui::colors::buttonText);
    EXPECT_TRUE(settings.timerTabsOn);
    EXPECT_FALSE(settings.twentySecondTabOn);
    EXPECT_TRUE(settings.buzzDuringBonus);
    EXPECT_FALSE(settings.timerContinuesAfterBuzz);
    EXPECT_TRUE(settings.matchTimerDisabled);
    EXPECT_TRUE(settings.lockSecondResponder);
    EXPECT_TRUE(settings.computerGenerated);
    EXPECT_FALSE(settings.moderatorRead) << "computer-generated questions clear moderator-read";
    EXPECT_EQ(state.matchTimeSetting, "20:00");
}

TEST_F(SetupFileReaderTest, AChosenFileAppliesTheStepsInOrderAndBringsTheMenuForward) {
    ASSERT_EQ(read(test::sampleSetupLines(), SetupReader::ChosenFile).status, Status::Complete);
    EXPECT_EQ(target.log, kStepCalls + kLeaderShown + QStringList{"front"} + kColourCalls +
                              kBoxCalls + kEndCalls);
}

TEST_F(SetupFileReaderTest, RestoringDefaultsAlsoBringsTheMenuForward) {
    ASSERT_EQ(read(test::sampleSetupLines(), SetupReader::RestoreDefaults).status,
              Status::Complete);
    EXPECT_EQ(target.log, kStepCalls + kLeaderShown + QStringList{"front"} + kColourCalls +
                              kBoxCalls + kEndCalls);
}

TEST_F(SetupFileReaderTest, TheStartUpReadAppliesTheBoardChoiceAgainAtTheEnd) {
    ASSERT_EQ(read(test::sampleSetupLines(), SetupReader::StartUp).status, Status::Complete);
    EXPECT_EQ(target.log,
              kStepCalls + kLeaderShown + kColourCalls + kBoxCalls + kEndCalls + kLeaderShown);
}

TEST_F(SetupFileReaderTest, TheRescueReadNeitherBringsTheMenuForwardNorRepeatsTheBoards) {
    ASSERT_EQ(read(test::sampleSetupLines(), SetupReader::Rescue).status, Status::Complete);
    EXPECT_EQ(target.log, kStepCalls + kLeaderShown + kColourCalls + kBoxCalls + kEndCalls);
}

TEST_F(SetupFileReaderTest, EachColourIsInTheSettingsBeforeItIsPaintedAndNotBefore) {
    read(test::sampleSetupLines());
    EXPECT_EQ(target.backSeen, ui::colors::green);
    EXPECT_EQ(target.textSeenByBack, ui::colors::darkRed) << "line 79 not yet read";
    EXPECT_EQ(target.textSeen, ui::colors::buttonText);
}

TEST_F(SetupFileReaderTest, AHeaderWithATrailingBlankChangesNothing) {
    for (const QString header : {"Quorvantix USB Setup File ", "quorvantix usb setup file",
                                 "Quorvantix  USB Setup File", ""}) {
        EXPECT_EQ(read(sampleWith(1, header)).status, Status::WrongHeader) << header.toStdString();
    }
    EXPECT_EQ(settings, MatchSettings());
    EXPECT_EQ(state.matchTimeSetting, "15:00");
    EXPECT_TRUE(target.log.isEmpty());
}

TEST_F(SetupFileReaderTest, AFileOfExactly86LinesReadsCompletely) {
    ASSERT_EQ(read(test::sampleSetupLines().mid(0, 86)).status, Status::Complete);
    EXPECT_TRUE(settings.computerGenerated);
    EXPECT_EQ(target.log.last(), "OptionDisplay");
}

TEST_F(SetupFileReaderTest, LinesAfter86AreNotRead) {
    QStringList lines = test::sampleSetupLines();
    lines[86] = QString(100'000, 'x');  // far beyond the line limit
    lines[90] = "not reserved";
    EXPECT_EQ(read(lines).status, Status::Complete);
}

TEST_F(SetupFileReaderTest, LineFeedEndsReadLikeCarriageReturnLineFeed) {
    const auto lf = model::applySetupFile(
        SetupFileLines::fromBytes(test::joinLines(test::sampleSetupLines(), "\n")),
        SetupReader::ChosenFile, settings, state, target);
    EXPECT_EQ(lf.status, Status::Complete);
    EXPECT_EQ(settings.rosterText[0], "Name 0");
    EXPECT_EQ(settings.boardBackColor, ui::colors::green);
}

TEST_F(SetupFileReaderTest, AFileEndingBeforeLine86StopsAfterTheBoxes) {
    const auto result = read(test::sampleSetupLines().mid(0, 85));
    ASSERT_EQ(result.status, Status::Failed);
    EXPECT_EQ(result.error, "The file ends before line 86.");
    EXPECT_TRUE(settings.lockSecondResponder) << "line 85 was read";
    EXPECT_FALSE(settings.computerGenerated);
    EXPECT_TRUE(settings.moderatorRead);
    EXPECT_EQ(state.matchTimeSetting, "15:00") << "set only after a complete read";
    EXPECT_EQ(target.log, kStepCalls + kLeaderShown + QStringList{"front"} + kColourCalls +
                              kBoxCalls + QStringList{"showSettings"});
}

TEST_F(SetupFileReaderTest, AFileEndingAmongTheNamesKeepsTheNamesBeforeIt) {
    const auto result = read(test::sampleSetupLines().mid(0, 10));
    ASSERT_EQ(result.status, Status::Failed);
    EXPECT_EQ(result.error, "The file ends before line 11.");
    EXPECT_EQ(settings.rosterText[8], "Name 8");
    EXPECT_EQ(settings.rosterText[9], "Eight") << "default kept";
    EXPECT_EQ(target.log, QStringList{"showSettings"});
}

TEST_F(SetupFileReaderTest, FlagLinesAreReadLeniently) {
    for (const QString text : {" 1", "1", "-1", "  2 points", "0.5"}) {
        settings.computerGenerated = false;
        read(sampleWith(86, text));
        EXPECT_TRUE(settings.computerGenerated) << text.toStdString();
    }
    for (const QString text : {"0", "", "yes", " 0", "-0", "x1"}) {
        settings.computerGenerated = true;
        read(sampleWith(86, text));
        EXPECT_FALSE(settings.computerGenerated) << text.toStdString();
    }
}

TEST_F(SetupFileReaderTest, ANonNumericBoxValueFailsAfterStepsMarksSoundsAndColours) {
    for (const QString text : {"x", "", "   ", "1x", "inf"}) {
        MatchSettings fresh;
        settings = fresh;
        state = MatchState();
        target.log.clear();
        const auto result = read(sampleWith(80, text));
        ASSERT_EQ(result.status, Status::Failed) << text.toStdString();
        EXPECT_EQ(result.error, "Line 80 is not a number.");
        EXPECT_EQ(settings.rosterText[59], "Name 59");
        EXPECT_TRUE(settings.scoreStep5);
        EXPECT_TRUE(settings.leaderBoardChosen);
        EXPECT_EQ(settings.gameSoundFile, "/snd/game.wav");
        EXPECT_EQ(settings.boardTextColor, ui::colors::buttonText);
        EXPECT_FALSE(settings.timerTabsOn);
        EXPECT_FALSE(settings.buzzDuringBonus) << "boxes after the failure stay";
        EXPECT_EQ(state.matchTimeSetting, "15:00");
        EXPECT_EQ(target.log, kStepCalls + kLeaderShown + QStringList{"front"} + kColourCalls +
                                  QStringList{"showSettings"});
    }
}

TEST_F(SetupFileReaderTest, ABoxValueIsAWholeLineNumberRounded) {
    for (const QString text : {" 1", "1", " 1 ", "1.0", "0.6", "+1", "1e0"}) {
        settings.timerTabsOn = false;
        EXPECT_EQ(read(sampleWith(80, text)).status, Status::Complete) << text.toStdString();
        EXPECT_TRUE(settings.timerTabsOn) << text.toStdString();
    }
    settings.timerTabsOn = true;
    EXPECT_EQ(read(sampleWith(80, "0.4")).status, Status::Complete);
    EXPECT_FALSE(settings.timerTabsOn);
}

TEST_F(SetupFileReaderTest, ABoxValueOtherThanZeroOrOneFails) {
    for (const QString text : {"2", "-1", "1.6"}) {
        const auto result = read(sampleWith(82, text));
        EXPECT_EQ(result.status, Status::Failed) << text.toStdString();
        EXPECT_EQ(result.error, "Line 82 is not 0 or 1.");
    }
}

TEST_F(SetupFileReaderTest, ABoxRunsItsEffectOnlyWhenItsValueChanges) {
    settings.timerTabsOn = true;
    settings.twentySecondTabOn = true;
    read(test::sampleSetupLines());
    EXPECT_FALSE(target.log.contains("box CheckTimerTabs")) << "1 over 1: no change";
    EXPECT_TRUE(target.log.contains("box Check20SecondTab")) << "0 over 1";
    EXPECT_FALSE(settings.twentySecondTabOn);
}

TEST_F(SetupFileReaderTest, ABadBackgroundColourStopsBeforeAnyColourIsPainted) {
    const auto result = read(sampleWith(78, "blue"));
    ASSERT_EQ(result.status, Status::Failed);
    EXPECT_EQ(result.error, "Line 78 is not a number.");
    EXPECT_EQ(settings.gameSoundFile, "/snd/game.wav");
    EXPECT_EQ(settings.boardBackColor, ui::colors::blue) << "default kept";
    EXPECT_FALSE(target.log.contains("setbackcolor"));
    EXPECT_EQ(target.log.last(), "showSettings");
}

TEST_F(SetupFileReaderTest, ABadTextColourStopsAfterTheBackgroundIsPainted) {
    const auto result = read(sampleWith(79, ""));
    ASSERT_EQ(result.status, Status::Failed);
    EXPECT_EQ(result.error, "Line 79 is not a number.");
    EXPECT_EQ(settings.boardBackColor, ui::colors::green);
    EXPECT_EQ(settings.boardTextColor, ui::colors::darkRed);
    EXPECT_TRUE(target.log.contains("setbackcolor"));
    EXPECT_FALSE(target.log.contains("SetForeColor"));
}

TEST_F(SetupFileReaderTest, ColoursCoverTheWholeSigned32BitRangeAndNoMore) {
    ASSERT_EQ(read(sampleWith(78, "-2147483648")).status, Status::Complete);
    EXPECT_EQ(settings.boardBackColor.toInt(), -2147483647 - 1);
    ASSERT_EQ(read(sampleWith(78, " 2147483647 ")).status, Status::Complete);
    EXPECT_EQ(settings.boardBackColor.toInt(), 2147483647);
    const auto result = read(sampleWith(78, "2147483648"));
    EXPECT_EQ(result.status, Status::Failed);
    EXPECT_EQ(result.error, "Line 78 is not a colour.");
}

TEST_F(SetupFileReaderTest, WithLeaderAndClassicMarksTheClassicBoardIsShownLast) {
    QStringList lines = sampleWith(73, " 1");  // leader (72) and classic (73)
    read(lines, SetupReader::Rescue);
    const QStringList boards = boardCalls(target.log);
    EXPECT_EQ(boards,
              kLeaderShown + (QStringList{"hide Leader", "hide CutThroat", "show Classic"}));
    EXPECT_EQ(settings.boardChoice(), model::BoardChoice::Classic);
}

TEST_F(SetupFileReaderTest, AllThreeBoardMarksShowTheCutThroatBoardLast) {
    QStringList lines = sampleWith(73, " 1");
    lines[73] = " 1";
    read(lines, SetupReader::Rescue);
    EXPECT_EQ(boardCalls(target.log).mid(6),
              (QStringList{"hide Classic", "hide Leader", "show CutThroat"}));
}

TEST_F(SetupFileReaderTest, NoBoardMarkShowsNoBoard) {
    read(sampleWith(72, " 0"), SetupReader::StartUp);
    EXPECT_TRUE(boardCalls(target.log).isEmpty());
}

TEST_F(SetupFileReaderTest, AComputerGeneratedLineClearsModeratorReadButZeroLeavesIt) {
    settings.moderatorRead = true;
    read(test::sampleSetupLines());
    EXPECT_FALSE(settings.moderatorRead);

    settings.moderatorRead = false;
    read(sampleWith(86, " 0"));
    EXPECT_FALSE(settings.moderatorRead) << "the rule only ever clears the mark";
    EXPECT_FALSE(settings.computerGenerated);
}

TEST_F(SetupFileReaderTest, ThePromptsSwitchAndRadioBoxesAreNotTouched) {
    settings.operatorPromptsOff = true;
    settings.radioChannel = "5";
    settings.powerLevel = "3";
    read(test::sampleSetupLines());
    EXPECT_TRUE(settings.operatorPromptsOff);
    EXPECT_EQ(settings.radioChannel, "5");
    EXPECT_EQ(settings.powerLevel, "3");
}

TEST_F(SetupFileReaderTest, TheRememberedMatchTimeIsTheTextAsRead) {
    read(sampleWith(62, " 0:30 min"));
    EXPECT_EQ(settings.matchTime, " 0:30 min");
    EXPECT_EQ(state.matchTimeSetting, " 0:30 min");
}

TEST_F(SetupFileReaderTest, AnEmptyFileFailsWithoutChangingAnything) {
    const auto result = model::applySetupFile(SetupFileLines::fromBytes({}), SetupReader::StartUp,
                                              settings, state, target);
    EXPECT_EQ(result.status, Status::Failed);
    EXPECT_EQ(result.error, "The file is empty.");
    EXPECT_EQ(settings, MatchSettings());
    EXPECT_TRUE(target.log.isEmpty());
}

TEST_F(SetupFileReaderTest, BinaryDataIsNoSetUpFile) {
    QByteArray binary(1 << 20, '\0');
    for (int i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<char>((i * 131 + 7) % 251);  // no line feed (10) early on
    }
    binary[0] = '\x01';
    const auto result = model::applySetupFile(SetupFileLines::fromBytes(binary),
                                              SetupReader::StartUp, settings, state, target);
    EXPECT_EQ(result.status, Status::WrongHeader);
    EXPECT_EQ(settings, MatchSettings());
}

TEST_F(SetupFileReaderTest, AMegabyteNameStopsTheReadAtThatLine) {
    QByteArray bytes = test::joinLines(test::sampleSetupLines().mid(0, 4));
    bytes += QByteArray(1 << 20, 'n') + "\r\n";
    bytes += test::joinLines(test::sampleSetupLines().mid(5));
    const auto result = model::applySetupFile(SetupFileLines::fromBytes(bytes),
                                              SetupReader::StartUp, settings, state, target);
    ASSERT_EQ(result.status, Status::Failed);
    EXPECT_EQ(result.error, "Line 5 is longer than 16384 bytes.");
    EXPECT_EQ(settings.rosterText[2], "Name 2");
    EXPECT_EQ(settings.rosterText[3], "Three") << "the over-long line is not taken";
}

}  // namespace
