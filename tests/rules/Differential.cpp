#include "Differential.h"

#include <algorithm>
#include <cstdio>

#include "EngineRun.h"
#include "RulesModel.h"

namespace rules {

const char* name(Difference kind) {
    static constexpr const char* kNames[] = {"same as the rules", "earlier press wins",
                                             "no replay after the arm", "both improvements",
                                             "UNEXPLAINED"};
    return kNames[static_cast<int>(kind)];
}

Verdict judge(const Timeline& t) {
    const EngineResult engine = runEngine(t);
    const auto model = [&](bool earlier, bool noReplay) {
        return runModel(t, engine.polling, Improvements{earlier, noReplay});
    };
    Verdict v;
    v.foreign = std::any_of(t.modules.begin(), t.modules.end(),
                            [](const ModuleEntry& m) { return m.foreign != Foreign::None; });
    v.foreignResponders = engine.foreignResponders;
    // The console has both improvements: its run must be the rules' with both. Which of
    // them made a difference is counted, so each is seen to show.
    const Outcome improved = model(true, true);
    if (engine.outcome != improved) {
        v.kind = Difference::Unexplained;
        v.report = describe(t) + "console:\n" + describe(engine.outcome) +
                   "rules with both improvements:\n" + describe(improved);
    } else if (engine.outcome == model(false, false)) {
        v.kind = Difference::None;
    } else if (engine.outcome == model(true, false)) {
        v.kind = Difference::EarlierPressWins;
    } else if (engine.outcome == model(false, true)) {
        v.kind = Difference::NoReplay;
    } else {
        v.kind = Difference::Both;
    }
    return v;
}

Tally explore(std::uint32_t firstSeed, std::int64_t count, bool aroundArms) {
    Tally tally;
    for (std::int64_t i = 0; i < count; ++i) {
        const auto seed = static_cast<std::uint32_t>(firstSeed + static_cast<std::uint64_t>(i));
        const Verdict v = judge(randomTimeline(seed, aroundArms));
        ++tally.kinds[static_cast<std::size_t>(v.kind)];
        ++tally.runs;
        if (v.foreign) {
            ++tally.foreignKinds[static_cast<std::size_t>(v.kind)];
            ++tally.foreignRuns;
            tally.foreignResponders += v.foreignResponders;
        }
        if (v.kind != Difference::Unexplained) {
            continue;
        }
        if (tally.firstUnexplainedSeed < 0) {
            tally.firstUnexplainedSeed = seed;
            tally.firstReport = v.report;
        }
        if (tally.unexplainedSeeds.size() < Tally::kMaxListedSeeds) {
            tally.unexplainedSeeds.push_back(seed);
        }
    }
    return tally;
}

std::string describe(const Tally& tally) {
    std::string out = "  kind                        all  with other buzzers\n";
    for (int k = 0; k < kDifferenceKinds; ++k) {
        char line[96];
        std::snprintf(line, sizeof line, "  %-26s %5lld %5lld\n", name(static_cast<Difference>(k)),
                      static_cast<long long>(tally.kinds[static_cast<std::size_t>(k)]),
                      static_cast<long long>(tally.foreignKinds[static_cast<std::size_t>(k)]));
        out += line;
    }
    char line[96];
    std::snprintf(line, sizeof line,
                  "  timelines %lld, with other buzzers %lld (%lld of their players shown)\n",
                  static_cast<long long>(tally.runs), static_cast<long long>(tally.foreignRuns),
                  static_cast<long long>(tally.foreignResponders));
    return out + line;
}

}  // namespace rules
