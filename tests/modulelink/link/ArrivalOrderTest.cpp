// Who the report check takes when presses arrive close together: the earliest, and among
// presses that arrived together the lowest collection position.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "LinkHarness.h"

namespace {

using namespace std::chrono_literals;
using modulelink::ArrivalTime;

struct ArrivalOrder : ::testing::Test {
    static std::vector<sim::ModuleSpec> tenOneTeamModules() {
        std::vector<sim::ModuleSpec> specs;
        for (int i = 0; i < 10; ++i) {
            specs.push_back({4097, i % 7 + 1});
        }
        return specs;
    }
    ArrivalTime stamp{0};
    test::LinkHarness h{tenOneTeamModules(), [this] { return stamp; }};
    ArrivalOrder() {
        h.startAndArm();
        QCoreApplication::processEvents();
    }
    void pressAt(ArrivalTime at, int position, int player) {
        stamp = at;
        sim::VirtualModule& m = h.module(position);
        ASSERT_TRUE(m.press({{m.firstSlot(), player}}));
    }
    // The checks an arrival makes: until one takes a press or nothing is left.
    int checkUntilPress() {
        while (h.agent->ArrivalsWaiting()) {
            h.link->ReportChecker();
            if (h.state.responderCode != 255) {
                return h.state.respondingModule;
            }
        }
        return 0;
    }
};

TEST_F(ArrivalOrder, TheEarlierOfTwoPressesHalfAMillisecondApartWinsOverALowerPosition) {
    pressAt(1s, 9, 2);
    pressAt(1s + 500us, 2, 3);
    EXPECT_EQ(checkUntilPress(), 9);
    EXPECT_EQ(h.state.responderCode & 0x1F, 31 ^ (1 << 2));
}

TEST_F(ArrivalOrder, PressesThatArrivedTogetherGoToTheLowestPosition) {
    pressAt(1s, 9, 2);
    pressAt(1s + 200us, 4, 1);
    pressAt(1s + 100us, 6, 1);
    EXPECT_EQ(checkUntilPress(), 4);
}

TEST_F(ArrivalOrder, TheIdleReportOfTheArmJustBeforeAPressDoesNotHideIt) {
    pressAt(1s, 2, 1);
    ASSERT_EQ(checkUntilPress(), 2);
    h.send(124);
    stamp = 2s;
    h.send(125);  // module 2 reports idle again
    pressAt(2s + 50us, 5, 1);
    pressAt(2s + 100us, 2, 4);
    EXPECT_EQ(checkUntilPress(), 2);
    EXPECT_EQ(h.state.responderCode & 0x1F, 31 ^ (1 << 4));
}

// A module with a second input report answers each command with a status report that no
// check reads: it must neither hold the arrival window nor keep arrivals waiting.
TEST(ArrivalOrderWithStatusReports, AReportNoCheckReadsHoldsUpNoPress) {
    ArrivalTime stamp{0};
    test::LinkHarness h({{4097, 1, true}, {4097, 2}, {2012, 3, true}}, [&] { return stamp; });
    h.startAndArm();
    QCoreApplication::processEvents();
    const auto checkUntilPress = [&] {
        for (int checks = 0; checks < 10 && h.agent->ArrivalsWaiting(); ++checks) {
            h.link->ReportChecker();
            if (h.state.responderCode != 255) {
                return h.state.respondingModule;
            }
        }
        return 0;
    };
    EXPECT_EQ(checkUntilPress(), 0);
    EXPECT_FALSE(h.agent->ArrivalsWaiting()) << "the status reports wait for nobody";
    for (int round = 0; round < 3; ++round) {
        stamp = 10s * (round + 1);
        h.send(125);
        const int position = round + 1;
        stamp += 1ms;
        ASSERT_TRUE(h.module(position).press({{h.module(position).firstSlot(), 1}}));
        EXPECT_EQ(checkUntilPress(), position) << "round " << round;
        EXPECT_FALSE(h.agent->ArrivalsWaiting());
    }
}

// Rounds of one to four presses at random times a few tenths of a millisecond apart, right
// after the arm (fixed seed): the press taken is always the lowest position among those
// that arrived together with the earliest report, and its code is that module's.
TEST_F(ArrivalOrder, RandomisedPressesAlwaysGoToTheRightModule) {
    std::mt19937 random(20261209);
    ArrivalTime now = 2s;
    int wrong = 0;
    int together = 0;
    for (int round = 0; round < 3000; ++round) {
        stamp = now;
        h.send(125);  // modules pressed last round report idle, together with new presses
        struct Press {
            ArrivalTime at;
            int position;
            int player;
        };
        std::vector<Press> presses;
        const int count = 1 + int(random() % 4);
        while (int(presses.size()) < count) {
            const int position = 1 + int(random() % 10);
            if (std::none_of(presses.begin(), presses.end(),
                             [&](const Press& p) { return p.position == position; })) {
                presses.push_back(
                    {now + 100us * int(random() % 8), position, 1 + int(random() % 5)});
            }
        }
        std::sort(presses.begin(), presses.end(),
                  [](const Press& a, const Press& b) { return a.at < b.at; });
        // A check takes what arrived within the window of the earliest report not checked:
        // the idle reports the arm brought, or else the first press.
        const auto window = modulelink::HidAgent::kArrivedTogether;
        ArrivalTime from = round > 0 ? now : presses.front().at;
        if (presses.front().at > from + window) {
            from = presses.front().at;
        }
        int expected = 11;
        for (const Press& p : presses) {
            if (p.at <= from + window) {
                expected = std::min(expected, p.position);
                together += p.at != presses.front().at ? 1 : 0;
            }
        }
        for (const Press& p : presses) {
            pressAt(p.at, p.position, p.player);
        }
        const int taken = checkUntilPress();
        const auto it = std::find_if(presses.begin(), presses.end(),
                                     [&](const Press& p) { return p.position == expected; });
        const int player = it->player == 5 ? 0 : it->player;
        if (taken != expected || (h.state.responderCode & 0x1F) != (31 ^ (1 << player))) {
            ++wrong;
        }
        h.send(124);
        QCoreApplication::processEvents();
        while (h.agent->ArrivalsWaiting()) {
            h.link->ReportChecker();
        }
        now += 10ms;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(together, 100) << "the rounds must include presses that arrived together";
}

}  // namespace
