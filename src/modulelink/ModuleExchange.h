#pragma once

#include <cstdint>
#include <vector>

namespace modulelink {

// A press that arrived and no report check took, as its module reported it.
struct WaitingPress {
    int position = 0;          // in the module collection
    std::int16_t code = 0;     // as the report check reads it
    std::int16_t data4 = 0;    // the interface address
    std::int32_t model = 0;    // the module's own model
    std::int64_t arrival = 0;  // nanoseconds on the module arrival clock
};

// Told on the user-interface thread when module reports arrived that no report check has
// seen yet (a board that polls checks them at once instead of at its next tick).
class ArrivalListener {
  public:
    virtual ~ArrivalListener() = default;
    virtual void reportsArrived() = 0;
};

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
    // One poll: reads every module and picks the responder (lowest position wins among the
    // reports that arrived together).
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
    // While an RF interface settles after an arm, what it sends may be from before the arm.
    virtual bool rfSettling() const = 0;

    // Arrivals. Each report check takes the earliest reports not checked yet (those that
    // arrived together); arrivalsWaiting tells whether more are queued behind them.
    virtual void addArrivalListener(ArrivalListener& listener) = 0;
    virtual void removeArrivalListener(ArrivalListener& listener) = 0;
    virtual bool arrivalsWaiting() const = 0;
    // Forgets the reports that arrived and no check took: once a press was taken and
    // polling stopped, they are what a poll would have read together with it, and must not
    // count after the next arm. The operator's arm forgets them too, as they may still
    // come in after the press was taken.
    virtual void discardArrivals() = 0;
    // The operator's arm is about to go out: every arrival is forgotten, and a press a module
    // reports just after its arm counts only once it is clear that the module did not latch
    // it before the arm (its answer to the arm would follow within one poll).
    virtual void startAfresh() = 0;
    // Takes the presses that arrived and no check took, each module's first, skipping the
    // excluded module, in order of arrival; each counts once. Read once a press was taken,
    // they tell who pressed behind it.
    virtual std::vector<WaitingPress> takeWaitingPresses() = 0;
};

}  // namespace modulelink
