#include <gtest/gtest.h>

#include <QTest>

#include "BoardPresses.h"
#include "RowCaptions.h"

using test::pressAndPoll;
using test::rowNames;
using test::rowScores;
using test::WindowHarness;
using ui::colors::buttonFace;
using ui::colors::green;
using ui::colors::orange;
using ui::colors::red;

namespace {

void click(ui::Label& label, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(label.widget(), button);
}

TEST(LeaderBoard, ServedSlotsFillTheRowsInSlotOrderAndTheRestAreBlank) {
    WindowHarness h(4097, 2, {0, 2}, 2);
    h.settings.rosterText[12] = "Owls";
    auto& board = h.openLeaderBoard();
    EXPECT_EQ(board.caption(), "LeaderBoard Scoreboard");
    EXPECT_EQ(rowNames(board), (QStringList{"Team 1", "Owls", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(rowScores(board), (QStringList{"0", "0", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(board.rowSlot(2), 2);
    EXPECT_EQ(board.rowSlot(3), -1);
    EXPECT_EQ(board.L(10).caption(), "10)");

    // Back from the menu the same teams keep their rows.
    board.Commandsetupmenu.click();
    h.menu->CommandHide_Click();
    EXPECT_EQ(rowNames(board).mid(0, 3), (QStringList{"Team 1", "Owls", ""}));
}

TEST(LeaderBoard, ARenamedTeamIsShownAndRecognisedAfterTheMenu) {
    WindowHarness h(4097, 2, {0, 1}, 2);
    auto& board = h.openLeaderBoard();
    board.Commandsetupmenu.click();
    QTest::keyClicks(h.menu->Text[6]->widget(), " Owls");
    h.menu->CommandHide_Click();
    EXPECT_EQ(board.TLabel(11).caption(), "Team 2 Owls");

    QTest::keyClick(board.window(), Qt::Key_Space);
    pressAndPoll(h, 2, 1, 3);
    EXPECT_EQ(board.Labelteam.caption(), "Team 2 Owls");
    EXPECT_EQ(board.TLabel(11).backColor(), red) << "the responder's row is found by its name";
    EXPECT_EQ(board.SLabel(1).backColor(), green);
}

TEST(LeaderBoard, TheResetClickRanksTiesInTheirOrder) {
    WindowHarness h(4097, 4, {0, 1, 2, 3}, 4);
    auto& board = h.openLeaderBoard();
    const QStringList values = {" 10", " 30", " 20", " 30"};
    for (int i = 0; i < 4; ++i) {
        board.SLabel(i).setCaption(values[i]);
    }
    click(board.NameLabel);
    EXPECT_EQ(rowNames(board).mid(0, 4), (QStringList{"Team 2", "Team 4", "Team 3", "Team 1"}));
    EXPECT_EQ(rowScores(board).mid(0, 4), (QStringList{" 30", " 30", "20", "10"}));
    EXPECT_EQ(board.rowSlot(1), 1);
    EXPECT_EQ(board.rowSlot(4), 0) << "the slots travel with their teams";
}

TEST(LeaderBoard, ANegativeTeamSinksToTheLastRowAndBlankRowsStayBlank) {
    WindowHarness h(4097, 4, {0, 1, 2, 3}, 4);
    auto& board = h.openLeaderBoard();
    board.SLabel(3).setCaption("-5");
    QTest::keyClick(board.window(), Qt::Key_Space);
    EXPECT_EQ(board.TLabel(19).caption(), "Team 4");
    EXPECT_EQ(board.SLabel(9).caption(), "-5");
    for (int i = 3; i <= 8; ++i) {
        EXPECT_EQ(board.TLabel(10 + i).caption(), "") << i;
        EXPECT_EQ(board.SLabel(i).caption(), "") << i;
    }
    // Back above zero it climbs past the blank rows, which stay blank (never "0").
    board.SLabel(9).setCaption(" 3");
    QTest::keyClick(board.window(), Qt::Key_Space);
    EXPECT_EQ(rowNames(board).mid(0, 5), (QStringList{"Team 4", "Team 1", "Team 2", "Team 3", ""}));
    EXPECT_EQ(rowScores(board).mid(3), (QStringList{"0", "", "", "", "", "", ""}));
}

TEST(LeaderBoard, OneClickScoresEveryGreenRow) {
    WindowHarness h(4097, 3, {0, 1, 2}, 3);
    auto& board = h.openLeaderBoard();
    board.Option5.setValue(true);
    click(board.SLabel(2));
    EXPECT_EQ(rowScores(board).mid(0, 3), (QStringList{"0", "0", "0"})) << "nothing selected";
    EXPECT_FALSE(h.state.pointsAwarded);

    click(board.L(1), Qt::RightButton);
    click(board.L(3), Qt::RightButton);
    EXPECT_EQ(board.SLabel(0).backColor(), green);
    click(board.SLabel(1));
    EXPECT_EQ(rowScores(board).mid(0, 3), (QStringList{" 5", "0", " 5"}));
    EXPECT_TRUE(h.state.pointsAwarded);
    click(board.SLabel(0), Qt::RightButton);
    EXPECT_EQ(rowScores(board).mid(0, 3), (QStringList{" 0", "0", " 0"}));
    click(board.L(4), Qt::RightButton);
    click(board.SLabel(0));
    EXPECT_EQ(board.SLabel(3).caption(), "") << "a blank row cannot be selected or scored";
}

TEST(LeaderBoard, RowNumberClicksMarkAndUnmark) {
    WindowHarness h(4097, 2, {0, 1}, 2);
    auto& board = h.openLeaderBoard();
    board.TLabel(10).setBackColor(red);
    click(board.L(1));
    EXPECT_EQ(board.TLabel(10).backColor(), orange) << "the responder becomes ineligible";
    click(board.L(1));
    EXPECT_EQ(board.TLabel(10).backColor(), buttonFace);
    click(board.L(1), Qt::RightButton);
    EXPECT_EQ(board.TLabel(10).backColor(), buttonFace);
    EXPECT_EQ(board.SLabel(0).backColor(), green);
    click(board.L(1), Qt::RightButton);
    EXPECT_EQ(board.SLabel(0).backColor(), buttonFace);
}

// The right-button reset ranks first; the team that buzzed in becomes ineligible wherever
// its row went, and the other marks stay with their teams.
TEST(LeaderBoard, MarksFollowTheirTeamsThroughTheRanking) {
    WindowHarness h(4097, 4, {0, 1, 2, 3}, 4);
    auto& board = h.openLeaderBoard();
    QTest::keyClick(board.window(), Qt::Key_Space);
    board.TLabel(11).setBackColor(orange);  // Team 2 answered earlier
    pressAndPoll(h, 4, 3, 2);               // Team 4 buzzes in
    EXPECT_EQ(board.TLabel(13).backColor(), red);
    board.Option10.setValue(true);
    click(board.SLabel(0));  // its score is green: Team 4 gets 10 and will lead
    EXPECT_EQ(board.SLabel(3).caption(), " 10");

    click(board.NameLabel, Qt::RightButton);
    EXPECT_EQ(rowNames(board).mid(0, 4), (QStringList{"Team 4", "Team 1", "Team 2", "Team 3"}));
    EXPECT_EQ(board.TLabel(10).backColor(), orange) << "Team 4, who answered";
    EXPECT_EQ(board.TLabel(11).backColor(), buttonFace) << "Team 1 was never marked";
    EXPECT_EQ(board.TLabel(12).backColor(), orange) << "Team 2 keeps its mark";
    EXPECT_EQ(board.TLabel(13).backColor(), buttonFace);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(board.SLabel(i).backColor(), buttonFace);
    }
    EXPECT_EQ(h.modules->commands(1).back(), 125);

    // Team 4 is refused now; Team 1 is not.
    h.modules->clearCommands();
    pressAndPoll(h, 4, 3, 1);
    EXPECT_EQ(h.modules->commands(2), (std::vector<int>{124, 125}));
    EXPECT_EQ(board.NameLabel.caption(), "");
    pressAndPoll(h, 1, 0, 1);
    EXPECT_EQ(board.NameLabel.caption(), "One");
    EXPECT_EQ(board.TLabel(11).backColor(), red);
}

TEST(LeaderBoard, TheMouseReArmSendsOnly125AndLeavingKeepsTheMenuMirror) {
    WindowHarness h(4097, 2, {0, 1}, 2);
    auto& board = h.openLeaderBoard();
    h.modules->clearCommands();
    click(board.NameLabel);
    EXPECT_EQ(h.modules->commands(1), (std::vector<int>{125}));
    EXPECT_TRUE(board.engine().porttimer().enabled());

    board.Option1.setValue(true);
    click(board.L(1), Qt::RightButton);
    click(board.SLabel(0));
    board.Commandsetupmenu.click();
    EXPECT_TRUE(h.menu->visible());
    EXPECT_EQ(h.menu->Score[0]->caption(), "0") << "leader board scores stay on the board";
    EXPECT_EQ(board.NameLabel.caption(), "Time Out");
    h.menu->CommandHide_Click();
    EXPECT_EQ(board.SLabel(0).caption(), " 1");
}

TEST(LeaderBoard, ErasingScoresZeroesTheTeamsAndLeavesBlankRowsBlank) {
    WindowHarness h(4097, 2, {0, 1}, 2);
    auto& board = h.openLeaderBoard();
    board.SLabel(0).setCaption(" 40");
    board.eraseScores();
    EXPECT_EQ(rowScores(board).mid(0, 3), (QStringList{"0", "0", ""}));
}

}  // namespace
