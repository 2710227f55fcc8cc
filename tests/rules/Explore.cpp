// Runs as many timelines as asked through the console and the rules:
//   rules_explore [--count N] [--seed S]     N timelines from seed S (a random seed if none)
//   rules_explore --replay S                 one timeline, printed with both outcomes and
//                                            the console's run step by step
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "Differential.h"
#include "EngineRun.h"

namespace {

// Prints the console's run as it goes: presses and whether a module latched them, operator
// actions, commands as modules receive them, and each change of what the operator sees.
class TraceProbe final : public rules::Probe {
  public:
    void pressed(const rules::Step& s, bool latched, const rules::ConsoleView& c) override {
        std::printf("%9lldus   press module %d team %d player %d%s\n", static_cast<long long>(s.us),
                    s.module + 1, s.team, s.player, latched ? " (latched)" : "");
        ran(c);
    }
    void acted(const rules::Step& s, const rules::ConsoleView& c) override {
        rules::Timeline one;
        one.steps = {s};
        const std::string line = rules::describe(one);
        std::printf("%9lldus %s", static_cast<long long>(s.us),
                    line.substr(line.find('\n') + 1).c_str());
        ran(c);
    }
    void ran(const rules::ConsoleView& c) override {
        commands_.resize(static_cast<std::size_t>(c.modules.size()));
        for (int i = 0; i < c.modules.size(); ++i) {
            const std::vector<int>& all = c.modules.module(i).commands();
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

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::int64_t count = 1000;
    std::uint32_t seed = std::random_device{}();
    bool replay = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const auto value = std::stoll(argv[i + 1]);
        if (flag == "--count") {
            count = value;
        } else if (flag == "--seed" || flag == "--replay") {
            seed = static_cast<std::uint32_t>(value);
            replay = flag == "--replay";
        } else {
            std::fprintf(stderr, "unknown option %s\n", flag.c_str());
            return 2;
        }
    }
    if (replay) {
        const rules::Verdict v = rules::judge(rules::randomTimeline(seed));
        std::printf("seed %u: %s\n%s", seed, rules::name(v.kind), v.report.c_str());
        std::printf("the console's run:\n");
        TraceProbe trace;
        rules::runEngine(rules::randomTimeline(seed), &trace);
        return v.kind == rules::Difference::Unexplained ? 1 : 0;
    }
    std::printf("%lld timelines from seed %u\n", static_cast<long long>(count), seed);
    const rules::Tally tally = rules::explore(seed, count);
    for (int k = 0; k < rules::kDifferenceKinds; ++k) {
        std::printf("  %-26s %lld\n", rules::name(static_cast<rules::Difference>(k)),
                    static_cast<long long>(tally.kinds[static_cast<std::size_t>(k)]));
    }
    if (tally.firstUnexplainedSeed >= 0) {
        std::printf("first unexplained: seed %lld (replay with --replay %lld)\n%s",
                    static_cast<long long>(tally.firstUnexplainedSeed),
                    static_cast<long long>(tally.firstUnexplainedSeed), tally.firstReport.c_str());
        return 1;
    }
    return 0;
}
