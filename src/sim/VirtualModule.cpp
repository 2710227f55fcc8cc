#include "sim/VirtualModule.h"

#include <algorithm>

#include "modulelink/ModuleCommands.h"
#include "sim/ModuleDescriptors.h"
#include "sim/ReportCodes.h"

namespace sim {

using namespace modulelink::command;

VirtualModule::VirtualModule(int model, int firstSlot, std::string path, bool statusReport,
                             QObject* parent)
    : QObject(parent),
      model_(model),
      kind_(kindOfModel(model)),
      firstSlot_(kindOfModel(model) == ModuleKind::Rf ? 1 : firstSlot),
      statusReport_(statusReport),
      path_(std::move(path)),
      firmware_(model, firstSlot_) {
    transmitters_.resize(kRfTransmitters);
    for (int k = 0; k < kRfTransmitters; ++k) {
        transmitters_[static_cast<std::size_t>(k)].code = k + 1;
    }
    powerUp();
}

VirtualModule::~VirtualModule() = default;

std::vector<int> VirtualModule::teams() const {
    switch (kind_) {
        case ModuleKind::OneTeam:
            return {firstSlot_};
        case ModuleKind::TwoTeam:
            return {firstSlot_, firstSlot_ + 1};
        case ModuleKind::Rf:
            break;
    }
    return {1, 2, 3, 4};
}

int VirtualModule::playersPerTeam() const {
    return model_ == 2012 ? 4 : 5;
}

QString VirtualModule::label() const {
    const QString status = statusReport_ ? QStringLiteral("+status") : QString();
    switch (kind_) {
        case ModuleKind::OneTeam:
            return QStringLiteral("%1:%2").arg(model_).arg(firstSlot_) + status;
        case ModuleKind::TwoTeam:
            return QStringLiteral("%1:%2-%3").arg(model_).arg(firstSlot_).arg(firstSlot_ + 1) +
                   status;
        case ModuleKind::Rf:
            break;
    }
    return QString::number(model_) + status;
}

void VirtualModule::powerUp() {
    firmware_.powerUp();
    pendingOldCode_ = 0;
    lastSent_ = idleReport(model_, firstSlot_);
}

bool VirtualModule::validButton(Button button) const {
    if (button.player < 1 || button.player > playersPerTeam()) {
        return false;
    }
    if (kind_ == ModuleKind::Rf) {
        return button.team >= 1 && (button.team - 1) * 5 + button.player <= kRfTransmitters;
    }
    const std::vector<int> served = teams();
    return std::find(served.begin(), served.end(), button.team) != served.end();
}

bool VirtualModule::press(const std::vector<Button>& buttons) {
    if (!plugged_ || buttons.empty()) {
        return false;
    }
    if (!std::all_of(buttons.begin(), buttons.end(), [this](Button b) { return validButton(b); })) {
        return false;
    }
    if (!(kind_ == ModuleKind::Rf ? latchRf(buttons) : firmware_.latch(buttons))) {
        return false;
    }
    sendIfChanged();
    emit changed();
    return true;
}

// One unit code fits a report: the first transmitter heard on the module's channel wins.
bool VirtualModule::latchRf(const std::vector<Button>& buttons) {
    for (const Button& b : buttons) {
        const Transmitter& t = transmitters_[transmitterSlot(b)];
        if (t.channel == channel_) {
            return firmware_.latch({b});
        }
    }
    return false;
}

bool VirtualModule::pressTransmitter(int k) {
    if (k < 1 || k > kRfTransmitters || kind_ != ModuleKind::Rf) {
        return false;
    }
    transmitters_[static_cast<std::size_t>(k - 1)].acknowledged = false;
    return press({Button{(k - 1) / 5 + 1, (k - 1) % 5 + 1}});
}

void VirtualModule::holdTransmitter(int k) {
    if (k >= 1 && k <= kRfTransmitters && kind_ == ModuleKind::Rf) {
        pressTransmitter(k);
        setProgramming(k, true);
    }
}

std::size_t VirtualModule::transmitterSlot(Button button) {
    return static_cast<std::size_t>((button.team - 1) * 5 + button.player - 1);
}

void VirtualModule::plug() {
    if (plugged_) {
        return;
    }
    plugged_ = true;
    ++generation_;
    sink_ = {};
    powerUp();
    emit changed();
}

void VirtualModule::unplug() {
    if (!plugged_) {
        return;
    }
    plugged_ = false;
    emit changed();
}

std::array<std::uint8_t, 4> VirtualModule::data() const {
    if (kind_ == ModuleKind::Rf && !firmware_.identityPending() && !firmware_.latched().empty()) {
        return rfPressReport(transmitters_[transmitterSlot(firmware_.latched().front())].code);
    }
    return firmware_.data();
}

const VirtualModule::Transmitter& VirtualModule::transmitter(int k) const {
    return transmitters_.at(static_cast<std::size_t>(std::clamp(k, 1, kRfTransmitters) - 1));
}

void VirtualModule::setProgramming(int k, bool on) {
    if (k >= 1 && k <= kRfTransmitters) {
        transmitters_[static_cast<std::size_t>(k - 1)].programming = on;
        emit changed();
    }
}

void VirtualModule::setTransmitterChannel(int k, int channel) {
    if (k >= 1 && k <= kRfTransmitters) {
        transmitters_[static_cast<std::size_t>(k - 1)].channel = channel;
        emit changed();
    }
}

modulelink::HidDeviceInfo VirtualModule::deviceInfo() const {
    modulelink::HidDeviceInfo info;
    info.path = path_;
    info.vendorId = kTeamModuleVendorId;
    info.productId = static_cast<std::uint16_t>(model_);
    info.interfaceNumber = 0;
    info.productName = QStringLiteral("Quorvantix Team Module %1 (virtual)").arg(label());
    info.manufacturer = QStringLiteral("Quorvantix");
    return info;
}

modulelink::Bytes VirtualModule::reportDescriptorBytes() const {
    return moduleReportDescriptor(model_, statusReport_);
}

bool VirtualModule::receiveOutputReport(const modulelink::Bytes& data) {
    const std::uint8_t id = usesReportIds(model_, statusReport_) ? kOutputReportId : 0;
    if (!plugged_ || data.size() < 2 || data[0] != id) {
        return false;
    }
    command(data[1]);
    return true;
}

void VirtualModule::setReportSink(ReportSink sink) {
    sink_ = std::move(sink);
}

void VirtualModule::sendIfChanged(bool force) {
    const std::array<std::uint8_t, 4> now = data();
    if (!force && now == lastSent_) {
        return;
    }
    lastSent_ = now;
    if (!sink_ || !plugged_) {
        return;
    }
    modulelink::Bytes report;
    if (usesReportIds(model_, statusReport_)) {
        report.push_back(kInputReportId);
    }
    report.insert(report.end(), now.begin(), now.end());
    report.resize(report.size() + kInputPayload - now.size(), 0);
    sink_(report);
}

void VirtualModule::sendStatus() {
    if (statusReport_ && sink_ && plugged_) {
        sink_({kStatusReportId, static_cast<std::uint8_t>(commands_.back()),
               static_cast<std::uint8_t>(firmware_.armed() ? 1 : 0)});
    }
}

void VirtualModule::command(int code) {
    commands_.push_back(code);
    const Firmware::Outcome outcome = firmware_.command(code);
    if (outcome == Firmware::Outcome::ReportAtOnce) {
        pendingOldCode_ = 0;
    } else if (outcome == Firmware::Outcome::NotLockout && kind_ == ModuleKind::Rf) {
        radioCommand(code);
    }
    sendIfChanged(outcome == Firmware::Outcome::ReportAtOnce);
    sendStatus();
    emit changed();
}

template <typename Which, typename Change>
void VirtualModule::reprogram(Which which, Change change) {
    for (Transmitter& t : transmitters_) {
        if (t.programming && which(t)) {
            change(t);
            t.programming = false;
            t.acknowledged = true;
        }
    }
}

// Radio codes reach the transmitters that are in programming mode.
void VirtualModule::radioCommand(int code) {
    const int oldCode = pendingOldCode_;
    pendingOldCode_ = 0;
    if (code >= kChannelBase && code <= kChannelBase + 15) {
        channel_ = code - kChannelBase;
        reprogram([](const Transmitter&) { return true; },
                  [this](Transmitter& t) { t.channel = channel_; });
    } else if (oldCode != 0 && code >= kNewCodeBase && code <= kNewCodeBase + 32) {
        const int newCode = code - kNewCodeBase;
        if (newCode >= 1) {
            reprogram([oldCode](const Transmitter& t) { return t.code == oldCode; },
                      [newCode](Transmitter& t) { t.code = newCode; });
        }
    } else if (code > kOldCodeBase && code <= kOldCodeBase + 32) {
        pendingOldCode_ = code - kOldCodeBase;
    } else if (code > kPowerBase && code <= kPowerBase + 9) {
        reprogram([](const Transmitter&) { return true; },
                  [code](Transmitter& t) { t.power = code - kPowerBase; });
    }
}

}  // namespace sim
