// Times Add Random Facilities with all distances: the set-up every other benchmark pays.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "bench/bench_support.h"

static void BM_MakeRandomProject(benchmark::State& state) {
    CBenchEnvironment environment;
    int facilities = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto doc = environment.MakeRandomProject(facilities * 2 / 3, facilities - facilities * 2 / 3, 12345);
        benchmark::DoNotOptimize(doc->GetTotalNumberOfFacilities());
    }
}
BENCHMARK(BM_MakeRandomProject)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
