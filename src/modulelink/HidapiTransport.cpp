#include "modulelink/HidapiTransport.h"

#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <poll.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <memory>
#include <mutex>
#include <thread>

#include "modulelink/ArrivalQueue.h"

namespace modulelink {

namespace {

constexpr std::size_t kMaxReportBytes = 4096;
// The reader looks again this often even without a sign of input, in case one was missed.
constexpr int kIdleWaitMs = 100;
// Without a node to wait on, reads block this long at a time (writes wait for the read).
constexpr int kReadSliceMs = 2;

QString fromWide(const wchar_t* s) {
    return s ? QString::fromWCharArray(s) : QString();
}

QString deviceError(hid_device* device) {
    const QString text = fromWide(hid_error(device));
    return text.isEmpty() ? QStringLiteral("HID error") : text;
}

// hidapi 0.13 cannot hand out the report descriptor, so it comes from sysfs: the hidraw
// backend names devices /dev/hidrawN.
Bytes sysfsReportDescriptor(const QString& classFolder, const std::string& path, QString* error) {
    const QString node = QFileInfo(QString::fromStdString(path)).fileName();
    QFile file(QStringLiteral("%1/%2/device/report_descriptor").arg(classFolder, node));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
        }
        return {};
    }
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

// One open interface. The reader thread sleeps in poll() on a second descriptor of the same
// hidraw node (the driver gives every open file each report) and on a stop pipe, and only
// then takes the reports through hidapi without waiting, under the handle's lock. So a write
// waits for at most one non-blocking read, and closing ends the thread at once. Reports are
// stamped when poll() wakes, before the lock that a write holds for a whole USB transfer:
// a report that came during a write is not taken for one that came after it.
class HidapiConnection final : public HidConnection {
  public:
    HidapiConnection(hid_device* device, std::string path, QString classFolder)
        : device_(device),
          path_(std::move(path)),
          classFolder_(std::move(classFolder)),
          queue_(HidapiTransport::kQueuedReports) {
        watch_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        int fds[2];
        if (::pipe(fds) == 0) {
            stopRead_ = fds[0];
            stopWrite_ = fds[1];
        }
        if (waitsOnNode()) {
            // Reports from before the node was watched have no copy on it: taken now, so
            // the counts of the wakes match what hidapi holds from here on.
            Bytes buffer(kMaxReportBytes, 0);
            takeReports(buffer, Wake{});
        }
        reader_ = std::thread([this] { readLoop(); });
    }

    ~HidapiConnection() override {
        stopping_.store(true);
        if (stopWrite_ >= 0) {
            const char byte = 1;
            [[maybe_unused]] const auto n = ::write(stopWrite_, &byte, 1);
        }
        reader_.join();
        for (int fd : {watch_, stopRead_, stopWrite_}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
        hid_close(device_);
    }

    HidReadResult readPending() override { return queue_.pop(); }
    HidReadResult readWithin(int timeoutMs) override { return queue_.waitFor(timeoutMs); }
    std::optional<ArrivalTime> nextArrival() override { return queue_.nextArrival(); }
    void setArrivalWake(std::function<void()> wake) override { queue_.setWake(std::move(wake)); }

    HidWriteResult writeOutput(const Bytes& data) override {
        std::lock_guard lock(handle_);
        errno = 0;
        if (hid_write(device_, data.data(), data.size()) < 0) {
            const bool gone = errno == ENODEV;
            return {false, deviceError(device_), gone};
        }
        return {true, {}};
    }

    HidWriteResult writeFeature(const Bytes& data) override {
        std::lock_guard lock(handle_);
        if (hid_send_feature_report(device_, data.data(), data.size()) < 0) {
            return {false, deviceError(device_)};
        }
        return {true, {}};
    }

    HidReadResult readFeature(std::uint8_t reportId, std::size_t length) override {
        Bytes buffer(std::max<std::size_t>(length, 1), 0);
        buffer[0] = reportId;
        std::lock_guard lock(handle_);
        const int n = hid_get_feature_report(device_, buffer.data(), buffer.size());
        if (n < 0) {
            return {HidReadResult::Status::Error, {}, deviceError(device_)};
        }
        buffer.resize(static_cast<std::size_t>(n));
        return {HidReadResult::Status::Report, std::move(buffer), {}};
    }

    Bytes reportDescriptor(QString* error) override {
        return sysfsReportDescriptor(classFolder_, path_, error);
    }

    QString indexedString(int index) override {
        wchar_t text[256] = {};
        std::lock_guard lock(handle_);
        if (hid_get_indexed_string(device_, index, text, 255) < 0) {
            return {};
        }
        return fromWide(text);
    }

  private:
    void readLoop() {
        Bytes buffer(kMaxReportBytes, 0);
        while (!stopping_.load()) {
            const Wake wake = waitForInput();
            if (wake.stop) {
                return;
            }
            // On a node, only counted reports are read: the reader never waits for the
            // handle behind a write unless a report is there to take.
            const bool take = !waitsOnNode() || wake.reports > 0 || wake.hangup;
            if (take && !takeReports(buffer, wake)) {
                return;  // the device failed or went away: its error is queued
            }
        }
    }

    // What a wait saw: when it ended and how many reports had come by then (one copy each
    // on the watch descriptor); -1 when unknown (no node, or no sign of input).
    struct Wake {
        bool stop = false;
        bool hangup = false;
        ArrivalTime at{0};
        int reports = -1;
    };

    bool waitsOnNode() const { return watch_ >= 0 && stopRead_ >= 0; }

    Wake waitForInput() {
        if (!waitsOnNode()) {
            return {};  // takeReports blocks for a slice instead
        }
        pollfd fds[2] = {{watch_, POLLIN, 0}, {stopRead_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, kIdleWaitMs);
        Wake wake;
        wake.at = arrivalNow();
        if (ready <= 0) {
            return wake;
        }
        if (fds[1].revents != 0) {
            wake.stop = true;
            return wake;
        }
        // A one-byte read takes one report's copy whole (hidraw drops what does not fit).
        int copies = 0;
        for (char byte = 0;;) {
            const auto n = ::read(watch_, &byte, 1);
            if (n > 0) {
                ++copies;
            } else if (n == 0 || errno != EINTR) {
                break;
            }
        }
        wake.reports = (fds[0].revents & POLLIN) ? copies : -1;
        wake.hangup = (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0;
        return wake;
    }

    // Takes the reports the wake counted (every report hidapi holds when it counted none);
    // false once the device failed.
    bool takeReports(Bytes& buffer, const Wake& wake) {
        const int waitMs = waitsOnNode() ? 0 : kReadSliceMs;
        for (int taken = 0; wake.reports < 0 || taken < wake.reports;) {
            int n = 0;
            int readErrno = 0;
            QString error;
            {
                std::lock_guard lock(handle_);
                errno = 0;
                n = hid_read_timeout(device_, buffer.data(), buffer.size(), waitMs);
                if (n < 0) {
                    readErrno = errno;
                    error = deviceError(device_);
                }
            }
            // A counted report came by the wake; others when read, after it.
            const ArrivalTime arrival = wake.reports >= 0 ? wake.at : arrivalNow();
            if (n < 0 && readErrno == EINTR) {
                continue;  // a signal interrupted the wait: nothing is wrong
            }
            if (n < 0) {
                const bool gone = wake.hangup || readErrno == ENODEV || readErrno == EIO;
                queue_.fail(error, arrival, gone);
                return false;
            }
            if (n == 0) {
                break;
            }
            queue_.push(Bytes(buffer.begin(), buffer.begin() + n), arrival);
            ++taken;
            if (waitMs > 0) {
                break;  // one report per slice, so a stop is seen soon
            }
        }
        if (wake.hangup) {
            queue_.fail(QStringLiteral("the device was disconnected"), arrivalNow(), true);
            return false;
        }
        return true;
    }

    hid_device* device_;
    std::string path_;
    QString classFolder_;
    ArrivalQueue queue_;
    std::mutex handle_;  // hidapi calls on device_
    int watch_ = -1;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    std::atomic<bool> stopping_{false};
    std::thread reader_;
};

}  // namespace

HidapiTransport::HidapiTransport(QString hidrawClassFolder)
    : hidrawClassFolder_(std::move(hidrawClassFolder)), initialised_(hid_init() == 0) {}

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
    // hid_open_path gives no error code of its own: ask the node, then errno.
    const bool denied =
        ::access(path.c_str(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
    errno = 0;
    hid_device* device = denied ? nullptr : hid_open_path(path.c_str());
    if (denied || (!device && (errno == EACCES || errno == EPERM))) {
        result.permissionDenied = true;
        result.error = permissionAdvice(path);
        return result;
    }
    if (!device) {
        result.error = QStringLiteral("Cannot open the HID interface %1: %2")
                           .arg(QString::fromStdString(path), deviceError(nullptr));
        return result;
    }
    result.connection = std::make_unique<HidapiConnection>(device, path, hidrawClassFolder_);
    return result;
}

}  // namespace modulelink
