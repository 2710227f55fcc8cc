#pragma once

#include <functional>

#include "modulelink/HidTransport.h"

namespace modulelink {

// A virtual HID interface as the simulated transport sees it. The device pushes every
// input report it sends into the sink the transport gives it while it is open.
class SimDevice {
  public:
    using ReportSink = std::function<void(const Bytes& report)>;

    virtual ~SimDevice() = default;

    virtual HidDeviceInfo deviceInfo() const = 0;
    virtual bool isPlugged() const = 0;
    // Counts plug-ins: a connection made before a re-plug is dead.
    virtual int plugGeneration() const = 0;
    virtual Bytes reportDescriptorBytes() const = 0;
    // An output report from the host, report id first (0 when unnumbered); false when
    // the device does not take it.
    virtual bool receiveOutputReport(const Bytes& data) = 0;
    // Opening connects the sink, closing disconnects it (an empty function).
    virtual void setReportSink(ReportSink sink) = 0;
};

}  // namespace modulelink
