#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace ui {

using Milliseconds = std::chrono::milliseconds;

// What a Clock keeps for one Timer: it calls `fire` every interval while started.
class TimerBackend {
  public:
    virtual ~TimerBackend() = default;
    virtual void start(Milliseconds interval) = 0;
    virtual void stop() = 0;
};

// The source of time for every window timer. The program runs on the Qt event loop's
// precise timers; tests run on a manual clock that they advance by hand.
class Clock {
  public:
    virtual ~Clock() = default;
    // Monotonic time since the clock was made.
    virtual Milliseconds now() const = 0;
    virtual std::unique_ptr<TimerBackend> makeTimer(std::function<void()> fire) = 0;
};

}  // namespace ui
