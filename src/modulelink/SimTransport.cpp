#include "modulelink/SimTransport.h"

#include <algorithm>

#include "modulelink/ArrivalQueue.h"

namespace modulelink {

struct SimTransport::State {
    std::vector<SimDevice*> devices;
    Stamp stamp;

    bool has(const SimDevice* device) const {
        return std::find(devices.begin(), devices.end(), device) != devices.end();
    }
};

namespace {

// One open virtual interface. It dies with its device's unplugging: a later plug-in is a
// new attachment that must be opened again.
class SimConnection final : public HidConnection {
  public:
    SimConnection(std::shared_ptr<const void> state, const std::vector<SimDevice*>* devices,
                  SimDevice& device, SimTransport::Stamp stamp)
        : state_(std::move(state)),
          devices_(devices),
          device_(&device),
          generation_(device.plugGeneration()),
          stamp_(std::move(stamp)),
          queue_(std::make_shared<ArrivalQueue>(SimTransport::kKernelQueue)) {
        std::weak_ptr<ArrivalQueue> weak = queue_;
        device.setReportSink([weak, stamp = stamp_](const Bytes& report) {
            if (auto q = weak.lock()) {
                q->push(report, stamp());
            }
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
        return usable() ? queue_->nextArrival() : std::optional<ArrivalTime>(stamp_());
    }

    void setArrivalWake(std::function<void()> wake) override { queue_->setWake(std::move(wake)); }

    // Virtual devices answer at once: waiting could not bring a report that is not there.
    HidReadResult readWithin(int /*timeoutMs*/) override { return readPending(); }

    HidWriteResult writeOutput(const Bytes& data) override {
        if (!usable()) {
            return {false, QStringLiteral("the device is not connected")};
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
    static HidReadResult gone() {
        return {HidReadResult::Status::Error, {}, QStringLiteral("the device is not connected")};
    }

    std::shared_ptr<const void> state_;  // keeps the device list alive
    const std::vector<SimDevice*>* devices_;
    SimDevice* device_;
    int generation_;
    SimTransport::Stamp stamp_;
    std::shared_ptr<ArrivalQueue> queue_;
};

}  // namespace

ArrivalTime SimTransport::now() const {
    return state_->stamp();
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
            result.connection =
                std::make_unique<SimConnection>(state_, &state_->devices, *device, state_->stamp);
            return result;
        }
    }
    result.error = QStringLiteral("No virtual module at %1").arg(QString::fromStdString(path));
    return result;
}

}  // namespace modulelink
