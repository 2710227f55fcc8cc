// A busy RF receiver: transmitters pressed faster than any hand, while the classic board's
// settling window locks and re-arms every 2 ms, queue more press and idle reports than the
// receiver's 10 ms poll carries, and the backlog outlives the window. The operator arms
// again while it drains: nothing pressed before that arm may count, and a real press made
// after its settling window still does, however long the receiver stays busy.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "EngineRun.h"

namespace {

// Every name the board shows, when, and how many were shown when the operator re-armed.
class Names final : public rules::Probe {
  public:
    struct Shown {
        std::int64_t us = 0;
        std::string name;
    };
    std::vector<Shown> shown;
    std::size_t atRearm = 0;

    void pressed(const rules::Step&, bool, const rules::ConsoleView& c) override { ran(c); }
    void acted(const rules::Step&, const rules::ConsoleView& c) override {
        ran(c);
        atRearm = shown.size();
    }
    void ran(const rules::ConsoleView& c) override {
        const std::string name = c.board.name.toStdString();
        if (shown.empty() || shown.back().name != name) {
            shown.push_back({c.us, name});
        }
    }
};

struct BacklogTally {
    int cases = 0;
    int realPresses = 0;
    int waitedForTheBacklog = 0;  // real presses shown more than a few polls late
    std::int64_t longestWaitUs = 0;
};

void runBacklogCase(std::uint32_t seed, BacklogTally& tally) {
    std::mt19937 random(seed);
    rules::Timeline t;
    t.seed = seed;
    t.board = random() % 4 == 0 ? rules::Board::Leader : rules::Board::Classic;
    t.modules = {{712, 1}};
    constexpr std::int64_t kFirstArm = 3000;
    t.steps.push_back({kFirstArm, rules::Act::Space});
    // Team 1's transmitters, one after another every 2 to 3 ms, during the first window.
    const std::int64_t gap = 2000 + static_cast<std::int64_t>(random() % 1000);
    const std::int64_t end = kFirstArm + 60000 + static_cast<std::int64_t>(random() % 140000);
    const int transmitters = 1 + static_cast<int>(random() % 4);
    int n = 0;
    for (std::int64_t at = kFirstArm + static_cast<std::int64_t>(random() % 5000); at < end;
         at += gap, ++n) {
        t.steps.push_back({at, rules::Act::Press, 0, 1, 1 + n % transmitters});
    }
    const std::int64_t rearm = kFirstArm + 1000 * (200 + static_cast<std::int64_t>(random() % 300));
    t.steps.push_back({rearm, random() % 2 == 0 ? rules::Act::Space : rules::Act::LeftClick});
    // Team 2's fifth player, once the re-arm's window is over.
    const bool real = random() % 4 != 0;
    const std::int64_t pressed = rearm + 1000 * (220 + static_cast<std::int64_t>(random() % 100)) +
                                 static_cast<std::int64_t>(random() % 1000);
    if (real) {
        t.steps.push_back({pressed, rules::Act::Press, 0, 2, 5});
    }
    t.endUs = rearm + 4000000;

    Names names;
    rules::runEngine(t, &names);
    ++tally.cases;
    const std::string expected = real ? "P1-5" : "";
    std::string after;
    for (std::size_t i = names.atRearm; i < names.shown.size(); ++i) {
        const Names::Shown& s = names.shown[i];
        after += " " + (s.name.empty() ? std::string("-") : s.name) + "@" + std::to_string(s.us);
        if (s.name != expected && !s.name.empty()) {
            ADD_FAILURE() << "seed " << seed << ": after the re-arm at " << rearm << "us the board"
                          << " showed" << after << "\n"
                          << rules::describe(t);
            return;
        }
    }
    if (names.shown.back().name != expected) {
        ADD_FAILURE() << "seed " << seed << ": the press at " << pressed << "us never showed;"
                      << " after the re-arm at " << rearm << "us the board showed" << after << "\n"
                      << rules::describe(t);
        return;
    }
    if (real) {
        ++tally.realPresses;
        const std::int64_t wait = names.shown.back().us - pressed;
        tally.longestWaitUs = std::max(tally.longestWaitUs, wait);
        tally.waitedForTheBacklog += wait > 50000 ? 1 : 0;
    }
}

TEST(Rules, ABusyRfReceiverCountsNoPressFromBeforeTheArmAndLosesNoneAfterIt) {
    BacklogTally tally;
    constexpr std::uint32_t kSeeds = 300 / rules::kRunsDivisor;
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        runBacklogCase(seed, tally);
    }
    std::printf(
        "  %d cases, %d with a real press (%d shown late behind the backlog, the latest"
        " %lld ms after it)\n",
        tally.cases, tally.realPresses, tally.waitedForTheBacklog,
        static_cast<long long>(tally.longestWaitUs / 1000));
    // The cases must reach a backlog that outlives the re-arm's window.
    EXPECT_GT(tally.waitedForTheBacklog, 10 / rules::kRunsDivisor);
}

}  // namespace
