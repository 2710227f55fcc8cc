#pragma once

#include <QElapsedTimer>

#include "ui/Clock.h"

namespace ui {

// The program's clock: Qt's precise timers on the event loop.
class QtClock final : public Clock {
  public:
    QtClock();
    Milliseconds now() const override;
    std::unique_ptr<TimerBackend> makeTimer(std::function<void()> fire) override;

  private:
    QElapsedTimer elapsed_;
};

}  // namespace ui
