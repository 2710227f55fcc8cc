// The agent over devices that deliver from threads of their own: the wake of the event
// loop, the order and bound of the queue, and closing while a thread still delivers.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include "AgentFixture.h"
#include "ThreadedTransport.h"

namespace {

using modulelink::Bytes;
using modulelink::HidAgent;

struct ThreadedAgent : ::testing::Test {
    test::ManualClock clock;
    test::ThreadedTransport transport;
    std::unique_ptr<HidAgent> agent;
    int wakes = 0;

    ThreadedAgent() { test::ThreadedTransport::delivered() = 0; }
    static void waitDelivered(int count) {
        while (test::ThreadedTransport::delivered() < count) {
            std::this_thread::yield();
        }
    }

    void open() {
        agent = std::make_unique<HidAgent>(transport, clock);
        QObject::connect(agent.get(), &HidAgent::ReportsWaiting, agent.get(), [this] { ++wakes; });
        agent->setVID_To_Match(6561);
        agent->setSearchOnVID(true);
        ASSERT_TRUE(agent->OpenMatchingDevices());
    }
    // Runs the event loop until the agent raised ReportsWaiting (a guard ends a hang).
    void waitForWake() {
        const int before = wakes;
        QEventLoop loop;
        QObject::connect(agent.get(), &HidAgent::ReportsWaiting, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        if (wakes == before) {
            loop.exec();
        }
        ASSERT_GT(wakes, before) << "no wake from the delivering thread";
    }
    int readData1(int k) {
        agent->SelectOpenInterface(k);
        const int v = agent->FindVariable(1, 0x30, 0, false);
        agent->SelectReport(agent->VariableReportIndex(v));
        EXPECT_TRUE(agent->ReadCurrentReport());
        return agent->GetUnscaledValue(v);
    }
    static std::vector<Bytes> numbered(int from, int to) {
        std::vector<Bytes> reports;
        for (int i = from; i <= to; ++i) {
            reports.push_back({static_cast<std::uint8_t>(i), 0, 0, 0});
        }
        return reports;
    }
};

TEST_F(ThreadedAgent, ReportsFromAnotherThreadWakeTheLoopAndAreReadInOrder) {
    transport.add("a", {test::kTeamModule, numbered(1, 20), {}});
    open();
    waitForWake();
    waitDelivered(20);
    std::vector<int> values;
    for (int i = 0; i < 20; ++i) {
        values.push_back(readData1(0));
    }
    std::vector<int> expected;
    for (int i = 1; i <= 20; ++i) {
        expected.push_back(i);
    }
    EXPECT_EQ(values, expected);
    EXPECT_EQ(readData1(0), 20) << "then the latest, as always";
}

TEST_F(ThreadedAgent, TheQueueKeepsTheNewestThirtyTwoReports) {
    transport.add("a", {test::kTeamModule, numbered(1, 40), {}});
    open();
    waitDelivered(40);
    std::vector<int> values;
    for (int i = 0; i < 32; ++i) {
        values.push_back(readData1(0));
    }
    EXPECT_EQ(values.front(), 9) << "the eight oldest were dropped";
    EXPECT_EQ(values.back(), 40);
}

TEST_F(ThreadedAgent, ClosingWhileThreadsStillDeliverIsClean) {
    transport.add("a", {test::kTeamModule, {}, {7, 0, 0, 0}});
    transport.add("b", {test::kTeamModule, {}, {9, 0, 0, 0}});
    open();
    waitForWake();
    EXPECT_EQ(readData1(0), 7);
    EXPECT_EQ(readData1(1), 9);
    agent->CloseAllInterfaces();
    EXPECT_EQ(agent->OpenInterfaceCount(), 0);
    EXPECT_FALSE(agent->ArrivalsWaiting());
    QCoreApplication::processEvents();  // a wake still in flight finds nothing
    agent.reset();
}

}  // namespace
