#pragma once

#include <QSocketNotifier>
#include <atomic>
#include <functional>
#include <memory>

namespace modulelink {

// The one-signal-at-a-time rule of a wake, apart from the pipe that carries the signal.
// raise() (any thread) says whether a signal must be sent: none is on its way yet.
// lower(take) (the woken thread) takes the signals sent, and only then lets the next raise
// send one: cleared first, a raise just before the take would send a signal that the take
// swallows, leaving the flag set with nothing on its way, and no raise would signal again.
class WakeFlag {
  public:
    bool raise() { return !pending_.exchange(true); }
    template <typename Take>
    void lower(Take take) {
        take();
        pending_.store(false);
    }

  private:
    std::atomic<bool> pending_{false};
};

// Wakes the event loop of the thread that made it, from any thread, and runs onWake there.
// A pipe watched by a socket notifier: the waking thread touches no Qt object, only the
// pipe. Wakes that come before the loop got round to the first are folded into one.
class LoopWake {
  public:
    explicit LoopWake(std::function<void()> onWake);
    ~LoopWake();
    LoopWake(const LoopWake&) = delete;
    LoopWake& operator=(const LoopWake&) = delete;

    void wake();

  private:
    void readable();

    int readEnd_ = -1;
    int writeEnd_ = -1;
    WakeFlag flag_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onWake_;
};

}  // namespace modulelink
