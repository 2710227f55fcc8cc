#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "foreign/ForeignLayout.h"
#include "modulelink/SimDevice.h"

namespace foreign {

// A virtual Buzz! dongle or arcade encoder behind its real report descriptor: buttons held
// and released send input reports as the device would; the Buzz! lamps follow its output
// report.
class VirtualForeignDevice final : public QObject, public modulelink::SimDevice {
    Q_OBJECT
  public:
    VirtualForeignDevice(DeviceKind kind, std::string path, QObject* parent = nullptr);

    DeviceKind kind() const { return kind_; }
    int buttonCount() const { return static_cast<int>(down_.size()); }
    // Button n of the device (1-based); a Buzz! handset's colour c (0 red .. 4 blue) is
    // button 5 * (handset - 1) + c + 1.
    static int buzzButton(int handset, int colour = 0);
    void setButton(int n, bool down);
    // Down and up again, each its own report.
    void click(int n);
    bool buttonDown(int n) const;
    const std::array<bool, kBuzzHandsets>& lamps() const { return lamps_; }
    QString label() const;

    void plug();
    void unplug();

    // SimDevice.
    modulelink::HidDeviceInfo deviceInfo() const override;
    bool isPlugged() const override { return plugged_; }
    int plugGeneration() const override { return generation_; }
    modulelink::Bytes reportDescriptorBytes() const override;
    bool receiveOutputReport(const modulelink::Bytes& data) override;
    void setReportSink(ReportSink sink) override { sink_ = std::move(sink); }

  signals:
    void changed();

  private:
    modulelink::Bytes report() const;

    DeviceKind kind_;
    std::string path_;
    bool plugged_ = true;
    int generation_ = 1;
    ReportSink sink_;
    std::vector<bool> down_;
    std::array<bool, kBuzzHandsets> lamps_{};
};

}  // namespace foreign
