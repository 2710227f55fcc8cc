#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "modulelink/HidTransport.h"

namespace modulelink {

// The input reports of one open interface on their way from the thread that reads the
// device to the user-interface thread: bounded (the oldest report is dropped first), each
// report stamped with its arrival, a read error kept as the last entry. Every member may be
// called from any thread; the wake function runs on the pushing thread, outside the lock.
class ArrivalQueue {
  public:
    explicit ArrivalQueue(std::size_t capacity) : capacity_(capacity) {}

    void setWake(std::function<void()> wake);
    // Queues a report; false once the queue has failed (nothing more is taken).
    bool push(Bytes report, ArrivalTime arrival);
    // The device failed (gone: it went away): readers get the error once the reports
    // before it are taken.
    void fail(const QString& error, ArrivalTime arrival, bool gone);

    // The oldest entry, or Nothing; waitFor waits up to timeoutMs for one to come.
    HidReadResult pop();
    HidReadResult waitFor(int timeoutMs);
    // When the oldest entry arrived; none when the queue is empty.
    std::optional<ArrivalTime> nextArrival() const;
    std::size_t droppedCount() const;

  private:
    void wakeOwner();

    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<HidReadResult> entries_;
    std::function<void()> wake_;
    bool failed_ = false;
    std::size_t dropped_ = 0;
};

}  // namespace modulelink
