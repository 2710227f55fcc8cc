#include <gtest/gtest.h>

#include <QTest>

#include "MatchFixture.h"
#include "OperatorClose.h"

using test::Match;
using test::StampedMatch;

namespace {

// The classic board's match: three one-team modules, teams 1-3.
struct ClassicMatch : Match {
    ClassicMatch() : Match("4097:1,4097:2,4097:3") {}
};

TEST_F(ClassicMatch, StartUpHandsOverToTheMenuAndTheBoard) {
    console.start();
    EXPECT_TRUE(console.titleForm().ResultsMemo.caption().contains(
        "  Team Interface 3 is connected and working.\r\n"));
    console.titleForm().Command1.click();
    EXPECT_FALSE(console.titleForm().visible());
    EXPECT_TRUE(console.menu().visible());
    EXPECT_TRUE(platform.messageTexts().contains("All systems go"));
    console.menu().CommandHide_Click();
    EXPECT_TRUE(board().visible());
    EXPECT_FALSE(console.menu().visible());
    EXPECT_EQ(board().Labelalpha.caption(), "Team 1");
    EXPECT_EQ(board().LabelGamma.caption(), "Team 3");
}

TEST_F(ClassicMatch, APressIsShownLockedOutLitSoundedAndScored) {
    openBoard();
    space();
    EXPECT_EQ(last(1), 125);
    EXPECT_EQ(last(2), 125);
    module(3).press({{3, 2}});
    clock.advanceMs(20);
    EXPECT_EQ(board().NameLabel.caption(), "Twelve");
    EXPECT_EQ(board().Labelteam.caption(), "Team 3");
    EXPECT_EQ(board().gscorelabel.backColor(), ui::colors::green);
    EXPECT_EQ(last(1), 124);
    EXPECT_TRUE(module(3).lampLit({3, 2}));
    EXPECT_EQ(module(3).tone(), sim::Tone::Buzz);
    clock.advanceMs(800);
    EXPECT_EQ(module(3).tone(), sim::Tone::Off);

    board().Option10.setValue(true);
    QTest::mouseClick(board().gscorelabel.widget(), Qt::LeftButton);
    EXPECT_EQ(board().gscorelabel.caption(), " 10");
    module(1).press({{1, 1}});
    clock.advanceMs(10);
    EXPECT_EQ(board().NameLabel.caption(), "Twelve") << "the others are locked out";

    space();
    EXPECT_EQ(board().NameLabel.caption(), "");
    module(1).press({{1, 1}});
    clock.advanceMs(20);
    EXPECT_EQ(board().NameLabel.caption(), "One");
}

TEST_F(ClassicMatch, APressIsTakenAsItArrivesWithoutWaitingForTheTick) {
    openBoard();
    space();
    QCoreApplication::processEvents();
    module(2).press({{2, 1}});
    EXPECT_EQ(board().NameLabel.caption(), "") << "nothing happens inside the module's send";
    QCoreApplication::processEvents();  // no clock time passes
    EXPECT_EQ(board().NameLabel.caption(), "Six");
    EXPECT_EQ(last(1), 124);
    EXPECT_TRUE(module(2).lampLit({2, 1}));
}

TEST_F(StampedMatch, TheEarlierOfTwoClosePressesWinsAndTheOtherDoesNotBuzzAfterTheArm) {
    using namespace std::chrono_literals;
    openBoard();
    space();
    QCoreApplication::processEvents();
    pressAt(5s, 3, {3, 2});
    pressAt(5s + 500us, 1, {1, 1});  // a lower position, half a millisecond later
    QCoreApplication::processEvents();
    EXPECT_EQ(board().NameLabel.caption(), "Twelve");
    EXPECT_EQ(last(1), 124);

    space();
    QCoreApplication::processEvents();
    clock.advanceMs(20);
    EXPECT_EQ(board().NameLabel.caption(), "") << "the press that lost stays lost";
    pressAt(6s, 1, {1, 1});
    QCoreApplication::processEvents();
    EXPECT_EQ(board().NameLabel.caption(), "One");
}

TEST_F(ClassicMatch, TheSecondResponderBlinksAndTakesOverWhenNoPointsWereGiven) {
    openBoard();
    console.settings().lockSecondResponder = true;
    space();
    module(1).press({{1, 1}});
    clock.advanceMs(20);
    EXPECT_EQ(board().NameLabel.caption(), "One");
    EXPECT_EQ(board().Labelalpha.backColor(), ui::colors::orange);
    module(3).press({{3, 4}});
    clock.advanceMs(20);
    EXPECT_EQ(board().LabelGamma.backColor(), ui::colors::yellow);
    EXPECT_EQ(board().NameLabel.caption(), "One") << "the first responder keeps the floor";
    clock.advanceMs(1000);  // past the first responder's sound
    module(3).clearCommands();
    clock.advanceMs(1000);
    EXPECT_EQ(module(3).commands(), (std::vector<int>{4, 124})) << "the held player's lamp blinks";

    space();
    EXPECT_EQ(board().NameLabel.caption(), "Fourteen");
    EXPECT_EQ(board().LabelGamma.backColor(), ui::colors::orange);
    EXPECT_TRUE(module(3).lampLit({3, 4}));
}

TEST_F(ClassicMatch, TheResponseTimerAndTheMatchClockRunOutWithTheirAlerts) {
    openBoard("0:03");
    board().CommandT.click();
    EXPECT_EQ(board().timerlabel.caption(), "5");
    clock.advanceMs(5000);
    EXPECT_EQ(board().timerlabel.caption(), "0");
    EXPECT_EQ(board().NameLabel.caption(), "Timer Expired");
    EXPECT_EQ(module(1).tone(), sim::Tone::TimerExpired);
    EXPECT_TRUE(module(1).locked());

    QTest::mouseClick(board().clocklabel.widget(), Qt::LeftButton);
    clock.advanceMs(3000);
    EXPECT_EQ(board().clocklabel.caption(), " 0:00");
    clock.advanceMs(1000);
    EXPECT_EQ(board().NameLabel.caption(), "Clock Expired");
    EXPECT_EQ(module(2).tone(), sim::Tone::ClockExpired);
}

// Left starts the clock; right only ever stops it (a right click on a stopped clock is
// no start).
TEST_F(ClassicMatch, TheMatchClockStartsOnTheLeftButtonAndStopsOnTheRight) {
    openBoard("5:00");
    QTest::mouseClick(board().clocklabel.widget(), Qt::RightButton);
    clock.advanceMs(3000);
    EXPECT_EQ(board().clocklabel.caption(), " 5:00");
    EXPECT_NE(board().NameLabel.caption(), "Time Out");
    QTest::mouseClick(board().clocklabel.widget(), Qt::LeftButton);
    clock.advanceMs(2000);
    EXPECT_EQ(board().clocklabel.caption(), " 4:58");
    QTest::mouseClick(board().clocklabel.widget(), Qt::RightButton);
    clock.advanceMs(2000);
    EXPECT_EQ(board().clocklabel.caption(), " 4:58");
    EXPECT_EQ(board().NameLabel.caption(), "Time Out");
    EXPECT_EQ(board().clocklabel.foreColor(), ui::colors::greyText);
}

TEST_F(ClassicMatch, ScoresSurviveATripToTheMenuAndTheClockComesBackFull) {
    openBoard("0:01");
    board().Option5.setValue(true);
    QTest::mouseClick(board().bscorelabel.widget(), Qt::LeftButton);
    QTest::mouseClick(board().clocklabel.widget(), Qt::LeftButton);
    clock.advanceMs(2000);  // the clock runs out
    board().Commandsetupmenu.click();
    EXPECT_TRUE(console.menu().visible());
    EXPECT_EQ(console.menu().Score[1]->caption(), " 5");
    EXPECT_EQ(board().NameLabel.caption(), "Time Out");
    console.menu().CommandHide_Click();
    EXPECT_EQ(board().bscorelabel.caption(), " 5");
}

TEST_F(Match, UnpluggingAModuleDuringTheMatchSavesTheRescueFileAndEnds) {
    openBoard();
    console.menu().Text[0]->setText("Owls");
    platform.saveResults.push_back(folder.file("QvxRescueFile.txt"));
    module(2).unplug();
    clock.advanceMs(1000);
    QCoreApplication::processEvents();
    EXPECT_TRUE(QFile::exists(folder.file("QvxRescueFile.txt")));
    EXPECT_EQ(platform.quitCalls, 1);
    EXPECT_FALSE(console.titleForm().visible());
    EXPECT_TRUE(folder.read("QvxRescueFile.txt").contains("\r\nOwls\r\n"));
}

}  // namespace

namespace {

TEST_F(Match, TabletSoftwareIsWarnedAboutOncePerDriverFound) {
    platform.pretendExisting = {"c:\\windows\\system32\\drivers\\smartvtabletpcx64.sys",
                                "c:\\winnt\\system32\\drivers\\smartvtabletpcx86.sys"};
    console.start();
    const QStringList texts = platform.messageTexts();
    ASSERT_GE(texts.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(texts[i].startsWith(
            "Smart Virtual Tablet PC software has been detected on this computer.\r\n"));
        EXPECT_TRUE(
            texts[i].endsWith("Modules at this time and reconnect the modules then prompted."));
    }
    EXPECT_TRUE(console.titleForm().visible());
    EXPECT_EQ(console.titleForm().Label4.caption(), "Model #: 2012");
}

TEST_F(Match, WithoutModulesTheOperatorIsAskedUntilTheyQuit) {
    module(1).unplug();
    module(2).unplug();
    platform.answers = {ui::MsgAnswer::OK, ui::MsgAnswer::OK, ui::MsgAnswer::Cancel};
    console.start();
    EXPECT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.quitCalls, 1);
    EXPECT_EQ(platform.beeps, 3);
    EXPECT_FALSE(console.menu().visible());
}

}  // namespace

namespace {

TEST_F(ClassicMatch, ClosingTheBoardGoesBackToTheMenuAndClosingTheMenuEndsTheProgram) {
    openBoard();
    test::closeAsOperator(board().window());
    EXPECT_TRUE(console.menu().visible());
    EXPECT_EQ(board().NameLabel.caption(), "Time Out");
    EXPECT_EQ(platform.quitCalls, 0);
    test::closeAsOperator(console.menu().window());
    EXPECT_TRUE(console.state().shutdownInProgress);
    EXPECT_EQ(platform.quitCalls, 1);
}

}  // namespace

namespace {

// The one-team module without identity bits serves team 8, and its players buzz in.
TEST(TeamEight, TheModuleWithoutIdentityBitsBuzzesForTeam8) {
    test::TempFolder folder;
    test::RecordingPlatform platform{folder.path()};
    test::ManualClock clock;
    auto modules = sim::VirtualModuleSet::create("4097:8", clock.stamps()).modules;
    app::Console console{platform, clock, modules->transport()};
    console.start();
    EXPECT_TRUE(console.titleForm().ResultsMemo.caption().contains(
        "  Team Interface 8 is connected and working.\r\n"));
    console.titleForm().Command1.click();
    console.menu().CommandHide_Click();
    boards::ScoreBoard3& board = console.classicBoard();
    EXPECT_EQ(board.Labelalpha.caption(), "Team 8");
    QTest::keyClick(board.window(), Qt::Key_Space);
    modules->module(0).press({{8, 1}});
    clock.advanceMs(20);
    EXPECT_EQ(board.NameLabel.caption(), "Thirty-six");
    EXPECT_EQ(board.Labelteam.caption(), "Team 8");
    EXPECT_EQ(board.ascorelabel.backColor(), ui::colors::green);
    EXPECT_TRUE(modules->module(0).lampLit({8, 1}));
}

}  // namespace

namespace {

// Interfaces of different models side by side: each press decodes by its own module's model
// (the last opened, a one-team interface, must not decode the two-team module's presses).
struct MixedModels : Match {
    MixedModels() : Match("2012:1-2,4097:3") {}
};

TEST_F(MixedModels, EachPressDecodesByItsOwnModulesModel) {
    openBoard();
    ASSERT_EQ(console.state().modelNumber, 4097);
    QTest::keyClick(console.chosenBoard().window(), Qt::Key_Space);
    module(1).press({{2, 3}});
    clock.advanceMs(20);
    EXPECT_EQ(console.chosenBoard().NameLabel.caption(), "Eight");
    EXPECT_EQ(console.chosenBoard().Labelteam.caption(), "Team 2");

    QTest::keyClick(console.chosenBoard().window(), Qt::Key_Space);
    module(2).press({{3, 2}});
    clock.advanceMs(20);
    EXPECT_EQ(console.chosenBoard().NameLabel.caption(), "Twelve");
}

// A board put away for another one stops listening: the armed classic board, left for the
// menu with its time-out running, neither takes the next buzz nor locks the modules at the
// end of its time-out once the leader board is chosen.
TEST_F(ClassicMatch, ABoardPutAwayForAnotherTakesNoBuzz) {
    openBoard();
    board().Commandsetupmenu.click();  // arms, and a time-out runs on the board
    console.menu().mnuLeaderBd.click();
    ASSERT_TRUE(console.leaderBoard().visible());
    ASSERT_FALSE(board().visible());
    QTest::keyClick(console.leaderBoard().window(), Qt::Key_Space);
    module(2).press({{2, 1}});
    clock.advanceMs(20);
    EXPECT_EQ(console.leaderBoard().NameLabel.caption(), "Six");
    EXPECT_EQ(board().NameLabel.caption(), "Time Out") << "the hidden board took the buzz";

    QTest::keyClick(console.leaderBoard().window(), Qt::Key_Space);
    clearCommands();
    clock.advanceMs(70000);  // past the classic board's time-out
    for (const std::vector<int>& commands : received()) {
        EXPECT_TRUE(std::find(commands.begin(), commands.end(), 124) == commands.end());
    }
    EXPECT_FALSE(board().engine().porttimer().enabled());
}

}  // namespace
