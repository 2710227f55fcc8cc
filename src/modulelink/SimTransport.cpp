#include "modulelink/SimTransport.h"

#include <algorithm>

#include "modulelink/ArrivalQueue.h"

namespace modulelink {

struct SimTransport::State {
    std::vector<SimDevice*> devices;
    Stamp stamp;
    std::shared_ptr<UsbTiming> timing;

    bool has(const SimDevice* device) const {
        return std::find(devices.begin(), devices.end(), device) != devices.end();
    }
};

namespace {

// One open virtual interface. It dies with its device's unplugging: a later plug-in is a
// new attachment that must be opened again.
class SimConnection final : public HidConnection {
  public:
    SimConnection(std::shared_ptr<SimTransport::State> state, SimDevice& device)
        : state_(std::move(state)),
          devices_(&state_->devices),
          device_(&device),
          generation_(device.plugGeneration()),
          stamp_(state_->stamp),
          queue_(std::make_shared<ArrivalQueue>(SimTransport::kKernelQueue)) {
        std::weak_ptr<ArrivalQueue> weak = queue_;
        std::weak_ptr<SimTransport::State> owner = state_;
        device.setReportSink([weak, owner, path = device.deviceInfo().path](const Bytes& report) {
            auto q = weak.lock();
            auto s = owner.lock();
            if (!q || !s) {
                return;
            }
            if (!s->timing) {
                q->push(report, s->stamp());
                return;
            }
            s->timing->send(path, [weak, report](ArrivalTime poll) {
                if (auto later = weak.lock()) {
                    later->push(report, poll);
                }
            });
        });
    }

    ~SimConnection() override {
        if (alive() && device_->plugGeneration() == generation_) {
            device_->setReportSink({});
        }
    }

    HidReadResult readPending() override {
        if (!usable()) {
            return gone();
        }
        return queue_->pop();
    }

    // An unplugged device has its error pending at once.
    std::optional<ArrivalTime> nextArrival() override {
        return usable() ? queue_->nextArrival() : std::optional<ArrivalTime>(now());
    }

    void setArrivalWake(std::function<void()> wake) override { queue_->setWake(std::move(wake)); }

    // Virtual devices answer at once: waiting could not bring a report that is not there.
    HidReadResult readWithin(int /*timeoutMs*/) override { return readPending(); }

    HidWriteResult writeOutput(const Bytes& data) override {
        if (!usable()) {
            return {false, QStringLiteral("the device is not connected"), true};
        }
        if (state_->timing) {
            state_->timing->write();  // the bus may bring an unplugging meanwhile
            if (!usable()) {
                return {false, QStringLiteral("the device is not connected"), true};
            }
        }
        if (!device_->receiveOutputReport(data)) {
            return {false, QStringLiteral("the device refused the report")};
        }
        return {true, {}};
    }

    HidWriteResult writeFeature(const Bytes& /*data*/) override {
        return {false, QStringLiteral("virtual team modules have no feature reports")};
    }

    HidReadResult readFeature(std::uint8_t, std::size_t) override {
        return {HidReadResult::Status::Error,
                {},
                QStringLiteral("virtual team modules have no feature reports")};
    }

    Bytes reportDescriptor(QString* error) override {
        if (!usable()) {
            if (error) {
                *error = QStringLiteral("the device is not connected");
            }
            return {};
        }
        return device_->reportDescriptorBytes();
    }

    QString indexedString(int) override { return {}; }

  private:
    bool alive() const {
        return std::find(devices_->begin(), devices_->end(), device_) != devices_->end();
    }
    bool usable() const {
        return alive() && device_->isPlugged() && device_->plugGeneration() == generation_;
    }
    ArrivalTime now() const { return state_->timing ? state_->timing->now() : stamp_(); }
    static HidReadResult gone() {
        return {HidReadResult::Status::Error,
                {},
                QStringLiteral("the device is not connected"),
                ArrivalTime{0},
                true};
    }

    std::shared_ptr<SimTransport::State> state_;  // keeps the device list alive
    const std::vector<SimDevice*>* devices_;
    SimDevice* device_;
    int generation_;
    SimTransport::Stamp stamp_;
    std::shared_ptr<ArrivalQueue> queue_;
};

}  // namespace

ArrivalTime SimTransport::now() const {
    return state_->timing ? state_->timing->now() : state_->stamp();
}

void SimTransport::useUsbTiming(std::shared_ptr<UsbTiming> timing) {
    state_->timing = std::move(timing);
}

SimTransport::SimTransport(Stamp stamp) : state_(std::make_shared<State>()) {
    state_->stamp = std::move(stamp);
}

SimTransport::~SimTransport() {
    state_->devices.clear();
}

void SimTransport::addDevice(SimDevice& device) {
    if (!state_->has(&device)) {
        state_->devices.push_back(&device);
    }
}

void SimTransport::removeDevice(SimDevice& device) {
    auto& list = state_->devices;
    list.erase(std::remove(list.begin(), list.end(), &device), list.end());
}

std::vector<HidDeviceInfo> SimTransport::enumerate(std::uint16_t vendorId) {
    std::vector<HidDeviceInfo> found;
    for (SimDevice* device : state_->devices) {
        const HidDeviceInfo info = device->deviceInfo();
        if (device->isPlugged() && (vendorId == 0 || info.vendorId == vendorId)) {
            found.push_back(info);
        }
    }
    return found;
}

HidOpenResult SimTransport::open(const std::string& path) {
    HidOpenResult result;
    for (SimDevice* device : state_->devices) {
        if (device->isPlugged() && device->deviceInfo().path == path) {
            result.connection = std::make_unique<SimConnection>(state_, *device);
            return result;
        }
    }
    result.error = QStringLiteral("No virtual module at %1").arg(QString::fromStdString(path));
    return result;
}

}  // namespace modulelink
