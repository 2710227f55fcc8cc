#include <gtest/gtest.h>

#include "LinkHarness.h"
#include "ScriptedDevice.h"
#include "sim/ModuleDescriptors.h"

using test::LinkHarness;

namespace {

QStringList resultLines(const LinkHarness& h) {
    return h.link->ResultsMemo.split("\r\n").mid(1);  // after the design text
}

TEST(StartUp, TwoTeamModulesServeTheirPairsAndAreListed) {
    LinkHarness h("2012:1-2,2012:3-4");
    ASSERT_TRUE(h.start());
    EXPECT_EQ(resultLines(h), (QStringList{"  Team Interface 1-2 is connected and working.",
                                           "  Team Interface 3-4 is connected and working.", ""}));
    EXPECT_NE(h.state.teamModuleHandle[0], 0);
    EXPECT_EQ(h.state.teamModuleHandle[0], h.state.teamModuleHandle[1]);
    EXPECT_NE(h.state.teamModuleHandle[2], h.state.teamModuleHandle[0]);
    EXPECT_EQ(h.state.teamModuleHandle[4], 0);
    EXPECT_EQ(h.link->Label2, "Quorvantix USB Interface From Lumetrica");
    EXPECT_EQ(h.link->Label3, "USB Vendor #: 1240");
    EXPECT_EQ(h.link->Label4, "Model #: 2012");
    EXPECT_EQ(h.module(1).commands().front(), 123);
    EXPECT_EQ(h.state.inputBufferCount, 32);
    EXPECT_EQ(h.platform.beeps, 2) << "one beep per opened module";
}

TEST(StartUp, OneTeamModuleWithoutIdentityBitsServesSlotEight) {
    LinkHarness h("4097:8");
    ASSERT_TRUE(h.start());
    EXPECT_NE(h.state.teamModuleHandle[7], 0);
    EXPECT_EQ(resultLines(h)[0], "  Team Interface 8 is connected and working.");
}

TEST(StartUp, Model901IsShownAs901AndHandledAs4097) {
    LinkHarness h("901:3");
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.link->Label4, "Model #: 901");
    EXPECT_EQ(h.state.modelNumber, 4097);
    EXPECT_NE(h.state.teamModuleHandle[2], 0);
}

TEST(StartUp, RfInterfaceServesTeamsOneToFour) {
    LinkHarness h("712");
    ASSERT_TRUE(h.start());
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_NE(h.state.teamModuleHandle[slot], 0);
    }
    EXPECT_EQ(resultLines(h)[0], "  RF Wireless Interface is connected and working.");
}

TEST(StartUp, TwoTeamModuleWithUnusedIdentityGetsNoSlotAndAnEmptyLine) {
    test::HandModule device("odd", 2012, 0xDF);  // s = 0xC0; outlives the link that opens it
    LinkHarness h("");
    h.modules->transport().addDevice(device);
    ASSERT_TRUE(h.start());
    EXPECT_EQ(resultLines(h), (QStringList{"", ""}));
    for (int slot = 0; slot < 10; ++slot) {
        EXPECT_EQ(h.state.teamModuleHandle[slot], 0);
    }
}

TEST(StartUp, AModuleThatRefusesWritesIsReportedAndGetsNoSlot) {
    test::ScriptedDevice device("deaf", sim::moduleReportDescriptor(4097), 6561, 4097);
    LinkHarness h("");
    device.refuseWrites(true);
    h.modules->transport().addDevice(device);
    h.start();
    ASSERT_FALSE(h.platform.messages.empty());
    EXPECT_EQ(h.platform.messages[0].text,
              "Error writitng to the Team Module.  Try disconnecting and reconnecting this "
              "module.\rIf you are using a USB cable 15 feet or longer please replace it with a "
              "shorter cable\rIF problem persists, moduke should be returned for service.");
    EXPECT_TRUE(h.link->ResultsMemo.contains("THERES BEEN A WRITE ERROR\r\n"));
}

TEST(StartUp, CancelInTheSearchEndsTheProgramBeforeTheMenu) {
    LinkHarness h("");
    h.platform.answers = {ui::MsgAnswer::OK, ui::MsgAnswer::Cancel};
    EXPECT_FALSE(h.start());
    ASSERT_EQ(h.platform.messages.size(), 2u) << "OK searches again";
    EXPECT_EQ(h.platform.messages[0].buttons, ui::MsgButtons::OKCancel);
    EXPECT_EQ(h.platform.messages[0].icon, ui::MsgIcon::Information);
    EXPECT_TRUE(h.platform.messages[0].text.startsWith(
        "Please connect all Quorvantix USB Team Modules at this time.\r\nIf this message "
        "presists, an Quorvantix Module may be defective.\r\nReport problems at "));
    EXPECT_TRUE(
        h.platform.messages[0].text.endsWith(" \r\nWhen ready, Click OK. or Cancel to quit."));
    EXPECT_EQ(h.platform.quitCalls, 1);
    EXPECT_EQ(h.menuShows, 0);
}

TEST(StartUp, DoneResetsThenLocksEveryModuleAndHandsOver) {
    LinkHarness h("2012:1-2,2012:3-4");
    h.start();
    h.module(1).clearCommands();
    h.module(2).clearCommands();
    h.link->Command1_Click();
    EXPECT_EQ(h.module(1).commands(), (std::vector<int>{123, 124}));
    EXPECT_EQ(h.module(2).commands(), (std::vector<int>{123, 124}));
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "All systems go");
    EXPECT_EQ(h.platform.messages[0].title, "Initializtion Completed");
    EXPECT_TRUE(h.state.startupComplete);
    EXPECT_TRUE(h.state.moduleListConfirmed);
    EXPECT_EQ(h.titleHides, 1);
    EXPECT_EQ(h.menuShows, 1);
    EXPECT_EQ(h.state.teamCount, 4);
}

TEST(StartUp, AModulePluggedInLaterIsOpenedAndListed) {
    LinkHarness h("4097:1");
    h.start();
    h.modules->add({4097, 2});
    h.clock.advanceMs(1000);  // the agent notices the arrival
    EXPECT_NE(h.state.teamModuleHandle[1], 0);
    EXPECT_EQ(h.link->Label3, "USB Vendor ID#: 6561");
    EXPECT_TRUE(h.link->ResultsMemo.endsWith("  Team Interface 2 is connected and working.\r\n"));
}

TEST(StartUp, AnArrivalDuringTheSearchWaitsForTheOperator) {
    LinkHarness h("4097:1");
    h.link->activating = true;
    h.link->DeviceArrived(4097, "x");
    EXPECT_EQ(h.link->moduleCount(), 0) << "no search while the activation runs";
    EXPECT_EQ(h.platform.beeps, 1);
}

TEST(Removal, BeforeDoneBeepsAndListsTheDisconnectedTeams) {
    LinkHarness h("2012:1-2,2012:3-4");
    h.start();
    const int beeps = h.platform.beeps;
    h.module(2).unplug();
    h.clock.advanceMs(1000);
    QCoreApplication::processEvents();
    EXPECT_EQ(h.platform.beeps, beeps + 2) << "one for the closed interface, one for the removal";
    EXPECT_TRUE(h.link->ResultsMemo.endsWith(
        "The Team  3 module is DISCONNECTED or no longer working.\r\n"
        "The Team  4 module is DISCONNECTED or no longer working.\r\n"));
    EXPECT_EQ(h.link->moduleCount(), 1);
    EXPECT_EQ(h.titleShows, 1);
    EXPECT_EQ(h.rescueSaves, 0);
}

TEST(Removal, AfterDoneSavesTheRescueFileAndEndsTheProgram) {
    LinkHarness h("2012:1-2,2012:3-4");
    h.start();
    h.link->Command1_Click();
    h.module(1).unplug();
    h.clock.advanceMs(1000);
    QCoreApplication::processEvents();
    EXPECT_EQ(h.platform.messages.back().text,
              "Team Module has DISCONNECTED.  Program will save menu choices and shut down."
              "TEAM SCORES WILL NOT BE SAVED. Save player names and menu? ");
    EXPECT_EQ(h.rescueSaves, 1);
    EXPECT_TRUE(h.state.shutdownInProgress);
    EXPECT_EQ(h.menuUnloads, 1);
    EXPECT_EQ(h.titleUnloads, 1);
    EXPECT_EQ(h.platform.quitCalls, 1);
    EXPECT_EQ(h.titleShows, 0) << "no search for modules in the way of the shutdown";
}

}  // namespace
