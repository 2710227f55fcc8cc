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

// The oldest pending report with this id (any report when the reports are unnumbered)
// that arrived by the limit, when there is one.
std::deque<PendingReport>::iterator firstPending(AgentInterface& intf, std::uint8_t id,
                                                 std::optional<ArrivalTime> limit) {
    return std::find_if(intf.pending.begin(), intf.pending.end(), [&](const PendingReport& p) {
        return intf.idOf(p.whole) == id && (!limit || p.arrival <= *limit);
    });
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
                intf->mostRecentArrival[local] = p.arrival;
                intf->mostRecentStreamStart[local] = p.streamStart;
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

int HidAgent::FindVariable(int usagePage, int usage, int reportType, bool /*exactReport*/) {
    const AgentInterface* intf = interfaceById(currentHandle_);
    if (!intf) {
        return -1;
    }
    const auto wanted = (static_cast<std::uint32_t>(usagePage & 0xFFFF) << 16) |
                        static_cast<std::uint32_t>(usage & 0xFFFF);
    for (const AgentVariable& v : intf->variables) {
        if (v.usage == wanted && static_cast<int>(v.reportType) == reportType) {
            return v.index;
        }
    }
    return -1;
}

void HidAgent::SelectVariable(int index) {
    currentVariable_ = index;
}

bool HidAgent::AbsoluteNotRelative() const {
    const AgentVariable* v = currentVar();
    return v && !(v->flags & HidFieldFlag::Relative);
}
bool HidAgent::ArrayNotVariable() const {
    const AgentVariable* v = currentVar();
    return v && v->arrayUsage;
}
bool HidAgent::BitsNotBuffer() const {
    const AgentVariable* v = currentVar();
    return v && !(v->flags & HidFieldFlag::BufferedBytes);
}
bool HidAgent::HasNullState() const {
    const AgentVariable* v = currentVar();
    return v && (v->flags & HidFieldFlag::NullState);
}
bool HidAgent::Linear() const {
    const AgentVariable* v = currentVar();
    return v && !(v->flags & HidFieldFlag::NonLinear);
}
bool HidAgent::NoPrefState() const {
    const AgentVariable* v = currentVar();
    return v && (v->flags & HidFieldFlag::NoPreferred);
}
bool HidAgent::NoWrap() const {
    const AgentVariable* v = currentVar();
    return v && !(v->flags & HidFieldFlag::Wrap);
}
bool HidAgent::Volatile() const {
    const AgentVariable* v = currentVar();
    return v && (v->flags & HidFieldFlag::Volatile);
}
std::int32_t HidAgent::LogicalMaximum() const {
    const AgentVariable* v = currentVar();
    return v ? v->logicalMaximum : 0;
}
std::int32_t HidAgent::LogicalMinimum() const {
    const AgentVariable* v = currentVar();
    return v ? v->logicalMinimum : 0;
}
std::int32_t HidAgent::PhysicalMaximum() const {
    const AgentVariable* v = currentVar();
    return v ? v->physicalMaximum : 0;
}
std::int32_t HidAgent::PhysicalMinimum() const {
    const AgentVariable* v = currentVar();
    return v ? v->physicalMinimum : 0;
}
std::int32_t HidAgent::SizeInBits() const {
    const AgentVariable* v = currentVar();
    return v ? static_cast<std::int32_t>(v->bitSize) : 0;
}

QString HidAgent::StringDescriptor() {
    const AgentVariable* v = currentVar();
    if (!v || v->stringIndex == 0) {
        return {};
    }
    for (const auto& intf : interfaces_) {
        if (v >= intf->variables.data() && v < intf->variables.data() + intf->variables.size()) {
            return intf->connection->indexedString(static_cast<int>(v->stringIndex));
        }
    }
    return {};
}

int HidAgent::VarScaleMode() const {
    const AgentVariable* v = currentVar();
    return v ? v->scaleMode : 0;
}

void HidAgent::setVarScaleMode(int mode) {
    if (AgentVariable* v = variable(currentVariable_)) {
        v->scaleMode = mode;
    }
}

bool HidAgent::IsButton(int index) const {
    const AgentVariable* v = variable(index);
    return v && v->isButton();
}

int HidAgent::VariableReportIndex(int index) const {
    const AgentVariable* v = variable(index);
    return v ? v->reportIndex : -1;
}

void HidAgent::NameVariable(int index, const QString& name) {
    if (AgentVariable* v = variable(index)) {
        v->name = name;
    }
}

QString HidAgent::VariableName(int index) const {
    const AgentVariable* v = variable(index);
    return v ? v->name : QString();
}

std::int32_t HidAgent::GetUnscaledValue(int index) const {
    const AgentVariable* v = variable(index);
    return v ? v->value : 0;
}

void HidAgent::SetUnscaledValue(int index, std::int32_t value) {
    if (AgentVariable* v = variable(index)) {
        v->value = value;
    }
}

std::int32_t HidAgent::GetScaledValue(int index) const {
    const AgentVariable* v = variable(index);
    return v ? v->scaled() : 0;
}

void HidAgent::SetScaledValue(int index, std::int32_t value) {
    if (AgentVariable* v = variable(index)) {
        v->setScaled(value);
    }
}

bool HidAgent::acceptReport(AgentInterface& intf, Bytes data, ArrivalTime arrival) {
    // Every report kept the endpoint busy, whether or not it is kept.
    if (!intf.lastArrival || arrival - *intf.lastArrival >= kBackToBack) {
        intf.streamStart = arrival;
    }
    intf.lastArrival = std::max(arrival, intf.lastArrival.value_or(arrival));
    const std::uint8_t id = intf.idOf(data);
    const int local = intf.localReportOfInput(id);
    if (local < 0 || (intf.numberedReports && data.empty()) ||
        intf.payloadOf(data).size() <
            intf.reports[static_cast<std::size_t>(local)].layout.payloadBytes()) {
        ++droppedReports_;  // undeclared id or cut short: its values would be garbage
        return false;
    }
    const auto sameReport = [&](const PendingReport& p) { return intf.idOf(p.whole) == id; };
    if (std::count_if(intf.pending.begin(), intf.pending.end(), sameReport) >= kMaxPendingReports) {
        intf.pending.erase(std::find_if(intf.pending.begin(), intf.pending.end(), sameReport));
    }
    intf.pending.push_back({std::move(data), arrival, intf.streamStart});
    intf.reports[static_cast<std::size_t>(local)].everArrived = true;
    emit ReportArrived(local, intf.reports[static_cast<std::size_t>(local)].index);
    return true;
}

void HidAgent::BeginArrivalGroup() {
    // Everything that came is sorted in first: only awaited reports may open the group.
    arrivalLimit_.reset();
    drainAll(false);
    std::optional<ArrivalTime> earliest;
    for (const auto& intf : interfaces_) {
        for (const PendingReport& p : intf->pending) {
            if (intf->awaited(p) && (!earliest || p.arrival < *earliest)) {
                earliest = p.arrival;
            }
        }
    }
    arrivalLimit_ = earliest ? *earliest + kArrivedTogether : ArrivalTime::min();
}

bool HidAgent::ArrivalsWaiting() {
    drainAll(false);
    return std::any_of(
        interfaces_.begin(), interfaces_.end(), [](const std::unique_ptr<AgentInterface>& i) {
            return std::any_of(i->pending.begin(), i->pending.end(),
                               [&](const PendingReport& p) { return i->awaited(p); });
        });
}

ArrivalTime HidAgent::ReportArrival(int reportIndex) const {
    int local = -1;
    const AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf ? intf->mostRecentArrival[static_cast<std::size_t>(local)] : ArrivalTime{0};
}

ArrivalTime HidAgent::ReportStreamStart(int reportIndex) const {
    int local = -1;
    const AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf ? intf->mostRecentStreamStart[static_cast<std::size_t>(local)] : ArrivalTime{0};
}

bool HidAgent::ReportPending(int reportIndex) const {
    int local = -1;
    AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf && firstPending(*intf, intf->reports[static_cast<std::size_t>(local)].layout.id,
                                arrivalLimit_) != intf->pending.end();
}

bool HidAgent::ReportQueued(int reportIndex, std::optional<ArrivalTime> upTo) const {
    int local = -1;
    AgentInterface* intf = interfaceOfReport(reportIndex, &local);
    return intf && firstPending(*intf, intf->reports[static_cast<std::size_t>(local)].layout.id,
                                upTo) != intf->pending.end();
}

void HidAgent::DiscardArrivals() {
    drainAll(true);
}

void HidAgent::drainPending(AgentInterface& intf) {
    const std::int32_t handle = intf.handle;
    for (;;) {
        if (arrivalLimit_) {
            const std::optional<ArrivalTime> next = intf.connection->nextArrival();
            if (!next || *next > *arrivalLimit_) {
                return;  // arrived after this group: the next check takes it
            }
        }
        HidReadResult r = intf.connection->readPending();
        if (r.failed()) {
            failInterface(intf, r.error, r.deviceGone);
            return;
        }
        if (!r.gotReport()) {
            return;
        }
        acceptReport(intf, std::move(r.data), r.arrival);
        if (!interfaceById(handle)) {
            return;  // a ReportArrived handler closed everything
        }
    }
}

bool HidAgent::ReadCurrentReport() {
    int local = -1;
    AgentInterface* intf = interfaceOfReport(currentReport_, &local);
    if (!intf) {
        lastError_ = QStringLiteral("report %1 is not open").arg(currentReport_);
        return false;
    }
    const std::int32_t handle = intf->handle;
    AgentReport& report = intf->reports[static_cast<std::size_t>(local)];
    if (report.layout.type == HidReportType::Output) {
        lastError_ = QStringLiteral("report %1 is an output report").arg(currentReport_);
        return false;
    }
    if (report.layout.type == HidReportType::Feature) {
        HidReadResult r =
            intf->connection->readFeature(report.layout.id, report.layout.payloadBytes() + 1);
        if (r.failed()) {
            failInterface(*intf, r.error, r.deviceGone);
            return false;
        }
        if (r.data.size() < report.layout.payloadBytes() + 1) {
            lastError_ = QStringLiteral("feature report %1 came back short").arg(report.layout.id);
            return false;
        }
        intf->unpack(local, Bytes(r.data.begin() + 1, r.data.end()));
        return true;
    }
    report.askedFor = true;
    drainPending(*intf);
    if (!interfaceById(handle)) {
        return false;
    }
    // Only the first read of a report that never came waits: a silent module must not stall
    // every poll after it.
    if (!report.everArrived && !report.waitedForFirst) {
        report.waitedForFirst = true;
        HidReadResult r = intf->connection->readWithin(timeOutMs_);
        if (r.failed()) {
            failInterface(*intf, r.error, r.deviceGone);
            return false;
        }
        if (r.gotReport()) {
            acceptReport(*intf, std::move(r.data), r.arrival);
            if (!interfaceById(handle)) {
                return false;
            }
        }
    }
    if (!report.everArrived) {
        lastError_ =
            QStringLiteral("no report %1 within %2 ms").arg(report.layout.id).arg(timeOutMs_);
        return false;
    }
    // In a check, a report that arrived after the group waits; a module's very first report
    // is taken whenever it came, as there is no earlier state to show.
    const bool neverRead = intf->mostRecent[static_cast<std::size_t>(local)].empty();
    auto it = firstPending(*intf, report.layout.id, neverRead ? std::nullopt : arrivalLimit_);
    if (it != intf->pending.end()) {
        intf->mostRecent[static_cast<std::size_t>(local)] = intf->payloadOf(it->whole);
        intf->mostRecentArrival[static_cast<std::size_t>(local)] = it->arrival;
        intf->mostRecentStreamStart[static_cast<std::size_t>(local)] = it->streamStart;
        intf->pending.erase(it);
    }
    intf->unpack(local, intf->mostRecent[static_cast<std::size_t>(local)]);
    return true;
}

bool HidAgent::WriteCurrentReport() {
    int local = -1;
    AgentInterface* intf = interfaceOfReport(currentReport_, &local);
    if (!intf) {
        lastError_ = QStringLiteral("report %1 is not open").arg(currentReport_);
        return false;
    }
    const HidReport& layout = intf->reports[static_cast<std::size_t>(local)].layout;
    if (layout.type == HidReportType::Input) {
        lastError_ = QStringLiteral("report %1 is an input report").arg(currentReport_);
        return false;
    }
    Bytes data{layout.id};
    const Bytes payload = intf->pack(local);
    data.insert(data.end(), payload.begin(), payload.end());
    const HidWriteResult w = layout.type == HidReportType::Output
                                 ? intf->connection->writeOutput(data)
                                 : intf->connection->writeFeature(data);
    if (!w.ok) {
        failInterface(*intf, w.error, w.deviceGone);
        return false;
    }
    return true;
}

}  // namespace modulelink
