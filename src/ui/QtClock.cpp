#include "ui/QtClock.h"

#include <QTimer>

namespace ui {
namespace {

class QtTimerBackend final : public TimerBackend {
  public:
    explicit QtTimerBackend(std::function<void()> fire) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, std::move(fire));
    }
    void start(Milliseconds interval) override { timer_.start(interval); }
    void stop() override { timer_.stop(); }

  private:
    QTimer timer_;
};

}  // namespace

QtClock::QtClock() {
    elapsed_.start();
}

Milliseconds QtClock::now() const {
    return Milliseconds(elapsed_.elapsed());
}

std::unique_ptr<TimerBackend> QtClock::makeTimer(std::function<void()> fire) {
    return std::make_unique<QtTimerBackend>(std::move(fire));
}

}  // namespace ui
