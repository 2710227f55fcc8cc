#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "EngineRun.h"

namespace rules {

// Prints the console's run as it goes: presses and whether a module latched them, operator
// actions, commands as modules receive them, and each change of what the operator sees.
class TraceProbe final : public Probe {
  public:
    void pressed(const Step& s, bool latched, const ConsoleView& c) override {
        std::printf("%9lldus   press module %d team %d player %d%s\n", static_cast<long long>(s.us),
                    s.module + 1, s.team, s.player,
                    latched         ? " (latched)"
                    : s.holdUs != 0 ? " (held)"
                                    : "");
        ran(c);
    }
    void acted(const Step& s, const ConsoleView& c) override {
        Timeline one;
        one.steps = {s};
        const std::string line = describe(one);
        std::printf("%9lldus %s", static_cast<long long>(s.us),
                    line.substr(line.find('\n') + 1).c_str());
        ran(c);
    }
    void ran(const ConsoleView& c) override {
        commands_.resize(static_cast<std::size_t>(c.commands.size()));
        for (int i = 0; i < c.commands.size(); ++i) {
            const std::vector<int> all = c.commands.of(i);
            std::size_t& seen = commands_[static_cast<std::size_t>(i)];
            seen = std::min(seen, all.size());
            for (; seen < all.size(); ++seen) {
                std::printf("%9lldus     module %d gets %d\n", static_cast<long long>(c.us), i + 1,
                            all[seen]);
            }
        }
        const std::string now =
            c.board.name.toStdString() + " | " + c.board.team.toStdString() +
            (c.state.secondResponderWaiting
                 ? " | module " + std::to_string(c.state.secondResponderModule) + " waiting"
                 : "");
        if (now != shown_) {
            shown_ = now;
            std::printf("%9lldus     shows %s\n", static_cast<long long>(c.us), now.c_str());
        }
    }

  private:
    std::vector<std::size_t> commands_;
    std::string shown_;
};

}  // namespace rules
