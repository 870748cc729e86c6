// Speed of the Tools: the design search over every row of the four profile tables
// and 50 plate thicknesses (166 x 50 = 8300 numbers-only calculations of the default case, in
// check mode 3), and a sweep of 50 steps with its crossings narrowed. Goal: the search
// well under a second.
#include <benchmark/benchmark.h>

#include "files/datatables.h"
#include "run/calculate.h"
#include "run/designsearch.h"
#include "run/sweep.h"

namespace veltar::bench {
namespace {

constexpr double kSearchGoalS = 1.0;

bool LoadCase(benchmark::State& state, Tables& tables, Case& c) {
    if (!ReadTables(VELTAR_DATA_DIR, tables)) {
        state.SkipWithError("the data tables could not be read");
        return false;
    }
    c.GtTw = 12;  // a girder web that passes its rule, so that candidates can pass
    c.StiffKind = kTTable;
    c.TRow = 17;
    PrepareStartupCase(c, tables);
    CollectedWarnings warnings;
    Calculate(c, tables, warnings);
    return true;
}

void DesignSearchAllRows(benchmark::State& state) {
    Tables tables;
    Case c;
    if (!LoadCase(state, tables, c)) return;
    DesignSpace space = DefaultDesignSpace(c);
    space.tFrom = 5.5;  // 5.5, 6, ..., 30: 50 thicknesses
    space.tTo = 30;
    space.mode = 3;
    if (!CheckDesignSpace(space)) return state.SkipWithError("the design space cannot be searched");
    DesignResult r;
    for ([[maybe_unused]] auto _ : state) {
        r = SearchDesigns(c, tables, space);
        benchmark::DoNotOptimize(r.best.data());
    }
    state.counters["candidates"] = r.candidates;
    state.counters["passing"] = r.passing;
    state.counters["goal_s"] = kSearchGoalS;
}
BENCHMARK(DesignSearchAllRows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void SweepPlateThickness(benchmark::State& state) {
    Tables tables;
    Case c;
    if (!LoadCase(state, tables, c)) return;
    const SweepRange range = DefaultSweepRange(c, *FindSweepable("t"));
    SweepResult r;
    for ([[maybe_unused]] auto _ : state) {
        r = RunSweep(c, tables, range, 3);
        benchmark::DoNotOptimize(r.steps.data());
    }
    state.counters["crossings"] = static_cast<double>(r.crossings.size());
}
BENCHMARK(SweepPlateThickness)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace veltar::bench

BENCHMARK_MAIN();
