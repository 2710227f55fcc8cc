#include "sim/Firmware.h"

#include <algorithm>

#include "modulelink/ModuleCommands.h"

namespace sim {

using namespace modulelink::command;

Firmware::Firmware(int model, int firstSlot) : model_(model), firstSlot_(firstSlot) {}

void Firmware::powerUp() {
    armed_ = false;
    identityPending_ = false;
    latched_.clear();
    lamps_.clear();
    tone_ = Tone::Off;
}

bool Firmware::lampLit(Button button) const {
    return std::find(lamps_.begin(), lamps_.end(), button) != lamps_.end();
}

bool Firmware::latch(const std::vector<Button>& buttons) {
    if (!armed_ || !latched_.empty()) {
        return false;
    }
    for (const Button& b : buttons) {
        if (!std::count(latched_.begin(), latched_.end(), b)) {
            latched_.push_back(b);
        }
    }
    return !latched_.empty();
}

Firmware::Outcome Firmware::command(int code) {
    if (code == kStartUp) {
        powerUp();
        identityPending_ = true;
        return Outcome::ReportAtOnce;
    }
    if (code == kArm) {
        armed_ = true;
        identityPending_ = false;
        latched_.clear();
        lamps_.clear();
    } else if (code == kLock) {
        armed_ = false;
        lamps_.clear();
    } else if (code == kLight) {
        lamps_ = latched_;
    } else if (code >= 1 && code <= 5) {
        int team = latched_.empty() ? 0 : latched_.front().team;
        if (team == 0 && kindOfModel(model_) == ModuleKind::OneTeam) {
            team = firstSlot_;
        }
        if (team != 0 && !lampLit({team, code})) {
            lamps_.push_back({team, code});
        }
    } else if (code == kBuzzTone) {
        tone_ = Tone::Buzz;
    } else if (code == kTimerExpiredTone) {
        tone_ = Tone::TimerExpired;
    } else if (code == kClockExpiredTone) {
        tone_ = Tone::ClockExpired;
    } else if (code == kSoundOff) {
        tone_ = Tone::Off;
    } else {
        return Outcome::NotLockout;
    }
    return Outcome::Done;
}

ReportData Firmware::data() const {
    if (identityPending_) {
        return identityReport(model_, firstSlot_);
    }
    if (latched_.empty()) {
        return idleReport(model_, firstSlot_);
    }
    return pressReport(model_, firstSlot_, latched_);
}

}  // namespace sim
