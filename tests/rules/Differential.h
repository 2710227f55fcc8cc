#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Timeline.h"

namespace rules {

// How the console's run of a timeline compares with the rules. It must be the rules' run with
// both improvements; the kinds say which of them it took to get there.
enum class Difference {
    None,              // exactly as the rules say
    EarlierPressWins,  // explained by checking arrivals at once, the earliest first
    NoReplay,          // explained by forgetting presses behind a taken one
    Both,              // explained by the two together
    Unexplained,       // not the rules' run with both improvements: a fault
};
inline constexpr int kDifferenceKinds = 5;
const char* name(Difference kind);

struct Verdict {
    Difference kind = Difference::None;
    std::string report;         // for an unexplained difference: the timeline and both outcomes
    bool foreign = false;       // the timeline has another maker's buzzers
    int foreignResponders = 0;  // their players' names the console showed
};

Verdict judge(const Timeline& timeline);

// Runs `count` timelines from `firstSeed` on; counts by kind and the first unexplained.
struct Tally {
    std::array<std::int64_t, kDifferenceKinds> kinds{};
    std::int64_t runs = 0;
    // The same for the timelines with other makers' buzzers among the modules.
    std::array<std::int64_t, kDifferenceKinds> foreignKinds{};
    std::int64_t foreignRuns = 0;
    std::int64_t foreignResponders = 0;
    std::int64_t firstUnexplainedSeed = -1;
    std::string firstReport;
    std::vector<std::uint32_t> unexplainedSeeds;  // the first kMaxListedSeeds of them
    static constexpr std::size_t kMaxListedSeeds = 50;
};
Tally explore(std::uint32_t firstSeed, std::int64_t count, bool aroundArms = false);
// The counts by kind, all timelines and those with other makers' buzzers, one kind a line.
std::string describe(const Tally& tally);

}  // namespace rules
