#pragma once

#include <QElapsedTimer>

#include "Figures.h"
#include "ui/QtClock.h"

namespace bench {

// The program's clock, timing each tick of its timers of one interval (the board's
// polling tick) while `recording`: the gap since the tick before and the time it took.
class TickTimingClock final : public ui::Clock {
  public:
    explicit TickTimingClock(int intervalMs) : intervalMs_(intervalMs) { since_.start(); }
    ui::Milliseconds now() const override { return inner_.now(); }
    std::unique_ptr<ui::TimerBackend> makeTimer(std::function<void()> fire) override;

    bool recording = false;
    Samples gapMs;
    Samples runMs;

  private:
    class Backend;
    void timed(const std::function<void()>& fire);

    ui::QtClock inner_;
    int intervalMs_;
    QElapsedTimer since_;
    qint64 lastTickNs_ = -1;
};

}  // namespace bench
