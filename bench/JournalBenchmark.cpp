// The cost of recording one event: a score change appended to the match's journal and on
// the disk (fdatasync) before the call returns. The figure is the median of the runs.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "record/MatchRecord.h"

namespace {

void BM_RecordScoreChange(benchmark::State& state) {
    QTemporaryDir folder;
    record::MatchRecord match(folder.path(), [] { return std::int64_t{1'765'000'000'000}; });
    model::MatchEvent begin;
    begin.kind = model::MatchEvent::Kind::Begin;
    begin.teamSlots = {0, 1};
    begin.roster = {"Owls", "Ann", "Bo", "Cy", "Di", "", "Larks", "Eve", "Fay", "Gus", "", ""};
    match.begin(begin);
    model::MatchEvent change;
    change.kind = model::MatchEvent::Kind::ScoreChanged;
    change.name = "Owls";
    int score = 0;
    for (auto _ : state) {
        change.oldText = QString::number(score);
        change.newText = QString::number(++score);
        match.record(change);
    }
    if (match.model().events().size() != score + 1) {
        state.SkipWithError("events went missing");
    }
}
BENCHMARK(BM_RecordScoreChange)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
