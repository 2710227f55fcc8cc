#include <gtest/gtest.h>

#include "Decode.h"
#include "SimFixture.h"

using sim::Button;
using test::SimFixture;

namespace {

// Every button a module has, with the press the console must decode from it.
std::vector<Button> buttonsOf(const sim::VirtualModule& module) {
    std::vector<Button> all;
    for (int team : module.teams()) {
        for (int player = 1; player <= module.playersPerTeam(); ++player) {
            all.push_back({team, player});
        }
    }
    return all;
}

// Reset, read the identity, arm and read the idle report, as the console starts a match.
void startUp(SimFixture& f) {
    f.sendAll(123);
    for (int i = 0; i < f.set->size(); ++i) {
        EXPECT_NE(f.read(i).data1, -1);
    }
    f.sendAll(125);
    for (int i = 0; i < f.set->size(); ++i) {
        EXPECT_EQ(f.read(i).data1, 255);
    }
}

}  // namespace

TEST(VirtualModules, EveryButtonOfEveryModelDecodesToItsTeamAndPlayer) {
    for (const char* list :
         {"4097:1,4097:2,4097:3,4097:4,4097:5,4097:6,4097:7", "272:3,901:6",
          "2012:1-2,2012:3-4,2012:5-6", "512:1-2,512:3-4,512:5-6", "712", "812"}) {
        SimFixture f(QString::fromLatin1(list));
        startUp(f);
        for (int i = 0; i < f.set->size(); ++i) {
            sim::VirtualModule& module = f.set->module(i);
            for (const Button& b : buttonsOf(module)) {
                ASSERT_TRUE(module.press({b})) << list;
                const SimFixture::Report r = f.read(i);
                EXPECT_EQ(decode::presses(module.model(), r.data1, r.data3, r.data4),
                          (std::vector<decode::Press>{{b.team - 1, b.player}}))
                    << list << " team " << b.team << " player " << b.player;
                ASSERT_TRUE(f.send(i, 125));
                const SimFixture::Report idle = f.read(i);
                EXPECT_EQ(idle.data1, 255);
            }
        }
    }
}

TEST(VirtualModules, ButtonsPressedTogetherAreReportedTogether) {
    SimFixture f("2012:3-4,512:5-6,4097:2");
    startUp(f);
    ASSERT_TRUE(f.set->module(0).press({{3, 2}, {4, 3}}));
    ASSERT_TRUE(f.set->module(1).press({{5, 1}, {6, 5}, {5, 4}}));
    ASSERT_TRUE(f.set->module(2).press({{2, 5}, {2, 1}}));
    auto r = f.read(0);
    EXPECT_EQ(decode::presses(2012, r.data1, r.data3, r.data4),
              (std::vector<decode::Press>{{2, 2}, {3, 3}}));
    r = f.read(1);
    EXPECT_EQ(decode::presses(512, r.data1, r.data3, r.data4),
              (std::vector<decode::Press>{{4, 4}, {5, 5}, {4, 1}}));
    r = f.read(2);
    EXPECT_EQ(decode::presses(4097, r.data1, r.data3, r.data4),
              (std::vector<decode::Press>{{1, 5}, {1, 1}}));
}

TEST(VirtualModules, ResetReportsIdentityBitsOfEveryModel) {
    struct Case {
        const char* list;
        std::vector<std::pair<int, int>> data1AndData4;
    };
    for (const Case& c :
         {Case{"4097:1,4097:5,272:8,901:2", {{0xFF, 0}, {0x7F, 0}, {0x1F, 0}, {0xDF, 0}}},
          Case{"2012:1-2,512:3-4,2012:5-6", {{0xFF, 0}, {0xBF, 128}, {0x9F, 64}}},
          Case{"812", {{0xFF, 0}}}}) {
        SimFixture f(QString::fromLatin1(c.list));
        f.sendAll(123);
        for (int i = 0; i < f.set->size(); ++i) {
            const auto r = f.read(i);
            EXPECT_EQ(r.data1, c.data1AndData4[static_cast<std::size_t>(i)].first) << c.list << i;
            EXPECT_EQ(r.data4, c.data1AndData4[static_cast<std::size_t>(i)].second) << c.list << i;
            EXPECT_EQ(r.data1 & 0x1F, 0x1F) << "the low bits read as no button";
            EXPECT_EQ(f.read(i).data1, r.data1) << "nothing new: the most recent report repeats";
        }
    }
}

TEST(VirtualModules, Model512IdlesWithData3BitsSet) {
    SimFixture f("512:1-2");
    startUp(f);
    const auto r = f.read(0);
    EXPECT_EQ(r.data1, 255);
    EXPECT_EQ(r.data3 & 0xC0, 0xC0);
    EXPECT_TRUE(decode::presses(512, r.data1, r.data3, r.data4).empty());
    ASSERT_TRUE(f.set->module(0).press({{1, 2}}));  // value 512: Data3 bit 7 drops
    const auto p = f.read(0);
    EXPECT_EQ(p.data1, 255);
    EXPECT_EQ(p.data3 & 0xC0, 0x40);
}

TEST(VirtualModules, ArmLatchLockAndLampsFollowTheCommands) {
    SimFixture f("2012:1-2");
    sim::VirtualModule& m = f.set->module(0);
    int changes = 0;
    QObject::connect(&m, &sim::VirtualModule::changed, &m, [&] { ++changes; });
    EXPECT_TRUE(m.locked());
    EXPECT_FALSE(m.press({{1, 1}})) << "a locked module takes no press";
    startUp(f);
    EXPECT_TRUE(m.armed());
    EXPECT_FALSE(m.press({{3, 1}})) << "team 3 has no button here";
    EXPECT_FALSE(m.press({{1, 5}})) << "model 2012 has four players";
    ASSERT_TRUE(m.press({{2, 4}}));
    EXPECT_FALSE(m.press({{1, 1}})) << "the first press stays latched";
    ASSERT_TRUE(f.send(0, 124));
    EXPECT_TRUE(m.locked());
    EXPECT_EQ(m.latchedPress(), (std::vector<Button>{{2, 4}})) << "lock keeps the press";
    ASSERT_TRUE(f.send(0, 0));
    EXPECT_TRUE(m.lampLit({2, 4}));
    ASSERT_TRUE(f.send(0, 2));
    EXPECT_TRUE(m.lampLit({2, 2}));
    ASSERT_TRUE(f.send(0, 22));
    EXPECT_EQ(m.tone(), sim::Tone::Buzz);
    ASSERT_TRUE(f.send(0, 21));
    EXPECT_EQ(m.tone(), sim::Tone::ClockExpired);
    ASSERT_TRUE(f.send(0, 127));
    EXPECT_EQ(m.tone(), sim::Tone::Off);
    ASSERT_TRUE(f.send(0, 124));
    EXPECT_TRUE(m.litLamps().empty());
    ASSERT_TRUE(f.send(0, 125));
    EXPECT_TRUE(m.latchedPress().empty());
    EXPECT_EQ(m.commands(), (std::vector<int>{123, 125, 124, 0, 2, 22, 21, 127, 124, 125}));
    EXPECT_GE(changes, 11);
}

TEST(VirtualModules, RadioCommandsReprogramTransmittersInProgrammingMode) {
    SimFixture f("712");
    sim::VirtualModule& rf = f.set->module(0);
    startUp(f);
    rf.setProgramming(3, true);
    ASSERT_TRUE(f.send(0, 128 + 5));  // channel 5
    EXPECT_EQ(rf.rfChannel(), 5);
    EXPECT_EQ(rf.transmitter(3).channel, 5);
    EXPECT_EQ(rf.transmitter(4).channel, 0);
    EXPECT_FALSE(rf.transmitter(3).programming) << "a change taken ends programming mode";
    EXPECT_TRUE(rf.transmitter(3).acknowledged);
    EXPECT_FALSE(rf.pressTransmitter(4)) << "transmitter 4 is on another channel";
    ASSERT_TRUE(f.send(0, 160 + 3));
    ASSERT_TRUE(f.send(0, 192 + 17));
    EXPECT_EQ(rf.transmitter(3).code, 3) << "not in programming mode";
    rf.setProgramming(3, true);
    rf.setProgramming(5, true);
    ASSERT_TRUE(f.send(0, 160 + 3));
    ASSERT_TRUE(f.send(0, 192 + 17));
    EXPECT_EQ(rf.transmitter(3).code, 17);
    EXPECT_TRUE(rf.transmitter(5).programming) << "only the transmitter with the old code";
    EXPECT_EQ(rf.transmitter(5).code, 5);
    ASSERT_TRUE(f.send(0, 224 + 7));
    EXPECT_EQ(rf.transmitter(5).power, 7);
    EXPECT_EQ(rf.transmitter(3).power, 9) << "the default power level";
    ASSERT_TRUE(f.send(0, 125));
    ASSERT_TRUE(rf.pressTransmitter(3));
    const auto r = f.read(0);
    EXPECT_EQ(r.data1, 17) << "a recoded transmitter sends its new unit code";
    EXPECT_EQ(decode::presses(712, r.data1, 0, 0), (std::vector<decode::Press>{{3, 2}}));
    EXPECT_FALSE(rf.transmitter(3).acknowledged) << "the R blinks until the next press";
}

TEST(VirtualModules, RightAfterAnOldCodeTheOverlappingCodesAreNewCodes) {
    SimFixture f("712");
    sim::VirtualModule& rf = f.set->module(0);
    startUp(f);
    rf.setProgramming(32, true);
    ASSERT_TRUE(f.send(0, 192));  // old code 32
    ASSERT_TRUE(f.send(0, 193));  // new code 1
    EXPECT_EQ(rf.transmitter(32).code, 1);
    rf.setProgramming(1, true);
    ASSERT_TRUE(f.send(0, 161));  // old code 1
    ASSERT_TRUE(f.send(0, 224));  // new code 32, not power 0
    EXPECT_EQ(rf.transmitter(1).code, 32);
    EXPECT_EQ(rf.transmitter(1).power, 9);
    rf.setProgramming(2, true);
    ASSERT_TRUE(f.send(0, 162));
    ASSERT_TRUE(f.send(0, 192));  // new code 0: no such code, nothing changes
    EXPECT_EQ(rf.transmitter(2).code, 2);
    EXPECT_TRUE(rf.transmitter(2).programming);
}

TEST(VirtualModules, AHeldTransmitterIsHeardAndThenInProgrammingMode) {
    SimFixture f("712");
    sim::VirtualModule& rf = f.set->module(0);
    startUp(f);
    ASSERT_TRUE(f.send(0, 125));
    rf.holdTransmitter(7);
    EXPECT_TRUE(rf.transmitter(7).programming);
    EXPECT_EQ(f.read(0).data1, 7) << "the receiver shows the held transmitter's code";
}

TEST(VirtualModules, UnplugMidWriteFailsClosesAndAReplugStartsAfresh) {
    SimFixture f("2012:1-2,2012:3-4");
    startUp(f);
    std::vector<std::int32_t> closed;
    QObject::connect(&f.agent, &modulelink::HidAgent::InterfaceClosed, &f.agent,
                     [&](int, const QString&, std::int32_t handle) { closed.push_back(handle); });
    const std::int32_t firstHandle = f.modules[0]->Data1().HidHandle();
    f.set->module(0).unplug();
    EXPECT_FALSE(f.send(0, 124));
    EXPECT_EQ(f.read(0).data1, -1);
    EXPECT_TRUE(f.send(1, 124)) << "the other module is untouched";
    QCoreApplication::processEvents();
    EXPECT_EQ(closed, std::vector<std::int32_t>{firstHandle});
    EXPECT_EQ(f.set->module(0).commands(), (std::vector<int>{123, 125}))
        << "nothing reached the unplugged module";
    f.set->module(0).plug();
    EXPECT_TRUE(f.set->module(0).locked()) << "a re-plugged module powers up locked";
    ASSERT_TRUE(f.agent.OpenMatchingDevices());
    ASSERT_EQ(f.modules.size(), 3u);
    EXPECT_TRUE(f.send(2, 123));
    EXPECT_EQ(f.read(2).data1, 0xFF);
}

TEST(VirtualModules, AModuleAttachedDuringARunArrives) {
    SimFixture f("4097:1");
    std::vector<QString> arrived;
    QObject::connect(&f.agent, &modulelink::HidAgent::DeviceArrived, &f.agent,
                     [&](int value, const QString&) { arrived.push_back(QString::number(value)); });
    f.agent.PrepareAgent();
    f.set->add({272, 2});
    f.clock.advanceMs(1000);
    EXPECT_EQ(arrived, std::vector<QString>{"272"});
}
