#pragma once

#include <QString>

#include "modulelink/HidTransport.h"

namespace modulelink {

// Real HID interfaces through hidapi (hidraw backend). Each open interface has a reader
// thread that waits for input reports, stamps them and queues them for the agent (the
// oldest dropped beyond kQueuedReports), waking the event loop. Reads and writes of one
// device handle never overlap: hidapi gives no thread-safety for a handle.
class HidapiTransport final : public HidTransport {
  public:
    static constexpr std::size_t kQueuedReports = 32;

    // hidrawClassFolder: where sysfs lists the hidraw nodes (their report descriptors).
    explicit HidapiTransport(QString hidrawClassFolder = QStringLiteral("/sys/class/hidraw"));
    ~HidapiTransport() override;
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    std::vector<HidDeviceInfo> enumerate(std::uint16_t vendorId) override;
    HidOpenResult open(const std::string& path) override;

    // What the operator is told when an interface cannot be opened for lack of permission.
    static QString permissionAdvice(const std::string& path);

  private:
    QString hidrawClassFolder_;
    bool initialised_ = false;
};

}  // namespace modulelink
