#include "TickTimingClock.h"

namespace bench {

class TickTimingClock::Backend final : public ui::TimerBackend {
  public:
    Backend(TickTimingClock& clock, std::function<void()> fire) {
        inner_ = clock.inner_.makeTimer([this, &clock, fire = std::move(fire)] {
            if (clock.recording && interval_ == ui::Milliseconds(clock.intervalMs_)) {
                clock.timed(fire);
            } else {
                fire();
            }
        });
    }
    void start(ui::Milliseconds interval) override {
        interval_ = interval;
        inner_->start(interval);
    }
    void stop() override { inner_->stop(); }

  private:
    std::unique_ptr<ui::TimerBackend> inner_;
    ui::Milliseconds interval_{0};
};

std::unique_ptr<ui::TimerBackend> TickTimingClock::makeTimer(std::function<void()> fire) {
    return std::make_unique<Backend>(*this, std::move(fire));
}

void TickTimingClock::timed(const std::function<void()>& fire) {
    const qint64 start = since_.nsecsElapsed();
    if (lastTickNs_ >= 0) {
        gapMs.values.push_back(double(start - lastTickNs_) / 1e6);
    }
    lastTickNs_ = start;
    fire();
    runMs.values.push_back(double(since_.nsecsElapsed() - start) / 1e6);
}

}  // namespace bench
