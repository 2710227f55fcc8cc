// Reports on their way in: the wake on the event loop and the groups a report check sees.
#include <gtest/gtest.h>

#include "AgentFixture.h"

using namespace modulelink;
using namespace std::chrono_literals;
using test::AgentFixture;
using test::kTeamModule;

namespace {

struct Arrivals : AgentFixture {
    Arrivals() {
        QObject::connect(&agent, &HidAgent::ReportsWaiting, &agent, [this] { ++wakes; });
        addDevice(kTeamModule);
        addDevice(kTeamModule);
        openAll();
        // Both modules have reported once (idle) and been read.
        devices[0]->send({255, 0, 0, 0});
        devices[1]->send({255, 0, 0, 0});
        data1 = {variableOf(0, 0x30), variableOf(1, 0x30)};
        readBoth();
        deliverEvents();
        wakes = 0;
    }
    std::vector<int> readBoth() {
        std::vector<int> values;
        for (int v : data1) {
            read(v);
            values.push_back(agent.GetUnscaledValue(v));
        }
        return values;
    }
    std::vector<int> checkOnce() {
        agent.BeginArrivalGroup();
        std::vector<int> values = readBoth();
        agent.EndArrivalGroup();
        return values;
    }
    void sendAt(ArrivalTime at, int device, std::uint8_t value) {
        stamp = at;
        devices[static_cast<std::size_t>(device)]->send({value, 0, 0, 0});
    }
    std::vector<int> data1;
    int wakes = 0;
};

TEST_F(Arrivals, ReportsWakeTheEventLoopOnceForAllThatCameBeforeIt) {
    devices[0]->send({1, 0, 0, 0});
    devices[1]->send({2, 0, 0, 0});
    devices[0]->send({3, 0, 0, 0});
    EXPECT_EQ(wakes, 0) << "raised on the event loop, not inside the sender";
    EXPECT_TRUE(agent.ArrivalsWaiting());
    deliverEvents();
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(readBoth(), (std::vector{1, 2}));
    EXPECT_EQ(readBoth(), (std::vector{3, 2})) << "pending reports in order, then the latest";
    EXPECT_FALSE(agent.ArrivalsWaiting());
    devices[1]->send({4, 0, 0, 0});
    deliverEvents();
    EXPECT_EQ(wakes, 2) << "a report after the wake ran wakes again";
}

TEST_F(Arrivals, ACheckSeesTheEarliestReportsAndLaterOnesWaitForTheNext) {
    sendAt(10ms, 1, 7);          // the second module's press comes first
    sendAt(10ms + 500us, 0, 9);  // the first module's half a millisecond later
    EXPECT_EQ(checkOnce(), (std::vector{255, 7})) << "the later press is not seen yet";
    EXPECT_TRUE(agent.ArrivalsWaiting());
    EXPECT_EQ(checkOnce(), (std::vector{9, 7}));
    EXPECT_FALSE(agent.ArrivalsWaiting());
}

TEST_F(Arrivals, ReportsTakenInByTheAgentBeforeTheCheckKeepTheirOrder) {
    agent.PrepareAgent();
    sendAt(10ms, 1, 7);
    sendAt(10ms + 500us, 0, 9);
    clock.advanceMs(HidAgent::kEnumerationIntervalMs);  // its tick takes both in
    EXPECT_EQ(checkOnce(), (std::vector{255, 7}));
    EXPECT_EQ(checkOnce(), (std::vector{9, 7}));
}

TEST_F(Arrivals, ReportsWithinAQuarterMillisecondAreSeenTogether) {
    sendAt(20ms, 1, 7);
    sendAt(20ms + HidAgent::kArrivedTogether, 0, 9);
    sendAt(20ms + HidAgent::kArrivedTogether + 1us, 1, 5);
    EXPECT_EQ(checkOnce(), (std::vector{9, 7}));
    EXPECT_EQ(checkOnce(), (std::vector{9, 5}));
}

TEST_F(Arrivals, ACheckWithNothingNewTakesNothingThatComesDuringIt) {
    agent.BeginArrivalGroup();
    sendAt(30ms, 0, 9);  // arrives while the check reads
    EXPECT_EQ(readBoth(), (std::vector{255, 255}));
    agent.EndArrivalGroup();
    EXPECT_TRUE(agent.ArrivalsWaiting());
    EXPECT_EQ(readBoth(), (std::vector{9, 255})) << "outside a check every report is taken";
}

TEST_F(Arrivals, AnUnpluggedModuleFailsInTheCheckThatSeesIt) {
    stamp = 40ms;
    devices[0]->unplug();
    agent.BeginArrivalGroup();
    agent.SelectReport(agent.VariableReportIndex(data1[0]));
    EXPECT_FALSE(agent.ReadCurrentReport());
    agent.EndArrivalGroup();
    deliverEvents();
    EXPECT_EQ(agent.OpenInterfaceCount(), 1);
}

}  // namespace
