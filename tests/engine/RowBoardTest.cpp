// The same engine on the ten-row boards: the leader board (teams) and the cut-throat
// board (players).
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
using ui::colors::red;
using ui::colors::yellow;

struct LeaderBoard : ::testing::Test {
    EngineHarness h{4097, 3, engine::leaderBoardPolicy(), {"Team 2", "Team 0", "Team 1"}};
};

TEST_F(LeaderBoard, PollsEveryTenMilliseconds) {
    h.armAndSettle();
    h.modules.press(1, oneTeamPress(0, 2));
    h.advance(8);
    EXPECT_EQ(h.view.name, "");
    h.advance(2);
    EXPECT_EQ(h.view.name, playerName(0, 2));
}

TEST_F(LeaderBoard, AcceptedPressMarksTheRowRedWithAGreenScore) {
    h.settings.moduleSpeakersOn = false;
    h.armAndSettle();
    h.buzzOneTeam(0, 3);
    EXPECT_EQ(h.view.team, teamName(0));
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, red, buttonFace}));
    EXPECT_EQ(h.view.scoreColors(), (std::vector{buttonFace, green, buttonFace}));
    EXPECT_EQ(h.log, (Log{"m1:124", "m2:124", "m3:124", "m1:0"}));  // no repaint
    EXPECT_EQ(h.view.questionHidden, 0);
    h.modules.clearCommands();
    h.advance(1000);  // no speaker, no sound timer
    EXPECT_TRUE(h.log.empty());
}

TEST_F(LeaderBoard, OrangeRowIsRefusedOnlyWithSecondPlaceModeOff) {
    h.armAndSettle();
    h.view.rows[2].color = orange;  // Team 1
    h.buzzOneTeam(1, 1);
    EXPECT_EQ(h.modules.commands(2), (V{124, 125}));
    EXPECT_EQ(h.view.name, "");

    h.settings.lockSecondResponder = true;
    h.modules.clearCommands();
    h.buzzOneTeam(1, 1);
    EXPECT_EQ(h.view.name, playerName(1, 1));
    EXPECT_EQ(h.modules.commands(2), (V{0, 22}));
    EXPECT_EQ(h.view.scoreColors()[2], green);
}

TEST_F(LeaderBoard, SecondPlaceMarksOrangeThenYellow) {
    h.settings.lockSecondResponder = true;
    h.armAndSettle();
    h.buzzOneTeam(2, 1);
    h.advance(800);
    h.buzzOneTeam(0, 5);
    EXPECT_EQ(h.view.rowColors(), (std::vector{orange, yellow, buttonFace}));
    EXPECT_EQ(h.view.name, playerName(2, 1));
}

TEST_F(LeaderBoard, ResetClickSortsFirstAndRearmsWith125Only) {
    h.armAndSettle();
    h.buzzOneTeam(0, 1);
    h.view.rows[2].color = orange;
    h.modules.clearCommands();
    const int sorts = h.view.sorts;
    h.engine.NameLabel_MouseDown(engine::kRightButton);
    EXPECT_EQ(h.view.sorts, sorts + 1);
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, orange, orange}));
    EXPECT_EQ(h.view.scoreColors(), (std::vector{buttonFace, buttonFace, buttonFace}));
    EXPECT_EQ(h.log, (Log{"m1:125", "m2:125", "m3:125"}));
    EXPECT_EQ(h.view.team, "");

    h.engine.NameLabel_MouseDown(engine::kLeftButton);
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, buttonFace, buttonFace}));
}

TEST_F(LeaderBoard, ResetClickHandOverKeepsPollingAndAppliesTheTimerRule) {
    h.settings.lockSecondResponder = true;
    h.settings.timerContinuesAfterBuzz = true;
    h.settings.timerText(7) = "2";
    h.armAndSettle();
    h.engine.CommandT_Click();
    h.buzzOneTeam(2, 1);
    h.advance(800);
    h.buzzOneTeam(0, 5);
    h.engine.NameLabel_MouseDown(engine::kLeftButton);
    EXPECT_EQ(h.view.name, playerName(0, 5));
    EXPECT_TRUE(h.engine.porttimer().enabled());
    EXPECT_EQ(h.engine.ndigit1(), 4);
}

// A held second responder belongs to its question: after a reset click that re-arms
// (points were given), a later question's space bar must not hand them the floor.
TEST_F(LeaderBoard, ResetClickRearmEndsAHeldResponderAsTheSpaceBarDoes) {
    h.settings.lockSecondResponder = true;
    h.armAndSettle();
    h.buzzOneTeam(2, 1);
    h.advance(800);
    h.buzzOneTeam(0, 5);
    h.state.pointsAwarded = true;
    h.engine.NameLabel_MouseDown(engine::kLeftButton);
    EXPECT_FALSE(h.state.secondResponderWaiting);
    EXPECT_EQ(h.view.name, "");
    h.advance(800);
    h.buzzOneTeam(1, 3);  // the next question's responder, no points
    h.modules.clearCommands();
    h.engine.spacekey();
    EXPECT_EQ(h.view.name, "");
    for (int m = 1; m <= 3; ++m) {  // a full re-arm: no lamp or buzz for the old holder
        EXPECT_EQ(h.modules.commands(m), (V{125})) << m;
    }
}

TEST_F(LeaderBoard, TimerClickLeavesTheKindCaption) {
    h.view.timerKind = "20 sec.";
    h.state.computerQuestionMode = true;
    h.engine.timerlabel_MouseDown(engine::kRightButton);
    EXPECT_EQ(h.view.timerKind, "20 sec.");
    EXPECT_EQ(h.view.name, "Bonus");
    EXPECT_EQ(h.view.questionShown, 0);
}

TEST_F(LeaderBoard, SpaceLeavesTheQuestionWindowsAnswer) {
    h.engine.spacekey();
    EXPECT_EQ(h.view.answerCleared, 0);
    EXPECT_EQ(h.view.sorts, 1);
}

struct CutThroat : ::testing::Test {
    EngineHarness h{
        2012, 1, engine::cutThroatBoardPolicy(), {"Player 1-2", "Player 0-1", "Player 1-1"}};
    CutThroat() { h.view.team = "Top 10 Individuals"; }
    void buzz(int bit) {
        h.modules.press(1, 255 ^ bit);
        h.advance(10);
    }
};

TEST_F(CutThroat, ComparesPlayersAndKeepsTheHeading) {
    h.armAndSettle();
    buzz(16);  // team 1 player 1
    EXPECT_EQ(h.view.name, playerName(1, 1));
    EXPECT_EQ(h.view.team, "Top 10 Individuals");
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, buttonFace, red}));
    EXPECT_EQ(h.view.scoreColors(), (std::vector{buttonFace, buttonFace, buttonFace}));
    EXPECT_EQ(h.view.responderScoreLookups, (QStringList{playerName(1, 1)}));
    EXPECT_EQ(h.view.diagnostic, "");
}

TEST_F(CutThroat, FirstResponderRowTurnsOrangeWithAGreenScore) {
    h.settings.lockSecondResponder = true;
    h.armAndSettle();
    buzz(32);  // team 1 player 2
    EXPECT_EQ(h.view.rowColors()[0], orange);
    EXPECT_EQ(h.view.scoreColors()[0], green);
}

TEST_F(CutThroat, ArmEmptiesTheResponderScore) {
    h.engine.spacekey();
    h.engine.NameLabel_MouseDown(engine::kRightButton);
    EXPECT_EQ(h.view.responderScoreClears, 2);
    EXPECT_EQ(h.view.team, "Top 10 Individuals");
}

}  // namespace
