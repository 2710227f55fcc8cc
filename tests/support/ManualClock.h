#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/Clock.h"

namespace test {

// A clock that moves only when a test advances it. advance() fires every tick that falls
// due in the span in time order (ties in the order the timers were started), and a timer
// started inside a tick is scheduled from that tick's time. A tick may advance the clock
// itself (a message box's event loop in the events-running mode); time never goes back.
class ManualClock final : public ui::Clock {
  public:
    ~ManualClock() override;
    ui::Milliseconds now() const override { return now_; }
    std::unique_ptr<ui::TimerBackend> makeTimer(std::function<void()> fire) override;

    void advance(ui::Milliseconds span);
    void advanceMs(std::int64_t ms) { advance(ui::Milliseconds(ms)); }
    // Arrival stamps for virtual modules on this clock, so reports arrive in test time; each
    // a nanosecond after the one before, as no two things happen at one instant.
    std::function<std::chrono::nanoseconds()> stamps() const {
        return [this, count = std::int64_t{0}]() mutable {
            return std::chrono::nanoseconds(now_) + std::chrono::nanoseconds(++count);
        };
    }

  private:
    class Backend;
    friend class Backend;

    ui::Milliseconds now_{0};
    std::uint64_t nextSequence_ = 0;
    std::vector<Backend*> backends_;
};

}  // namespace test
