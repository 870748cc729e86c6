// Speed of the calculation run with every result line and list row (check mode 3)
// and of the numbers-only run, on the default case and on the case mix, and of a whole
// 10 000-case table read, recalculated and written in process. Goals: 5 us per run,
// 1.5 us per numbers-only run, 0.3 s per table as a whole process (README.md tells how
// that one is timed).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string_view>
#include <vector>

#include "bench/case_mix.h"
#include "files/casedb.h"
#include "files/datatables.h"
#include "run/batch.h"
#include "run/calculate.h"
#include "run/dbcase.h"

namespace veltar::bench {
namespace {

constexpr double kRunGoalUs = 5;
constexpr double kNumbersGoalUs = 1.5;
constexpr double kTableGoalS = 0.3;

bool LoadTables(benchmark::State& state, Tables& tables) {
    if (ReadTables(VELTAR_DATA_DIR, tables)) return true;
    state.SkipWithError("the data tables could not be read");
    return false;
}

// Every case of the mix loaded as the database loads it, listing every row.
std::vector<Case> MixCases(const Tables& tables, int count) {
    std::istringstream in(CaseMixTable(count));
    CaseDatabase db;
    std::vector<std::string> warnings;
    std::vector<Case> cases;
    if (!ParseCaseTable(in, "mix", tables, 0, db, warnings)) return cases;
    IgnoredWarnings quiet;
    for (int i = 0; i < db.DbRowCount(); ++i) {
        Case c;
        c.CheckMode = 3;
        if (LoadDatabaseCase(c, tables, db, i, quiet)) cases.push_back(std::move(c));
    }
    return cases;
}

void CalculateDefaultCase(benchmark::State& state) {
    Tables tables;
    if (!LoadTables(state, tables)) return;
    Case c;
    PrepareStartupCase(c, tables);
    c.CheckMode = 3;
    IgnoredWarnings quiet;
    for ([[maybe_unused]] auto _ : state) {
        Calculate(c, tables, quiet);
        benchmark::DoNotOptimize(c.Rows.data());
    }
    state.counters["goal_us"] = kRunGoalUs;
}
BENCHMARK(CalculateDefaultCase)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void CalculateCaseMix(benchmark::State& state) {
    Tables tables;
    if (!LoadTables(state, tables)) return;
    std::vector<Case> cases = MixCases(tables, 240);
    if (cases.empty()) return state.SkipWithError("the case mix could not be read");
    IgnoredWarnings quiet;
    std::size_t i = 0;
    for ([[maybe_unused]] auto _ : state) {
        Case& c = cases[i++ % cases.size()];
        Calculate(c, tables, quiet);
        benchmark::DoNotOptimize(c.Rows.data());
    }
    state.counters["goal_us"] = kRunGoalUs;
}
BENCHMARK(CalculateCaseMix)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void CalculateNumbersDefaultCase(benchmark::State& state) {
    Tables tables;
    if (!LoadTables(state, tables)) return;
    Case c;
    PrepareStartupCase(c, tables);
    c.CheckMode = 3;
    for ([[maybe_unused]] auto _ : state) {
        CalculateNumbers(c, tables);
        benchmark::DoNotOptimize(c.UFgw);
    }
    state.counters["goal_us"] = kNumbersGoalUs;
}
BENCHMARK(CalculateNumbersDefaultCase)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void CalculateNumbersCaseMix(benchmark::State& state) {
    Tables tables;
    if (!LoadTables(state, tables)) return;
    std::vector<Case> cases = MixCases(tables, 240);
    if (cases.empty()) return state.SkipWithError("the case mix could not be read");
    std::size_t i = 0;
    for ([[maybe_unused]] auto _ : state) {
        Case& c = cases[i++ % cases.size()];
        CalculateNumbers(c, tables);
        benchmark::DoNotOptimize(c.UFgw);
    }
    state.counters["goal_us"] = kNumbersGoalUs;
}
BENCHMARK(CalculateNumbersCaseMix)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BatchTable10000(benchmark::State& state) {
    Tables tables;
    if (!LoadTables(state, tables)) return;
    const std::string text = CaseMixTable(10000);
    const std::string out = (std::filesystem::temp_directory_path() / "veltar_bench.velto").string();
    for ([[maybe_unused]] auto _ : state) {
        std::istringstream in(text);
        CaseDatabase db;
        std::vector<std::string> warnings;
        Case c;
        ResultReport report;
        if (!ParseCaseTable(in, "mix", tables, 0, db, warnings) || !WriteResultTable(out, c, tables, db, 0, report))
            return state.SkipWithError("the table could not be read or written");
    }
    std::filesystem::remove(out);
    state.counters["goal_s"] = kTableGoalS;
}
BENCHMARK(BatchTable10000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace veltar::bench

BENCHMARK_MAIN();
