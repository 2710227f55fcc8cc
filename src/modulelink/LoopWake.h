#pragma once

#include <QSocketNotifier>
#include <atomic>
#include <functional>
#include <memory>

namespace modulelink {

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
    std::atomic<bool> pending_{false};
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onWake_;
};

}  // namespace modulelink
