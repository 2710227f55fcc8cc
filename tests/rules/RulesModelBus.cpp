// The plain rules model's modules and bus: module firmware, other makers' devices as the
// console drives them, and USB polling of every endpoint.
#include <algorithm>

#include "RulesModelParts.h"

namespace rules::plain {

void Model::startupBroadcasts() {
    // DONE has sent 123 and 124 to every module before the match begins; recorded
    // commands start after it.
    for (Module& m : modules_) {
        m.armed = false;
    }
    for (const Step& s : t_.steps) {
        if (s.act != Act::Press) {
            continue;
        }
        const auto module = static_cast<std::size_t>(s.module);
        if (modules_[module].device < 0) {
            due_.emplace(std::make_pair(s.us, seq_++),
                         Due{Happening::Press, module, s.team * 10 + s.player, 0});
            continue;
        }
        due_.emplace(std::make_pair(s.us, seq_++), Due{Happening::ButtonDown, module, s.player, 0});
        due_.emplace(std::make_pair(s.us + s.holdUs, seq_++),
                     Due{Happening::ButtonUp, module, s.player, 0});
    }
}

void Model::usbUntil(std::int64_t to, bool hooks) {
    while (!due_.empty() && due_.begin()->first.first <= to) {
        const std::int64_t when = due_.begin()->first.first;
        bool delivered = false;
        while (!due_.empty() && due_.begin()->first.first == when) {
            const Due d = due_.begin()->second;
            due_.erase(due_.begin());
            usNow_ = std::max(usNow_, when);
            switch (d.kind) {
                case Happening::Press:
                    buttonPressed(modules_[d.module], d.content);
                    break;
                case Happening::Delivery:
                    delivered = receive(modules_[d.module], d.content, d.armCount) || delivered;
                    break;
                case Happening::ButtonDown:
                case Happening::ButtonUp:
                    deviceButton(d.module, d.content, d.kind == Happening::ButtonDown);
                    break;
                case Happening::DeviceReport:
                    delivered = deviceReport(devices_[d.module], d.content) || delivered;
                    break;
            }
        }
        if (delivered && hooks) {
            events();
        }
    }
    usNow_ = std::max(usNow_, to);
}

// The host takes a report of the module (a foreign team's as the console makes it).
bool Model::receive(Module& m, int content, int armCount) {
    if (!m.plugged) {
        return false;
    }
    if (content == kStatus) {
        wakePending_ = true;  // it wakes the console, but no check reads it
        return true;
    }
    // Once the operator's arm has gone out to a module, what came from before it is
    // stale, and a press it latched since is news, even while that arm still goes out
    // to the modules after it.
    const bool armedSinceDeaf = m.questionArm > m.deafUpTo;
    if ((deaf_ && !armedSinceDeaf) || fromBeforeQuestion(m, content, armCount)) {
        m.latest = {content, armCount, usNow_, true};  // dealt with, no news
        return false;
    }
    if (m.queue.size() == 64) {
        m.queue.pop_front();
    }
    m.queue.push_back({content, armCount, usNow_});
    wakePending_ = true;
    return true;
}

// A foreign device's button goes down or up: the device reports all its buttons.
void Model::deviceButton(std::size_t module, int player, bool down) {
    Device& d = devices_[static_cast<std::size_t>(modules_[module].device)];
    const auto key = std::make_pair(module, player);
    if (!d.plugged || d.held.count(key) == (down ? 1u : 0u)) {
        return;
    }
    if (down) {
        tellPress(modules_[module], modules_[module].entry.firstSlot, player, "");
        d.held.insert(key);
    } else {
        d.held.erase(key);
    }
    const int edge = down ? static_cast<int>(module) * 10 + player : kIdle;
    const std::int64_t poll = nextPoll(d.endpoint);
    due_.emplace(
        std::make_pair(poll, seq_++),
        Due{Happening::DeviceReport, static_cast<std::size_t>(&d - devices_.data()), edge, 0});
}

// The device's report reaches the console, which latches its press in software: only
// in a team armed before the report came, with nothing latched yet.
bool Model::deviceReport(Device& d, int edge) {
    if (!d.plugged) {
        return false;
    }
    wakePending_ = true;
    if (edge < 0) {
        return true;
    }
    Module& m = modules_[static_cast<std::size_t>(edge / 10)];
    if (!m.armed || m.latched || usNow_ < m.armedAt) {
        return true;
    }
    tellPress(m, m.entry.firstSlot, edge % 10, " (latched)");
    m.latched = m.entry.firstSlot * 10 + edge % 10;
    setContent(m, *m.latched);
    return true;
}

void Model::buttonPressed(Module& m, int press) {
    const bool latches = m.plugged && m.armed && !m.latched;
    tellPress(m, press / 10, press % 10, latches ? " (latched)" : "");
    if (!latches) {
        return;
    }
    m.latched = press;
    setContent(m, press);
}

void Model::setContent(Module& m, int content) {
    if (content == m.content) {
        return;
    }
    m.content = content;
    if (m.device >= 0) {
        receive(m, content, m.armCount);  // made on the console itself
    } else {
        send(m, content);
    }
}

// The first poll of the endpoint from now that no earlier report took.
std::int64_t Model::nextPoll(Endpoint& e) const {
    const UsbPolling& p = e.polling;
    const std::int64_t earliest = std::max(usNow_, e.lastPoll + p.interval);
    std::int64_t k = (earliest - p.phase + p.interval - 1) / p.interval;
    k = std::max<std::int64_t>(k, 0);
    e.lastPoll = p.phase + k * p.interval;
    return e.lastPoll;
}

// One report on the module's endpoint.
void Model::send(Module& m, int content) {
    const auto index = static_cast<std::size_t>(&m - modules_.data());
    due_.emplace(std::make_pair(nextPoll(m.endpoint), seq_++),
                 Due{Happening::Delivery, index, content, m.armCount});
}

// One output report: the console waits a frame, the module acts at its end. A foreign
// team's firmware acts at once; only a change of a Buzz! dongle's lamps is written.
void Model::write(std::size_t index, int command) {
    Module& m = modules_[index];
    if (!m.plugged || ended_) {
        unplugNoticed_ = unplugNoticed_ || !m.plugged;
        return;
    }
    if (m.device >= 0) {
        foreignCommand(m, command);
        return;
    }
    const std::int64_t end = usNow_ + kFrameUs;
    usbUntil(end, false);
    usNow_ = end;
    if (!m.plugged) {
        return;
    }
    received(m, command, end - kFrameUs);
    if (command == kArm || command == kStartUp) {
        m.armed = command == kArm;
        m.latched.reset();
        ++m.armCount;
        if (command == kStartUp || settling()) {
            m.wipedArm = m.armCount;
        }
        setContent(m, kIdle);
    } else if (command == kLock) {
        m.armed = false;
    }
    if (m.entry.statusReport) {
        send(m, kStatus);  // its last command and armed state, after every command
    }
}

void Model::received(Module& m, int command, std::int64_t at) {
    m.commands.push_back(command);
    tell(at, commandLine(static_cast<int>(&m - modules_.data()) + 1, command));
}

void Model::foreignCommand(Module& m, int command) {
    received(m, command, usNow_);
    if (command == kArm || command == kStartUp) {
        m.armed = command == kArm;
        m.latched.reset();
        ++m.armCount;
        m.lamps.clear();
        m.armedAt = usNow_;
        setContent(m, kIdle);
    } else if (command == kLock) {
        m.armed = false;
        m.lamps.clear();
    } else if (command == kLight) {
        m.lamps.clear();
        if (m.latched) {
            m.lamps.insert(*m.latched % 10);
        }
    } else if (command >= 1 && command <= 5) {
        m.lamps.insert(command);
    }
    Device& d = devices_[static_cast<std::size_t>(m.device)];
    if (d.kind == Foreign::GameController) {
        return;
    }
    std::vector<bool> lit(4, false);
    for (std::size_t h = 0; h < lit.size(); ++h) {
        const Module& team = modules_[d.kind == Foreign::BuzzHandset ? d.teams[h] : d.teams[0]];
        lit[h] =
            team.lamps.count(d.kind == Foreign::BuzzHandset ? 1 : static_cast<int>(h) + 1) != 0;
    }
    if (lit != d.lamps) {
        d.lamps = lit;
        const std::int64_t end = usNow_ + kFrameUs;
        usbUntil(end, false);
        usNow_ = end;
    }
}

void Model::sendAll(int command) {
    for (std::size_t i = 0; i < modules_.size(); ++i) {
        write(i, command);
    }
}

void Model::sendTo(int position, int command) {
    if (position >= 1 && position <= static_cast<int>(modules_.size())) {
        write(static_cast<std::size_t>(position - 1), command);
    }
}

}  // namespace rules::plain
