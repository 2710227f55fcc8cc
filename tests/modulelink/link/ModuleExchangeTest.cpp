#include <gtest/gtest.h>

#include "LinkHarness.h"

using test::LinkHarness;

namespace {

TEST(ReportChecker, TheLowerPositionWinsWithItsOwnCodeAndAddress) {
    LinkHarness h("2012:1-2,2012:3-4");
    h.startAndArm();
    h.module(2).press({{3, 1}});
    h.module(1).press({{2, 2}});
    h.link->ReportChecker();
    EXPECT_EQ(h.state.respondingModule, 1);
    EXPECT_EQ(h.state.responderCode, 255 ^ 32);  // team base + 1, player 2
    EXPECT_EQ(h.state.responderData4, 0);
    h.state.excludedModule = 1;
    h.link->ReportChecker();
    EXPECT_EQ(h.state.respondingModule, 2);
    EXPECT_EQ(h.state.responderCode, 255 ^ 1);
    EXPECT_EQ(h.state.responderData4, 128);
}

TEST(ReportChecker, IdleModulesLeaveTheResponderUnchanged) {
    LinkHarness h("2012:1-2,2012:3-4");
    h.startAndArm();
    h.state.respondingModule = 2;
    h.link->ReportChecker();
    EXPECT_EQ(h.state.responderCode, 255);
    EXPECT_EQ(h.state.respondingModule, 2);
    EXPECT_EQ(h.state.lastData1, 255);
}

TEST(ReportChecker, AnIdleModel512IsNeverChosen) {
    LinkHarness h("512:1-2,512:3-4");
    h.startAndArm();
    h.link->ReportChecker();
    EXPECT_EQ(h.state.responderCode, 255);
    EXPECT_EQ(h.state.lastData1, 1023);
    h.module(2).press({{3, 1}});  // bit 8 of the inverted code: Data3 bit 6 low
    h.link->ReportChecker();
    EXPECT_EQ(h.state.respondingModule, 2);
    EXPECT_EQ(h.state.responderCode, 1023 ^ 256);
}

// A real module answers an arm a moment later. Until it does, its latest report shows it as
// it was before the arm and must never count as a press: neither the identity report of its
// reset (which on a two-team module looks like a press) nor the previous question's press.
TEST(ReportChecker, AReportFromBeforeTheArmIsNoPress) {
    test::HandModule slow("slow", 2012, 0xBF);  // teams 3-4; answers no arm
    LinkHarness h("");
    h.modules->transport().addDevice(slow);
    h.startAndArm();
    ASSERT_EQ(h.link->moduleCount(), 1);
    h.link->ReportChecker();
    EXPECT_EQ(h.state.responderCode, 255) << "the identity report of the reset";

    slow.send(255 ^ 2);  // a press after the arm counts
    h.link->ReportChecker();
    EXPECT_EQ(h.state.responderCode, 255 ^ 2);
    h.send(124);
    h.send(125);  // the next question: the press is from the one before
    h.link->ReportChecker();
    EXPECT_EQ(h.state.responderCode, 255);
    slow.send(255);
    slow.send(255 ^ 16);
    h.link->ReportChecker();
    EXPECT_EQ(h.state.responderCode, 255 ^ 16);
}

TEST(ReportReader, TeamCountFollowsTheModel) {
    for (const auto& [list, teams] : std::vector<std::pair<QString, int>>{
             {"4097:1,4097:2,4097:3", 3}, {"2012:1-2,2012:3-4", 4}, {"712", 4}, {"812", 1}}) {
        LinkHarness h(list);
        h.start();
        h.link->ReportReader();
        EXPECT_EQ(h.state.teamCount, teams) << list.toStdString();
    }
}

TEST(Exchange, LightsAndSoundGoToTheResponderAlone) {
    LinkHarness h("4097:1,4097:2,4097:3");
    h.startAndArm();
    h.module(1).clearCommands();
    h.module(2).clearCommands();
    h.state.respondingModule = 2;
    h.link->TurnOnLights();
    h.link->TurnOnSound();
    EXPECT_EQ(h.module(2).commands(), (std::vector<int>{0, 22}));
    EXPECT_TRUE(h.module(1).commands().empty());
    h.state.respondingModule = 9;  // no such module: nothing is sent, nothing breaks
    h.link->TurnOnLights();
    EXPECT_FALSE(h.link->sendToModule(0, 125));
}

TEST(Exchange, NopReaderDrainsPressesThatNobodyListenedTo) {
    LinkHarness h("712");
    h.startAndArm();
    h.module(1).pressTransmitter(7);
    h.link->NopReader();
    h.link->ReportChecker();
    EXPECT_NE(h.state.responderCode, 255) << "the latched press stays until the next arm";
    h.send(125);
    h.link->NopReader();
    h.link->ReportChecker();
    EXPECT_EQ(h.state.responderCode, 255);
}

TEST(Exchange, WithoutModulesNothingIsTouched) {
    LinkHarness h("");
    h.state.modelNumber = 2012;
    h.send(125);
    h.link->ReportChecker();
    h.link->NopReader();
    h.link->ReportReader();
    EXPECT_EQ(h.state.teamCount, 0);
    EXPECT_EQ(h.state.responderCode, 255);
}

// Only an RF receiver settles after an arm, for one interval of the delay.
TEST(Exchange, TheSettlingWindowLastsOneIntervalOnAnRfReceiverOnly) {
    LinkHarness h("712");
    h.state.modelNumber = 712;
    h.link->startDelay();
    h.clock.advanceMs(199);
    EXPECT_TRUE(h.link->rfSettling());
    h.state.modelNumber = 2012;
    EXPECT_FALSE(h.link->rfSettling()) << "wired modules never settle";
    h.state.modelNumber = 712;
    h.clock.advanceMs(1);
    EXPECT_FALSE(h.link->rfSettling());
}

}  // namespace
