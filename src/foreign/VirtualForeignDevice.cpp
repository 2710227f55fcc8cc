#include "foreign/VirtualForeignDevice.h"

#include "foreign/ForeignDescriptors.h"

namespace foreign {

namespace {

constexpr int kArcadeButtons = 12;
constexpr std::uint16_t kArcadeVendorId = 0x1209;  // pid.codes, for open hardware
constexpr std::uint16_t kArcadeProductId = 0x0001;
constexpr std::uint8_t kAxisCentre = 0x7F;

void putBits(modulelink::Bytes& report, std::size_t firstByte, const std::vector<bool>& bits) {
    for (std::size_t n = 0; n < bits.size(); ++n) {
        if (bits[n]) {
            report[firstByte + n / 8] |= static_cast<std::uint8_t>(1u << (n % 8));
        }
    }
}

}  // namespace

VirtualForeignDevice::VirtualForeignDevice(DeviceKind kind, std::string path, QObject* parent)
    : QObject(parent),
      kind_(kind),
      path_(std::move(path)),
      down_(kind == DeviceKind::Buzz ? kBuzzHandsets * kBuzzButtonsPerHandset : kArcadeButtons,
            false) {}

int VirtualForeignDevice::buzzButton(int handset, int colour) {
    return kBuzzButtonsPerHandset * (handset - 1) + colour + 1;
}

bool VirtualForeignDevice::buttonDown(int n) const {
    return n >= 1 && n <= buttonCount() && down_[static_cast<std::size_t>(n - 1)];
}

void VirtualForeignDevice::setButton(int n, bool down) {
    if (n < 1 || n > buttonCount() || buttonDown(n) == down) {
        return;
    }
    down_[static_cast<std::size_t>(n - 1)] = down;
    if (sink_ && plugged_) {
        sink_(report());
    }
    emit changed();
}

void VirtualForeignDevice::click(int n) {
    setButton(n, true);
    setButton(n, false);
}

modulelink::Bytes VirtualForeignDevice::report() const {
    if (kind_ == DeviceKind::Buzz) {
        modulelink::Bytes r{kAxisCentre, kAxisCentre, 0, 0, 0};
        putBits(r, 2, down_);
        return r;
    }
    modulelink::Bytes r{0, 0, kAxisCentre, kAxisCentre};
    putBits(r, 0, down_);
    return r;
}

QString VirtualForeignDevice::label() const {
    return kind_ == DeviceKind::Buzz ? QStringLiteral("Buzz! controller")
                                     : QStringLiteral("Game controller");
}

void VirtualForeignDevice::plug() {
    if (!plugged_) {
        plugged_ = true;
        ++generation_;
        sink_ = {};
        down_.assign(down_.size(), false);
        lamps_ = {};
        emit changed();
    }
}

void VirtualForeignDevice::unplug() {
    if (plugged_) {
        plugged_ = false;
        emit changed();
    }
}

modulelink::HidDeviceInfo VirtualForeignDevice::deviceInfo() const {
    modulelink::HidDeviceInfo info;
    info.path = path_;
    info.interfaceNumber = 0;
    if (kind_ == DeviceKind::Buzz) {
        info.vendorId = kBuzzVendorId;
        info.productId = kBuzzWiredProductId;
        info.productName = QStringLiteral("Buzz! controller (virtual)");
    } else {
        info.vendorId = kArcadeVendorId;
        info.productId = kArcadeProductId;
        info.productName = QStringLiteral("Arcade encoder (virtual)");
    }
    return info;
}

modulelink::Bytes VirtualForeignDevice::reportDescriptorBytes() const {
    return kind_ == DeviceKind::Buzz ? kBuzzDescriptor : kArcadeEncoderDescriptor;
}

bool VirtualForeignDevice::receiveOutputReport(const modulelink::Bytes& data) {
    if (!plugged_ || kind_ != DeviceKind::Buzz || data.size() != 1 + kBuzzLampReportBytes ||
        data[0] != 0) {
        return false;
    }
    for (std::size_t h = 0; h < lamps_.size(); ++h) {
        lamps_[h] = data[2 + h] != 0;
    }
    emit changed();
    return true;
}

}  // namespace foreign
