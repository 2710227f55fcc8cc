// The console against the rules on randomised timelines (fixed seeds): every difference is
// one of the named improvements, and each improvement does show.
#include <gtest/gtest.h>

#include "Differential.h"

namespace {

constexpr std::uint32_t kFirstSeed = 1;
constexpr std::int64_t kTimelines = 2000 / rules::kRunsDivisor;

TEST(Rules, EveryDifferenceFromTheRulesIsANamedImprovement) {
    const rules::Tally tally = rules::explore(kFirstSeed, kTimelines);
    using rules::Difference;
    const auto count = [&](Difference k) { return tally.kinds[static_cast<std::size_t>(k)]; };
    for (int k = 0; k < rules::kDifferenceKinds; ++k) {
        std::printf("  %-26s %lld\n", rules::name(static_cast<Difference>(k)),
                    static_cast<long long>(count(static_cast<Difference>(k))));
    }
    EXPECT_EQ(count(Difference::Unexplained), 0)
        << "first at seed " << tally.firstUnexplainedSeed << "\n"
        << tally.firstReport;
    // The timelines must reach the cases the improvements are about.
    EXPECT_GT(count(Difference::None), kTimelines / 4);
    EXPECT_GT(count(Difference::EarlierPressWins) + count(Difference::Both), 0);
    EXPECT_GT(count(Difference::NoReplay) + count(Difference::Both), 0);
}

}  // namespace
