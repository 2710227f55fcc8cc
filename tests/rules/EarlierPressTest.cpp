// The earlier of two presses on different modules, one USB frame or more apart at the
// host, wins every time on the USB timing model: after a quiet arm, and while the arm's
// writes are still going out to the other modules.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "EngineRun.h"
#include "modulelink/UsbTiming.h"

namespace {

using std::chrono::microseconds;

// The poll that carries a report sent at `sent`, after one carried at `previous`.
std::int64_t pollOf(const modulelink::UsbTiming::Endpoint& e, std::int64_t sent,
                    std::int64_t previous) {
    const std::int64_t interval = std::chrono::duration_cast<microseconds>(e.interval).count();
    const std::int64_t phase = std::chrono::duration_cast<microseconds>(e.phase).count();
    const std::int64_t earliest = std::max(sent, previous + interval);
    const std::int64_t k = std::max<std::int64_t>(0, (earliest - phase + interval - 1) / interval);
    return phase + k * interval;
}

struct Tally {
    int cases = 0;
    int wins = 0;
    int duringWrites = 0;
};

void runCase(std::uint32_t seed, Tally& tally) {
    std::mt19937 random(seed);
    rules::Timeline t;
    t.seed = seed;
    t.board = random() % 2 == 0 ? rules::Board::Classic : rules::Board::Leader;
    std::vector<int> teamSlots(7);
    std::iota(teamSlots.begin(), teamSlots.end(), 1);
    std::shuffle(teamSlots.begin(), teamSlots.end(), random);
    const int count = 2 + static_cast<int>(random() % 6);
    for (int i = 0; i < count; ++i) {
        t.modules.push_back(
            {random() % 2 == 0 ? 4097 : 272, teamSlots[static_cast<std::size_t>(i)]});
    }
    // The endpoints the run will have: the same seed, the same paths, the same order.
    modulelink::UsbTiming timing(seed);
    std::vector<modulelink::UsbTiming::Endpoint> endpoints;
    for (int i = 0; i < count; ++i) {
        endpoints.push_back(timing.endpoint("sim:" + std::to_string(i + 1)));
    }
    constexpr std::int64_t kArmAt = 3000;
    t.steps.push_back({kArmAt, rules::Act::Space});
    const bool duringWrites = random() % 2 == 0;
    int a = static_cast<int>(random() % static_cast<unsigned>(count));
    int b = (a + 1 + static_cast<int>(random() % static_cast<unsigned>(count - 1))) % count;
    std::int64_t first = 0;
    if (duringWrites) {
        // Both modules already armed while the arm still goes out to the last module.
        a = std::min(a, count - 2);
        b = std::min(b, count - 2);
        if (a == b) {
            b = a == 0 ? 1 : 0;
        }
        first = kArmAt + 1000 * (std::max(a, b) + 1) + 50;
    } else {
        first = kArmAt + 50000 + static_cast<int>(random() % 200000);
    }
    const std::int64_t second = first + 1000 + static_cast<int>(random() % 4000);
    const auto arrival = [&](int module, std::int64_t pressed) {
        const auto& e = endpoints[static_cast<std::size_t>(module)];
        const std::int64_t armed = kArmAt + 1000 * (module + 1);
        // Modules whose identity report differs from idle send idle when armed.
        const int slot = t.modules[static_cast<std::size_t>(module)].firstSlot;
        const std::int64_t idlePoll = slot == 1 ? -1000000 : pollOf(e, armed, -1000000);
        return pollOf(e, pressed, idlePoll);
    };
    const std::int64_t atA = arrival(a, first);
    const std::int64_t atB = arrival(b, second);
    if (std::abs(atA - atB) < 1000) {
        return;  // not a frame apart at the host
    }
    t.steps.push_back(
        {first, rules::Act::Press, a, t.modules[static_cast<std::size_t>(a)].firstSlot, 1});
    t.steps.push_back(
        {second, rules::Act::Press, b, t.modules[static_cast<std::size_t>(b)].firstSlot, 2});
    t.endUs = second + 100000;
    const rules::EngineResult r = rules::runEngine(t);
    const int winner = atA < atB ? a : b;
    const int slot = t.modules[static_cast<std::size_t>(winner)].firstSlot;
    const std::string expected =
        "P" + std::to_string(slot - 1) + "-" + std::to_string(winner == a ? 1 : 2);
    ++tally.cases;
    tally.duringWrites += duringWrites ? 1 : 0;
    if (r.outcome.sights.back().name == expected) {
        ++tally.wins;
    } else {
        ADD_FAILURE() << "seed " << seed << ": shown " << r.outcome.sights.back().name
                      << ", expected " << expected << " (arrivals " << atA << ", " << atB << ")\n"
                      << rules::describe(t) << rules::describe(r.outcome);
    }
}

TEST(Rules, TheEarlierOfTwoPressesAFrameApartAlwaysWins) {
    Tally tally;
    constexpr std::uint32_t kSeeds = 1500 / rules::kRunsDivisor;
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        runCase(seed, tally);
    }
    std::printf("  %d cases (%d while the arm was being written), %d won by the earlier press\n",
                tally.cases, tally.duringWrites, tally.wins);
    EXPECT_EQ(tally.wins, tally.cases);
    EXPECT_GT(tally.duringWrites, 300 / rules::kRunsDivisor);
    EXPECT_GT(tally.cases - tally.duringWrites, 300 / rules::kRunsDivisor);
}

}  // namespace
