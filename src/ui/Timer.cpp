#include "ui/Timer.h"

#include <algorithm>

namespace ui {

Timer::Timer(Clock& clock, int intervalMs)
    : backend_(clock.makeTimer([this] { fire(); })), intervalMs_(std::max(intervalMs, 1)) {}

Timer::~Timer() = default;

void Timer::setEnabled(bool on) {
    if (on == enabled_) {
        return;
    }
    enabled_ = on;
    if (on) {
        backend_->start(Milliseconds(intervalMs_));
    } else {
        backend_->stop();
    }
}

void Timer::setInterval(int intervalMs) {
    intervalMs_ = std::max(intervalMs, 1);
    if (enabled_) {
        backend_->start(Milliseconds(intervalMs_));
    }
}

void Timer::fire() {
    if (enabled_ && onTick) {
        onTick();
    }
}

}  // namespace ui
