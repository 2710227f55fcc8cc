#pragma once

#include <memory>
#include <vector>

#include "modulelink/HidTransport.h"
#include "modulelink/SimDevice.h"

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

    void addDevice(SimDevice& device);
    void removeDevice(SimDevice& device);

    std::vector<HidDeviceInfo> enumerate(std::uint16_t vendorId) override;
    HidOpenResult open(const std::string& path) override;
    ArrivalTime now() const override;

  private:
    struct State;
    std::shared_ptr<State> state_;  // shared with open connections, which may outlive us
};

}  // namespace modulelink
