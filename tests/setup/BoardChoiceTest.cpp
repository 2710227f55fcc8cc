#include <gtest/gtest.h>

#include "RecordingBoards.h"
#include "WindowHarness.h"

using model::BoardChoice;
using test::RecordingBoardsHarness;
using test::WindowHarness;

namespace {

TEST(BoardChoice, EachChoiceHidesTheOtherTwoAndShowsItsOwn) {
    RecordingBoardsHarness h;
    h.menu->show();
    h.log.clear();
    h.menu->mnuLeaderBd.click();
    EXPECT_EQ(h.log, (QStringList{"Classic: hide", "CutThroat: hide", "Leader: show"}));
    EXPECT_TRUE(h.menu->mnuLeaderBd.checked());
    EXPECT_FALSE(h.menu->mnuScoreBd.checked() || h.menu->mnuCutThroat.checked());
    EXPECT_TRUE(h.menu->visible()) << "the leader choice leaves the menu as it was";
    EXPECT_FALSE(h.menu->mnuSwapSides.enabled());

    h.log.clear();
    h.menu->mnuScoreBd.click();
    EXPECT_EQ(h.log, (QStringList{"Leader: hide", "CutThroat: hide", "Classic: show"}));
    EXPECT_TRUE(h.menu->visible());
    EXPECT_TRUE(h.menu->isFront()) << "brought back in front of the classic board";
    EXPECT_TRUE(h.menu->mnuSwapSides.enabled()) << "classic board with two teams";

    h.log.clear();
    h.menu->mnuCutThroat.click();
    EXPECT_EQ(h.log, (QStringList{"Leader: hide", "Classic: hide", "CutThroat: show"}));
    EXPECT_FALSE(h.menu->visible()) << "hidden behind the cut-throat board";
    EXPECT_FALSE(h.menu->mnuSwapSides.enabled());
    EXPECT_TRUE(h.settings.cutThroatChosen);
    EXPECT_TRUE(h.menu->Label1.caption().contains("* Cut Throat Scoreboard display selected"));
}

TEST(BoardChoice, TheChosenBoardIsTheOneShowing) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    const auto showing = [&] {
        return std::vector<bool>{h.leaderBoard().visible(), h.classicBoard().visible(),
                                 h.cutThroatBoard().visible()};
    };
    h.menu->mnuLeaderBd.click();
    EXPECT_EQ(showing(), (std::vector<bool>{true, false, false}));
    EXPECT_TRUE(h.menu->visible());
    h.menu->mnuCutThroat.click();
    EXPECT_EQ(showing(), (std::vector<bool>{false, false, true}));
    EXPECT_FALSE(h.menu->visible());
    EXPECT_TRUE(h.cutThroatBoard().isFront());
    h.menu->mnuScoreBd.click();
    EXPECT_EQ(showing(), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(h.menu->isFront());
}

TEST(BoardChoice, SwapSidesNeedsTheClassicBoardAndAtMostTwoTeams) {
    RecordingBoardsHarness h;
    h.state.teamCount = 3;
    h.state.teamModuleHandle[2] = 100;
    h.menu->show();
    h.menu->mnuScoreBd.click();
    EXPECT_FALSE(h.menu->mnuSwapSides.enabled());
    h.state.teamCount = 1;
    h.menu->mnuLeaderBd.click();
    EXPECT_FALSE(h.menu->mnuSwapSides.enabled());
    h.menu->mnuScoreBd.click();
    EXPECT_TRUE(h.menu->mnuSwapSides.enabled());
}

TEST(BoardChoice, TheQuestionMenuOffersTheSourceButNotTheEditor) {
    WindowHarness h(4097, 2, {0, 1});
    h.menu->show();
    EXPECT_TRUE(h.menu->mnuQuestionS.enabled());
    EXPECT_TRUE(h.menu->mnuQuestionSource.enabled());
    EXPECT_FALSE(h.menu->mnuQuestionEditor.enabled());
    EXPECT_FALSE(h.menu->mnuStatistics.enabled());
    EXPECT_FALSE(h.menu->mnuInternet.enabled());
}

// The buttons under the board's middle: "Set-up Menu" alone is centred under the name, and
// beside "View Question" the pair is.
void expectButtonsCentred(boards::ScoreBoard3& board) {
    const QRect name = board.NameLabel.widget()->geometry();
    QRect buttons = board.Commandsetupmenu.widget()->geometry();
    if (board.cmdQuestion.visible()) {
        const QRect question = board.cmdQuestion.widget()->geometry();
        EXPECT_FALSE(question.intersects(buttons));
        buttons = buttons.united(question);
    }
    EXPECT_NEAR(buttons.center().x(), name.center().x(), 4);
}

TEST(QuestionSource, EachClickSwitchesTheSourceAndTheViewQuestionButton) {
    WindowHarness h(4097, 2, {0, 1});
    auto& board = h.openBoard();
    h.menu->show();
    EXPECT_FALSE(board.cmdQuestion.visible());
    expectButtonsCentred(board);
    h.menu->mnuComputerGenerated.click();
    expectButtonsCentred(board);
    EXPECT_TRUE(h.menu->mnuComputerGenerated.checked());
    EXPECT_FALSE(h.menu->mnuModeratorRead.checked());
    EXPECT_TRUE(board.cmdQuestion.visible());
    EXPECT_TRUE(h.state.computerQuestionMode);
    EXPECT_TRUE(h.menu->Label1.caption().contains("*Computer Generated Question Display is ON."));
    EXPECT_FALSE(h.menu->Label1.caption().contains("Moderator"));

    h.menu->mnuComputerGenerated.click();  // the chosen one: back to the other
    EXPECT_TRUE(h.menu->mnuModeratorRead.checked());
    EXPECT_FALSE(board.cmdQuestion.visible());
    expectButtonsCentred(board);
    EXPECT_FALSE(h.state.computerQuestionMode);

    h.menu->mnuModeratorRead.click();
    EXPECT_TRUE(h.settings.computerGenerated);
    EXPECT_TRUE(board.cmdQuestion.visible());
}

TEST(QuestionSource, WithBothMarksClearAClickChoosesTheItemClicked) {
    WindowHarness h(4097, 2, {0, 1});
    auto& board = h.openBoard();
    h.settings.moderatorRead = false;  // as a file can leave them
    h.settings.computerGenerated = false;
    h.menu->show();
    h.menu->mnuModeratorRead.click();
    EXPECT_TRUE(h.menu->mnuModeratorRead.checked());
    EXPECT_FALSE(h.menu->mnuComputerGenerated.checked());
    EXPECT_FALSE(board.cmdQuestion.visible());
}

}  // namespace
