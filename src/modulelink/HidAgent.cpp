#include "modulelink/HidAgent.h"

#include <QFile>
#include <QMetaObject>
#include <QScopedValueRollback>
#include <QTextStream>
#include <algorithm>

#include "modulelink/AgentInterface.h"
#include "modulelink/HidDescriptor.h"
#include "modulelink/LoopWake.h"

namespace modulelink {

namespace {

bool contains(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

HidAgent::HidAgent(HidTransport& transport, ui::Clock& clock, QObject* parent)
    : QObject(parent),
      transport_(transport),
      enumerationTimer_(clock, kEnumerationIntervalMs),
      wake_(std::make_unique<LoopWake>([this] { emit ReportsWaiting(); })) {
    enumerationTimer_.onTick = [this] { enumerationTick(); };
}

HidAgent::~HidAgent() {
    interfaces_.clear();  // ends the reader threads while the wake is still there
}

std::uint16_t HidAgent::searchVendor() const {
    return searchOnVid_ ? static_cast<std::uint16_t>(vidToMatch_) : 0;
}

void HidAgent::log(const QString& line) {
    if (!logging_) {
        return;
    }
    QFile file(logFile_);
    if (file.open(QIODevice::Append | QIODevice::Text)) {
        QTextStream(&file) << line << '\n';
    }
}

void HidAgent::PrepareAgent() {
    knownPaths_.clear();
    for (const HidDeviceInfo& info : transport_.enumerate(searchVendor())) {
        knownPaths_.push_back(info.path);
    }
    enumerationTimer_.start();
    log(QStringLiteral("PrepareAgent: %1 device(s) present").arg(knownPaths_.size()));
}

bool HidAgent::OpenMatchingDevices() {
    const std::vector<HidDeviceInfo> infos = transport_.enumerate(searchVendor());
    // A device that went since the last look is reported gone before anything new opens, so
    // no removal is lost to a search.
    noticeRemovals(infos);
    bool anyOpen = false;
    for (const HidDeviceInfo& info : infos) {
        if (searchOnPid_ && info.productId != pidToMatch_) {
            continue;
        }
        const bool alreadyOpen = std::any_of(
            interfaces_.begin(), interfaces_.end(),
            [&](const std::unique_ptr<AgentInterface>& i) { return i->info.path == info.path; });
        if (alreadyOpen || openInterface(info)) {
            anyOpen = true;
        }
    }
    return anyOpen;
}

bool HidAgent::openInterface(const HidDeviceInfo& info) {
    HidOpenResult opened = transport_.open(info.path);
    if (!opened.connection) {
        lastError_ = opened.error;
        log(QStringLiteral("open %1 failed: %2")
                .arg(QString::fromStdString(info.path), opened.error));
        if (!contains(deniedPaths_, info.path)) {  // tell the operator once per device
            deniedPaths_.push_back(info.path);
            emit StatusMessage(opened.error);
        }
        return false;
    }
    deniedPaths_.erase(std::remove(deniedPaths_.begin(), deniedPaths_.end(), info.path),
                       deniedPaths_.end());
    QString error;
    const Bytes raw = opened.connection->reportDescriptor(&error);
    const HidDescriptorResult parsed =
        raw.empty() ? HidDescriptorResult{false, {}, error} : parseHidDescriptor(raw);
    if (!parsed.ok) {
        lastError_ = QStringLiteral("The HID interface %1 has no usable report descriptor: %2")
                         .arg(QString::fromStdString(info.path), parsed.error);
        emit StatusMessage(lastError_);
        return false;
    }
    auto intf = std::make_unique<AgentInterface>();
    intf->info = info;
    intf->connection = std::move(opened.connection);
    intf->handle = nextHandle_++;
    intf->connection->setArrivalWake([wake = wake_.get()] { wake->wake(); });
    intf->build(parsed.descriptor, nextReportIndex_, nextVariableIndex_);
    nextReportIndex_ += static_cast<int>(intf->reports.size());
    nextVariableIndex_ += static_cast<int>(intf->variables.size());
    const std::int32_t handle = intf->handle;
    const QString name = intf->name();
    interfaces_.push_back(std::move(intf));
    currentHandle_ = handle;
    log(QStringLiteral("opened %1 as handle %2").arg(name).arg(handle));
    emit InterfaceOpened(handle, info.productId, OpenInterfaceCount(), name);
    return true;
}

void HidAgent::CloseAllInterfaces() {
    // Asked for by the program itself at shut-down, so no InterfaceClosed events.
    interfaces_.clear();
    currentHandle_ = 0;
    log(QStringLiteral("closed all interfaces"));
}

void HidAgent::closeInterface(AgentInterface* intf, bool deferEvent) {
    auto it =
        std::find_if(interfaces_.begin(), interfaces_.end(),
                     [&](const std::unique_ptr<AgentInterface>& i) { return i.get() == intf; });
    if (it == interfaces_.end()) {
        return;
    }
    std::unique_ptr<AgentInterface> closing = std::move(*it);
    interfaces_.erase(it);
    if (currentHandle_ == closing->handle) {
        currentHandle_ = 0;
    }
    const int stillOpen = OpenInterfaceCount();
    const QString name = closing->name();
    const std::int32_t handle = closing->handle;
    closing.reset();
    log(QStringLiteral("closed %1 (handle %2)").arg(name).arg(handle));
    if (deferEvent) {
        QMetaObject::invokeMethod(
            this,
            [this, stillOpen, name, handle] { emit InterfaceClosed(stillOpen, name, handle); },
            Qt::QueuedConnection);
    } else {
        emit InterfaceClosed(stillOpen, name, handle);
    }
}

void HidAgent::failInterface(AgentInterface& intf, const QString& what, bool deviceGone) {
    lastError_ = QStringLiteral("%1: %2").arg(intf.name(), what);
    const std::string path = intf.info.path;
    const int productId = intf.info.productId;
    closeInterface(&intf, true);
    // A device pulled out usually shows first as a failed read or write. When it is gone,
    // this is its removal: raised right after the close, as the enumeration would. One
    // plugged in again at the same path before anybody looked is still a removal (and the
    // next enumeration finds the new attachment).
    if (deviceGone || !isAttached(path)) {
        std::erase(knownPaths_, path);
        QMetaObject::invokeMethod(
            this,
            [this, productId, path] {
                emit DeviceRemoved(productId, QString::fromStdString(path));
            },
            Qt::QueuedConnection);
    }
}

bool HidAgent::isAttached(const std::string& path) {
    const std::vector<HidDeviceInfo> infos = transport_.enumerate(searchVendor());
    return std::any_of(infos.begin(), infos.end(),
                       [&](const HidDeviceInfo& info) { return info.path == path; });
}

std::vector<std::string> HidAgent::noticeRemovals(const std::vector<HidDeviceInfo>& infos) {
    std::vector<std::string> present;
    present.reserve(infos.size());
    for (const HidDeviceInfo& info : infos) {
        present.push_back(info.path);
    }
    std::vector<std::string> before = std::exchange(knownPaths_, present);
    deniedPaths_.erase(std::remove_if(deniedPaths_.begin(), deniedPaths_.end(),
                                      [&](const std::string& p) { return !contains(present, p); }),
                       deniedPaths_.end());
    for (const std::string& path : before) {
        if (contains(present, path)) {
            continue;
        }
        int productId = 0;
        for (const auto& intf : interfaces_) {
            if (intf->info.path == path) {
                productId = intf->info.productId;
                closeInterface(intf.get(), false);
                break;
            }
        }
        emit DeviceRemoved(productId, QString::fromStdString(path));
    }
    return before;
}

void HidAgent::enumerationTick() {
    // A handler of the events below may run an event loop (a message box), in which this
    // timer ticks again: that tick would raise the same removals a second time.
    if (enumerating_) {
        return;
    }
    const QScopedValueRollback<bool> busy(enumerating_, true);
    const std::vector<HidDeviceInfo> infos = transport_.enumerate(searchVendor());
    const std::vector<std::string> before = noticeRemovals(infos);
    for (const HidDeviceInfo& info : infos) {
        // An earlier arrival's handler can run event loops in which this device already
        // went again (and was reported removed): then its arrival is news no longer.
        if (!contains(before, info.path) && contains(knownPaths_, info.path)) {
            emit DeviceArrived(info.productId, QString::fromStdString(info.path));
        }
    }
    // Keep the transports' own buffers from overflowing between polls.
    drainAll(false);
}

void HidAgent::drainAll(bool forget) {
    std::vector<std::int32_t> handles;
    for (const auto& intf : interfaces_) {
        handles.push_back(intf->handle);
    }
    for (std::int32_t h : handles) {
        if (AgentInterface* intf = interfaceById(h)) {
            drainPending(*intf);
        }
        AgentInterface* intf = interfaceById(h);  // a handler may have closed it
        if (intf && forget) {
            for (const PendingReport& p : intf->pending) {
                const std::uint8_t id = intf->idOf(p.whole);
                const auto local = static_cast<std::size_t>(intf->localReportOfInput(id));
                intf->mostRecent[local] = intf->payloadOf(p.whole);
                intf->mostRecentStamp[local] = p.stamp;
            }
            intf->pending.clear();
        }
    }
}

AgentInterface* HidAgent::interfaceById(std::int32_t id) const {
    for (const auto& intf : interfaces_) {
        if (intf->handle == id) {
            return intf.get();
        }
    }
    return nullptr;
}

AgentInterface* HidAgent::interfaceOfReport(int index, int* local) const {
    for (const auto& intf : interfaces_) {
        if (!intf->reports.empty() && index >= intf->reports.front().index &&
            index <= intf->reports.back().index) {
            *local = index - intf->reports.front().index;
            return intf.get();
        }
    }
    return nullptr;
}

AgentVariable* HidAgent::variable(int index) const {
    for (const auto& intf : interfaces_) {
        if (!intf->variables.empty() && index >= intf->variables.front().index &&
            index <= intf->variables.back().index) {
            return &intf->variables[static_cast<std::size_t>(index -
                                                             intf->variables.front().index)];
        }
    }
    return nullptr;
}

std::int32_t HidAgent::CurrentHidHandle() const {
    return interfaceById(currentHandle_) ? currentHandle_ : 0;
}

int HidAgent::CurrentProductId() const {
    const AgentInterface* intf = interfaceById(currentHandle_);
    return intf ? intf->info.productId : 0;
}

int HidAgent::CurrentVendorId() const {
    const AgentInterface* intf = interfaceById(currentHandle_);
    return intf ? intf->info.vendorId : 0;
}

std::optional<HidDeviceInfo::StandIn> HidAgent::CurrentStandIn() const {
    const AgentInterface* intf = interfaceById(currentHandle_);
    return intf ? intf->info.standIn : std::nullopt;
}

int HidAgent::OpenInterfaceCount() const {
    return static_cast<int>(interfaces_.size());
}

std::int32_t HidAgent::SelectOpenInterface(int k) {
    if (k < 0 || k >= OpenInterfaceCount()) {
        lastError_ = QStringLiteral("no open interface %1").arg(k);
        return -1;
    }
    currentHandle_ = interfaces_[static_cast<std::size_t>(k)]->handle;
    return currentHandle_;
}

bool HidAgent::SelectInterface(std::int32_t id) {
    if (!interfaceById(id)) {
        lastError_ = QStringLiteral("no open interface with id %1").arg(id);
        return false;
    }
    currentHandle_ = id;
    return true;
}

}  // namespace modulelink
