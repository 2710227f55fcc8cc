#pragma once

#include <memory>
#include <vector>

#include "modulelink/HidTransport.h"
#include "modulelink/SimDevice.h"
#include "modulelink/UsbTiming.h"

namespace modulelink {

// The transport over virtual devices. It never waits: a timed read returns at once with
// whatever is pending. Reports are stamped by `stamp` as the devices send them, and wake
// the owner as real ones do. Devices are not owned and must outlive the transport.
class SimTransport final : public HidTransport {
  public:
    static constexpr std::size_t kKernelQueue = 64;  // like the hidraw driver's buffer
    using Stamp = std::function<ArrivalTime()>;

    explicit SimTransport(Stamp stamp = arrivalNow);
    ~SimTransport() override;

    // Off by default: a report arrives the moment its device sends it and a write takes no
    // time. On (from the call on, for every open connection), the devices keep USB time
    // (see UsbTiming) and each report is stamped with the poll that carried it.
    void useUsbTiming(std::shared_ptr<UsbTiming> timing);

    void addDevice(SimDevice& device);
    void removeDevice(SimDevice& device);

    std::vector<HidDeviceInfo> enumerate(std::uint16_t vendorId) override;
    HidOpenResult open(const std::string& path) override;
    ArrivalTime now() const override;

    struct State;

  private:
    std::shared_ptr<State> state_;  // shared with open connections, which may outlive us
};

}  // namespace modulelink
