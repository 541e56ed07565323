// Times the savings commands (Greedy Serial, Greedy Parallel, Randomized Serial with depth 3 and
// 20 iterations) and the savings matrix on random projects of 50, 100, 200 and 400 facilities
// (two thirds customers, one depot, vehicles of capacity 100 for quantities up to 20) and on the
// 200-facility example; the fits of the random sizes print how each command scales.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_support.h"
#include "construction/savings.h"
#include "construction/savings_matrix.h"

namespace {

constexpr int kDepth = 3;
constexpr int kIterations = 20;

std::unique_ptr<CTramletDoc> WithRandomizedSettings(std::unique_ptr<CTramletDoc> doc) {
    if (doc != nullptr) {
        doc->SetRandomizationDepth(kDepth);
        doc->SetMaxIterations(kIterations);
    }
    return doc;
}

std::unique_ptr<CTramletDoc> RandomProject(const benchmark::State& state) {
    return WithRandomizedSettings(MakeRandomBenchProject(static_cast<int>(state.range(0))));
}

std::unique_ptr<CTramletDoc> ExampleProject() {
    return WithRandomizedSettings(OpenExampleBenchProject("random200"));
}

void BM_SavingsGreedySerial(benchmark::State& state) {
    auto doc = RandomProject(state);
    TimeRecordedCommand(state, doc.get(), OnAlgorithmsSavingsGreedySerial);
}
void BM_SavingsGreedyParallel(benchmark::State& state) {
    auto doc = RandomProject(state);
    TimeRecordedCommand(state, doc.get(), OnAlgorithmsSavingsGreedyParallel);
}
void BM_SavingsRandomizedSerial(benchmark::State& state) {
    auto doc = RandomProject(state);
    TimeRecordedCommand(state, doc.get(), OnAlgorithmsSavingsSerialRandomized);
}
void BM_SavingsMatrix(benchmark::State& state) {
    auto doc = RandomProject(state);
    CDoubleMatrix matrix;
    for (auto _ : state) {
        ComputeSavingsMatrix(*doc, matrix);
        benchmark::DoNotOptimize(matrix.GetData());
    }
    state.SetComplexityN(state.range(0));
}

void BM_Example200SavingsGreedySerial(benchmark::State& state) {
    auto doc = ExampleProject();
    TimeRecordedCommand(state, doc.get(), OnAlgorithmsSavingsGreedySerial);
}
void BM_Example200SavingsGreedyParallel(benchmark::State& state) {
    auto doc = ExampleProject();
    TimeRecordedCommand(state, doc.get(), OnAlgorithmsSavingsGreedyParallel);
}
void BM_Example200SavingsRandomizedSerial(benchmark::State& state) {
    auto doc = ExampleProject();
    TimeRecordedCommand(state, doc.get(), OnAlgorithmsSavingsSerialRandomized);
}

} // namespace

BENCHMARK(BM_SavingsGreedySerial)->Apply(RandomProjectSizes)->Complexity();
BENCHMARK(BM_SavingsGreedyParallel)->Apply(RandomProjectSizes)->Complexity();
BENCHMARK(BM_SavingsRandomizedSerial)->Apply(RandomProjectSizes)->Complexity();
BENCHMARK(BM_SavingsMatrix)->Apply(RandomProjectSizes)->Complexity();
BENCHMARK(BM_Example200SavingsGreedySerial)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200SavingsGreedyParallel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200SavingsRandomizedSerial)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
