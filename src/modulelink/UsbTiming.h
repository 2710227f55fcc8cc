#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>

#include "modulelink/HidTransport.h"

namespace modulelink {

// USB time for virtual modules, on a clock of its own that the owner moves forward: each
// module's interrupt endpoint is polled on its own interval (1, 8 or 10 ms, at a random
// phase) and carries one report per poll; an output report occupies the bus for one frame
// and reaches the module at its end, while the writer waits. Deterministic from its seed.
class UsbTiming {
  public:
    static constexpr ArrivalTime kFrame = std::chrono::milliseconds(1);

    struct Endpoint {
        ArrivalTime interval{0};
        ArrivalTime phase{0};
        ArrivalTime lastPoll = std::chrono::hours(-1);  // the poll that carried the last report
    };

    explicit UsbTiming(std::uint32_t seed) : random_(seed) {}

    ArrivalTime now() const { return now_; }
    // Runs everything due up to `to` in time order, then stands at `to` (never going back).
    // After each set of deliveries at one time, onDelivered runs (the host's event loop).
    void advanceTo(ArrivalTime to);
    std::function<void()> onDelivered;
    // Reports handed to the host so far.
    std::uint64_t deliveries() const { return deliveries_; }

    // Something that happens on the module side at a time (a button press).
    void at(ArrivalTime when, std::function<void()> action);
    // The endpoint of the device at `path`, made with a random interval and phase on first
    // use: ask in a fixed order for the same timing from the same seed.
    const Endpoint& endpoint(const std::string& path);
    // A report the device sends now; `deliver` hands it to the host at its poll's time.
    void send(const std::string& path, std::function<void(ArrivalTime)> deliver);
    // One output report: the writer waits one frame, meanwhile the bus goes on.
    void write();

  private:
    struct Due {
        std::function<void()> action;
        bool delivery = false;
    };
    // Runs what is due up to `to`; hooks: whether onDelivered may run in between.
    void runUntil(ArrivalTime to, bool hooks);

    std::mt19937 random_;
    ArrivalTime now_{0};
    std::uint64_t sequence_ = 0;
    std::map<std::pair<ArrivalTime, std::uint64_t>, Due> due_;
    std::map<std::string, Endpoint> endpoints_;
    bool writing_ = false;
    std::uint64_t deliveries_ = 0;
};

}  // namespace modulelink
