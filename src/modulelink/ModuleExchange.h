#pragma once

#include <cstdint>

namespace modulelink {

// The module exchange as the engine, the boards, the set-up menu and the radio dialogs
// see it: the procedures of the start-up window that talk to every team module. Module
// positions are 1-based places in the module collection. The shared values they use
// (moduleCommand, responderCode, responderData4, respondingModule, excludedModule,
// lastData1, teamCount) live in model::MatchState.
class ModuleExchange {
  public:
    virtual ~ModuleExchange() = default;

    // Sends MatchState::moduleCommand to every module, first to last; failures ignored.
    virtual void ReportSender() = 0;
    // Drains one pending report of every module and sets teamCount.
    virtual void ReportReader() = 0;
    // One poll: reads every module and picks the responder (lowest position wins).
    virtual void ReportChecker() = 0;
    // Drains presses that arrived while nobody listened.
    virtual void NopReader() = 0;
    // Command 0 / 22 to the module at respondingModule.
    virtual void TurnOnLights() = 0;
    virtual void TurnOnSound() = 0;

    // One command to the module at a position alone; false when the write failed.
    virtual bool sendToModule(int position, std::int16_t command) = 0;
    virtual int moduleCount() const = 0;

    // The 200 ms settling window after an arm (tmrDelay).
    virtual void startDelay() = 0;
    virtual bool delayRunning() const = 0;
};

}  // namespace modulelink
