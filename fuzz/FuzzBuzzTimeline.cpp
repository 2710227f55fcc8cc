// The buzz-in core on byte-coded timelines: the real engine, module link, HID agent and
// virtual modules with USB timing. Whatever happens, a press counts at most once, a
// responder pressed after their module's last arm by the operator, a team the operator
// marked ineligible is never shown, and only the operator's click awards points.
//
// Input: one byte of settings (board, second place, RF, module count), one byte per module
// (model and team slot), then four bytes per step: time step (below 128: 50 us units,
// presses close together; else 10 ms units), what (press, space, left or right click on
// NameLabel, score click, unplug), module, button. Settings with bits 2 and 3 both set
// bring other makers' buzzers instead of the RF interface: up to 7 modules (bits 4-6), then
// one byte for 1 to 3 Buzz! dongles (one team or four) and game controllers; a press on one
// holds its button for 25 ms times bits 3-5 of what.
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "EngineRun.h"
#include "FuzzCheck.h"
#include "TraceProbe.h"

namespace {

using rules::Act;

rules::Timeline decode(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    const auto next = [&] { return at < size ? data[at++] : std::uint8_t{0}; };
    rules::Timeline t;
    const std::uint8_t settings = next();
    t.board = (settings & 1) != 0 ? rules::Board::Leader : rules::Board::Classic;
    t.secondPlace = (settings & 2) != 0;
    const bool foreign = (settings & 12) == 12;
    if ((settings & 4) != 0 && !foreign) {
        t.modules.push_back({712, 1});
    } else {
        const int count = foreign ? (settings >> 4) % 8 : 1 + (settings >> 3) % 10;
        static constexpr int kModels[] = {4097, 272, 2012, 512};
        for (int i = 0; i < count; ++i) {
            const std::uint8_t b = next();
            const int model = kModels[b % 4];
            const bool pair = model == 2012 || model == 512;
            t.modules.push_back({model, pair ? 1 + 2 * ((b >> 2) % 3) : 1 + (b >> 2) % 7});
        }
    }
    if (foreign) {
        const std::uint8_t kinds = next();
        static constexpr rules::Foreign kKinds[] = {
            rules::Foreign::Buzz, rules::Foreign::BuzzHandset, rules::Foreign::GameController,
            rules::Foreign::GameController};
        for (int d = 0; d < 1 + kinds % 3; ++d) {
            rules::ModuleEntry e;
            e.foreign = kKinds[(kinds >> (2 + 2 * d)) & 3];
            e.device = d;
            for (int h = 0; h < (e.foreign == rules::Foreign::BuzzHandset ? 4 : 1); ++h) {
                e.handset = h;
                t.modules.push_back(e);
            }
        }
        rules::giveForeignSlots(t.modules);
    }
    std::int64_t now = 3000;
    t.steps.push_back({now, Act::Space});
    for (int steps = 0; steps < 48 && at + 4 <= size; ++steps) {
        const std::uint8_t delay = next();
        const std::uint8_t what = next();
        const std::uint8_t module = next();
        const std::uint8_t button = next();
        now += delay < 128 ? 50 * delay : 10000 * (delay - 127);
        rules::Step s;
        s.module = module % static_cast<int>(t.modules.size());
        const std::vector<int> served = rules::servedSlots(t.modules[s.module]);
        s.team = served[button % served.size()];
        s.player = 1 + (button >> 4) % rules::playersOf(t.modules[s.module]);
        static constexpr Act kActs[] = {Act::Press, Act::Press,     Act::Press,      Act::Press,
                                        Act::Space, Act::LeftClick, Act::RightClick, Act::Score};
        s.act = what == 255 ? Act::Unplug : kActs[what % 8];
        if (t.modules[s.module].foreign != rules::Foreign::None) {
            s.holdUs = 25000 * ((what >> 3) % 8);
        }
        if (s.act != Act::Press) {
            now = (now + 999) / 1000 * 1000;  // the operator acts on whole milliseconds
        }
        s.us = now;
        t.steps.push_back(s);
        if (s.act == Act::Unplug) {
            break;
        }
    }
    t.endUs = now + 1500000;
    return t;
}

// A press a module latched, and whether the console has taken it.
struct Latch {
    int module = 0;
    int team = 0;
    int player = 0;
    std::size_t commandsBefore = 0;  // what the module had received when it latched
    bool counted = false;
};

class Invariants final : public rules::Probe {
  public:
    explicit Invariants(const rules::Timeline& t)
        : t_(t), lastArm_(t.modules.size(), 0), seenCommands_(t.modules.size(), 0) {}

    void pressed(const rules::Step& s, bool latched, const rules::ConsoleView& c) override {
        if (latched) {
            latches_.push_back(
                {s.module + 1, s.team, s.player, c.commands.timed(s.module).size(), false});
        }
    }

    void acted(const rules::Step& s, const rules::ConsoleView& c) override {
        if (s.act == Act::Space || s.act == Act::LeftClick || s.act == Act::RightClick) {
            // The operator's arm: a module's presses count from its 125 of this arm on.
            for (std::size_t m = 0; m < lastArm_.size(); ++m) {
                const std::vector<int> sent = c.commands.of(static_cast<int>(m));
                for (std::size_t i = seenCommands_[m]; i < sent.size(); ++i) {
                    if (sent[i] == 125) {
                        lastArm_[m] = i + 1;
                    }
                }
            }
            if (s.act == Act::RightClick && refusesOrange()) {
                // A click that handed over shows the held team, orange as it answers now.
                for (const auto& row : c.board.rows) {
                    if (row.color == ui::colors::orange && row.caption != c.board.team) {
                        refused_.push_back(row.caption.toStdString());
                    }
                }
            } else if (s.act != Act::RightClick) {
                refused_.clear();
            }
            if (!c.state.pointsAwarded) {
                scored_ = false;
            }
        }
        scored_ = scored_ || s.act == Act::Score;
        ran(c);
    }

    void ran(const rules::ConsoleView& c) override {
        FUZZ_CHECK(!c.state.pointsAwarded || scored_);  // points only by the operator
        const std::string name = c.board.name.toStdString();
        if (!name.empty() && name != name_) {
            const bool replay = c.action != nullptr && name == heldName_;
            if (!replay) {
                take(name, c.state.respondingModule);  // seen as the name is shown
            }
            FUZZ_CHECK(!refusesOrange() || std::find(refused_.begin(), refused_.end(),
                                                     c.board.team.toStdString()) == refused_.end());
        }
        if (c.state.secondResponderWaiting && !waiting_) {
            // The held press: its player's name is what a hand-over shows.
            const int module = c.state.secondResponderModule;
            const Latch* held = take(heldName(c), module);
            heldName_ = held ? playerName(held->team, held->player) : std::string{};
        }
        name_ = name;
        waiting_ = c.state.secondResponderWaiting;
        for (std::size_t m = 0; m < seenCommands_.size(); ++m) {
            seenCommands_[m] = c.commands.timed(static_cast<int>(m)).size();
        }
    }

  private:
    bool refusesOrange() const { return t_.board == rules::Board::Classic || !t_.secondPlace; }

    static std::string playerName(int team, int player) {
        return "P" + std::to_string(team - 1) + "-" + std::to_string(player);
    }

    // The press the console took for a responder of this name (the module's latest press
    // when the name is not known): someone pressed it, it was not counted before, and it
    // came after the module's last arm by the operator.
    const Latch* take(const std::string& name, int module) {
        Latch* found = nullptr;
        for (Latch& l : latches_) {
            if (l.module == module && (name.empty() || playerName(l.team, l.player) == name)) {
                found = &l;
            }
        }
        FUZZ_CHECK(found != nullptr);
        FUZZ_CHECK(!found->counted);
        FUZZ_CHECK(found->commandsBefore >= lastArm_[static_cast<std::size_t>(module - 1)]);
        found->counted = true;
        return found;
    }

    // The held second responder by the team its yellow row shows, when it has one. A yellow
    // row can be left from an earlier question (a right click keeps it), of a team the held
    // module serves too: a row whose team has an uncounted press of that player on the
    // module since its last arm is the held one.
    std::string heldName(const rules::ConsoleView& c) const {
        const int module = c.state.secondResponderModule;
        if (module < 1 || module > static_cast<int>(t_.modules.size())) {
            return {};
        }
        const std::vector<int> served =
            rules::servedSlots(t_.modules[static_cast<std::size_t>(module - 1)]);
        const int player = c.state.secondResponderPlayer;
        std::string yellow;
        for (const auto& row : c.board.rows) {
            const int team = row.caption.mid(5).toInt() + 1;  // "Team N"
            if (row.color != ui::colors::yellow ||
                std::find(served.begin(), served.end(), team) == served.end()) {
                continue;
            }
            if (std::any_of(latches_.begin(), latches_.end(), [&](const Latch& l) {
                    return l.module == module && l.team == team && l.player == player &&
                           !l.counted &&
                           l.commandsBefore >= lastArm_[static_cast<std::size_t>(module - 1)];
                })) {
                return playerName(team, player);
            }
            if (yellow.empty()) {
                yellow = playerName(team, player);
            }
        }
        return yellow;
    }

    const rules::Timeline& t_;
    std::vector<Latch> latches_;
    std::vector<std::size_t> lastArm_;
    std::vector<std::size_t> seenCommands_;
    std::vector<std::string> refused_;
    std::string name_;
    std::string heldName_;
    bool waiting_ = false;
    bool scored_ = false;
};

// The trace printed before the checks see each event, so a broken check ends the trace.
class Traced final : public rules::Probe {
  public:
    Traced(rules::Probe& trace, rules::Probe& checks) : trace_(trace), checks_(checks) {}
    void pressed(const rules::Step& s, bool latched, const rules::ConsoleView& c) override {
        trace_.pressed(s, latched, c);
        std::fflush(stdout);
        checks_.pressed(s, latched, c);
    }
    void acted(const rules::Step& s, const rules::ConsoleView& c) override {
        trace_.acted(s, c);
        std::fflush(stdout);
        checks_.acted(s, c);
    }
    void ran(const rules::ConsoleView& c) override {
        trace_.ran(c);
        std::fflush(stdout);
        checks_.ran(c);
    }

  private:
    rules::Probe& trace_;
    rules::Probe& checks_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_buzz_timeline";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const rules::Timeline t = decode(data, size);
    Invariants invariants(t);
    if (std::getenv("QVX_FUZZ_TRACE") != nullptr) {  // what a finding did, up to a broken check
        std::printf("%s", rules::describe(t).c_str());
        rules::TraceProbe trace;
        Traced traced(trace, invariants);
        rules::runEngine(t, &traced);
        return 0;
    }
    rules::runEngine(t, &invariants);
    return 0;
}
