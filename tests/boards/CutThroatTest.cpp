#include <gtest/gtest.h>

#include <QTest>

#include "BoardPresses.h"
#include "OperatorClose.h"
#include "RowCaptions.h"

using test::pressAndPoll;
using test::rowNames;
using test::WindowHarness;
using ui::colors::buttonFace;
using ui::colors::green;
using ui::colors::red;

namespace {

QStringList listNames(boards::ShowAll& list) {
    QStringList out;
    for (int k = 0; k < list.playerCount(); ++k) {
        out << list.NameLabel[k]->caption();
    }
    return out;
}

void click(ui::Control& c, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(c.widget(), button);
}

// Three one-team modules whose fifth players have no names: twelve players.
struct TwelvePlayers : ::testing::Test {
    WindowHarness h{4097, 3, {0, 1, 2}, 3};
    boards::CutThroat* board = nullptr;
    void SetUp() override {
        h.platform.runEventsInModals(h.clock);  // the menu's boxes run events as real ones
        for (int team = 0; team < 3; ++team) {
            h.settings.rosterText[model::playerNameIndex(team, 5)] = "";
        }
        board = &h.openCutThroat();
    }
    boards::ShowAll& list() { return board->showAll(); }
    void space() { QTest::keyClick(board->window(), Qt::Key_Space); }
};

TEST_F(TwelvePlayers, LeavingTheMenuBuildsRanksAndPutsAwayTheList) {
    EXPECT_EQ(board->caption(), "Cut Throat");
    EXPECT_EQ(board->Labelteam.caption(), "Top 10 Individuals");
    EXPECT_TRUE(board->visible());
    EXPECT_TRUE(board->isFront());
    EXPECT_TRUE(list().loaded());
    EXPECT_FALSE(list().visible());
    EXPECT_EQ(list().caption(), "Cut Throat Showing All Players");
    EXPECT_EQ(list().playerCount(), 12);
    EXPECT_EQ(h.state.playerCount, 12);
    EXPECT_EQ(listNames(list()),
              (QStringList{"One", "Two", "Three", "Four", "Six", "Seven", "Eight", "Nine", "Eleven",
                           "Twelve", "Thirteen", "Fourteen"}));
    EXPECT_EQ(list().PositionText[4], 7);
    EXPECT_EQ(rowNames(*board).last(), "Twelve");
    EXPECT_EQ(board->increment, 1) << "the board starts with steps of 1";
    for (int k = 12; k < boards::ShowAll::kRows; ++k) {
        EXPECT_FALSE(list().ScoreText[k]->visible()) << k;
        EXPECT_EQ(list().NameLabel[k]->caption(), "") << k;
    }
}

TEST_F(TwelvePlayers, TheResponderIsScoredInTheListAndClimbsAtTheNextClear) {
    const QStringList typed = {" 30", " 28", " 26", " 24", " 22", " 20"};
    for (int k = 0; k < typed.size(); ++k) {
        list().setScore(k, typed[k]);
    }
    space();
    ASSERT_EQ(list().NameLabel[5]->caption(), "Seven");
    pressAndPoll(h, 2, 1, 2);  // Seven
    EXPECT_EQ(board->NameLabel.caption(), "Seven");
    EXPECT_EQ(board->ScoreLabel.caption(), " 20");
    EXPECT_EQ(board->ScoreLabel.backColor(), green);
    EXPECT_EQ(board->TLabel(15).backColor(), red);

    board->Option5.setValue(true);
    click(board->ScoreLabel);
    EXPECT_EQ(board->ScoreLabel.caption(), " 25");
    EXPECT_EQ(list().ScoreText[5]->text(), " 25");
    EXPECT_TRUE(h.state.pointsAwarded);
    EXPECT_EQ(board->SLabel(5).caption(), " 20") << "the rows change at the next ranking";

    space();
    EXPECT_EQ(rowNames(*board).mid(0, 5), (QStringList{"One", "Two", "Three", "Seven", "Four"}));
    EXPECT_EQ(board->SLabel(3).caption(), " 25");
    EXPECT_EQ(board->ScoreLabel.caption(), "");
    EXPECT_EQ(board->ScoreLabel.backColor(), buttonFace);
    EXPECT_EQ(board->TLabel(13).backColor(), buttonFace);
}

TEST_F(TwelvePlayers, ARightClickOnTheResponderScoreTakesPointsAway) {
    space();
    pressAndPoll(h, 1, 0, 3);  // Three
    board->Option10.setValue(true);
    click(board->ScoreLabel, Qt::RightButton);
    EXPECT_EQ(board->ScoreLabel.caption(), "-10");
    EXPECT_EQ(list().ScoreText[2]->text(), "-10");
    EXPECT_FALSE(h.state.pointsAwarded);
    click(board->ScoreLabel, Qt::MiddleButton);
    EXPECT_EQ(board->ScoreLabel.caption(), "-10");
}

TEST_F(TwelvePlayers, RowScoringIsKeptInThePlayersListRow) {
    click(board->L(3));
    EXPECT_EQ(board->SLabel(2).backColor(), green);
    EXPECT_EQ(board->TLabel(12).backColor(), buttonFace) << "names are not marked";
    click(board->SLabel(7));
    EXPECT_EQ(board->SLabel(2).caption(), " 1");
    EXPECT_EQ(list().ScoreText[2]->text(), " 1");
    EXPECT_TRUE(h.state.pointsAwarded);
    space();
    EXPECT_EQ(board->TLabel(10).caption(), "Three") << "the score survives the ranking";
    EXPECT_EQ(board->SLabel(0).caption(), " 1");

    click(board->L(1));
    click(board->L(1), Qt::RightButton);
    click(board->SLabel(0));
    EXPECT_EQ(board->SLabel(0).caption(), " 1") << "deselected";
}

TEST_F(TwelvePlayers, EqualScoresKeepTheirListOrder) {
    list().setScore(7, "9");
    list().setScore(11, "9");
    space();
    EXPECT_EQ(rowNames(*board).mid(0, 4), (QStringList{"Nine", "Fourteen", "One", "Two"}));
}

TEST_F(TwelvePlayers, MarksStayWithTheirPlayersWhenTheRowsAreRanked) {
    space();
    pressAndPoll(h, 3, 2, 4);  // Fourteen, in the list's row 11: not on the board
    EXPECT_EQ(board->ScoreLabel.caption(), "0");
    board->Option5.setValue(true);
    click(board->ScoreLabel);
    click(board->NameLabel, Qt::RightButton);
    EXPECT_EQ(board->TLabel(10).caption(), "Fourteen");
    EXPECT_EQ(board->TLabel(10).backColor(), buttonFace) << "Fourteen had no row to mark";

    pressAndPoll(h, 1, 0, 2);  // Two buzzes in and overtakes Fourteen
    EXPECT_EQ(board->TLabel(12).backColor(), red);
    click(board->ScoreLabel);
    click(board->ScoreLabel);
    click(board->NameLabel, Qt::RightButton);  // its red mark goes up with it
    EXPECT_EQ(board->TLabel(10).caption(), "Two");
    EXPECT_EQ(board->TLabel(10).backColor(), ui::colors::orange);
    EXPECT_EQ(board->TLabel(11).backColor(), buttonFace);
}

TEST_F(TwelvePlayers, TypedScoresAreReadLenientlyLimitedAndWrittenBackPlain) {
    const QStringList typed = {"abc", "-", QString(40, '9'), "12abc", "-40000", ""};
    for (int k = 0; k < typed.size(); ++k) {
        list().ScoreText[k]->setText({});
        QTest::keyClicks(list().ScoreText[k]->widget(), typed[k]);
    }
    QTest::keyClick(list().ScoreText[0]->widget(), Qt::Key_Return);
    EXPECT_EQ(list().ScoreText[0]->text(), "0") << "a finished entry is tidied at once";
    click(list().CommandSort);
    EXPECT_EQ(listNames(list()).mid(0, 3), (QStringList{"Three", "Four", "One"}));
    EXPECT_EQ(list().ScoreText[0]->text(), "32767");
    EXPECT_EQ(list().ScoreText[1]->text(), "12");
    EXPECT_EQ(list().NameLabel[11]->caption(), "Six");
    EXPECT_EQ(list().ScoreText[11]->text(), "-32768");
    for (int k = 2; k < 11; ++k) {
        EXPECT_EQ(list().ScoreText[k]->text(), "0") << k;
    }
    EXPECT_EQ(board->TLabel(10).caption(), "One") << "the list's own sort leaves the board";

    space();
    EXPECT_EQ(board->TLabel(10).caption(), "Three");
    EXPECT_EQ(board->SLabel(0).caption(), "32767");
    pressAndPoll(h, 1, 0, 3);
    board->Option10.setValue(true);
    click(board->ScoreLabel);
    EXPECT_EQ(board->ScoreLabel.caption(), " 32767") << "a score stays within 16 bits";
}

TEST_F(TwelvePlayers, ShowEditAllScoresAndHideScreenReRankTheBoard) {
    click(board->CommandShowAll);
    EXPECT_TRUE(list().visible());
    list().ScoreText[7]->setText({});
    QTest::keyClicks(list().ScoreText[7]->widget(), "50");
    click(list().CommandHide);
    EXPECT_FALSE(list().visible());
    EXPECT_TRUE(board->isFront());
    EXPECT_EQ(board->TLabel(10).caption(), "Nine");
    EXPECT_EQ(board->SLabel(0).caption(), "50");
}

// The list over the board is no trip to the set-up menu: the clock goes on from where it
// stood, running or paused.
TEST_F(TwelvePlayers, TheListLeavesTheMatchClockAsItStands) {
    h.settings.timerText(6) = "15:00";
    space();
    click(board->clocklabel);
    h.clock.advanceMs(5000);
    ASSERT_EQ(board->clocklabel.caption(), " 14:55");
    click(board->CommandShowAll);
    click(list().CommandHide);
    EXPECT_EQ(board->clocklabel.caption(), " 14:55");
    h.clock.advanceMs(1000);
    EXPECT_EQ(board->clocklabel.caption(), " 14:54") << "still running";

    click(board->clocklabel);  // paused: a time-out
    click(board->CommandShowAll);
    test::closeAsOperator(list().window());
    EXPECT_EQ(board->clocklabel.caption(), " 14:54");
    click(board->clocklabel);
    h.clock.advanceMs(1000);
    EXPECT_EQ(board->clocklabel.caption(), " 14:53");
}

// "Time Out", "Timer Expired" and "Clock Expired" take the name display; the points go to
// the player who buzzed all the same.
TEST_F(TwelvePlayers, PointsReachTheResponderAfterTheNameDisplayChanged) {
    space();
    pressAndPoll(h, 2, 1, 2);  // Seven
    click(board->clocklabel);
    click(board->clocklabel);  // a time-out
    ASSERT_EQ(board->NameLabel.caption(), "Time Out");
    board->Option10.setValue(true);
    click(board->ScoreLabel);
    EXPECT_EQ(list().ScoreText[5]->text(), " 10");
    space();
    EXPECT_EQ(rowNames(*board).first(), "Seven");
    EXPECT_EQ(board->SLabel(0).caption(), " 10");
}

TEST_F(TwelvePlayers, ClosingTheListIsHideScreen) {
    click(board->CommandShowAll);
    list().setScore(9, " 4");  // Twelve
    test::closeAsOperator(list().window());
    EXPECT_FALSE(list().visible());
    EXPECT_TRUE(board->isFront());
    EXPECT_EQ(board->TLabel(10).caption(), "Twelve");
}

TEST_F(TwelvePlayers, ErasingScoresZeroesTheListAndTheRows) {
    list().setScore(3, " 15");
    space();
    board->eraseScores();
    EXPECT_EQ(list().ScoreText[0]->text(), "0");
    EXPECT_EQ(board->SLabel(0).caption(), "0");
    EXPECT_EQ(list().ScoreText[20]->text(), "") << "rows past the players stay blank";
}

TEST(CutThroat, TwoPlayersWithTheSameNameShareTheResponderScore) {
    WindowHarness h(4097, 2, {0, 1}, 2);
    h.settings.rosterText[2] = "Sam";
    h.settings.rosterText[9] = "Sam";
    auto& board = h.openCutThroat();
    QTest::keyClick(board.window(), Qt::Key_Space);
    pressAndPoll(h, 2, 1, 3);  // the second Sam
    EXPECT_EQ(board.TLabel(11).backColor(), red);
    EXPECT_EQ(board.TLabel(17).backColor(), red) << "both rows show the name";
    board.Option5.setValue(true);
    click(board.ScoreLabel);
    auto& list = board.showAll();
    EXPECT_EQ(list.ScoreText[1]->text(), " 5");
    EXPECT_EQ(list.ScoreText[7]->text(), " 5");
    EXPECT_EQ(list.ScoreText[2]->text(), "0");
}

TEST(CutThroat, FewerThanTenPlayersLeaveTheOtherRowsBlank) {
    WindowHarness h(4097, 1, {0}, 1);
    auto& board = h.openCutThroat();
    EXPECT_EQ(board.showAll().playerCount(), 5);
    EXPECT_EQ(rowNames(board),
              (QStringList{"One", "Two", "Three", "Four", "Five", "", "", "", "", ""}));
    for (int i = 5; i <= 9; ++i) {
        EXPECT_EQ(board.SLabel(i).caption(), "") << i;
    }
    click(board.L(7));
    EXPECT_EQ(board.SLabel(6).backColor(), buttonFace) << "a blank row cannot be selected";
}

// A button whose player has no name still buzzes, but marks no row: blank rows stand for
// nobody.
TEST(CutThroat, APlayerWithoutANameMarksNoBlankRow) {
    WindowHarness h(4097, 1, {0}, 1);
    h.settings.rosterText[5] = "";
    auto& board = h.openCutThroat();
    ASSERT_EQ(board.showAll().playerCount(), 4);
    QTest::keyClick(board.window(), Qt::Key_Space);
    pressAndPoll(h, 1, 0, 5);
    EXPECT_EQ(board.NameLabel.caption(), "");
    for (int i = 10; i <= 19; ++i) {
        EXPECT_EQ(board.TLabel(i).backColor(), buttonFace) << i;
    }
    EXPECT_EQ(board.ScoreLabel.backColor(), buttonFace) << "nobody's score to show";
}

TEST(CutThroat, FourButtonTeamsHaveNoFifthPlayer) {
    WindowHarness h(2012, 2, {0, 1});
    auto& board = h.openCutThroat();
    EXPECT_EQ(listNames(board.showAll()),
              (QStringList{"One", "Two", "Three", "Four", "Six", "Seven", "Eight", "Nine"}));
}

TEST(CutThroat, AGrownListShowsTheNewPlayersAndKeepsTheScores) {
    WindowHarness h(4097, 1, {0}, 2);
    auto& board = h.openCutThroat();
    board.showAll().setScore(3, " 7");
    board.Commandsetupmenu.click();
    h.state.teamModuleHandle[1] = 101;  // a second team joins
    h.menu->GreyOut();
    h.menu->Text[8]->setText("Zoe");
    h.menu->CommandHide_Click();
    auto& list = board.showAll();
    EXPECT_EQ(list.playerCount(), 10);
    EXPECT_EQ(listNames(list), (QStringList{"Four", "One", "Two", "Three", "Five", "Six", "Zoe",
                                            "Eight", "Nine", "Ten"}));
    EXPECT_EQ(list.ScoreText[0]->text(), " 7");
    EXPECT_EQ(list.ScoreText[6]->text(), "0");
    EXPECT_TRUE(list.NameLabel[9]->visible());
    EXPECT_EQ(board.TLabel(19).caption(), "Ten");
}

TEST(CutThroat, APlayerWhoseNameIsClearedLeavesAndComesBackWithTheScore) {
    WindowHarness h(4097, 1, {0}, 1);
    auto& board = h.openCutThroat();
    board.showAll().setScore(1, " 9");
    board.Commandsetupmenu.click();
    h.menu->Text[2]->setText("");
    h.menu->CommandHide_Click();
    EXPECT_EQ(listNames(board.showAll()), (QStringList{"One", "Three", "Four", "Five"}));
    board.Commandsetupmenu.click();
    h.menu->Text[2]->setText("Tom");
    h.menu->CommandHide_Click();
    EXPECT_EQ(board.TLabel(10).caption(), "Tom");
    EXPECT_EQ(board.SLabel(0).caption(), " 9");
}

}  // namespace
