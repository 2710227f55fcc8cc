#pragma once

#include <functional>
#include <memory>

#include "ui/Clock.h"

namespace ui {

// A window timer: an interval and an enabled switch. While enabled it calls onTick every
// interval. Enabling a running timer keeps its phase; disabling and enabling restarts it.
// Changing the interval of a running timer restarts it with the new interval.
class Timer {
  public:
    Timer(Clock& clock, int intervalMs);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

    int interval() const { return intervalMs_; }
    void setInterval(int intervalMs);

    std::function<void()> onTick;

  private:
    void fire();

    std::unique_ptr<TimerBackend> backend_;
    int intervalMs_;
    bool enabled_ = false;
};

}  // namespace ui
