#pragma once

#include <string>
#include <vector>

#include "model/MatchState.h"
#include "modulelink/ModuleExchange.h"
#include "ui/Timer.h"

namespace test {

// N team modules behind the module exchange. A module accepts a press only while armed
// (125) and nothing is latched, reports the latched press until it is locked (124) or
// re-armed, and records every command it receives. The report check follows the real
// rules: first module in order showing a press wins, the excluded module is skipped, and
// model 512 codes fold Data3 bits 6 and 7 in as 256 and 512. A latched press that no check
// took waits (locked modules keep it) until it is taken once or the module is re-armed.
class FakeModuleExchange final : public modulelink::ModuleExchange {
  public:
    FakeModuleExchange(model::MatchState& state, ui::Clock& clock, int moduleCount,
                       std::vector<std::string>& log);

    // A contestant press as the module's input report shows it.
    void press(int position, int data1, int data3);
    void press(int position, int data1) { press(position, data1, idleData3()); }
    void setAddress(int position, int data4) { at(position).data4 = data4; }
    // The reports of the presses made since the last check reach the listeners now, as an
    // arrival does between two ticks.
    void deliverArrivals();

    const std::vector<int>& commands(int position) const {
        return modules_.at(position - 1).commands;
    }
    void clearCommands();
    int polls = 0;
    int drains = 0;
    int discards = 0;

    void ReportSender() override;
    void ReportReader() override {}
    void ReportChecker() override;
    void NopReader() override;
    void TurnOnLights() override { receive(state_.respondingModule, 0); }
    void TurnOnSound() override { receive(state_.respondingModule, 22); }
    bool sendToModule(int position, std::int16_t command) override;
    int moduleCount() const override { return static_cast<int>(modules_.size()); }
    void startDelay() override {
        delay_.stop();
        delay_.start();
    }
    bool rfSettling() const override { return state_.settlesAfterArm() && delay_.enabled(); }
    void addArrivalListener(modulelink::ArrivalListener& listener) override {
        listeners_.push_back(&listener);
    }
    void removeArrivalListener(modulelink::ArrivalListener& listener) override {
        std::erase(listeners_, &listener);
    }
    bool arrivalsWaiting() const override { return arrivalsWaiting_; }
    void discardArrivals() override {
        arrivalsWaiting_ = false;
        ++discards;
    }
    void startAfresh() override { discardArrivals(); }
    std::vector<modulelink::WaitingPress> takeWaitingPresses() override;

  private:
    struct Module {
        int data1 = 255;
        int data3 = 0;
        int data4 = 0;
        bool armed = false;
        bool latched = false;
        bool counted = false;  // its press was taken (by a check or as a waiting press)
        std::vector<int> commands;
    };
    Module& at(int position) { return modules_.at(position - 1); }
    int codeOf(const Module& m) const;  // as the report check reads it
    int idleData3() const { return state_.modelNumber == 512 ? 0xC0 : 0; }
    void receive(int position, int command);

    model::MatchState& state_;
    std::vector<std::string>& log_;
    std::vector<Module> modules_;
    ui::Timer delay_;
    std::vector<modulelink::ArrivalListener*> listeners_;
    bool arrivalsWaiting_ = false;
};

}  // namespace test
