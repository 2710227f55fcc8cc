// A plain program of the buzz-in rules, written from the operator's manual alone: nothing
// here is shared with the console's engine or module link.
#include "RulesModel.h"

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace rules {
namespace {

constexpr int kStartUp = 123, kLock = 124, kArm = 125, kSoundOff = 127, kLight = 0, kBuzz = 22;
constexpr std::int64_t kFrameUs = 1000;
constexpr int kIdle = -1, kIdentity = -2, kStatus = -3;
// Reports closer than this arrived together: a USB frame cannot tell them apart.
constexpr std::int64_t kTogetherUs = 250;

std::string teamName(int team) {
    return "Team " + std::to_string(team);
}
std::string playerName(int team, int player) {
    return "P" + std::to_string(team) + "-" + std::to_string(player);
}

// A report as the host keeps it: what it shows and which arm of the module it followed.
struct Report {
    int content = kIdle;  // kIdle, kIdentity or team * 10 + player
    int armCount = 0;
    std::int64_t at = 0;  // when it reached the host
    bool taken = false;   // dealt with: a press counts once, however often it is read
};

// The endpoint of a device: each poll carries one report.
struct Endpoint {
    UsbPolling polling;
    std::int64_t lastPoll = -1000000;
};

struct Module {
    ModuleEntry entry;
    Endpoint endpoint;
    // Firmware.
    bool armed = false;
    std::optional<int> latched;  // team * 10 + player
    int content = kIdentity;
    int armCount = 0;
    int questionArm = 0;  // the module's arm count after the operator's last arm
    int wipedArm = 0;     // its arm count after the last re-arm that wiped what came
    int deafUpTo = 0;     // its arm count when a take stopped the polling
    bool plugged = true;
    // Host side: the kernel's queue of reports and the latest one read.
    std::deque<Report> queue;
    Report latest;
    std::vector<int> commands;
    // Another maker's team: its firmware runs on the console. Its device (index), when its
    // arm was written, and the players whose lamps it lights.
    int device = -1;
    std::int64_t armedAt = 0;
    std::set<int> lamps;

    bool identityIsIdle() const { return entry.model == 712 || entry.firstSlot == 1; }
};

// Another maker's device: its buttons, sent in a report of them all on its endpoint at
// every change; the console latches a press when that report reaches it.
struct Device {
    Foreign kind = Foreign::None;
    Endpoint endpoint;
    std::set<std::pair<std::size_t, int>> held;  // team module and player, on the device
    std::vector<std::size_t> teams;
    std::vector<bool> lamps;  // the Buzz! handsets' lamps as last written
    bool plugged = true;
};

struct Timer {
    std::int64_t interval = 0;
    bool on = false;
    std::int64_t due = 0;
    std::uint64_t order = 0;
};

enum class Mark { Plain, Orange, Yellow, Red };

class Model {
  public:
    Model(const Timeline& t, const std::vector<UsbPolling>& polling, Improvements imp,
          TraceSink trace)
        : t_(t), imp_(imp), trace_(std::move(trace)) {
        for (std::size_t i = 0; i < t.modules.size(); ++i) {
            Module m;
            m.entry = t.modules[i];
            m.endpoint.polling = polling[i];
            m.latest.content = m.identityIsIdle() ? kIdle : kIdentity;
            m.content = m.latest.content;
            if (m.entry.foreign != Foreign::None) {
                m.device = m.entry.device;
                if (m.device >= static_cast<int>(devices_.size())) {
                    devices_.push_back({m.entry.foreign, m.endpoint, {}, {}, {}, true});
                    devices_.back().lamps.assign(4, false);
                }
                devices_[static_cast<std::size_t>(m.device)].teams.push_back(i);
            }
            modules_.push_back(m);
        }
        rf_ = t.modules.size() == 1 && t.modules[0].model == 712;
        classic_ = t.board == Board::Classic;
        if (classic_) {
            for (int team = 0; team < 3; ++team) {
                rowCaptions_.push_back(teamName(team));
            }
        } else {
            for (int s : servedSlots(t)) {
                rowCaptions_.push_back(teamName(s - 1));
            }
        }
        rows_.assign(rowCaptions_.size(), Mark::Plain);
        scores_.assign(rowCaptions_.size(), false);
        porttimer_.interval = classic_ ? 2 : 10;
        soundtimer_.interval = 800;
        blinkTimer_.interval = 500;
        delayTimer_.interval = 200;
        enumeration_.interval = 1000;
        start(enumeration_);
        startupBroadcasts();
    }

    Outcome run() {
        std::size_t next = 0;
        for (std::int64_t ms = 1; ms * 1000 <= t_.endUs && !ended_; ++ms) {
            msNow_ = ms - 1;
            usbUntil(ms * 1000, true);
            msNow_ = ms;
            runTimers(ms);
            events();
            while (next < t_.steps.size() && t_.steps[next].us <= ms * 1000) {
                const Step& s = t_.steps[next++];
                if (s.act != Act::Press && !ended_) {
                    operatorAction(s);
                    events();
                }
            }
        }
        outcome_.sights.push_back(sight());
        if (!frozen_) {
            for (Module& m : modules_) {
                outcome_.commands.push_back(m.commands);
            }
        }
        return outcome_;
    }

  private:
    // ---- time and the bus ----
    enum class Happening { Press, Delivery, ButtonDown, ButtonUp, DeviceReport };
    struct Due {
        Happening kind;
        std::size_t module;  // a device's index for its report
        int content;         // a press: team * 10 + player; a device report: the button that
                             // went down (module * 10 + player) or kIdle
        int armCount;
    };

    void startupBroadcasts() {
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
            due_.emplace(std::make_pair(s.us, seq_++),
                         Due{Happening::ButtonDown, module, s.player, 0});
            due_.emplace(std::make_pair(s.us + s.holdUs, seq_++),
                         Due{Happening::ButtonUp, module, s.player, 0});
        }
    }

    void usbUntil(std::int64_t to, bool hooks) {
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
    bool receive(Module& m, int content, int armCount) {
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
    void deviceButton(std::size_t module, int player, bool down) {
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
    bool deviceReport(Device& d, int edge) {
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

    void buttonPressed(Module& m, int press) {
        const bool latches = m.plugged && m.armed && !m.latched;
        tellPress(m, press / 10, press % 10, latches ? " (latched)" : "");
        if (!latches) {
            return;
        }
        m.latched = press;
        setContent(m, press);
    }

    void setContent(Module& m, int content) {
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
    std::int64_t nextPoll(Endpoint& e) const {
        const UsbPolling& p = e.polling;
        const std::int64_t earliest = std::max(usNow_, e.lastPoll + p.interval);
        std::int64_t k = (earliest - p.phase + p.interval - 1) / p.interval;
        k = std::max<std::int64_t>(k, 0);
        e.lastPoll = p.phase + k * p.interval;
        return e.lastPoll;
    }
    // One report on the module's endpoint.
    void send(Module& m, int content) {
        const auto index = static_cast<std::size_t>(&m - modules_.data());
        due_.emplace(std::make_pair(nextPoll(m.endpoint), seq_++),
                     Due{Happening::Delivery, index, content, m.armCount});
    }

    // One output report: the console waits a frame, the module acts at its end. A foreign
    // team's firmware acts at once; only a change of a Buzz! dongle's lamps is written.
    void write(std::size_t index, int command) {
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
    void received(Module& m, int command, std::int64_t at) {
        m.commands.push_back(command);
        tell(at, commandLine(static_cast<int>(&m - modules_.data()) + 1, command));
    }
    void foreignCommand(Module& m, int command) {
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
    void sendAll(int command) {
        for (std::size_t i = 0; i < modules_.size(); ++i) {
            write(i, command);
        }
    }
    void sendTo(int position, int command) {
        if (position >= 1 && position <= static_cast<int>(modules_.size())) {
            write(static_cast<std::size_t>(position - 1), command);
        }
    }

    // ---- timers on the millisecond clock ----
    void start(Timer& timer) {
        if (&timer == &porttimer_) {
            deaf_ = false;
        }
        if (!timer.on) {
            timer.on = true;
            timer.due = msNow_ + timer.interval;
            timer.order = order_++;
        }
    }
    void restart(Timer& timer) {
        timer.on = false;
        start(timer);
    }
    void runTimers(std::int64_t to) {
        Timer* all[] = {&enumeration_, &delayTimer_, &porttimer_, &soundtimer_, &blinkTimer_};
        for (;;) {
            Timer* next = nullptr;
            for (Timer* timer : all) {
                if (timer->on && timer->due <= to &&
                    (!next || timer->due < next->due ||
                     (timer->due == next->due && timer->order < next->order))) {
                    next = timer;
                }
            }
            if (!next || ended_) {
                return;
            }
            next->due += next->interval;
            next->order = order_++;
            if (next == &porttimer_) {
                pollingTick();
            } else if (next == &soundtimer_) {
                soundTick();
            } else if (next == &blinkTimer_) {
                blinkTick();
            } else if (next == &delayTimer_) {
                delayTimer_.on = false;
            } else {
                enumerationTick();
            }
        }
    }

    // The console's event loop: reports that arrived are looked at once it gets round.
    void events() {
        if (unplugNoticed_) {
            removal();
            return;
        }
        if (!wakePending_) {
            return;
        }
        wakePending_ = false;
        if (!imp_.earlierPressWins) {
            return;  // the plain rules look only at the polling tick
        }
        for (int checks = 0; checks < 64 && porttimer_.on && !settling() && arrivalsWaiting();
             ++checks) {
            check();
            take();
        }
    }
    bool arrivalsWaiting() const {
        return std::any_of(modules_.begin(), modules_.end(),
                           [](const Module& m) { return !m.queue.empty(); });
    }

    // ---- polling ----
    bool settling() const { return rf_ && delayTimer_.on; }

    void pollingTick() {
        check();
        if (settling()) {
            if (classic_) {
                sendAll(kLock);
                sendAll(kArm);
                check();
            }
            return;
        }
        take();
    }

    // A report read again is the module's latest word: its press counts until it is taken,
    // unless the operator armed the module after it was sent. A re-arm of the engine's own
    // (a refusal, the sound tick) clears the module's latch, but a press that reached the
    // console before is a press of this question all the same. The re-arms of the RF
    // settling window are there to wipe what came.
    static bool showsPress(const Module& m, const Report& r, bool fresh) {
        return r.content >= 0 && !r.taken &&
               (fresh || r.armCount >= std::max(m.questionArm, m.wipedArm));
    }

    void check() {
        responder_.reset();
        std::optional<std::int64_t> limit;
        if (imp_.earlierPressWins) {
            // Reports that arrived at the same instant are read together, the rest wait.
            for (const Module& m : modules_) {
                if (!m.queue.empty()) {
                    limit = limit ? std::min(*limit, queueTime(m)) : queueTime(m);
                }
            }
            if (limit) {
                *limit += kTogetherUs;
            }
        }
        for (std::size_t i = 0; i < modules_.size(); ++i) {
            Module& m = modules_[i];
            if (!m.plugged) {
                unplugNoticed_ = true;
                continue;
            }
            bool fresh = false;
            Report r = m.latest;
            const auto readOne = [&] {
                if (!m.queue.empty() && (!imp_.earlierPressWins || queueTime(m) <= *limit)) {
                    r = m.queue.front();
                    m.queue.pop_front();
                    m.latest = r;
                    fresh = true;
                    return true;
                }
                return false;
            };
            readOne();
            if (imp_.earlierPressWins) {
                while (!showsPress(m, r, fresh) && readOne()) {
                }
            }
            const int position = static_cast<int>(i) + 1;
            if (showsPress(m, r, fresh) && position != excluded_ && !responder_) {
                tell(usNow_, takeLine(position, r.at));
                responder_ = r.content;
                respondingModule_ = position;
                m.latest.taken = true;
            }
        }
    }
    static std::int64_t queueTime(const Module& m) { return m.queue.front().at; }

    void take() {
        if (!responder_) {
            return;
        }
        buzzIn(*responder_ / 10 - 1, *responder_ % 10);
        if (!porttimer_.on) {
            forgetQueued();
            deaf_ = imp_.noReplayAfterArm;
            for (Module& m : modules_) {
                m.deafUpTo = m.armCount;
            }
        }
    }
    // The improvement: reports that came behind a taken press, or before an arm, never
    // count after it.
    void forgetQueued() {
        for (Module& m : modules_) {
            forgetQueued(m);
        }
    }
    void forgetQueued(Module& m) const {
        if (!imp_.noReplayAfterArm) {
            return;
        }
        if (!m.queue.empty()) {
            m.latest = m.queue.back();
            m.queue.clear();
        }
        m.latest.taken = true;  // read with the taken press or not, it counts no more
    }
    // The operator's arm: each module forgets, as its arm goes out, what it sent before,
    // including a press still on its way then.
    void fullArm() {
        for (std::size_t i = 0; i < modules_.size(); ++i) {
            forgetQueued(modules_[i]);
            // What the module latched until this arm reaches it is from before, also a press
            // that arrives while the arm is still on the bus.
            const int before = modules_[i].armCount;
            modules_[i].questionArm = before + 1;
            write(i, kArm);
            if (modules_[i].armCount == before) {
                modules_[i].questionArm = before;  // unplugged: the arm never came
            }
        }
    }
    bool fromBeforeQuestion(const Module& m, int content, int armCount) const {
        return imp_.noReplayAfterArm && content >= 0 && armCount < m.questionArm;
    }

    // ---- buzz-in ----
    void mark(const std::string& name, Mark color, bool scoreGreen) {
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            if (rowCaptions_[r] == name) {
                rows_[r] = color;
                if (scoreGreen) {
                    scores_[r] = true;
                }
            }
        }
    }
    bool orange(const std::string& name) const {
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            if (rowCaptions_[r] == name && rows_[r] == Mark::Orange) {
                return true;
            }
        }
        return false;
    }
    void refuse() {
        sendAll(kLock);
        sendAll(kArm);
    }

    void buzzIn(int team, int player) {
        usbwired(team, player);
        tellSight();
    }
    void usbwired(int team, int player) {
        const std::string tn = teamName(team);
        if (classic_ && orange(tn)) {
            refuse();
            return;
        }
        if (t_.secondPlace) {
            if (firstTaken_) {
                held_ = team * 10 + player;
                heldModule_ = respondingModule_;
                heldPlayer_ = player;
                waiting_ = true;
                blinkLit_ = false;
                start(blinkTimer_);
                porttimer_.on = false;
                mark(tn, Mark::Yellow, false);
                return;
            }
            firstTaken_ = true;
            mark(tn, Mark::Orange, !classic_);
        } else if (!classic_) {
            if (orange(tn)) {
                refuse();
                return;
            }
            mark(tn, Mark::Red, true);
        }
        teamCaption_ = tn;
        nameCaption_ = playerName(team, player);
        if (classic_) {
            for (std::size_t r = 0; r < rows_.size(); ++r) {
                scores_[r] = scores_[r] || rowCaptions_[r] == teamCaption_;
            }
        }
        if (!t_.secondPlace) {
            porttimer_.on = false;
            sendAll(kLock);
        }
        sendTo(respondingModule_, kLight);
        sendTo(respondingModule_, kBuzz);  // the module speakers are on
        soundtimer_.on = false;            // the sound of this buzz lasts its 800 ms
        start(soundtimer_);
        rearmed_ = false;
        excluded_ = respondingModule_;
    }
    // ---- the other ticks ----
    void soundTick() {
        if (!rearmed_) {
            sendAll(kSoundOff);
        }
        soundtimer_.on = false;
        // After an arm the sound's question is over: the tick re-arms nobody.
        if (t_.secondPlace && !rearmed_) {
            for (int i = 1; i <= static_cast<int>(modules_.size()); ++i) {
                if (i != respondingModule_) {
                    sendTo(i, kArm);
                }
            }
        }
    }
    void blinkTick() {
        if (blinkLit_) {
            sendTo(heldModule_, kLock);
            blinkLit_ = false;
        } else {
            sendTo(heldModule_, heldPlayer_);
            blinkLit_ = true;
        }
    }
    void enumerationTick() {
        if (std::any_of(modules_.begin(), modules_.end(),
                        [](const Module& m) { return !m.plugged; })) {
            unplugNoticed_ = true;
        }
    }
    void removal() {
        // After start-up a removal saves the menu choices once and ends the program.
        outcome_.rescueSaves = 1;
        outcome_.ended = true;
        ended_ = true;
    }

    // ---- the operator ----
    void operatorAction(const Step& s) {
        outcome_.sights.push_back(sight());
        tell(s.us, actionLine(s));
        act(s);
        tellSight();
    }
    void act(const Step& s) {
        switch (s.act) {
            case Act::Space:
                spacekey();
                break;
            case Act::LeftClick:
            case Act::RightClick:
                resetClick(s.act == Act::LeftClick);
                break;
            case Act::Score:
                pointsAwarded_ = true;
                break;
            case Act::Unplug: {
                commandsAtUnplug();
                Module& m = modules_[static_cast<std::size_t>(s.module)];
                m.plugged = false;
                if (m.device >= 0) {
                    Device& d = devices_[static_cast<std::size_t>(m.device)];
                    d.plugged = false;
                    for (std::size_t team : d.teams) {
                        modules_[team].plugged = false;
                    }
                }
                break;
            }
            case Act::Press:
                break;
        }
    }
    void commandsAtUnplug() {
        frozen_ = true;
        for (Module& m : modules_) {
            outcome_.commands.push_back(m.commands);
        }
    }

    void clearMarks() {
        nameCaption_.clear();
        teamCaption_.clear();
        std::fill(rows_.begin(), rows_.end(), Mark::Plain);
        std::fill(scores_.begin(), scores_.end(), false);
    }
    bool handOverDue() const { return waiting_ && !pointsAwarded_ && firstTaken_; }

    void spacekey() {
        clearMarks();
        start(porttimer_);
        if (handOverDue()) {
            handOver();
            return;
        }
        firstTaken_ = false;
        blinkTimer_.on = false;
        rearmed_ = true;
        fullArm();
        excluded_ = 0;
        pointsAwarded_ = false;
        waiting_ = false;
        restart(delayTimer_);
    }

    void resetClick(bool left) {
        if (left) {
            clearMarks();
        } else {
            for (std::size_t r = 0; r < rows_.size(); ++r) {
                const bool marks = classic_ ? rowCaptions_[r] == teamCaption_
                                            : rows_[r] == Mark::Orange || rows_[r] == Mark::Red;
                if (marks) {
                    rows_[r] = Mark::Orange;
                }
            }
            nameCaption_.clear();
            teamCaption_.clear();
            std::fill(scores_.begin(), scores_.end(), false);
        }
        if (!classic_) {
            start(porttimer_);
        }
        if (handOverDue()) {
            handOver();
            return;
        }
        firstTaken_ = false;
        blinkTimer_.on = false;
        excluded_ = 0;
        pointsAwarded_ = false;
        waiting_ = false;  // a re-arm that hands nothing over ends the wait, on every board
        restart(delayTimer_);
        rearmed_ = true;
        if (rf_) {
            nopReader();
        }
        if (classic_) {
            sendAll(kLock);
        }
        fullArm();
        start(porttimer_);
    }

    void nopReader() {
        for (int pass = 0; pass < 32; ++pass) {
            for (Module& m : modules_) {
                if (!m.queue.empty()) {
                    m.latest = m.queue.front();
                    m.queue.pop_front();
                }
            }
            if (modules_.back().latest.content < 0) {
                return;
            }
        }
    }

    void handOver() {
        waiting_ = false;
        firstTaken_ = false;
        respondingModule_ = heldModule_;
        blinkTimer_.on = false;
        sendAll(kLock);
        buzzIn(held_ / 10, held_ % 10);
    }

    // ---- the trace of a replay ----
    void tell(std::int64_t us, const std::string& line) const {
        if (trace_) {
            trace_(us, line);
        }
    }
    void tellPress(const Module& m, int team, int player, const char* how) const {
        Step s{usNow_, Act::Press, static_cast<int>(&m - modules_.data()), team, player};
        tell(usNow_, pressLine(s, how));
    }
    void tellSight() {
        const std::string now = showsLine(nameCaption_, teamCaption_, waiting_ ? heldModule_ : 0);
        if (now != shown_) {
            shown_ = now;
            tell(usNow_, now);
        }
    }

    Sight sight() const {
        Sight s;
        s.name = nameCaption_;
        s.team = teamCaption_;
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            static constexpr char kLetters[] = {'.', 'O', 'Y', 'R'};
            s.rows += kLetters[static_cast<int>(rows_[r])];
            s.scores += scores_[r] ? 'G' : '.';
        }
        s.secondWaiting = waiting_;
        return s;
    }

    const Timeline& t_;
    Improvements imp_;
    TraceSink trace_;
    std::string shown_ = showsLine({}, {}, 0);
    std::vector<Module> modules_;
    std::vector<Device> devices_;
    bool rf_ = false;
    bool classic_ = true;
    std::vector<std::string> rowCaptions_;
    std::vector<Mark> rows_;
    std::vector<bool> scores_;
    std::string nameCaption_, teamCaption_;

    std::map<std::pair<std::int64_t, std::uint64_t>, Due> due_;
    std::uint64_t seq_ = 0;
    std::int64_t usNow_ = 0;
    std::int64_t msNow_ = 0;
    std::uint64_t order_ = 0;
    Timer porttimer_, soundtimer_, blinkTimer_, delayTimer_, enumeration_;
    bool wakePending_ = false;
    // The improvement: while polling stands after a taken press, what arrives only updates
    // the module's latest report and is never read as news.
    bool deaf_ = false;

    std::optional<int> responder_;
    int respondingModule_ = 0;
    int excluded_ = 0;
    bool firstTaken_ = false;
    bool waiting_ = false;
    int held_ = 0, heldModule_ = 0, heldPlayer_ = 0;
    bool blinkLit_ = false;
    bool rearmed_ = true;
    bool pointsAwarded_ = false;
    bool unplugNoticed_ = false;
    bool ended_ = false;
    bool frozen_ = false;
    Outcome outcome_;
};

}  // namespace

Outcome runModel(const Timeline& timeline, const std::vector<UsbPolling>& polling,
                 Improvements improvements, TraceSink trace) {
    return Model(timeline, polling, improvements, std::move(trace)).run();
}

}  // namespace rules
