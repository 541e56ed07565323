// Times Extreme Crossovers, with GLPK's linear program and with the greedy rule used without
// GLPK, on the 200-facility example and on random projects of 100 to 400 facilities (two
// customers for each supplier, one depot, enough vehicles to pair every supplier). Each
// iteration is a whole command: routes deleted, pairs chosen, routes built, checked, recorded.
// GLPK writes its progress to stderr; run with 2>/dev/null.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "construction/crossover.h"

namespace {

const char* const kMissingLibrary = "libno-glpk-for-the-greedy-benchmark.so";

void RunCrossovers(benchmark::State& state, CTramletDoc* doc, CBenchEnvironment& environment) {
    if (doc == nullptr) {
        state.SkipWithError("project not available");
        return;
    }
    for (auto _ : state) {
        if (RunExtremeCrossovers(*doc) != ERunResult::recorded) {
            state.SkipWithError("the run was not recorded");
            break;
        }
        doc->GetAlgorithmStatistics().clear();
        environment.UserInterface().ClearRecords();
    }
    state.counters["routes"] = doc->GetNumberOfRoutes();
}

// The environment with or without GLPK: the library name is read when the first run loads it.
std::unique_ptr<CBenchEnvironment> MakeEnvironment(bool withGlpk) {
    if (withGlpk) {
        unsetenv("TRAMLET_GLPK_LIBRARY");
    } else {
        setenv("TRAMLET_GLPK_LIBRARY", kMissingLibrary, 1);
    }
    return std::make_unique<CBenchEnvironment>();
}

void BM_CrossoversRandom200Example(benchmark::State& state) {
    auto environment = MakeEnvironment(state.range(0) != 0);
    auto doc = OpenRandom200();
    RunCrossovers(state, doc.get(), *environment);
}

void BM_CrossoversRandomProject(benchmark::State& state) {
    auto environment = MakeEnvironment(state.range(1) != 0);
    const int facilities = static_cast<int>(state.range(0));
    const int suppliers = facilities / 3;
    const int customers = facilities - 1 - suppliers;
    auto doc = environment->MakeRandomProject(customers, suppliers, 2026, suppliers, 100, 30);
    RunCrossovers(state, doc.get(), *environment);
}

} // namespace

// Second argument: 1 with GLPK's linear program, 0 with the greedy rule.
BENCHMARK(BM_CrossoversRandom200Example)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrossoversRandomProject)->ArgsProduct({{100, 200, 400}, {1, 0}})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
