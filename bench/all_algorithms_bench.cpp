// Times All Algorithms (every construction, completed by insertion and improved, the best kept)
// on the 200-facility example and on random projects of 100 to 400 facilities (two customers
// for each supplier, one depot, vehicles of capacity 100). Each iteration is the whole command,
// the question answered Yes. GLPK writes its progress to stderr; run with 2>/dev/null.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_support.h"
#include "runs/combined_commands.h"

namespace {

void RunAll(benchmark::State& state, CTramletDoc* doc, CBenchEnvironment& environment) {
    if (doc == nullptr) {
        state.SkipWithError("project not available");
        return;
    }
    size_t rows = 0;
    for (auto _ : state) {
        if (RunAllAlgorithms(*doc) != ERunResult::recorded) {
            state.SkipWithError("the run was not recorded");
            break;
        }
        rows = doc->GetAlgorithmStatistics().size();
        doc->GetAlgorithmStatistics().clear();
        environment.UserInterface().ClearRecords();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["cost"] = doc->GetCurrentSolution().m_dCost;
}

void BM_AllAlgorithmsRandom200Example(benchmark::State& state) {
    CBenchEnvironment environment;
    auto doc = OpenRandom200();
    RunAll(state, doc.get(), environment);
}

void BM_AllAlgorithmsRandomProject(benchmark::State& state) {
    CBenchEnvironment environment;
    const int facilities = static_cast<int>(state.range(0));
    const int suppliers = facilities / 3;
    const int customers = facilities - 1 - suppliers;
    auto doc = environment.MakeRandomProject(customers, suppliers, 2026, facilities / 4, 100, 30);
    RunAll(state, doc.get(), environment);
}

} // namespace

BENCHMARK(BM_AllAlgorithmsRandom200Example)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllAlgorithmsRandomProject)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
