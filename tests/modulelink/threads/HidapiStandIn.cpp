#include "HidapiStandIn.h"

#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <unistd.h>

#include <sys/ioctl.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>

struct hid_device_ {
    std::string path;
    std::wstring lastError;
};

namespace {

struct Device {
    standin::DeviceSpec description;
    int node = -1;  // write end of the FIFO
    bool gone = false;
    bool denied = false;
    std::wstring readError;
    int interrupts = 0;
    bool holdWrites = false;
    int writesWaiting = 0;
    std::deque<modulelink::Bytes> reports;
    std::vector<modulelink::Bytes> written;
    std::atomic<int> inCall{0};
};

std::mutex registryMutex;
std::condition_variable writesReleased;
std::map<std::string, std::unique_ptr<Device>> devices;
std::atomic<int> overlaps{0};
std::atomic<int> opened{0};
const std::wstring noDevice = L"no such device";

Device* find(const std::string& path) {
    auto it = devices.find(path);
    return it == devices.end() ? nullptr : it->second.get();
}

void closeNode(Device& d) {
    if (d.node >= 0) {
        ::close(d.node);
        d.node = -1;
    }
}

// Marks a call on a device as running for a moment, so overlapping calls are caught.
class Call {
  public:
    explicit Call(Device* d) : d_(d) {
        if (d_ && d_->inCall.fetch_add(1) > 0) {
            ++overlaps;
        }
        const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(20);
        while (std::chrono::steady_clock::now() < until) {
        }
    }
    ~Call() {
        if (d_) {
            d_->inCall.fetch_sub(1);
        }
    }

  private:
    Device* d_;
};

Device* deviceOf(hid_device* dev) {
    std::lock_guard lock(registryMutex);
    return dev ? find(dev->path) : nullptr;
}

}  // namespace

namespace standin {

void reset() {
    std::lock_guard lock(registryMutex);
    for (auto& [path, d] : devices) {
        closeNode(*d);
    }
    devices.clear();
    overlaps = 0;
}

void attach(const DeviceSpec& description) {
    auto d = std::make_unique<Device>();
    d->description = description;
    d->node = ::open(description.path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    std::lock_guard lock(registryMutex);
    devices[description.path] = std::move(d);
}

void detach(const std::string& path) {
    std::lock_guard lock(registryMutex);
    if (Device* d = find(path)) {
        d->gone = true;
        closeNode(*d);
    }
}

void denyOpen(const std::string& path) {
    std::lock_guard lock(registryMutex);
    if (Device* d = find(path)) {
        d->denied = true;
    }
}

void queueReport(const std::string& path, const modulelink::Bytes& report) {
    std::lock_guard lock(registryMutex);
    if (Device* d = find(path)) {
        d->reports.push_back(report);
        const char byte = 1;
        [[maybe_unused]] const auto n = ::write(d->node, &byte, 1);
    }
}

void failReads(const std::string& path, const std::wstring& error) {
    std::lock_guard lock(registryMutex);
    if (Device* d = find(path)) {
        d->readError = error;
        const char byte = 1;
        [[maybe_unused]] const auto n = ::write(d->node, &byte, 1);
    }
}

void interruptReads(const std::string& path, int count) {
    std::lock_guard lock(registryMutex);
    if (Device* d = find(path)) {
        d->interrupts = count;
    }
}

void holdWrites(const std::string& path, bool held) {
    {
        std::lock_guard lock(registryMutex);
        if (Device* d = find(path)) {
            d->holdWrites = held;
        }
    }
    writesReleased.notify_all();
}

int writesWaiting(const std::string& path) {
    std::lock_guard lock(registryMutex);
    Device* d = find(path);
    return d ? d->writesWaiting : 0;
}

int unreadNodeBytes(const std::string& path) {
    std::lock_guard lock(registryMutex);
    Device* d = find(path);
    int bytes = 0;
    return d && d->node >= 0 && ::ioctl(d->node, FIONREAD, &bytes) == 0 ? bytes : 0;
}

std::vector<modulelink::Bytes> written(const std::string& path) {
    std::lock_guard lock(registryMutex);
    Device* d = find(path);
    return d ? d->written : std::vector<modulelink::Bytes>{};
}

int overlappingCalls() {
    return overlaps.load();
}

int openDevices() {
    return opened.load();
}

}  // namespace standin

extern "C" {

int hid_init(void) {
    return 0;
}

int hid_exit(void) {
    return 0;
}

hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short /*product_id*/) {
    std::lock_guard lock(registryMutex);
    hid_device_info* first = nullptr;
    hid_device_info** next = &first;
    for (const auto& [path, d] : devices) {
        if (d->gone || (vendor_id != 0 && d->description.vendorId != vendor_id)) {
            continue;
        }
        auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
        info->path = ::strdup(path.c_str());
        info->vendor_id = d->description.vendorId;
        info->product_id = d->description.productId;
        info->interface_number = d->description.interfaceNumber;
        info->product_string = ::wcsdup(L"Team Module");
        info->manufacturer_string = ::wcsdup(L"Stand-in");
        *next = info;
        next = &info->next;
    }
    return first;
}

void hid_free_enumeration(hid_device_info* devs) {
    while (devs) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs->product_string);
        std::free(devs->manufacturer_string);
        std::free(devs);
        devs = next;
    }
}

hid_device* hid_open_path(const char* path) {
    std::lock_guard lock(registryMutex);
    Device* d = find(path);
    if (!d || d->gone) {
        errno = ENOENT;
        return nullptr;
    }
    if (d->denied) {
        errno = EACCES;
        return nullptr;
    }
    ++opened;
    return new hid_device_{path, {}};
}

void hid_close(hid_device* dev) {
    if (dev) {
        --opened;
        delete dev;
    }
}

int hid_write(hid_device* dev, const unsigned char* data, size_t length) {
    Device* d = deviceOf(dev);
    Call call(d);
    std::unique_lock lock(registryMutex);
    if (d && d->holdWrites) {
        ++d->writesWaiting;
        writesReleased.wait(lock, [d] { return !d->holdWrites; });
        --d->writesWaiting;
    }
    if (!d || d->gone) {
        dev->lastError = L"the device is gone";
        return -1;
    }
    d->written.emplace_back(data, data + length);
    return static_cast<int>(length);
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int /*milliseconds*/) {
    Device* d = deviceOf(dev);
    Call call(d);
    std::lock_guard lock(registryMutex);
    if (!d || d->gone) {
        dev->lastError = L"the device is gone";
        return -1;
    }
    if (!d->readError.empty()) {
        dev->lastError = d->readError;
        return -1;
    }
    if (d->interrupts > 0) {
        --d->interrupts;
        dev->lastError = L"Interrupted system call";
        errno = EINTR;
        return -1;
    }
    if (d->reports.empty()) {
        return 0;
    }
    const modulelink::Bytes report = std::move(d->reports.front());
    d->reports.pop_front();
    const std::size_t n = std::min(length, report.size());
    std::memcpy(data, report.data(), n);
    return static_cast<int>(n);
}

int hid_send_feature_report(hid_device* dev, const unsigned char*, size_t) {
    dev->lastError = L"no feature reports";
    return -1;
}

int hid_get_feature_report(hid_device* dev, unsigned char*, size_t) {
    dev->lastError = L"no feature reports";
    return -1;
}

int hid_get_indexed_string(hid_device*, int, wchar_t*, size_t) {
    return -1;
}

const wchar_t* hid_error(hid_device* dev) {
    return dev ? dev->lastError.c_str() : noDevice.c_str();
}

}  // extern "C"
