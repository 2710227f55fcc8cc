// The console against the rules on randomised timelines (fixed seeds), a share of them with
// other makers' buzzers: every difference is one of the named improvements, and each
// improvement does show.
#include <gtest/gtest.h>

#include "Differential.h"

namespace {

constexpr std::uint32_t kFirstSeed = 1;
constexpr std::int64_t kTimelines = 2000 / rules::kRunsDivisor;

TEST(Rules, EveryDifferenceFromTheRulesIsANamedImprovement) {
    const rules::Tally tally = rules::explore(kFirstSeed, kTimelines);
    using rules::Difference;
    const auto count = [&](Difference k) { return tally.kinds[static_cast<std::size_t>(k)]; };
    std::printf("%s", rules::describe(tally).c_str());
    EXPECT_EQ(count(Difference::Unexplained), 0)
        << "first at seed " << tally.firstUnexplainedSeed << "\n"
        << tally.firstReport;
    // The timelines must reach the cases the improvements are about.
    EXPECT_GT(count(Difference::None), kTimelines / 4);
    EXPECT_GT(count(Difference::EarlierPressWins) + count(Difference::Both), 0);
    EXPECT_GT(count(Difference::NoReplay) + count(Difference::Both), 0);
    // A share has Buzz! dongles and game controllers among the modules, and their players
    // win questions.
    EXPECT_GT(tally.foreignRuns, kTimelines / 5);
    EXPECT_GT(tally.foreignResponders, tally.foreignRuns);
}

}  // namespace
