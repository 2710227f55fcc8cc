#pragma once

#include <deque>
#include <string>
#include <vector>

#include "modulelink/SimDevice.h"

namespace test {

// A virtual HID interface whose descriptor and input reports a test writes by hand, and
// which keeps every output report it was sent.
class ScriptedDevice final : public modulelink::SimDevice {
  public:
    ScriptedDevice(std::string path, modulelink::Bytes descriptor, std::uint16_t vendorId = 6561,
                   std::uint16_t productId = 2012)
        : descriptor_(std::move(descriptor)) {
        info_.path = std::move(path);
        info_.vendorId = vendorId;
        info_.productId = productId;
        info_.interfaceNumber = 0;
    }

    // Sends an input report (report id first when the descriptor numbers its reports).
    void send(const modulelink::Bytes& report) {
        if (sink_) {
            sink_(report);
        }
    }
    void unplug() { plugged_ = false; }
    void plug() {
        plugged_ = true;
        ++generation_;
    }
    void refuseWrites(bool on) { refuse_ = on; }

    std::vector<modulelink::Bytes> written;

    modulelink::HidDeviceInfo deviceInfo() const override { return info_; }
    bool isPlugged() const override { return plugged_; }
    int plugGeneration() const override { return generation_; }
    modulelink::Bytes reportDescriptorBytes() const override { return descriptor_; }
    bool receiveOutputReport(const modulelink::Bytes& data) override {
        if (refuse_) {
            return false;
        }
        written.push_back(data);
        return true;
    }
    void setReportSink(ReportSink sink) override { sink_ = std::move(sink); }

  private:
    modulelink::HidDeviceInfo info_;
    modulelink::Bytes descriptor_;
    ReportSink sink_;
    bool plugged_ = true;
    bool refuse_ = false;
    int generation_ = 1;
};

}  // namespace test
