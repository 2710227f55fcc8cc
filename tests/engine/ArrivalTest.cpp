// Presses that arrive between two polling ticks: taken at once while the board polls,
// with every rule of the tick (settling window, re-sends, second place) as before.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace {

using test::EngineHarness;
using test::oneTeamPress;
using test::playerName;
using V = std::vector<int>;
using ui::colors::orange;
using ui::colors::yellow;

void pressArriving(EngineHarness& h, int team, int player) {
    h.modules.press(team + 1, oneTeamPress(team, player));
    h.modules.deliverArrivals();
}

TEST(Arrival, APressBetweenTicksIsTakenAtOnceOnEveryBoard) {
    for (const engine::BoardPolicy* policy :
         {&engine::classicBoardPolicy(), &engine::leaderBoardPolicy()}) {
        EngineHarness h(4097, 3, *policy);
        h.armAndSettle();
        const int pollsBefore = h.modules.polls;
        pressArriving(h, 2, 4);
        EXPECT_EQ(h.view.name, playerName(2, 4)) << "no clock time has passed";
        EXPECT_EQ(h.modules.polls, pollsBefore + 1) << "one check for one arrival";
        EXPECT_EQ(h.modules.commands(1), (V{124}));
        EXPECT_EQ(h.modules.commands(3), (V{124, 0, 22}));
        EXPECT_FALSE(h.engine.porttimer().enabled());
        EXPECT_EQ(h.state.excludedModule, 3);
        EXPECT_EQ(h.modules.discards, 1) << "what came behind the press is forgotten";
    }
}

TEST(Arrival, PressesArrivingTogetherGoToTheLowestPosition) {
    EngineHarness h(4097, 3);
    h.armAndSettle();
    const int pollsBefore = h.modules.polls;
    h.modules.press(3, oneTeamPress(2, 1));
    h.modules.press(2, oneTeamPress(1, 5));
    h.modules.deliverArrivals();
    EXPECT_EQ(h.view.name, playerName(1, 5));
    EXPECT_EQ(h.state.respondingModule, 2);
    EXPECT_EQ(h.modules.polls, pollsBefore + 1);
    EXPECT_EQ(h.modules.commands(3), (V{124})) << "locked out, never lit";
}

TEST(Arrival, NothingIsTakenWhileTheBoardDoesNotPoll) {
    EngineHarness h(4097, 3);
    h.modules.deliverArrivals();  // never armed
    EXPECT_EQ(h.modules.polls, 0);
    h.armAndSettle();
    pressArriving(h, 0, 1);
    h.modules.clearCommands();
    const int polls = h.modules.polls;
    h.modules.deliverArrivals();  // locked after the first responder
    EXPECT_EQ(h.modules.polls, polls);
    EXPECT_TRUE(h.log.empty());
}

TEST(Arrival, TheRfSettlingWindowIsLeftToTheTicks) {
    EngineHarness h(712, 1);
    h.engine.spacekey();
    h.modules.clearCommands();
    h.advance(51);
    h.modules.clearCommands();
    const int polls = h.modules.polls;
    h.modules.press(1, 7);
    h.modules.deliverArrivals();
    EXPECT_EQ(h.modules.polls, polls) << "an arrival in the window checks nothing";
    EXPECT_TRUE(h.modules.commands(1).empty());
    h.advance(2);
    EXPECT_EQ(h.modules.commands(1), (V{124, 125})) << "the tick still re-sends";
    EXPECT_EQ(h.view.name, "");
    h.advance(150);  // the window has passed
    h.modules.press(1, 7);
    h.modules.deliverArrivals();
    EXPECT_EQ(h.view.name, playerName(1, 2));
}

TEST(Arrival, SecondPlacePollingHoldsALaterArrivalAtOnce) {
    EngineHarness h(4097, 3);
    h.settings.lockSecondResponder = true;
    h.armAndSettle();
    pressArriving(h, 0, 1);
    EXPECT_EQ(h.view.name, playerName(0, 1));
    EXPECT_TRUE(h.engine.porttimer().enabled()) << "the first responder holds the floor";
    EXPECT_EQ(h.modules.discards, 0) << "polling goes on: the next press is the second";
    h.advance(800);          // the sound tick re-arms the others
    pressArriving(h, 0, 2);  // the first responder's own module is skipped
    EXPECT_FALSE(h.state.secondResponderWaiting);
    pressArriving(h, 2, 4);
    EXPECT_TRUE(h.state.secondResponderWaiting);
    EXPECT_EQ(h.view.rowColors(), (std::vector{orange, ui::colors::buttonFace, yellow}));
    EXPECT_EQ(h.view.name, playerName(0, 1));
    EXPECT_FALSE(h.engine.porttimer().enabled());
    EXPECT_TRUE(h.engine.timerBlink().enabled());
    EXPECT_EQ(h.modules.discards, 1);
}

}  // namespace
