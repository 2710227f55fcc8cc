#include <gtest/gtest.h>

#include <QTest>

#include "WindowHarness.h"
#include "boards/PromptTexts.h"

using test::WindowHarness;
namespace prompt = boards::prompt;

namespace {

// Moves the pointer over a control as an operator would (from a corner of the control to
// its middle, so it is a move even when the pointer was already there).
void over(ui::Control& control) {
    QTest::mouseMove(control.widget(), {1, 1});
    QTest::mouseMove(control.widget());
}
// Over the bare background of a window: a point with no control under it.
void overBackground(ui::Form& form) {
    QWidget* client = form.client();
    for (int y = client->height() - 2; y > 0; y -= 7) {
        for (int x = 2; x < client->width(); x += 7) {
            if (client->childAt(x, y) == nullptr) {
                QTest::mouseMove(client, {x, y});
                return;
            }
        }
    }
    ADD_FAILURE() << "no bare background";
}

TEST(Prompts, TheClassicBoardNamesWhatIsUnderThePointerAndTheBackgroundEmptiesIt) {
    WindowHarness h(4097, 3, {0, 1, 2}, 3);
    auto& board = h.openBoard();
    const ui::Label& line = board.TextLabel;
    over(board.bscorelabel);
    EXPECT_EQ(line.caption(), prompt::kScore);
    overBackground(board);
    EXPECT_EQ(line.caption(), "");
    over(board.LabelGamma);
    EXPECT_EQ(line.caption(), prompt::kTeam);
    over(board.Label2);  // the "Response Timer" caption has no prompt
    EXPECT_EQ(line.caption(), prompt::kTeam);
    const std::pair<ui::Control*, const char*> table[] = {
        {&board.NameLabel, prompt::kName},
        {&board.clocklabel, prompt::kClock},
        {&board.Commandsetupmenu, prompt::kSetupMenu},
        {&board.Option1, prompt::kStep1},
        {&board.Option5, prompt::kStep5},
        {&board.Option10, prompt::kStep10},
        {&board.timerlabel, prompt::kTimer},
    };
    for (const auto& [control, text] : table) {
        over(*control);
        EXPECT_EQ(line.caption(), text);
    }
    EXPECT_EQ(QString(prompt::kTimer),
              "Left click starts 'toss-up' timer.  Right click starts 'bonus' timer.");
}

TEST(Prompts, TheClassicTimerPromptFollowsTheQuestionSourceAtEachMove) {
    WindowHarness h(4097, 3, {0, 1, 2}, 3);
    auto& board = h.openBoard();
    h.settings.chooseQuestionSource(model::QuestionSource::ComputerGenerated);
    over(board.timerlabel);
    EXPECT_EQ(board.TextLabel.caption(),
              "Displays next question and starts timer. Left click starts 'toss-up' timer.  Right "
              "click starts 'bonus' timer.");
    h.settings.chooseQuestionSource(model::QuestionSource::ModeratorRead);
    over(board.clocklabel);
    over(board.timerlabel);
    EXPECT_EQ(board.TextLabel.caption(), prompt::kTimer);
}

TEST(Prompts, WithPromptsOffTheLineIsHiddenYetStillWrittenAndComesBackWithTheLastText) {
    WindowHarness h(4097, 3, {0, 1, 2}, 3);
    auto& board = h.openBoard();
    h.settings.operatorPromptsOff = true;
    h.menu->runOptionEffect(model::OptionBox::CheckPromptsOff);
    EXPECT_FALSE(board.TextLabel.visible());
    over(board.ascorelabel);
    over(board.NameLabel);
    EXPECT_EQ(board.TextLabel.caption(), prompt::kName);
    h.settings.operatorPromptsOff = false;
    h.menu->runOptionEffect(model::OptionBox::CheckPromptsOff);
    EXPECT_TRUE(board.TextLabel.visible());
    EXPECT_EQ(board.TextLabel.caption(), prompt::kName);
}

TEST(Prompts, TheLeaderBoardRowsAndItsPlainTimerText) {
    WindowHarness h(4097, 4, {0, 1, 2, 3}, 4);
    auto& board = h.openLeaderBoard();
    h.settings.chooseQuestionSource(model::QuestionSource::ComputerGenerated);
    over(board.SLabel(3));
    EXPECT_EQ(board.TextLabel.caption(), prompt::kScore);
    over(board.L(7));
    EXPECT_EQ(board.TextLabel.caption(), prompt::kTeam);
    over(board.TLabel(12));  // team names have no prompt
    EXPECT_EQ(board.TextLabel.caption(), prompt::kTeam);
    over(board.timerlabel);
    EXPECT_EQ(board.TextLabel.caption(), prompt::kTimer)
        << "only the classic board shows questions";
    overBackground(board);
    EXPECT_EQ(board.TextLabel.caption(), "");
}

TEST(Prompts, TheCutThroatBoardAndItsPlayerList) {
    WindowHarness h(4097, 2, {0, 1}, 2);
    auto& board = h.openCutThroat();
    over(board.ScoreLabel);
    EXPECT_EQ(board.TextLabel.caption(), prompt::kCutThroatScore);
    over(board.SLabel(0));  // the cut-throat rows have none
    EXPECT_EQ(board.TextLabel.caption(), prompt::kCutThroatScore);
    over(board.CommandShowAll);
    EXPECT_EQ(board.TextLabel.caption(), prompt::kShowAllButton);
    overBackground(board);
    EXPECT_EQ(board.TextLabel.caption(), "");

    board.hide();
    boards::ShowAll& list = board.showAll();
    list.show();
    ASSERT_TRUE(list.NameLabel[3]->visible()) << list.playerCount();
    over(*list.NameLabel[3]);
    EXPECT_EQ(list.TextLabel.caption(), prompt::kShowAllName);
    over(*list.ScoreText[5]);
    EXPECT_EQ(list.TextLabel.caption(), prompt::kShowAllScore);
    over(list.CommandHide);
    EXPECT_EQ(list.TextLabel.caption(), "Click here to return to Cut Throat Scoreboard.");
    overBackground(list);
    EXPECT_EQ(list.TextLabel.caption(), prompt::kShowAllHide) << "this background leaves it";
}

}  // namespace
