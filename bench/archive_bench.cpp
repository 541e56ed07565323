// Times Save and Open of binary project archives (in memory, so that the disk does not count)
// for random projects of 200 and 400 facilities with their distance matrices.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "files/archive/binary_project_file.h"

namespace {

CBenchEnvironment& Environment() {
    static CBenchEnvironment environment;
    return environment;
}

void BM_StoreBinaryProject(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto doc = Environment().MakeRandomProject(n * 2 / 3, n - n * 2 / 3 - 1, 2026);
    for (auto _ : state) {
        std::string bytes = StoreBinaryProject(*doc, "bench.tramlet");
        benchmark::DoNotOptimize(bytes.data());
    }
}

void BM_LoadBinaryProject(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto doc = Environment().MakeRandomProject(n * 2 / 3, n - n * 2 / 3 - 1, 2026);
    const std::string bytes = StoreBinaryProject(*doc, "bench.tramlet");
    state.counters["bytes"] = static_cast<double>(bytes.size());
    for (auto _ : state) {
        CTramletDoc loaded;
        if (!LoadBinaryProject(loaded, bytes, "bench.tramlet")) {
            state.SkipWithError("the archive was refused");
            break;
        }
        benchmark::DoNotOptimize(loaded.GetTotalNumberOfFacilities());
    }
    doc->MakeActive();
}

} // namespace

BENCHMARK(BM_StoreBinaryProject)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBinaryProject)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
