// Runs as many timelines as asked through the console and the rules:
//   rules_explore [--count N] [--seed S]     N timelines from seed S (a random seed if none)
//   rules_explore --replay S                 one timeline: its verdict, the console's run and
//                                            the rules' run step by step, where they part
//   --around-arms 1                          with presses around the operator's arms
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "Differential.h"
#include "EngineRun.h"
#include "RulesModel.h"
#include "TraceProbe.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::int64_t count = 1000;
    std::uint32_t seed = std::random_device{}();
    bool replay = false;
    bool aroundArms = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const auto value = std::stoll(argv[i + 1]);
        if (flag == "--count") {
            count = value;
        } else if (flag == "--around-arms") {
            aroundArms = value != 0;
        } else if (flag == "--seed" || flag == "--replay") {
            seed = static_cast<std::uint32_t>(value);
            replay = flag == "--replay";
        } else {
            std::fprintf(stderr, "unknown option %s\n", flag.c_str());
            return 2;
        }
    }
    if (replay) {
        const rules::Timeline t = rules::randomTimeline(seed, aroundArms);
        const rules::Verdict v = rules::judge(t);
        std::printf("seed %u: %s\n%s", seed, rules::name(v.kind),
                    v.report.empty() ? rules::describe(t).c_str() : v.report.c_str());
        std::printf("the console's run:\n");
        rules::TraceProbe trace;
        const rules::EngineResult console = rules::runEngine(t, &trace);
        for (std::size_t m = 0; m < console.polling.size(); ++m) {
            std::printf("module %zu's reports leave every %lldus from %lldus on\n", m + 1,
                        static_cast<long long>(console.polling[m].interval),
                        static_cast<long long>(console.polling[m].phase));
        }
        std::printf("the rules' run with both improvements:\n");
        const rules::Outcome model =
            rules::runModel(t, console.polling, {true, true}, rules::printTraceLine);
        std::printf("where the console and the rules with both improvements part:\n%s",
                    rules::firstDifferences(console.outcome, model).c_str());
        return v.kind == rules::Difference::Unexplained ? 1 : 0;
    }
    std::printf("%lld timelines from seed %u\n", static_cast<long long>(count), seed);
    const rules::Tally tally = rules::explore(seed, count, aroundArms);
    std::printf("%s", rules::describe(tally).c_str());
    if (tally.firstUnexplainedSeed >= 0) {
        std::printf("unexplained at seeds");
        for (std::uint32_t s : tally.unexplainedSeeds) {
            std::printf(" %u", s);
        }
        std::printf("\n");
        std::printf("first unexplained: seed %lld (replay with --replay %lld)\n%s",
                    static_cast<long long>(tally.firstUnexplainedSeed),
                    static_cast<long long>(tally.firstUnexplainedSeed), tally.firstReport.c_str());
        return 1;
    }
    return 0;
}
