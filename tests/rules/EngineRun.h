#pragma once

#include <vector>

#include "Outcome.h"
#include "RulesModel.h"
#include "Timeline.h"

namespace rules {

// What the console did with a timeline: the real engine over the real module link, HID
// agent and virtual transport with USB timing, on a recording board and a manual clock.
struct EngineResult {
    Outcome outcome;
    std::vector<UsbPolling> polling;  // each module's endpoint, in opening order
};

EngineResult runEngine(const Timeline& timeline);

}  // namespace rules
