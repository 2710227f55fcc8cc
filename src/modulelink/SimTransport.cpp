#include "modulelink/SimTransport.h"

#include <algorithm>
#include <deque>

namespace modulelink {

struct SimTransport::State {
    std::vector<SimDevice*> devices;

    bool has(const SimDevice* device) const {
        return std::find(devices.begin(), devices.end(), device) != devices.end();
    }
};

namespace {

using Queue = std::deque<Bytes>;

// One open virtual interface. It dies with its device's unplugging: a later plug-in is a
// new attachment that must be opened again.
class SimConnection final : public HidConnection {
  public:
    SimConnection(std::shared_ptr<const void> state, const std::vector<SimDevice*>* devices,
                  SimDevice& device)
        : state_(std::move(state)),
          devices_(devices),
          device_(&device),
          generation_(device.plugGeneration()),
          queue_(std::make_shared<Queue>()) {
        std::weak_ptr<Queue> weak = queue_;
        device.setReportSink([weak](const Bytes& report) {
            if (auto q = weak.lock()) {
                if (q->size() >= SimTransport::kKernelQueue) {
                    q->pop_front();
                }
                q->push_back(report);
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
        if (queue_->empty()) {
            return {};
        }
        HidReadResult r{HidReadResult::Status::Report, std::move(queue_->front()), {}};
        queue_->pop_front();
        return r;
    }

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
    std::shared_ptr<Queue> queue_;
};

}  // namespace

SimTransport::SimTransport() : state_(std::make_shared<State>()) {}

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
            result.connection = std::make_unique<SimConnection>(state_, &state_->devices, *device);
            return result;
        }
    }
    result.error = QStringLiteral("No virtual module at %1").arg(QString::fromStdString(path));
    return result;
}

}  // namespace modulelink
