#include "Timeline.h"

#include <algorithm>
#include <random>
#include <sstream>

namespace rules {

std::vector<int> servedSlots(const ModuleEntry& module) {
    switch (module.model) {
        case 712:
            return {1, 2};  // transmitters 1..10: the two teams an RF code maps plainly
        case 2012:
        case 512:
            return {module.firstSlot, module.firstSlot + 1};
        default:
            return {module.firstSlot};
    }
}

std::vector<int> servedSlots(const Timeline& timeline) {
    std::vector<int> served;
    for (const ModuleEntry& m : timeline.modules) {
        for (int s : servedSlots(m)) {
            served.push_back(s);
        }
    }
    std::sort(served.begin(), served.end());
    served.erase(std::unique(served.begin(), served.end()), served.end());
    return served;
}

int playersOf(const ModuleEntry& module) {
    switch (module.foreign) {
        case Foreign::Buzz:
            return 4;
        case Foreign::BuzzHandset:
            return 1;
        case Foreign::GameController:
            return 5;
        case Foreign::None:
            break;
    }
    return module.model == 2012 ? 4 : 5;  // a two-team interface of model 2012: four a team
}

int buttonOf(const ModuleEntry& module, int player) {
    constexpr int kButtonsPerHandset = 5;  // the red buzz button first
    switch (module.foreign) {
        case Foreign::Buzz:
            return kButtonsPerHandset * (player - 1) + 1;
        case Foreign::BuzzHandset:
            return kButtonsPerHandset * module.handset + 1;
        default:
            return player;
    }
}

void giveForeignSlots(std::vector<ModuleEntry>& modules) {
    constexpr int kOneTeamSlots = 8;
    std::vector<bool> served(11, false);
    for (ModuleEntry& m : modules) {
        if (m.foreign != Foreign::None) {
            m.firstSlot = kOneTeamSlots;
            for (int slot = 1; slot <= kOneTeamSlots; ++slot) {
                if (!served[static_cast<std::size_t>(slot)]) {
                    m.firstSlot = slot;
                    break;
                }
            }
        }
        // An RF interface holds slots 1..4, though its transmitters 1..10 reach two teams.
        const std::vector<int> slots =
            m.model == 712 ? std::vector<int>{1, 2, 3, 4} : servedSlots(m);
        for (int slot : slots) {
            served[static_cast<std::size_t>(slot)] = true;
        }
    }
}

namespace {

// Now and then Buzz! dongles (of one team or four) and game controllers after the modules,
// now and then in place of them. Drawn from a generator of their own, so that a timeline
// without them is the one its seed always gave.
void addForeignDevices(std::mt19937& random, std::vector<ModuleEntry>& modules) {
    if (modules.front().model == 712 || random() % 3 != 0) {
        return;
    }
    if (random() % 5 == 0) {
        modules.clear();
    } else if (modules.size() > 6) {
        modules.resize(6);
    }
    const int devices = 1 + static_cast<int>(random() % 3);
    for (int d = 0; d < devices; ++d) {
        ModuleEntry e;
        e.device = d;
        const unsigned kind = random() % 3;
        e.foreign = kind == 0   ? Foreign::Buzz
                    : kind == 1 ? Foreign::BuzzHandset
                                : Foreign::GameController;
        for (int h = 0; h < (e.foreign == Foreign::BuzzHandset ? 4 : 1); ++h) {
            e.handset = h;
            modules.push_back(e);
        }
    }
    giveForeignSlots(modules);
}

std::vector<ModuleEntry> randomModules(std::mt19937& random) {
    if (random() % 8 == 0) {
        return {{712, 1}};
    }
    static constexpr int kWired[] = {4097, 272, 2012, 512};
    const int count = 1 + static_cast<int>(random() % 10);
    std::vector<ModuleEntry> modules;
    for (int i = 0; i < count; ++i) {
        const int model = kWired[random() % 4];
        const bool pair = model == 2012 || model == 512;
        const int first =
            pair ? 1 + 2 * static_cast<int>(random() % 3) : 1 + static_cast<int>(random() % 7);
        modules.push_back({model, first, random() % 6 == 0});
    }
    return modules;
}

// Presses close together: at one instant, a tenth of a millisecond up to 5 ms apart.
// Another maker's button is mostly clicked, now and then held up to 400 ms (across an arm).
void addBurst(std::mt19937& random, std::mt19937& holds, const Timeline& t, std::int64_t at,
              std::vector<Step>& out) {
    const int presses = 1 + static_cast<int>(random() % 4);
    const int spacing = static_cast<int>(random() % 4);
    std::int64_t when = at;
    for (int i = 0; i < presses; ++i) {
        Step s;
        s.act = Act::Press;
        s.module = static_cast<int>(random() % t.modules.size());
        const ModuleEntry& m = t.modules[static_cast<std::size_t>(s.module)];
        const std::vector<int> slots = servedSlots(m);
        s.team = slots[random() % slots.size()];
        s.player = 1 + static_cast<int>(random() % static_cast<unsigned>(playersOf(m)));
        if (m.foreign != Foreign::None && holds() % 10 < 3) {
            s.holdUs = 1000 * (1 + static_cast<int>(holds() % 400));
        }
        s.us = when;
        out.push_back(s);
        when += spacing == 0   ? 0
                : spacing == 1 ? 100 * (1 + static_cast<int>(random() % 9))
                               : 1000 * (1 + static_cast<int>(random() % 5));
    }
}

// Now and then presses from 3 ms before the operator's arm to 3 ms after it, when a module may
// latch before the arm reaches it and its press arrive after; now and then another arm 1 to
// 15 ms later.
void addAroundTheArm(std::mt19937& around, Timeline& t, std::int64_t arm) {
    if (around() % 3 == 0) {
        addBurst(around, around, t, arm - 3000 + 100 * static_cast<int>(around() % 60), t.steps);
    }
    if (around() % 10 == 0) {
        static constexpr Act kArms[] = {Act::Space, Act::LeftClick, Act::RightClick};
        t.steps.push_back(
            {arm + 1000 * (1 + static_cast<int>(around() % 15)), kArms[around() % 3]});
    }
}

}  // namespace

Timeline randomTimeline(std::uint32_t seed, bool aroundArms) {
    std::mt19937 random(seed);
    std::mt19937 foreign(seed ^ 0x5bd1e995u);
    // Presses around the operator's arms, and arms in quick succession, come from a third
    // generator: without them every timeline is what its seed gave before they came.
    std::mt19937 around(seed ^ 0x9e3779b9u);
    Timeline t;
    t.seed = seed;
    t.board = random() % 2 == 0 ? Board::Classic : Board::Leader;
    t.secondPlace = random() % 2 == 0;
    t.modules = randomModules(random);
    addForeignDevices(foreign, t.modules);
    std::int64_t now = 3000;
    t.steps.push_back({now, Act::Space});
    const int questions = 2 + static_cast<int>(random() % 5);
    for (int q = 0; q < questions; ++q) {
        const int bursts = static_cast<int>(random() % 4);
        std::int64_t last = now;
        for (int b = 0; b < bursts; ++b) {
            // Now and then right on the 200 ms settling edge or the 800 ms sound tick.
            const int r = static_cast<int>(random() % 10);
            std::int64_t at = last + 1000 * (20 + static_cast<int>(random() % 400)) +
                              static_cast<int>(random() % 1000);
            if (r == 0) {
                at = now + 200000 + static_cast<int>(random() % 20000);
            } else if (r == 1) {
                at = last + 800000 + static_cast<int>(random() % 12000);
            }
            addBurst(random, foreign, t, std::max(at, last), t.steps);
            last = t.steps.back().us;
        }
        if (random() % 3 == 0) {
            last += 1000 * (60 + static_cast<int>(random() % 100));
            t.steps.push_back({last / 1000 * 1000, Act::Score});
        }
        now = (last / 1000 + 60 + static_cast<int>(random() % 900)) * 1000;
        static constexpr Act kArms[] = {Act::Space, Act::Space, Act::LeftClick, Act::RightClick};
        t.steps.push_back({now, kArms[random() % 4]});
        if (aroundArms) {
            addAroundTheArm(around, t, now);
        }
    }
    now += 1000 * (60 + static_cast<int>(random() % 300));
    if (random() % 4 == 0) {
        Step s{now, Act::Unplug};
        s.module = static_cast<int>(random() % t.modules.size());
        t.steps.push_back(s);
        now += 1500000;  // long enough for the removal to be noticed
    }
    std::stable_sort(t.steps.begin(), t.steps.end(),
                     [](const Step& a, const Step& b) { return a.us < b.us; });
    t.endUs = now + 1000;
    return t;
}

std::string describe(const Timeline& t) {
    static constexpr const char* kActs[] = {"press", "space", "left", "right", "score", "unplug"};
    std::ostringstream out;
    out << "seed " << t.seed << (t.board == Board::Classic ? " classic" : " leader")
        << (t.secondPlace ? " second-place" : "") << " modules";
    static constexpr const char* kForeign[] = {"", "buzz", "buzz-handset", "gamepad"};
    for (const ModuleEntry& m : t.modules) {
        if (m.foreign == Foreign::None) {
            out << ' ' << m.model;
        } else {
            out << ' ' << kForeign[static_cast<int>(m.foreign)] << m.device + 1;
        }
        out << ':' << m.firstSlot << (m.statusReport ? "+status" : "");
    }
    out << '\n';
    for (const Step& s : t.steps) {
        out << "  " << s.us << "us " << kActs[static_cast<int>(s.act)];
        if (s.act == Act::Press) {
            out << " module " << s.module + 1 << " team " << s.team << " player " << s.player;
            if (s.holdUs != 0) {
                out << " held " << s.holdUs << "us";
            }
        } else if (s.act == Act::Unplug) {
            out << " module " << s.module + 1;
        }
        out << '\n';
    }
    return out.str();
}

}  // namespace rules
