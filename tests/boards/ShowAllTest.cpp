#include <gtest/gtest.h>

#include <QTest>

#include "BoardPresses.h"

using test::WindowHarness;

namespace {

TEST(ShowAll, TwoFullTeamsMakeTenPlayersInBoxOrder) {
    WindowHarness h(512, 2, {0, 1});
    auto& list = h.openCutThroat().showAll();
    EXPECT_EQ(list.playerCount(), 10);
    EXPECT_EQ(list.PositionText[0], 1);
    EXPECT_EQ(list.PositionText[5], 7);
    EXPECT_EQ(list.NameLabel[5]->caption(), "Six");
    EXPECT_EQ(list.Label1[9]->caption(), "10");
    EXPECT_TRUE(list.Label1[9]->visible());
    for (int k = 10; k < boards::ShowAll::kRows; ++k) {
        EXPECT_FALSE(list.Label1[k]->visible()) << k;
        EXPECT_FALSE(list.NameLabel[k]->visible()) << k;
        EXPECT_FALSE(list.ScoreText[k]->visible()) << k;
        EXPECT_EQ(list.PositionText[k], -1) << k;
    }
    EXPECT_EQ(list.Label1[49]->caption(), "50");
}

TEST(ShowAll, ATypedScoreRanksAtTheNextSort) {
    WindowHarness h(512, 2, {0, 1});
    auto& board = h.openCutThroat();
    auto& list = board.showAll();
    list.setScore(0, " 15");
    list.setScore(1, "10");
    board.CommandShowAll.click();
    list.ScoreText[3]->setText({});
    QTest::keyClicks(list.ScoreText[3]->widget(), "12");
    EXPECT_EQ(list.NameLabel[3]->caption(), "Four") << "typing alone moves nothing";
    QTest::mouseClick(list.CommandSort.widget(), Qt::LeftButton);
    EXPECT_EQ(list.NameLabel[0]->caption(), "One");
    EXPECT_EQ(list.NameLabel[1]->caption(), "Four");
    EXPECT_EQ(list.ScoreText[1]->text(), "12");
    EXPECT_EQ(list.NameLabel[2]->caption(), "Two");
    EXPECT_EQ(list.ScoreText[2]->text(), "10");
    EXPECT_EQ(list.PositionText[1], 4) << "the name box travels with the player";
}

TEST(ShowAll, ARenamedPlayerShowsTheNewNameAtTheSortedPlace) {
    WindowHarness h(512, 2, {0, 1});
    auto& board = h.openCutThroat();
    board.showAll().setScore(6, " 3");  // Seven
    QTest::keyClick(board.window(), Qt::Key_Space);
    board.Commandsetupmenu.click();
    h.menu->Text[8]->setText("Septima");
    h.menu->CommandHide_Click();
    board.CommandShowAll.click();
    EXPECT_EQ(board.showAll().NameLabel[0]->caption(), "Septima");
    EXPECT_EQ(board.TLabel(10).caption(), "Septima");
}

}  // namespace
