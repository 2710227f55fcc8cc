// Second-place mode: the first responder holds the floor, a second press is held, blinks
// and takes the turn when the first answer earned no points.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace {

using test::EngineHarness;
using test::oneTeamPress;
using test::playerName;
using test::teamName;
using V = std::vector<int>;
using ui::colors::buttonFace;
using ui::colors::green;
using ui::colors::orange;
using ui::colors::yellow;

struct SecondPlace : ::testing::Test {
    EngineHarness h{4097, 3};
    SecondPlace() { h.settings.lockSecondResponder = true; }
    // Team 0 answers first, team 2's player 4 presses second, after the sound re-arm.
    void firstAndSecond() {
        h.armAndSettle();
        h.buzzOneTeam(0, 1);
        h.advance(800);
        h.buzzOneTeam(2, 4);
        h.modules.clearCommands();
    }
};

TEST_F(SecondPlace, FirstPressShowsTheNameMarksOrangeAndKeepsPolling) {
    h.armAndSettle();
    h.buzzOneTeam(0, 1);
    EXPECT_EQ(h.view.name, playerName(0, 1));
    EXPECT_EQ(h.view.rowColors(), (std::vector{orange, buttonFace, buttonFace}));
    EXPECT_EQ(h.view.scoreColors()[0], green);
    EXPECT_EQ(h.modules.commands(1), (V{0, 22}));  // no lock
    EXPECT_TRUE(h.modules.commands(2).empty());
    EXPECT_TRUE(h.engine.porttimer().enabled());
    EXPECT_EQ(h.state.excludedModule, 1);
}

TEST_F(SecondPlace, SoundTickRearmsEveryModuleButTheResponders) {
    h.armAndSettle();
    h.buzzOneTeam(1, 2);
    h.modules.clearCommands();
    h.advance(800);
    EXPECT_EQ(h.modules.commands(1), (V{127, 125}));
    EXPECT_EQ(h.modules.commands(2), (V{127}));
    EXPECT_EQ(h.modules.commands(3), (V{127, 125}));
}

// The tick belongs to its buzz: after the operator's arm it re-arms nobody, and a buzz of
// the new question, even one within the last buzz's 800 ms, gets its own 800 ms.
TEST_F(SecondPlace, EachBuzzHasItsOwnSoundTick) {
    h.armAndSettle();
    h.buzzOneTeam(1, 2);
    h.advance(300);
    h.armAndSettle();
    h.advance(300);  // past the buzz's 800 ms
    for (int module = 1; module <= 3; ++module) {
        EXPECT_TRUE(h.modules.commands(module).empty()) << module;
    }
    h.buzzOneTeam(1, 2);
    h.advance(300);
    h.armAndSettle();
    h.buzzOneTeam(0, 1);  // 500 ms after the last buzz
    h.modules.clearCommands();
    h.advance(790);
    for (int module = 1; module <= 3; ++module) {
        EXPECT_TRUE(h.modules.commands(module).empty()) << module;
    }
    h.advance(10);
    EXPECT_EQ(h.modules.commands(1), (V{127}));
    EXPECT_EQ(h.modules.commands(2), (V{127, 125}));
}

TEST_F(SecondPlace, SecondPressIsHeldYellowAndBlinksItsPlayersLamp) {
    firstAndSecond();
    EXPECT_EQ(h.view.name, playerName(0, 1));
    EXPECT_EQ(h.view.rowColors(), (std::vector{orange, buttonFace, yellow}));
    EXPECT_FALSE(h.engine.porttimer().enabled());
    EXPECT_TRUE(h.state.secondResponderWaiting);
    h.advance(2000);
    EXPECT_EQ(h.modules.commands(3), (V{4, 124, 4, 124}));
    EXPECT_TRUE(h.modules.commands(1).empty());
    EXPECT_TRUE(h.modules.commands(2).empty());
}

TEST_F(SecondPlace, SpaceWithoutPointsHandsTheTurnToTheHeldPlayer) {
    firstAndSecond();
    h.advance(500);  // lamp lit
    h.modules.clearCommands();
    h.engine.spacekey();
    EXPECT_EQ(h.view.team, teamName(2));
    EXPECT_EQ(h.view.name, playerName(2, 4));
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, buttonFace, orange}));
    EXPECT_EQ(h.modules.commands(1), (V{124}));
    EXPECT_EQ(h.modules.commands(3), (V{124, 0, 22}));
    EXPECT_EQ(h.state.excludedModule, 3);
    EXPECT_TRUE(h.engine.porttimer().enabled());  // the key form keeps polling
    h.modules.clearCommands();
    h.advance(1500);
    EXPECT_EQ(h.modules.commands(3), (V{127}));  // no more blinking
}

TEST_F(SecondPlace, SpaceAfterPointsIsAFullRearm) {
    firstAndSecond();
    h.state.pointsAwarded = true;
    h.engine.spacekey();
    EXPECT_EQ(h.view.name, "");
    EXPECT_EQ(h.view.rowColors(), (std::vector{buttonFace, buttonFace, buttonFace}));
    for (int m = 1; m <= 3; ++m) {
        EXPECT_EQ(h.modules.commands(m), (V{125})) << m;
    }
    EXPECT_FALSE(h.state.secondResponderWaiting);
    h.advance(2000);
    EXPECT_EQ(h.modules.commands(3), (V{125}));
}

TEST_F(SecondPlace, ClassicResetClickHandOverLeavesPollingStopped) {
    firstAndSecond();
    h.engine.NameLabel_MouseDown(engine::kLeftButton);
    EXPECT_EQ(h.view.name, playerName(2, 4));
    EXPECT_EQ(h.modules.commands(2), (V{124}));
    EXPECT_FALSE(h.engine.porttimer().enabled());
}

TEST_F(SecondPlace, TheChosenButtonOfASimultaneousSecondPressIsKept) {
    EngineHarness t(2012, 2);
    t.settings.lockSecondResponder = true;
    t.modules.setAddress(2, 128);
    t.armAndSettle();
    t.modules.press(1, 255 ^ 1);
    t.advance(802);
    t.platform.randoms = {0.99};
    t.modules.press(2, 255 ^ (16 | 64));  // players 1 and 4 of team 3
    t.advance(2);
    t.engine.spacekey();  // no further random numbers: 0.0 would pick player 1
    EXPECT_EQ(t.view.name, playerName(3, 4));
}

TEST_F(SecondPlace, SecondPressFromTheFirstTeamIsRefusedOnTheClassicBoard) {
    EngineHarness t(2012, 2);
    t.settings.lockSecondResponder = true;
    t.view.rows = {{teamName(0)}, {teamName(1)}, {teamName(2)}};
    t.modules.setAddress(2, 0);  // a second interface answering for teams 0 and 1
    t.armAndSettle();
    t.modules.press(1, 255 ^ 1);
    t.advance(802);
    t.modules.clearCommands();
    t.modules.press(2, 255 ^ 2);  // team 0 again
    t.advance(2);
    EXPECT_EQ(t.modules.commands(2), (V{124, 125}));
    EXPECT_FALSE(t.state.secondResponderWaiting);
}

}  // namespace
