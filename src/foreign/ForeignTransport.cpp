#include "foreign/ForeignTransport.h"

#include <algorithm>
#include <map>
#include <set>

#include "modulelink/HidDescriptor.h"
#include "sim/ModuleDescriptors.h"
#include "sim/ModuleModel.h"

namespace foreign {

using modulelink::ArrivalTime;
using modulelink::Bytes;
using modulelink::HidDeviceInfo;
using modulelink::HidOpenResult;
using modulelink::HidReadResult;
using modulelink::HidWriteResult;

namespace {

const std::string kPrefix = "foreign:";

std::string teamPath(int team, const std::string& devicePath) {
    return kPrefix + std::to_string(team) + ":" + devicePath;
}

// "foreign:<team>:<device path>" -> team, device path.
std::optional<std::pair<int, std::string>> splitTeamPath(const std::string& path) {
    if (path.rfind(kPrefix, 0) != 0) {
        return std::nullopt;
    }
    const std::size_t colon = path.find(':', kPrefix.size());
    if (colon == std::string::npos || colon == kPrefix.size() || colon - kPrefix.size() > 1) {
        return std::nullopt;
    }
    const char digit = path[kPrefix.size()];
    if (digit < '0' || digit > '9') {
        return std::nullopt;
    }
    return std::make_pair(digit - '0', path.substr(colon + 1));
}

// How the operator knows a device's team: "Buzz! controller 1 (4 handsets)", "Buzz!
// controller 1, handset 2", "Game controller 1 (12 buttons)".
QString teamName(const ForeignLayout& layout, int number, int team, int teams) {
    if (layout.kind == DeviceKind::Buzz) {
        return teams == 1
                   ? QStringLiteral("Buzz! controller %1 (%2 handsets)")
                         .arg(number)
                         .arg(kBuzzHandsets)
                   : QStringLiteral("Buzz! controller %1, handset %2").arg(number).arg(team + 1);
    }
    return QStringLiteral("Game controller %1 (%2 buttons)").arg(number).arg(layout.buttonCount());
}

// One team module of a foreign device, as the agent sees it.
class TeamConnection final : public modulelink::HidConnection {
  public:
    TeamConnection(std::shared_ptr<ForeignDevice> device, int team)
        : device_(std::move(device)), team_(team) {}
    ~TeamConnection() override { device_->setWake(team_, {}); }

    HidReadResult readPending() override { return device_->readPending(team_); }
    std::optional<ArrivalTime> nextArrival() override { return device_->nextArrival(team_); }
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    void setArrivalWake(std::function<void()> wake) override {
        device_->setWake(team_, std::move(wake));
    }
    HidReadResult readWithin(int timeoutMs) override {
        return device_->readWithin(team_, timeoutMs);
    }
    HidWriteResult writeOutput(const Bytes& data) override {
        return device_->writeOutput(team_, data);
    }
    HidWriteResult writeFeature(const Bytes&) override {
        return {false, QStringLiteral("a foreign team module has no feature reports")};
    }
    HidReadResult readFeature(std::uint8_t, std::size_t) override {
        return {HidReadResult::Status::Error,
                {},
                QStringLiteral("a foreign team module has no feature reports")};
    }
    Bytes reportDescriptor(QString*) override { return sim::moduleReportDescriptor(kStandInModel); }
    QString indexedString(int) override { return {}; }

  private:
    std::shared_ptr<ForeignDevice> device_;
    int team_;
};

}  // namespace

QString deviceKey(const HidDeviceInfo& info) {
    return QStringLiteral("%1:%2@%3")
        .arg(info.vendorId, 4, 16, QLatin1Char('0'))
        .arg(info.productId, 4, 16, QLatin1Char('0'))
        .arg(QString::fromStdString(info.path));
}

ForeignTransport::ForeignTransport(modulelink::HidTransport& devices, RoleStore& roles,
                                   ForeignDevice::Hooks hooks)
    : devices_(devices), roles_(roles), hooks_(std::move(hooks)) {
    if (!hooks_.now) {
        hooks_.now = [this] { return devices_.now(); };
    }
}

ForeignTransport::~ForeignTransport() = default;

std::optional<ForeignLayout> ForeignTransport::layoutOf(const HidDeviceInfo& info) {
    const auto known = layouts_.find(info.path);
    if (known != layouts_.end()) {
        return known->second;
    }
    std::optional<ForeignLayout> layout;
    HidOpenResult opened = devices_.open(info.path);
    if (opened.connection) {
        QString error;
        const Bytes bytes = opened.connection->reportDescriptor(&error);
        const modulelink::HidDescriptorResult parsed = modulelink::parseHidDescriptor(bytes);
        if (parsed.ok) {
            layout = classifyDevice(info.vendorId, info.productId, parsed.descriptor);
        }
    }
    // A device we may not open yet (no access) is asked again once it is plugged anew.
    layouts_[info.path] = layout;
    return layout;
}

bool ForeignTransport::listed(const std::string& path) {
    const std::vector<HidDeviceInfo> infos = devices_.enumerate(0);
    return std::any_of(infos.begin(), infos.end(),
                       [&](const HidDeviceInfo& info) { return info.path == path; });
}

std::vector<ForeignTransport::Found> ForeignTransport::foreignDevices() {
    std::vector<Found> found;
    std::set<std::string> present;
    std::map<DeviceKind, int> numbers;
    for (const HidDeviceInfo& info : devices_.enumerate(0)) {
        present.insert(info.path);
        if (info.vendorId == sim::kTeamModuleVendorId) {
            continue;
        }
        if (const std::optional<ForeignLayout> layout = layoutOf(info)) {
            found.push_back({info, *layout, ++numbers[layout->kind]});
        }
    }
    for (auto it = layouts_.begin(); it != layouts_.end();) {
        it = present.count(it->first) ? std::next(it) : layouts_.erase(it);
    }
    return found;
}

int ForeignTransport::teamsOf(const Found& f) const {
    // An open device keeps the teams it was opened with: a new choice waits for the next
    // attachment, so a search never finds teams the open device does not serve.
    const auto open = open_.find(f.info.path);
    if (open != open_.end()) {
        if (const std::shared_ptr<ForeignDevice> device = open->second.lock()) {
            return device->teamCount();
        }
    }
    return f.layout.kind == DeviceKind::Buzz && roles_.roleOf(deviceKey(f.info)).fourTeams
               ? kBuzzHandsets
               : 1;
}

std::vector<HidDeviceInfo> ForeignTransport::enumerate(std::uint16_t vendorId) {
    std::vector<HidDeviceInfo> infos = devices_.enumerate(vendorId);
    if (vendorId != sim::kTeamModuleVendorId) {
        return infos;
    }
    for (const Found& f : foreignDevices()) {
        const int teams = teamsOf(f);
        for (int team = 0; team < teams; ++team) {
            HidDeviceInfo info;
            info.path = teamPath(team, f.info.path);
            info.vendorId = sim::kTeamModuleVendorId;
            info.productId = kStandInModel;
            info.interfaceNumber = 0;
            info.productName = teamName(f.layout, f.number, team, teams);
            info.manufacturer = f.info.manufacturer;
            info.standIn =
                HidDeviceInfo::StandIn{info.productName, f.info.vendorId, f.info.productId};
            infos.push_back(std::move(info));
        }
    }
    return infos;
}

std::vector<ForeignTransport::Attached> ForeignTransport::attached() {
    std::vector<Attached> list;
    for (const Found& f : foreignDevices()) {
        list.push_back({deviceKey(f.info), teamName(f.layout, f.number, 0, 1), f.layout.kind,
                        f.layout.buttonCount()});
    }
    return list;
}

QString ForeignTransport::nameOf(const HidDeviceInfo& info) {
    const QString key = deviceKey(info);
    for (const Attached& a : attached()) {
        if (a.key == key) {
            return a.name;
        }
    }
    return info.productName;
}

void ForeignTransport::setRole(const QString& key, const DeviceRole& role) {
    roles_.setRole(key, role);
    for (const auto& [path, weak] : open_) {
        const std::shared_ptr<ForeignDevice> device = weak.lock();
        if (device && device->key() == key) {
            device->takeRole(role);
        }
    }
}

std::shared_ptr<ForeignDevice> ForeignTransport::openDevice(const std::string& path) const {
    const auto split = splitTeamPath(path);
    if (!split) {
        return nullptr;
    }
    const auto it = open_.find(split->second);
    return it == open_.end() ? nullptr : it->second.lock();
}

HidOpenResult ForeignTransport::open(const std::string& path) {
    const auto split = splitTeamPath(path);
    if (!split) {
        return devices_.open(path);
    }
    const auto [team, devicePath] = *split;
    std::shared_ptr<ForeignDevice> device = open_[devicePath].lock();
    if (!device) {
        HidDeviceInfo info;
        for (const HidDeviceInfo& i : devices_.enumerate(0)) {
            if (i.path == devicePath) {
                info = i;
            }
        }
        const std::optional<ForeignLayout> layout =
            info.path.empty() ? std::nullopt : layoutOf(info);
        if (!layout) {
            return {nullptr, false, QStringLiteral("the device is not connected")};
        }
        HidOpenResult opened = devices_.open(devicePath);
        if (!opened.connection) {
            return opened;
        }
        const QString key = deviceKey(info);
        device = std::make_shared<ForeignDevice>(
            std::move(opened.connection), *layout, key, roles_.roleOf(key), hooks_,
            [this, path = devicePath] { return listed(path); });
        open_[devicePath] = device;
    }
    if (team >= device->teamCount()) {
        return {nullptr, false, QStringLiteral("the device serves fewer teams")};
    }
    return {std::make_unique<TeamConnection>(device, team), false, {}};
}

}  // namespace foreign
