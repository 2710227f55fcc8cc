#include "foreign/ForeignDevice.h"

#include <algorithm>
#include <utility>

#include "modulelink/ModuleCommands.h"
#include "sim/ModuleDescriptors.h"

namespace foreign {

using modulelink::ArrivalTime;
using modulelink::Bytes;
using modulelink::HidReadResult;
using modulelink::HidWriteResult;

namespace {

constexpr std::size_t kTeamQueue = 64;
constexpr std::uint8_t kLampOn = 0xFF;

}  // namespace

ForeignDevice::ForeignDevice(std::unique_ptr<modulelink::HidConnection> device,
                             ForeignLayout layout, QString key, DeviceRole role, Hooks hooks,
                             std::function<bool()> attached)
    : device_(std::move(device)),
      layout_(std::move(layout)),
      key_(std::move(key)),
      role_(role),
      hooks_(std::move(hooks)),
      attached_(std::move(attached)),
      wakes_(std::make_shared<Wakes>()),
      held_(layout_.buttonBits.size(), false) {
    const int teams = layout_.kind == DeviceKind::Buzz && role_.fourTeams ? kBuzzHandsets : 1;
    teams_.resize(static_cast<std::size_t>(teams));
    wakes_->byTeam.resize(teams_.size());
    for (Team& t : teams_) {
        t.queue = std::make_shared<modulelink::ArrivalQueue>(kTeamQueue);
        t.lastSent = t.firmware.data();
    }
    // The device's reader wakes every team: any of them may get a report from it.
    device_->setArrivalWake([wakes = wakes_] {
        std::lock_guard lock(wakes->mutex);
        for (const auto& wake : wakes->byTeam) {
            if (wake) {
                wake();
            }
        }
    });
}

ForeignDevice::~ForeignDevice() {
    std::lock_guard lock(wakes_->mutex);
    wakes_->byTeam.clear();
}

const sim::Firmware& ForeignDevice::firmware(int team) const {
    return teams_.at(static_cast<std::size_t>(team)).firmware;
}

void ForeignDevice::setWake(int team, std::function<void()> wake) {
    std::lock_guard lock(wakes_->mutex);
    wakes_->byTeam.at(static_cast<std::size_t>(team)) = std::move(wake);
}

HidReadResult ForeignDevice::readPending(int team) {
    pump();
    return teams_.at(static_cast<std::size_t>(team)).queue->pop();
}

std::optional<ArrivalTime> ForeignDevice::nextArrival(int team) {
    pump();
    return teams_.at(static_cast<std::size_t>(team)).queue->nextArrival();
}

HidReadResult ForeignDevice::readWithin(int team, int timeoutMs) {
    Team& t = teams_.at(static_cast<std::size_t>(team));
    pump();
    if (!t.queue->nextArrival()) {
        const HidReadResult r = device_->readWithin(timeoutMs);
        take(r);
        pump();
    }
    return t.queue->pop();
}

void ForeignDevice::pump() {
    for (int guard = 0; guard < 1024; ++guard) {
        const HidReadResult r = device_->readPending();
        if (r.status == HidReadResult::Status::Nothing) {
            return;
        }
        take(r);
        if (r.failed()) {
            return;
        }
    }
}

void ForeignDevice::take(const HidReadResult& report) {
    const ArrivalTime arrival = report.arrival.count() != 0 ? report.arrival : hooks_.now();
    if (report.failed()) {
        const bool gone = report.deviceGone || (attached_ && !attached_());
        failure_ = HidWriteResult{false, report.error, gone};
        for (Team& t : teams_) {
            t.queue->fail(report.error, arrival, gone);
        }
        return;
    }
    if (!report.gotReport()) {
        return;
    }
    const std::optional<std::vector<bool>> held = layout_.buttonsHeld(report.data);
    if (!held) {
        return;  // another report of the device, or a short one
    }
    std::vector<std::vector<sim::Button>> pressed(teams_.size());
    for (std::size_t n = 0; n < held->size(); ++n) {
        if (!(*held)[n] || held_[n]) {
            continue;  // only a button going down is a press
        }
        const auto player = playerOfButton(static_cast<int>(n));
        if (!player) {
            continue;
        }
        Team& t = teams_[static_cast<std::size_t>(player->first)];
        if (arrival >= t.armedAt) {
            pressed[static_cast<std::size_t>(player->first)].push_back(
                {t.firmware.firstSlot(), player->second});
        }
    }
    held_ = *held;
    for (std::size_t k = 0; k < teams_.size(); ++k) {
        if (!pressed[k].empty() && teams_[k].firmware.latch(pressed[k])) {
            sendIfChanged(static_cast<int>(k), arrival, false);
        }
    }
}

std::optional<std::pair<int, int>> ForeignDevice::playerOfButton(int n) const {
    if (layout_.kind == DeviceKind::Buzz) {
        const int handset = n / kBuzzButtonsPerHandset;
        if (n % kBuzzButtonsPerHandset != 0 || handset >= kBuzzHandsets) {
            return std::nullopt;  // only the red buttons buzz
        }
        return role_.fourTeams ? std::make_pair(handset, 1) : std::make_pair(0, handset + 1);
    }
    for (std::size_t p = 0; p < role_.buttonOfPlayer.size(); ++p) {
        if (role_.buttonOfPlayer[p] == n + 1) {
            return std::make_pair(0, static_cast<int>(p) + 1);
        }
    }
    return std::nullopt;
}

void ForeignDevice::sendIfChanged(int team, ArrivalTime arrival, bool force) {
    Team& t = teams_.at(static_cast<std::size_t>(team));
    const sim::ReportData now = t.firmware.data();
    if (!force && now == t.lastSent) {
        return;
    }
    t.lastSent = now;
    Bytes report(now.begin(), now.end());
    report.resize(sim::kInputPayload, 0);
    t.queue->push(std::move(report), arrival);
}

HidWriteResult ForeignDevice::writeOutput(int team, const Bytes& data) {
    using namespace modulelink::command;
    if (data.size() < 2 || data[0] != 0) {
        return {false, QStringLiteral("the team module takes output report 0 only")};
    }
    pump();  // what the device sent before this command is taken as before it
    if (failure_) {
        return *failure_;
    }
    Team& t = teams_.at(static_cast<std::size_t>(team));
    const int code = data[1];
    if (code == kStartUp && !t.slotChosen) {
        t.firmware.setFirstSlot(std::clamp(hooks_.freeSlot ? hooks_.freeSlot() : 8, 1, 8));
        t.slotChosen = true;
    }
    if ((code == kArm || code == kStartUp) && chosenButtons_) {
        role_.buttonOfPlayer = *std::exchange(chosenButtons_, std::nullopt);
    }
    const sim::Firmware::Outcome outcome = t.firmware.command(code);
    if (code == kArm) {
        t.armedAt = hooks_.now();
    }
    if (hooks_.tone &&
        (code == kBuzzTone || code == kTimerExpiredTone || code == kClockExpiredTone)) {
        hooks_.tone(t.firmware.tone());
    }
    sendIfChanged(team, hooks_.now(), outcome == sim::Firmware::Outcome::ReportAtOnce);
    return showLamps();
}

HidWriteResult ForeignDevice::showLamps() {
    if (!layout_.hasLamps) {
        return {true, {}};
    }
    std::array<bool, kBuzzHandsets> lit{};
    for (int h = 0; h < kBuzzHandsets; ++h) {
        const Team& t = teams_[role_.fourTeams ? static_cast<std::size_t>(h) : 0];
        lit[static_cast<std::size_t>(h)] =
            t.firmware.lampLit({t.firmware.firstSlot(), role_.fourTeams ? 1 : h + 1});
    }
    if (lit == lampsShown_) {
        return {true, {}};
    }
    Bytes report{0, 0};
    for (bool on : lit) {
        report.push_back(on ? kLampOn : 0);
    }
    report.resize(1 + kBuzzLampReportBytes, 0);
    HidWriteResult r = device_->writeOutput(report);
    if (r.ok) {
        lampsShown_ = lit;
    }
    return r;
}

}  // namespace foreign
