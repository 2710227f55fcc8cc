#pragma once

#include <cstdint>
#include <vector>

#include "Outcome.h"
#include "Timeline.h"
#include "TraceLines.h"

namespace rules {

// How a module's endpoint is polled (microseconds).
struct UsbPolling {
    std::int64_t interval = 1000;
    std::int64_t phase = 0;
};

// Deliberate departures of the console from the plain rules; the plain model has none.
struct Improvements {
    // Reports are checked as they arrive, the earliest first, instead of at the next tick.
    bool earlierPressWins = false;
    // Once a press is taken and polling stops, what came behind it is forgotten.
    bool noReplayAfterArm = false;
};

// The buzz-in rules as the operator's manual states them: the module firmware, USB polling
// of every endpoint, the polling tick with its report check, buzz-in with refusal and the
// second-place hold, clear and arm with the hand-over, the sound and blink ticks, and the
// removal of a module. It runs a timeline on its own millisecond clock and says what the
// console should show and send; a trace, when given, is told what it does as it goes.
Outcome runModel(const Timeline& timeline, const std::vector<UsbPolling>& polling,
                 Improvements improvements, TraceSink trace = {});

}  // namespace rules
