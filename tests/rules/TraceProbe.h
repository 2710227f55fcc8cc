#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "EngineRun.h"
#include "TraceLines.h"

namespace rules {

// Tells the console's run as it goes (printed unless told otherwise): presses and whether a
// module latched them, operator actions, commands as modules receive them, and each change
// of what the operator sees.
class TraceProbe final : public Probe {
  public:
    explicit TraceProbe(TraceSink sink = printTraceLine) : sink_(std::move(sink)) {}

    void pressed(const Step& s, bool latched, const ConsoleView& c) override {
        sink_(s.us, pressLine(s, latched ? " (latched)" : s.holdUs != 0 ? " (held)" : ""));
        ran(c);
    }
    void acted(const Step& s, const ConsoleView& c) override {
        sink_(s.us, actionLine(s));
        ran(c);
    }
    void ran(const ConsoleView& c) override {
        commands_.resize(static_cast<std::size_t>(c.commands.size()));
        for (int i = 0; i < c.commands.size(); ++i) {
            const auto& all = c.commands.timed(i);
            std::size_t& seen = commands_[static_cast<std::size_t>(i)];
            seen = std::min(seen, all.size());
            for (; seen < all.size(); ++seen) {
                sink_(std::chrono::duration_cast<std::chrono::microseconds>(all[seen].at).count(),
                      commandLine(i + 1, all[seen].code));
            }
        }
        const auto taken = std::make_pair(c.state.respondingModule, c.state.responderArrival);
        if (taken != taken_) {
            taken_ = taken;
            sink_(c.us, takeLine(taken.first, taken.second / 1000));
        }
        const std::string now =
            showsLine(c.board.name.toStdString(), c.board.team.toStdString(),
                      c.state.secondResponderWaiting ? c.state.secondResponderModule : 0);
        if (now != shown_) {
            shown_ = now;
            sink_(c.us, now);
        }
    }

  private:
    TraceSink sink_;
    std::vector<std::size_t> commands_;
    std::string shown_;
    std::pair<int, std::int64_t> taken_{0, 0};
};

}  // namespace rules
