// The console against the rules on randomised timelines (fixed seeds), a share of them with
// other makers' buzzers: the console's run is the rules' with both named improvements, and
// each improvement does show.
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

// Timelines in which the console once parted from the rules, kept by their seeds. A press
// that reached the console before a re-arm of the engine's own, and lost its check to an
// earlier module: held as second responder after the sound tick (3006728), refused after a
// refusal (3007027), or shown after the refusals of an ineligible team that pressed at the
// same instant (3008135, where the console showed nobody, and 3000938, where it showed a
// later press of another team). A press a poll after the reset click's lock, waiting as if it
// might have come from before the arm, which put the sound tick after the operator's next
// action instead of before it (17824, 113198, 3002809), and the same wait of a second
// responder from the module whose press had been taken, held latched until the arm
// (4001574). A press latched after its module's arm while the operator's arm still went out
// to the modules after it, which the rules dropped as if it came behind the taken press
// (8169073). With presses around the arms: a press from before the arm, queued in a module
// behind its status report, which came two polls after the next arm and was taken (683); the
// rules counted a press from before the arm that arrived while the arm was on the bus (22); a
// Buzz! press waited as if it might be from before the arm, though such a buzzer latches on
// the console, and a game controller's press was lost to the refusal that came late (2829).
TEST(Rules, TimelinesOfMendedFaultsDifferOnlyByNamedImprovements) {
    struct Kept {
        std::uint32_t seed;
        bool aroundArms;
    };
    for (const Kept k : {Kept{3000938u, false}, Kept{3006728u, false}, Kept{3007027u, false},
                         Kept{3008135u, false}, Kept{17824u, false}, Kept{113198u, false},
                         Kept{3002809u, false}, Kept{4001574u, false}, Kept{8169073u, false},
                         Kept{683u, true}, Kept{22u, true}, Kept{2829u, true}}) {
        const rules::Verdict v = rules::judge(rules::randomTimeline(k.seed, k.aroundArms));
        EXPECT_NE(v.kind, rules::Difference::Unexplained) << v.report;
    }
}

}  // namespace
