#include "modulelink/UsbTiming.h"

#include <algorithm>
#include <array>

namespace modulelink {

using std::chrono::microseconds;
using std::chrono::milliseconds;

void UsbTiming::advanceTo(ArrivalTime to) {
    runUntil(to, !writing_);
    now_ = std::max(now_, to);
}

void UsbTiming::runUntil(ArrivalTime to, bool hooks) {
    while (!due_.empty() && due_.begin()->first.first <= to) {
        const ArrivalTime when = due_.begin()->first.first;
        bool delivered = false;
        // Everything due at this instant, then the host looks once.
        while (!due_.empty() && due_.begin()->first.first == when) {
            Due next = std::move(due_.begin()->second);
            due_.erase(due_.begin());
            now_ = std::max(now_, when);
            delivered = delivered || next.delivery;
            next.action();
        }
        if (delivered && hooks && onDelivered) {
            onDelivered();
        }
    }
}

void UsbTiming::at(ArrivalTime when, std::function<void()> action) {
    due_.emplace(std::make_pair(when, sequence_++), Due{std::move(action), false});
}

const UsbTiming::Endpoint& UsbTiming::endpoint(const std::string& path) {
    static constexpr std::array<int, 3> kIntervalsMs{1, 8, 10};
    if (auto found = endpoints_.find(path); found != endpoints_.end()) {
        return found->second;
    }
    Endpoint e;
    e.interval = milliseconds(kIntervalsMs[random_() % kIntervalsMs.size()]);
    e.phase =
        microseconds(random_() % static_cast<std::uint32_t>(
                                     std::chrono::duration_cast<microseconds>(e.interval).count()));
    return endpoints_.emplace(path, e).first->second;
}

void UsbTiming::send(const std::string& path, std::function<void(ArrivalTime)> deliver) {
    endpoint(path);
    Endpoint& e = endpoints_.at(path);
    // The first poll at or after now that no earlier report took.
    const ArrivalTime earliest = std::max(now_, e.lastPoll + e.interval);
    const auto polls = (earliest - e.phase + e.interval - ArrivalTime(1)) / e.interval;
    const ArrivalTime poll = e.phase + std::max<decltype(polls)>(polls, 0) * e.interval;
    e.lastPoll = poll;
    due_.emplace(std::make_pair(poll, sequence_++), Due{[this, deliver = std::move(deliver), poll] {
                                                            ++deliveries_;
                                                            deliver(poll);
                                                        },
                                                        true});
}

void UsbTiming::write() {
    const bool nested = writing_;
    writing_ = true;
    const ArrivalTime end = now_ + kFrame;
    runUntil(end, false);
    now_ = end;
    writing_ = nested;
}

}  // namespace modulelink
