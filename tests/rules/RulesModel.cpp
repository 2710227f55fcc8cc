// A plain program of the buzz-in rules, written from the operator's manual alone: nothing
// here is shared with the console's engine or module link. This file has the console's
// rules; RulesModelBus.cpp the modules and the bus.
#include <algorithm>
#include <string>
#include <utility>

#include "RulesModelParts.h"

namespace rules {
namespace plain {
namespace {

std::string teamName(int team) {
    return "Team " + std::to_string(team);
}
std::string playerName(int team, int player) {
    return "P" + std::to_string(team) + "-" + std::to_string(player);
}

}  // namespace

Model::Model(const Timeline& t, const std::vector<UsbPolling>& polling, Improvements imp,
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

Outcome Model::run() {
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

// ---- timers on the millisecond clock ----

void Model::start(Timer& timer) {
    if (&timer == &porttimer_) {
        deaf_ = false;
    }
    if (!timer.on) {
        timer.on = true;
        timer.due = msNow_ + timer.interval;
        timer.order = order_++;
    }
}

void Model::restart(Timer& timer) {
    timer.on = false;
    start(timer);
}

void Model::runTimers(std::int64_t to) {
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
void Model::events() {
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

bool Model::arrivalsWaiting() const {
    return std::any_of(modules_.begin(), modules_.end(),
                       [](const Module& m) { return !m.queue.empty(); });
}

void Model::pollingTick() {
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

// ---- polling ----

// A report read again is the module's latest word: its press counts until it is taken,
// unless the operator armed the module after it was sent. A re-arm of the engine's own
// (a refusal, the sound tick) clears the module's latch, but a press that reached the
// console before is a press of this question all the same. The re-arms of the RF
// settling window are there to wipe what came.
bool Model::showsPress(const Module& m, const Report& r, bool fresh) {
    return r.content >= 0 && !r.taken &&
           (fresh || r.armCount >= std::max(m.questionArm, m.wipedArm));
}

void Model::check() {
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

void Model::take() {
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
void Model::forgetQueued() {
    for (Module& m : modules_) {
        forgetQueued(m);
    }
}

void Model::forgetQueued(Module& m) const {
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
void Model::fullArm() {
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

bool Model::fromBeforeQuestion(const Module& m, int content, int armCount) const {
    return imp_.noReplayAfterArm && content >= 0 && armCount < m.questionArm;
}

// ---- buzz-in ----

void Model::mark(const std::string& name, Mark color, bool scoreGreen) {
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (rowCaptions_[r] == name) {
            rows_[r] = color;
            if (scoreGreen) {
                scores_[r] = true;
            }
        }
    }
}

bool Model::orange(const std::string& name) const {
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (rowCaptions_[r] == name && rows_[r] == Mark::Orange) {
            return true;
        }
    }
    return false;
}

void Model::refuse() {
    sendAll(kLock);
    sendAll(kArm);
}

void Model::buzzIn(int team, int player) {
    usbwired(team, player);
    tellSight();
}

void Model::usbwired(int team, int player) {
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

void Model::soundTick() {
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

void Model::blinkTick() {
    if (blinkLit_) {
        sendTo(heldModule_, kLock);
        blinkLit_ = false;
    } else {
        sendTo(heldModule_, heldPlayer_);
        blinkLit_ = true;
    }
}

void Model::enumerationTick() {
    if (std::any_of(modules_.begin(), modules_.end(), [](const Module& m) { return !m.plugged; })) {
        unplugNoticed_ = true;
    }
}

void Model::removal() {
    // After start-up a removal saves the menu choices once and ends the program.
    outcome_.rescueSaves = 1;
    outcome_.ended = true;
    ended_ = true;
}

// ---- the operator ----

void Model::operatorAction(const Step& s) {
    outcome_.sights.push_back(sight());
    tell(s.us, actionLine(s));
    act(s);
    tellSight();
}

void Model::act(const Step& s) {
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

void Model::commandsAtUnplug() {
    frozen_ = true;
    for (Module& m : modules_) {
        outcome_.commands.push_back(m.commands);
    }
}

void Model::clearMarks() {
    nameCaption_.clear();
    teamCaption_.clear();
    std::fill(rows_.begin(), rows_.end(), Mark::Plain);
    std::fill(scores_.begin(), scores_.end(), false);
}

// A re-arm by the operator hands the floor to a held second responder, or ends the
// question: a re-arm that hands nothing over ends the wait, on every board.
bool Model::handOverOrEndQuestion() {
    if (handOverDue()) {
        handOver();
        return true;
    }
    firstTaken_ = false;
    blinkTimer_.on = false;
    excluded_ = 0;
    pointsAwarded_ = false;
    waiting_ = false;
    return false;
}

void Model::spacekey() {
    clearMarks();
    start(porttimer_);
    if (handOverOrEndQuestion()) {
        return;
    }
    rearmed_ = true;
    fullArm();
    restart(delayTimer_);
}

void Model::resetClick(bool left) {
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
    if (handOverOrEndQuestion()) {
        return;
    }
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

void Model::nopReader() {
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

void Model::handOver() {
    waiting_ = false;
    firstTaken_ = false;
    respondingModule_ = heldModule_;
    blinkTimer_.on = false;
    sendAll(kLock);
    buzzIn(held_ / 10, held_ % 10);
}

// ---- the trace of a replay ----

void Model::tell(std::int64_t us, const std::string& line) const {
    if (trace_) {
        trace_(us, line);
    }
}

void Model::tellPress(const Module& m, int team, int player, const char* how) const {
    Step s{usNow_, Act::Press, static_cast<int>(&m - modules_.data()), team, player};
    tell(usNow_, pressLine(s, how));
}

void Model::tellSight() {
    const std::string now = showsLine(nameCaption_, teamCaption_, waiting_ ? heldModule_ : 0);
    if (now != shown_) {
        shown_ = now;
        tell(usNow_, now);
    }
}

Sight Model::sight() const {
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

}  // namespace plain

Outcome runModel(const Timeline& timeline, const std::vector<UsbPolling>& polling,
                 Improvements improvements, TraceSink trace) {
    return plain::Model(timeline, polling, improvements, std::move(trace)).run();
}

}  // namespace rules
