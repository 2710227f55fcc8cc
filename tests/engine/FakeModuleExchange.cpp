#include "FakeModuleExchange.h"

namespace test {

FakeModuleExchange::FakeModuleExchange(model::MatchState& state, ui::Clock& clock, int moduleCount,
                                       std::vector<std::string>& log)
    : state_(state), log_(log), modules_(moduleCount), delay_(clock, 200) {
    delay_.onTick = [this] { delay_.stop(); };
}

void FakeModuleExchange::press(int position, int data1, int data3) {
    Module& m = at(position);
    if (m.armed && !m.latched) {
        m.data1 = data1;
        m.data3 = data3;
        m.latched = true;
        arrivalsWaiting_ = true;
    }
}

void FakeModuleExchange::deliverArrivals() {
    for (modulelink::ArrivalListener* listener : std::vector(listeners_)) {
        listener->reportsArrived();
    }
}

void FakeModuleExchange::clearCommands() {
    for (Module& m : modules_) {
        m.commands.clear();
    }
    log_.clear();
}

void FakeModuleExchange::ReportSender() {
    for (int position = 1; position <= moduleCount(); ++position) {
        receive(position, state_.moduleCommand);
    }
}

void FakeModuleExchange::ReportChecker() {
    ++polls;
    arrivalsWaiting_ = false;
    state_.responderCode = 255;
    for (int position = 1; position <= moduleCount(); ++position) {
        const Module& m = modules_[position - 1];
        if (position == state_.excludedModule || !m.armed) {
            continue;
        }
        const int code = codeOf(m);
        if (code != 255 && code != 1023) {
            state_.responderCode = static_cast<std::int16_t>(code);
            state_.respondingModule = position;
            state_.responderData4 = static_cast<std::int16_t>(m.data4);
            modules_[position - 1].counted = true;
            return;
        }
    }
}

std::vector<modulelink::WaitingPress> FakeModuleExchange::takeWaitingPresses() {
    std::vector<modulelink::WaitingPress> waiting;
    for (int position = 1; position <= moduleCount(); ++position) {
        Module& m = at(position);
        if (position == state_.excludedModule || !m.latched || m.counted) {
            continue;
        }
        m.counted = true;
        waiting.push_back({position, static_cast<std::int16_t>(codeOf(m)),
                           static_cast<std::int16_t>(m.data4), state_.modelNumber, 0});
    }
    return waiting;
}

int FakeModuleExchange::codeOf(const Module& m) const {
    return state_.modelNumber == 512
               ? m.data1 + 256 * ((m.data3 >> 6) & 1) + 512 * ((m.data3 >> 7) & 1)
               : m.data1;
}

void FakeModuleExchange::NopReader() {
    ++drains;
    log_.push_back("drain");
}

bool FakeModuleExchange::sendToModule(int position, std::int16_t command) {
    if (position < 1 || position > moduleCount()) {
        return false;
    }
    receive(position, command);
    return true;
}

void FakeModuleExchange::receive(int position, int command) {
    if (position < 1 || position > moduleCount()) {
        return;
    }
    Module& m = at(position);
    m.commands.push_back(command);
    log_.push_back("m" + std::to_string(position) + ":" + std::to_string(command));
    if (command == 125) {
        m.armed = true;
        m.latched = false;
        m.counted = false;
        m.data1 = 255;
        m.data3 = idleData3();
    } else if (command == 124) {
        m.armed = false;  // keeps the latched press for its lamp, reports no press
    }
}

}  // namespace test
