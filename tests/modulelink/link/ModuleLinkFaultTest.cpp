#include <gtest/gtest.h>

#include "LinkHarness.h"
#include "ScriptedDevice.h"
#include "ui/Timer.h"

using test::HandModule;
using test::LinkHarness;

namespace {

const QString kReadError = "Error reading team information.";

TEST(StartUp, TheSettleWaitEndsAtTheFirstChangedClockReading) {
    LinkHarness h("4097:1");
    h.platform.clockReadings = {100.0, 100.0, 100.0, 100.055, 200.0};
    ASSERT_TRUE(h.start());
    // The wait after the reset read up to the change; the seed took the reading after it.
    EXPECT_EQ(h.platform.seeds, (std::vector<double>{200.0}));
}

TEST(StartUp, Model272IsAOneTeamInterface) {
    LinkHarness h("272:5");
    ASSERT_TRUE(h.start());
    EXPECT_NE(h.state.teamModuleHandle[4], 0);
    EXPECT_TRUE(h.link->ResultsMemo.endsWith("  Team Interface 5 is connected and working.\r\n"));
}

TEST(StartUp, ASearchGivesUpOnceTheProgramIsShuttingDown) {
    LinkHarness h("");
    h.platform.runEventsInModals(h.clock);
    // A removal ends the match while the "Please connect" question is up.
    ui::Timer removal(h.clock, 300);
    removal.onTick = [&] { h.state.shutdownInProgress = true; };
    removal.start();
    h.platform.answers = {ui::MsgAnswer::OK, ui::MsgAnswer::OK, ui::MsgAnswer::Cancel};
    EXPECT_FALSE(h.start());
    EXPECT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.quitCalls, 0) << "the shutdown under way ends the program";

    // Once the shutdown has begun, showing the window again searches no more.
    EXPECT_FALSE(h.link->Activate());
    EXPECT_EQ(h.platform.messages.size(), 1u);
}

TEST(ReportReader, EachModuleThatCannotBeReadIsReportedOnce) {
    test::ScriptedDevice silent("silent", sim::moduleReportDescriptor(4097), 6561, 4097);
    HandModule talking("talking", 4097, 0xFF);
    LinkHarness h("");
    h.modules->transport().addDevice(silent);
    h.modules->transport().addDevice(talking);
    ASSERT_TRUE(h.start());
    EXPECT_TRUE(h.link->ResultsMemo.contains(
        "\r\n+ + + Unable to READ from device! Please disconnect and reconnect this unit. + + +"
        "\r\n  Team Interface 1 is connected and working.\r\n"));
    h.platform.messages.clear();
    h.link->ReportReader();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, kReadError);
    EXPECT_EQ(h.platform.messages[0].buttons, ui::MsgButtons::OK);
    EXPECT_EQ(h.state.teamCount, 2) << "every module counts, read or not";
}

TEST(NopReader, StopsAtTheFirstIdleReport) {
    HandModule module("m", 4097, 0xFF);
    LinkHarness h("");
    h.modules->transport().addDevice(module);
    ASSERT_TRUE(h.start());
    for (std::uint8_t code : {0xFE, 0xFF, 0xFD, 0xFF}) {
        module.send(code);
    }
    h.link->NopReader();
    h.link->ReportChecker();
    EXPECT_EQ(h.state.responderCode, 0xFD) << "the press after the idle report is still there";
    h.link->ReportChecker();
    EXPECT_EQ(h.state.responderCode, 255);
}

TEST(NopReader, EndsAtTheFirstFailedRead) {
    test::ScriptedDevice silent("silent", sim::moduleReportDescriptor(4097), 6561, 4097);
    HandModule talking("talking", 4097, 0xFF);
    LinkHarness h("");
    h.modules->transport().addDevice(silent);
    h.modules->transport().addDevice(talking);
    ASSERT_TRUE(h.start());
    talking.send(0xFE);
    talking.send(0xFF);
    const std::size_t messages = h.platform.messages.size();
    h.link->NopReader();
    EXPECT_EQ(h.platform.messages.size(), messages) << "the drain reports nothing";
    h.link->ReportChecker();
    EXPECT_EQ(h.state.respondingModule, 2);
    EXPECT_EQ(h.state.responderCode, 0xFE) << "the drain never reached the second module";
}

TEST(ReportChecker, TwoOneTeamModulesPressedTogetherGiveTheLowerPosition) {
    LinkHarness h("4097:1,4097:2");
    h.startAndArm();
    h.module(2).press({{2, 4}});
    h.module(1).press({{1, 3}});
    h.link->ReportChecker();
    EXPECT_EQ(h.state.respondingModule, 1);
    EXPECT_NE(h.state.responderCode, 255);
    EXPECT_EQ(h.state.responderCode & 0xE0, 0xE0) << "the code carries team 1's identity bits";
}

TEST(Removal, AFailingModuleAfterDoneIsListedAndTheRestGoOn) {
    HandModule failing("failing", 4097, 0xBF);  // s = 0xA0: team 3
    LinkHarness h("4097:1");
    h.modules->transport().addDevice(failing);
    ASSERT_TRUE(h.start());
    ASSERT_EQ(h.link->moduleCount(), 2);
    const std::int32_t handle = h.state.teamModuleHandle[2];
    ASSERT_NE(handle, 0);
    h.link->Command1_Click();
    EXPECT_EQ(failing.commands, (std::vector<int>{123, 123, 124}));
    const int beeps = h.platform.beeps;

    failing.refuseWrites(true);
    h.send(125);  // the failed write closes the interface; the module stays plugged in
    QCoreApplication::processEvents();  // the close event
    QCoreApplication::processEvents();  // the start-up window shown after it
    EXPECT_EQ(h.platform.beeps, beeps + 1);
    EXPECT_TRUE(h.link->ResultsMemo.endsWith(
        "The Team  3 module is DISCONNECTED or no longer working.\r\n"));
    EXPECT_EQ(h.state.teamModuleHandle[2], handle) << "the slot table keeps the old handle";
    EXPECT_EQ(h.link->moduleCount(), 1);
    EXPECT_EQ(h.titleShows, 1);
    EXPECT_EQ(h.rescueSaves, 0);
    EXPECT_EQ(h.platform.quitCalls, 0);

    h.module(1).press({{1, 2}});
    h.link->ReportChecker();
    EXPECT_EQ(h.state.respondingModule, 1) << "the module left over is polled, rebound";
    EXPECT_NE(h.state.responderCode, 255);
}

TEST(Removal, UnpluggedWhilePolledAfterDoneStillSavesAndEnds) {
    LinkHarness h("2012:1-2,2012:3-4");
    h.startAndArm();
    h.module(2).unplug();
    h.link->ReportChecker();  // the read fails and closes the interface
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.link->ResultsMemo.endsWith(
        "The Team  3 module is DISCONNECTED or no longer working.\r\n"
        "The Team  4 module is DISCONNECTED or no longer working.\r\n"));
    // The failed read finds the device gone: its removal follows the close at once, without
    // waiting for the next enumeration, and before the start-up window could come back.
    EXPECT_EQ(h.rescueSaves, 1);
    EXPECT_TRUE(h.state.shutdownInProgress);
    EXPECT_EQ(h.platform.quitCalls, 1);
    h.clock.advanceMs(3000);
    QCoreApplication::processEvents();
    EXPECT_EQ(h.rescueSaves, 1) << "the enumeration raises no second removal";
    EXPECT_EQ(h.titleShows, 0);
}

}  // namespace
