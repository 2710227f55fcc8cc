#include "modulelink/ArrivalQueue.h"

#include <chrono>

namespace modulelink {

void ArrivalQueue::setWake(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    wake_ = std::move(wake);
}

bool ArrivalQueue::push(Bytes report, ArrivalTime arrival) {
    {
        std::lock_guard lock(mutex_);
        if (failed_) {
            return false;
        }
        if (entries_.size() >= capacity_) {
            entries_.pop_front();
            ++dropped_;
        }
        entries_.push_back({HidReadResult::Status::Report, std::move(report), {}, arrival});
    }
    arrived_.notify_all();
    wakeOwner();
    return true;
}

void ArrivalQueue::fail(const QString& error, ArrivalTime arrival, bool gone) {
    {
        std::lock_guard lock(mutex_);
        if (failed_) {
            return;
        }
        failed_ = true;
        entries_.push_back({HidReadResult::Status::Error, {}, error, arrival, gone});
    }
    arrived_.notify_all();
    wakeOwner();
}

void ArrivalQueue::wakeOwner() {
    std::function<void()> wake;
    {
        std::lock_guard lock(mutex_);
        wake = wake_;
    }
    if (wake) {
        wake();
    }
}

HidReadResult ArrivalQueue::pop() {
    std::lock_guard lock(mutex_);
    if (entries_.empty()) {
        return {};
    }
    // The error stays: every later read fails the same way.
    if (entries_.front().failed()) {
        return entries_.front();
    }
    HidReadResult front = std::move(entries_.front());
    entries_.pop_front();
    return front;
}

HidReadResult ArrivalQueue::waitFor(int timeoutMs) {
    {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs),
                          [this] { return !entries_.empty(); });
    }
    return pop();
}

std::optional<ArrivalTime> ArrivalQueue::nextArrival() const {
    std::lock_guard lock(mutex_);
    if (entries_.empty()) {
        return std::nullopt;
    }
    return entries_.front().arrival;
}

std::size_t ArrivalQueue::droppedCount() const {
    std::lock_guard lock(mutex_);
    return dropped_;
}

}  // namespace modulelink
