#include "Differential.h"

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
    if (engine.outcome == model(false, false)) {
        return {};
    }
    const Outcome improved = model(true, true);
    if (engine.outcome != improved) {
        return {Difference::Unexplained, describe(t) + "console:\n" + describe(engine.outcome) +
                                             "rules with both improvements:\n" +
                                             describe(improved)};
    }
    if (engine.outcome == model(true, false)) {
        return {Difference::EarlierPressWins, {}};
    }
    if (engine.outcome == model(false, true)) {
        return {Difference::NoReplay, {}};
    }
    return {Difference::Both, {}};
}

Tally explore(std::uint32_t firstSeed, std::int64_t count) {
    Tally tally;
    for (std::int64_t i = 0; i < count; ++i) {
        const auto seed = static_cast<std::uint32_t>(firstSeed + static_cast<std::uint64_t>(i));
        const Verdict v = judge(randomTimeline(seed));
        ++tally.kinds[static_cast<std::size_t>(v.kind)];
        ++tally.runs;
        if (v.kind == Difference::Unexplained && tally.firstUnexplainedSeed < 0) {
            tally.firstUnexplainedSeed = seed;
            tally.firstReport = v.report;
        }
    }
    return tally;
}

}  // namespace rules
