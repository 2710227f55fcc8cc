#pragma once

#include <cstdint>
#include <vector>

#include "Outcome.h"
#include "RecordingBoardView.h"
#include "RecordingTransport.h"
#include "RulesModel.h"
#include "Timeline.h"
#include "model/MatchState.h"

namespace rules {

// What the console did with a timeline: the real engine over the real module link, HID
// agent and virtual transport with USB timing, on a recording board and a manual clock;
// foreign devices through the real translation layer over their virtual devices.
struct EngineResult {
    Outcome outcome;
    std::vector<UsbPolling> polling;  // each module's endpoint, in opening order
    int foreignResponders = 0;        // names shown of players on another maker's buzzer
};

// What a probe sees of the console while a timeline runs.
struct ConsoleView {
    const model::MatchState& state;
    const test::RecordingBoardView& board;
    const CommandLog& commands;    // what each team module received, by position
    std::int64_t us = 0;           // USB time of what is seen
    const Step* action = nullptr;  // the operator action running, until the probe saw it
};

// Watches a run: every press as its module takes it or not (another maker's device is told
// of twice: at the press, not latched, and as the console reads the device's report, with
// the button going down in an armed team with nothing latched: latched in software), every
// operator action once it has run, and the console after anything ran (a tick, an
// arrival, an action).
class Probe {
  public:
    virtual ~Probe() = default;
    virtual void pressed(const Step& step, bool latched, const ConsoleView& console) = 0;
    virtual void acted(const Step& step, const ConsoleView& console) = 0;
    virtual void ran(const ConsoleView& console) = 0;
};

EngineResult runEngine(const Timeline& timeline, Probe* probe = nullptr);

}  // namespace rules
