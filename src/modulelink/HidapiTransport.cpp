#include "modulelink/HidapiTransport.h"

#include <hidapi/hidapi.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace modulelink {

namespace {

constexpr std::size_t kMaxReportBytes = 4096;

QString fromWide(const wchar_t* s) {
    return s ? QString::fromWCharArray(s) : QString();
}

QString deviceError(hid_device* device) {
    const QString text = fromWide(hid_error(device));
    return text.isEmpty() ? QStringLiteral("HID error") : text;
}

// hidapi 0.13 cannot hand out the report descriptor, so it comes from sysfs: the hidraw
// backend names devices /dev/hidrawN.
Bytes sysfsReportDescriptor(const std::string& path, QString* error) {
    const QString node = QFileInfo(QString::fromStdString(path)).fileName();
    QFile file(QStringLiteral("/sys/class/hidraw/%1/device/report_descriptor").arg(node));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
        }
        return {};
    }
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

class HidapiConnection final : public HidConnection {
  public:
    HidapiConnection(hid_device* device, std::string path)
        : device_(device), path_(std::move(path)) {}
    ~HidapiConnection() override { hid_close(device_); }

    HidReadResult readPending() override { return read(0); }
    HidReadResult readWithin(int timeoutMs) override { return read(timeoutMs); }

    HidWriteResult writeOutput(const Bytes& data) override {
        const int n = hid_write(device_, data.data(), data.size());
        if (n < 0) {
            return {false, deviceError(device_)};
        }
        return {true, {}};
    }

    HidWriteResult writeFeature(const Bytes& data) override {
        const int n = hid_send_feature_report(device_, data.data(), data.size());
        if (n < 0) {
            return {false, deviceError(device_)};
        }
        return {true, {}};
    }

    HidReadResult readFeature(std::uint8_t reportId, std::size_t length) override {
        Bytes buffer(std::max<std::size_t>(length, 1), 0);
        buffer[0] = reportId;
        const int n = hid_get_feature_report(device_, buffer.data(), buffer.size());
        if (n < 0) {
            return {HidReadResult::Status::Error, {}, deviceError(device_)};
        }
        buffer.resize(static_cast<std::size_t>(n));
        return {HidReadResult::Status::Report, std::move(buffer), {}};
    }

    Bytes reportDescriptor(QString* error) override { return sysfsReportDescriptor(path_, error); }

    QString indexedString(int index) override {
        wchar_t text[256] = {};
        if (hid_get_indexed_string(device_, index, text, 255) < 0) {
            return {};
        }
        return fromWide(text);
    }

  private:
    HidReadResult read(int timeoutMs) {
        Bytes buffer(kMaxReportBytes, 0);
        const int n = hid_read_timeout(device_, buffer.data(), buffer.size(), timeoutMs);
        if (n < 0) {
            return {HidReadResult::Status::Error, {}, deviceError(device_)};
        }
        if (n == 0) {
            return {};
        }
        buffer.resize(static_cast<std::size_t>(n));
        return {HidReadResult::Status::Report, std::move(buffer), {}};
    }

    hid_device* device_;
    std::string path_;
};

}  // namespace

HidapiTransport::HidapiTransport() : initialised_(hid_init() == 0) {}

HidapiTransport::~HidapiTransport() {
    if (initialised_) {
        hid_exit();
    }
}

std::vector<HidDeviceInfo> HidapiTransport::enumerate(std::uint16_t vendorId) {
    std::vector<HidDeviceInfo> found;
    if (!initialised_) {
        return found;
    }
    hid_device_info* list = hid_enumerate(vendorId, 0);
    for (hid_device_info* d = list; d; d = d->next) {
        HidDeviceInfo info;
        info.path = d->path ? d->path : "";
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.interfaceNumber = d->interface_number;
        info.productName = fromWide(d->product_string);
        info.manufacturer = fromWide(d->manufacturer_string);
        found.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return found;
}

QString HidapiTransport::permissionAdvice(const std::string& path) {
    return QStringLiteral(
               "No permission to open the team module at %1. Install the udev rule once: "
               "sudo cp packaging/69-qvxconsole-uaccess.rules /etc/udev/rules.d/ && "
               "sudo udevadm control --reload-rules && "
               "sudo udevadm trigger --subsystem-match=hidraw")
        .arg(QString::fromStdString(path));
}

HidOpenResult HidapiTransport::open(const std::string& path) {
    HidOpenResult result;
    if (!initialised_) {
        result.error = QStringLiteral("The HID library could not be initialised.");
        return result;
    }
    // hid_open_path reports no errno, so ask the node itself whether access is the issue.
    if (::access(path.c_str(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM)) {
        result.permissionDenied = true;
        result.error = permissionAdvice(path);
        return result;
    }
    hid_device* device = hid_open_path(path.c_str());
    if (!device) {
        result.error = QStringLiteral("Cannot open the HID interface %1: %2")
                           .arg(QString::fromStdString(path), deviceError(nullptr));
        return result;
    }
    result.connection = std::make_unique<HidapiConnection>(device, path);
    return result;
}

}  // namespace modulelink
