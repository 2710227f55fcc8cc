// One foreign device through the translation layer over the virtual transport: what the
// team modules read, and what the device is sent.
#include <gtest/gtest.h>

#include "FaultyTransport.h"
#include "foreign/ForeignTransport.h"
#include "foreign/VirtualForeignDevice.h"
#include "modulelink/ModuleCommands.h"
#include "modulelink/SimTransport.h"

using namespace foreign;
using namespace modulelink::command;
using modulelink::ArrivalTime;
using modulelink::Bytes;

namespace {

struct OneBuzz : ::testing::Test {
    OneBuzz() {
        devices.addDevice(buzz);
        DeviceRole role;
        role.fourTeams = true;
        roles.setRole(deviceKey(buzz.deviceInfo()), role);
    }
    std::unique_ptr<modulelink::HidConnection> openTeam(int team) {
        return transport.open("foreign:" + std::to_string(team) + ":sim:buzz").connection;
    }
    static bool write(modulelink::HidConnection& c, int code) {
        return c.writeOutput({0, static_cast<std::uint8_t>(code), 0, 0, 0, 0, 0, 0, 0}).ok;
    }
    // Data1 of every report the team has waiting.
    static std::vector<int> data1s(modulelink::HidConnection& c) {
        std::vector<int> all;
        for (auto r = c.readPending(); r.gotReport(); r = c.readPending()) {
            all.push_back(r.data.at(0));
        }
        return all;
    }

    ArrivalTime stamp{100};
    VirtualForeignDevice buzz{DeviceKind::Buzz, "sim:buzz"};
    modulelink::SimTransport devices{[this] { return stamp; }};
    MemoryRoleStore roles;
    int nextSlot = 5;
    ForeignTransport transport{devices, roles, {[this] { return nextSlot++; }, {}, {}}};
};

TEST_F(OneBuzz, FourTeamsListedOpenedAndGivenSlotsAtTheirFirstReset) {
    const auto infos = transport.enumerate(6561);
    ASSERT_EQ(infos.size(), 4u);
    EXPECT_EQ(infos[2].productName, "Buzz! controller 1, handset 3");
    EXPECT_EQ(infos[2].productId, 4097);
    EXPECT_TRUE(transport.enumerate(0x054C).size() == 1) << "other searches pass through";
    auto team1 = openTeam(1);
    ASSERT_TRUE(team1);
    EXPECT_FALSE(openTeam(4)) << "a dongle has four teams";
    EXPECT_FALSE(transport.open("foreign:x:sim:buzz").connection);
    ASSERT_TRUE(write(*team1, kStartUp));
    EXPECT_EQ(data1s(*team1), std::vector<int>{(8 - 5) << 5 | 0x1F}) << "slot 5's identity";
    ASSERT_TRUE(write(*team1, kStartUp));
    EXPECT_EQ(data1s(*team1), std::vector<int>{(8 - 5) << 5 | 0x1F}) << "the slot stays";
    EXPECT_EQ(nextSlot, 6);
}

TEST_F(OneBuzz, APressStampedBeforeTheArmNeverCountsEvenWhenReadAfterIt) {
    auto team0 = openTeam(0);
    write(*team0, kStartUp);
    data1s(*team0);
    stamp = ArrivalTime(200);
    write(*team0, kArm);
    data1s(*team0);
    stamp = ArrivalTime(199);  // the device's reader stamped it just before the arm
    buzz.setButton(VirtualForeignDevice::buzzButton(1), true);
    EXPECT_TRUE(data1s(*team0).empty());
    stamp = ArrivalTime(201);
    buzz.setButton(VirtualForeignDevice::buzzButton(1), false);
    buzz.setButton(VirtualForeignDevice::buzzButton(1, 3), true);  // orange: no buzz
    EXPECT_TRUE(data1s(*team0).empty());
    buzz.setButton(VirtualForeignDevice::buzzButton(1), true);
    const auto pressed = data1s(*team0);
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(pressed[0] & 0x1F, 31 ^ 2) << "player 1 of a one-team module";

    write(*team0, kLock);
    write(*team0, kLight);
    EXPECT_EQ(buzz.lamps(), (std::array<bool, 4>{true, false, false, false}));
    write(*team0, kArm);
    EXPECT_EQ(buzz.lamps(), (std::array<bool, 4>{}));
    data1s(*team0);
    write(*team0, kLock);
    stamp = ArrivalTime(300);
    buzz.setButton(VirtualForeignDevice::buzzButton(1), false);
    buzz.setButton(VirtualForeignDevice::buzzButton(1), true);
    EXPECT_TRUE(data1s(*team0).empty()) << "a locked team takes no press";
}

TEST_F(OneBuzz, AnUnpluggedDeviceFailsEveryTeamAndIsNoLongerListed) {
    auto team0 = openTeam(0);
    auto team3 = openTeam(3);
    write(*team0, kArm);
    buzz.setButton(VirtualForeignDevice::buzzButton(1), true);
    EXPECT_EQ(data1s(*team0).size(), 1u);
    buzz.unplug();
    EXPECT_TRUE(team0->readPending().failed());
    EXPECT_TRUE(team3->readPending().failed());
    EXPECT_FALSE(write(*team0, kLight)) << "the lamp cannot be lit: the team module closes";
    devices.removeDevice(buzz);
    EXPECT_TRUE(transport.enumerate(6561).empty());
}

// A dongle whose reads fail: the error is a removal exactly when its node is gone, whatever
// the error said, and from then on every team's reads and writes fail alike.
struct FailingBuzz : ::testing::Test {
    FailingBuzz() {
        devices.addDevice(buzz);
        DeviceRole role;
        role.fourTeams = true;
        roles.setRole(deviceKey(buzz.deviceInfo()), role);
        faulty.faults.onlyPath = "sim:buzz";
    }
    std::unique_ptr<modulelink::HidConnection> openTeam(int team) {
        return transport.open("foreign:" + std::to_string(team) + ":sim:buzz").connection;
    }
    // The first read after the reports waiting: the failure, when there is one.
    static modulelink::HidReadResult afterReports(modulelink::HidConnection& c) {
        auto r = c.readPending();
        while (r.gotReport()) {
            r = c.readPending();
        }
        return r;
    }
    static modulelink::HidWriteResult write(modulelink::HidConnection& c, int code) {
        return c.writeOutput({0, static_cast<std::uint8_t>(code), 0, 0, 0, 0, 0, 0, 0});
    }

    VirtualForeignDevice buzz{DeviceKind::Buzz, "sim:buzz"};
    modulelink::SimTransport devices{[] { return ArrivalTime{100}; }};
    test::FaultyTransport faulty{devices};
    MemoryRoleStore roles;
    ForeignTransport transport{faulty, roles, {[] { return 3; }, {}, {}}};
};

TEST_F(FailingBuzz, AnErrorWhileStillAttachedIsNoRemoval) {
    auto team0 = openTeam(0);
    auto team2 = openTeam(2);
    ASSERT_TRUE(team0 && team2);
    ASSERT_TRUE(write(*team2, kStartUp).ok);
    faulty.faults.reads = true;
    const auto r = team0->readPending();
    ASSERT_TRUE(r.failed());
    EXPECT_FALSE(r.deviceGone);
    const auto w = write(*team2, kArm);
    EXPECT_FALSE(w.ok) << "a failed device takes no more commands";
    EXPECT_FALSE(w.deviceGone);
    EXPECT_TRUE(afterReports(*team2).failed()) << "every team learns of the failure";
}

TEST_F(FailingBuzz, AnErrorWithTheNodeGoneIsTheRemovalOfEveryTeam) {
    std::vector<std::unique_ptr<modulelink::HidConnection>> teams;
    for (int team = 0; team < 4; ++team) {
        teams.push_back(openTeam(team));
        ASSERT_TRUE(teams.back());
        ASSERT_TRUE(write(*teams.back(), kStartUp).ok);
        ASSERT_TRUE(write(*teams.back(), kArm).ok);
    }
    buzz.setButton(VirtualForeignDevice::buzzButton(2), true);
    ASSERT_TRUE(write(*teams[1], 0).ok);  // its lamp lights
    ASSERT_TRUE(buzz.lamps()[1]);
    faulty.faults.reads = true;  // the error says nothing of a removal
    buzz.unplug();
    for (auto& team : teams) {
        const auto r = afterReports(*team);
        ASSERT_TRUE(r.failed());
        EXPECT_TRUE(r.deviceGone);
    }
    const auto w = write(*teams[0], kLock);
    EXPECT_FALSE(w.ok);
    EXPECT_TRUE(w.deviceGone);
}

}  // namespace
