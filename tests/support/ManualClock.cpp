#include "ManualClock.h"

#include <algorithm>

namespace test {

class ManualClock::Backend final : public ui::TimerBackend {
  public:
    Backend(ManualClock& clock, std::function<void()> fire)
        : clock_(&clock), fire_(std::move(fire)) {
        clock_->backends_.push_back(this);
    }
    ~Backend() override {
        if (clock_ != nullptr) {
            std::erase(clock_->backends_, this);
        }
    }
    void start(ui::Milliseconds interval) override {
        interval_ = interval;
        due_ = clock_->now_ + interval;
        sequence_ = clock_->nextSequence_++;
        active_ = true;
    }
    void stop() override { active_ = false; }

    ManualClock* clock_;
    std::function<void()> fire_;
    ui::Milliseconds interval_{0};
    ui::Milliseconds due_{0};
    std::uint64_t sequence_ = 0;
    bool active_ = false;
};

ManualClock::~ManualClock() {
    for (Backend* b : backends_) {
        b->clock_ = nullptr;
    }
}

std::unique_ptr<ui::TimerBackend> ManualClock::makeTimer(std::function<void()> fire) {
    return std::make_unique<Backend>(*this, std::move(fire));
}

void ManualClock::advance(ui::Milliseconds span) {
    const ui::Milliseconds target = now_ + span;
    for (;;) {
        Backend* next = nullptr;
        for (Backend* b : backends_) {
            if (b->active_ && b->due_ <= target &&
                (next == nullptr || b->due_ < next->due_ ||
                 (b->due_ == next->due_ && b->sequence_ < next->sequence_))) {
                next = b;
            }
        }
        if (next == nullptr) {
            break;
        }
        now_ = std::max(now_, next->due_);
        // Reschedule before firing, so a restart inside the tick wins.
        next->due_ += next->interval_;
        next->sequence_ = nextSequence_++;
        next->fire_();
    }
    // A tick may itself have advanced the clock (a message box's event loop): time never
    // goes back.
    now_ = std::max(now_, target);
}

}  // namespace test
