// The cost of one poll of ten team modules: the report check alone when nobody presses,
// and the report check with decoding when a module shows a press.
#include <benchmark/benchmark.h>

#include "BenchConsole.h"
#include "engine/PressDecoder.h"
#include "ui/QtClock.h"

namespace {

void BM_PollTenIdleModules(benchmark::State& s) {
    ui::QtClock clock;
    bench::BenchConsole console(clock, 10);
    console.engine->spacekey();
    for (auto _ : s) {
        console.link->ReportChecker();
        benchmark::DoNotOptimize(console.state.responderCode);
    }
}
BENCHMARK(BM_PollTenIdleModules);

void BM_PollTenModulesWithAPressAndDecode(benchmark::State& s) {
    ui::QtClock clock;
    bench::BenchConsole console(clock, 10);
    console.engine->spacekey();
    sim::VirtualModule& last = console.modules->module(9);
    last.press({{last.firstSlot(), 2}});
    for (auto _ : s) {
        console.link->ReportChecker();
        auto press = engine::decodePress(console.state.modelNumber, console.state.responderCode,
                                         console.state.responderData4, [] { return 0.5; });
        benchmark::DoNotOptimize(press);
    }
}
BENCHMARK(BM_PollTenModulesWithAPressAndDecode);

}  // namespace
