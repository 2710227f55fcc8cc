#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <thread>

#include "modulelink/ArrivalQueue.h"
#include "modulelink/HidTransport.h"

namespace test {

// A transport whose devices deliver their input reports from a thread of their own, as
// real ones do through the reader threads: each open connection runs a feeder thread that
// sends the reports its device was given, then every `repeat` report for ever when set,
// until the connection closes.
class ThreadedTransport final : public modulelink::HidTransport {
  public:
    struct Device {
        modulelink::Bytes descriptor;
        std::vector<modulelink::Bytes> reports;
        modulelink::Bytes repeat;  // empty: stop after the reports
    };

    void add(const std::string& path, Device device) { devices_[path] = std::move(device); }

    std::vector<modulelink::HidDeviceInfo> enumerate(std::uint16_t) override {
        std::vector<modulelink::HidDeviceInfo> found;
        for (const auto& [path, device] : devices_) {
            found.push_back({path, 6561, 2012, 0, "Threaded", "Test"});
        }
        return found;
    }

    modulelink::HidOpenResult open(const std::string& path) override {
        modulelink::HidOpenResult result;
        result.connection = std::make_unique<Connection>(devices_.at(path));
        return result;
    }

    // Reports the feeders delivered so far, over all connections.
    static std::atomic<int>& delivered() {
        static std::atomic<int> count{0};
        return count;
    }

  private:
    class Connection final : public modulelink::HidConnection {
      public:
        static constexpr std::size_t kDepth = 32;
        explicit Connection(const Device& device) : device_(device), queue_(kDepth) {}
        ~Connection() override {
            stop_.store(true);
            if (feeder_.joinable()) {
                feeder_.join();
            }
        }
        void setArrivalWake(std::function<void()> wake) override {
            queue_.setWake(std::move(wake));
            // Delivery starts once the owner listens, as it would with a real device.
            feeder_ = std::thread([this] { feed(); });
        }
        modulelink::HidReadResult readPending() override { return queue_.pop(); }
        modulelink::HidReadResult readWithin(int ms) override { return queue_.waitFor(ms); }
        std::optional<modulelink::ArrivalTime> nextArrival() override {
            return queue_.nextArrival();
        }
        modulelink::HidWriteResult writeOutput(const modulelink::Bytes&) override {
            return {true, {}};
        }
        modulelink::HidWriteResult writeFeature(const modulelink::Bytes&) override {
            return {false, "none"};
        }
        modulelink::HidReadResult readFeature(std::uint8_t, std::size_t) override {
            return {modulelink::HidReadResult::Status::Error, {}, "none"};
        }
        modulelink::Bytes reportDescriptor(QString*) override { return device_.descriptor; }
        QString indexedString(int) override { return {}; }

      private:
        void feed() {
            for (const modulelink::Bytes& report : device_.reports) {
                queue_.push(report, modulelink::arrivalNow());
                ++delivered();
            }
            while (!device_.repeat.empty() && !stop_.load()) {
                queue_.push(device_.repeat, modulelink::arrivalNow());
                ++delivered();
            }
        }

        Device device_;
        modulelink::ArrivalQueue queue_;
        std::atomic<bool> stop_{false};
        std::thread feeder_;
    };

    std::map<std::string, Device> devices_;
};

}  // namespace test
