#pragma once

#include "modulelink/HidTransport.h"

namespace modulelink {

// Real HID interfaces through hidapi (hidraw backend). Kept thin: everything that can be
// tested lives in the agent.
class HidapiTransport final : public HidTransport {
  public:
    HidapiTransport();
    ~HidapiTransport() override;
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    std::vector<HidDeviceInfo> enumerate(std::uint16_t vendorId) override;
    HidOpenResult open(const std::string& path) override;

    // What the operator is told when an interface cannot be opened for lack of permission.
    static QString permissionAdvice(const std::string& path);

  private:
    bool initialised_ = false;
};

}  // namespace modulelink
