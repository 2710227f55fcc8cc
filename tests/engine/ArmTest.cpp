// Clear and arm on the classic board: the space bar, the reset click, the timer rule and
// the RF settling window.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace {

using test::EngineHarness;
using test::oneTeamPress;
using test::playerName;
using test::teamName;
using V = std::vector<int>;
using Log = std::vector<std::string>;
using ui::colors::buttonFace;
using ui::colors::green;
using ui::colors::orange;

struct Arm : ::testing::Test {
    EngineHarness h{4097, 3};
};

TEST_F(Arm, SpaceClearsEveryMarkAndArmsEveryModule) {
    h.armAndSettle();
    h.buzzOneTeam(1, 2);
    h.view.rows[0].color = orange;
    h.engine.CommandT_Click();
    h.modules.clearCommands();
    h.engine.keyDown(32);
    EXPECT_EQ(h.view.name, "");
    EXPECT_EQ(h.view.team, "");
    EXPECT_EQ(h.view.timer, "");
    EXPECT_EQ(h.view.timerKind, "");
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, buttonFace, buttonFace}));
    EXPECT_EQ(h.view.scoreColors(), (std::vector{buttonFace, buttonFace, buttonFace}));
    EXPECT_EQ(h.view.answerCleared, 2);
    EXPECT_FALSE(h.engine.responseTimer().enabled());
    EXPECT_EQ(h.log, (Log{"m1:125", "m2:125", "m3:125"}));
    EXPECT_EQ(h.state.excludedModule, 0);
    h.buzzOneTeam(1, 3);  // the module that answered may buzz again
    EXPECT_EQ(h.view.name, playerName(1, 3));
}

TEST_F(Arm, OtherKeysDoNothing) {
    h.engine.keyDown(13);
    EXPECT_TRUE(h.log.empty());
    EXPECT_FALSE(h.engine.porttimer().enabled());
}

TEST_F(Arm, RightClickMarksTheAnsweringTeamOrangeAndItIsRefusedLater) {
    h.armAndSettle();
    h.view.rows[2].color = orange;  // marked earlier
    h.buzzOneTeam(1, 2);
    h.modules.clearCommands();
    h.engine.NameLabel_MouseDown(engine::kRightButton);
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, orange, orange}));
    EXPECT_EQ(h.view.scoreColors(), (std::vector{buttonFace, buttonFace, buttonFace}));
    EXPECT_EQ(h.view.name, "");
    EXPECT_EQ(h.view.team, "");
    EXPECT_EQ(h.log, (Log{"m1:124", "m2:124", "m3:124", "m1:125", "m2:125", "m3:125"}));
    EXPECT_TRUE(h.engine.porttimer().enabled());

    h.engine.NameLabel_MouseDown(engine::kRightButton);  // nobody answered: marks stay
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, orange, orange}));
    h.modules.clearCommands();
    h.buzzOneTeam(1, 4);
    EXPECT_EQ(h.modules.commands(2), (V{124, 125}));
    EXPECT_EQ(h.view.name, "");

    h.engine.NameLabel_MouseDown(engine::kLeftButton);
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, buttonFace, buttonFace}));
}

TEST_F(Arm, TimerRuleGivesALowRunningCountFourSeconds) {
    h.settings.timerContinuesAfterBuzz = true;
    h.settings.timerText(7) = "2";
    h.engine.CommandT_Click();
    h.engine.spacekey();
    EXPECT_EQ(h.engine.ndigit1(), 4);

    h.settings.timerText(7) = "3";
    h.engine.CommandT_Click();
    h.engine.NameLabel_MouseDown(engine::kLeftButton);
    EXPECT_EQ(h.engine.ndigit1(), 3);

    h.settings.timerContinuesAfterBuzz = false;
    h.settings.timerText(7) = "1";
    h.engine.CommandT_Click();
    h.engine.spacekey();
    EXPECT_EQ(h.engine.ndigit1(), 1);
}

TEST_F(Arm, ClassicTimerRuleIsSkippedOnAHandOver) {
    h.settings.lockSecondResponder = true;
    h.settings.timerContinuesAfterBuzz = true;
    h.settings.timerText(7) = "2";
    h.armAndSettle();
    h.engine.CommandT_Click();
    h.buzzOneTeam(0, 1);
    h.advance(800);
    h.buzzOneTeam(2, 1);
    h.engine.spacekey();
    ASSERT_EQ(h.view.name, playerName(2, 1));
    EXPECT_EQ(h.engine.ndigit1(), 2);
}

TEST(RfSettling, ClassicPollsInTheWindowSendLockAndArmAndTakeNoPress) {
    EngineHarness h(712, 1);
    h.engine.spacekey();
    h.modules.clearCommands();
    h.advance(50);
    h.modules.press(1, 7);
    h.advance(148);
    EXPECT_EQ(h.view.name, "");
    V pairs;
    for (int i = 0; i < 99; ++i) {
        pairs.insert(pairs.end(), {124, 125});
    }
    EXPECT_EQ(h.modules.commands(1), pairs);
    h.advance(10);
    h.modules.press(1, 7);
    h.advance(2);
    EXPECT_EQ(h.view.name, playerName(1, 2));
}

TEST(RfSettling, ResetClickDrainsBeforeLockAndArm) {
    EngineHarness h(712, 1);
    h.engine.NameLabel_MouseDown(engine::kLeftButton);
    EXPECT_EQ(h.log, (Log{"drain", "m1:124", "m1:125"}));
}

// Model 812 has no settling window: a press right after an arm counts, nothing is re-sent
// on the ticks, and the reset click does not drain.
TEST(RfSettling, Model812TakesAPressRightAfterTheArm) {
    EngineHarness h(812, 1);
    h.engine.spacekey();
    h.modules.clearCommands();
    h.modules.press(1, 7);
    h.advance(2);
    EXPECT_EQ(h.view.name, playerName(1, 2));
    EXPECT_EQ(h.modules.commands(1), (V{124, 0, 22}));

    EngineHarness reset(812, 1);
    reset.engine.NameLabel_MouseDown(engine::kLeftButton);
    EXPECT_EQ(reset.log, (Log{"m1:124", "m1:125"}));
}

TEST(RfSettling, LeaderBoardSendsNothingInTheWindow) {
    EngineHarness h(712, 1, engine::leaderBoardPolicy(), {});
    h.engine.spacekey();
    h.modules.clearCommands();
    h.modules.press(1, 3);
    h.advance(190);
    EXPECT_TRUE(h.modules.commands(1).empty());
    EXPECT_EQ(h.view.name, "");
    EXPECT_GT(h.modules.polls, 0);
}

}  // namespace
