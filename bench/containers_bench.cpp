#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "framework/containers/double_vector.h"
#include "framework/containers/long_vector.h"

namespace {

// The savings join list of a 200-facility project: about 200 x 200 pairs.
constexpr int kJoins = 40000;

enum EKeys { randomKeys, roundedKeys, sortedKeys, reversedKeys };

CDoubleVector MakeKeys(EKeys kind) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> draw(-2000.0, 500.0);
    CDoubleVector keys(kJoins);
    for (int k = 0; k < kJoins; ++k) {
        switch (kind) {
        case randomKeys:
            keys[k] = draw(random);
            break;
        case roundedKeys: // integer coordinates give many equal savings
            keys[k] = static_cast<double>(static_cast<int>(draw(random) / 25.0));
            break;
        case sortedKeys:
            keys[k] = k;
            break;
        case reversedKeys:
            keys[k] = kJoins - k;
            break;
        }
    }
    return keys;
}

void BM_IndexSort(benchmark::State& state) {
    CDoubleVector keys = MakeKeys(static_cast<EKeys>(state.range(0)));
    CLongVector index(kJoins);
    for (auto _ : state) {
        state.PauseTiming();
        std::iota(index.begin(), index.end(), 0);
        state.ResumeTiming();
        keys.IndexSort(index);
        benchmark::DoNotOptimize(index.GetData());
    }
    state.SetItemsProcessed(state.iterations() * kJoins);
}

BENCHMARK(BM_IndexSort)
    ->ArgName("keys")
    ->Arg(randomKeys)
    ->Arg(roundedKeys)
    ->Arg(sortedKeys)
    ->Arg(reversedKeys)
    ->Unit(benchmark::kMicrosecond);

// For comparison: std::sort of the same indices by key.
void BM_StdSortReference(benchmark::State& state) {
    CDoubleVector keys = MakeKeys(randomKeys);
    std::vector<int> index(kJoins);
    for (auto _ : state) {
        state.PauseTiming();
        std::iota(index.begin(), index.end(), 0);
        state.ResumeTiming();
        std::sort(index.begin(), index.end(), [&](int a, int b) { return keys[a] < keys[b]; });
        benchmark::DoNotOptimize(index.data());
    }
    state.SetItemsProcessed(state.iterations() * kJoins);
}

BENCHMARK(BM_StdSortReference)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
