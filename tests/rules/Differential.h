#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Timeline.h"

namespace rules {

// How the console's run of a timeline compares with the rules.
enum class Difference {
    None,              // exactly as the rules say
    EarlierPressWins,  // explained by checking arrivals at once, the earliest first
    NoReplay,          // explained by forgetting presses behind a taken one
    Both,              // explained by the two together
    Unexplained,       // a fault
};
inline constexpr int kDifferenceKinds = 5;
const char* name(Difference kind);

struct Verdict {
    Difference kind = Difference::None;
    std::string report;  // for an unexplained difference: the timeline and both outcomes
};

Verdict judge(const Timeline& timeline);

// Runs `count` timelines from `firstSeed` on; counts by kind and the first unexplained.
struct Tally {
    std::array<std::int64_t, kDifferenceKinds> kinds{};
    std::int64_t runs = 0;
    std::int64_t firstUnexplainedSeed = -1;
    std::string firstReport;
};
Tally explore(std::uint32_t firstSeed, std::int64_t count);

}  // namespace rules
