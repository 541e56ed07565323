// Times the savings commands (Greedy Serial, Greedy Parallel, Randomized Serial with depth 3 and
// 20 iterations) and the savings matrix on random projects of 50, 100, 200 and 400 facilities
// (two thirds customers, one depot, vehicles of capacity 100 for quantities up to 20) and on the
// 200-facility example.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "construction/savings.h"
#include "construction/savings_matrix.h"
#include "files/text_project_import.h"

namespace {

constexpr int kDepth = 3;
constexpr int kIterations = 20;

CBenchEnvironment& Environment() {
    static CBenchEnvironment environment;
    return environment;
}

std::unique_ptr<CTramletDoc> RandomProject(int facilities) {
    auto doc = Environment().MakeRandomProject(facilities * 2 / 3, facilities - facilities * 2 / 3, 12345);
    doc->SetRandomizationDepth(kDepth);
    doc->SetMaxIterations(kIterations);
    return doc;
}

// The 200-facility example project (null when it cannot be read).
std::unique_ptr<CTramletDoc> ExampleProject() {
    std::filesystem::path path = std::filesystem::path(__FILE__).parent_path().parent_path() / "examples" /
                                 "random200" / "random200.dat";
    std::unique_ptr<CTramletDoc> doc = OpenTextProject(path.string());
    if (doc != nullptr) {
        doc->MakeActive();
        doc->SetReportLevel(1);
        doc->SetTimeLimit(3600.0);
        doc->SetRandomizationDepth(kDepth);
        doc->SetMaxIterations(kIterations);
    }
    return doc;
}

void RunSavings(benchmark::State& state, CTramletDoc* doc, ERunResult (*run)(CTramletDoc&)) {
    if (doc == nullptr) {
        state.SkipWithError("project not available");
        return;
    }
    for (auto _ : state) {
        if (run(*doc) != ERunResult::recorded) {
            state.SkipWithError("the run was not recorded");
            return;
        }
        state.PauseTiming();
        doc->GetAlgorithmStatistics().clear();
        state.ResumeTiming();
    }
    state.counters["routes"] = doc->GetNumberOfRoutes();
    state.counters["routed"] = doc->GetRoutedCount();
    state.counters["distance"] = doc->GetCurrentSolution().m_dDistance;
}

void BM_SavingsGreedySerial(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)));
    RunSavings(state, doc.get(), OnAlgorithmsSavingsGreedySerial);
}
void BM_SavingsGreedyParallel(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)));
    RunSavings(state, doc.get(), OnAlgorithmsSavingsGreedyParallel);
}
void BM_SavingsRandomizedSerial(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)));
    RunSavings(state, doc.get(), OnAlgorithmsSavingsSerialRandomized);
}
void BM_SavingsMatrix(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)));
    CDoubleMatrix matrix;
    for (auto _ : state) {
        ComputeSavingsMatrix(*doc, matrix);
        benchmark::DoNotOptimize(matrix.GetData());
    }
}

void BM_Example200SavingsGreedySerial(benchmark::State& state) {
    auto doc = ExampleProject();
    RunSavings(state, doc.get(), OnAlgorithmsSavingsGreedySerial);
}
void BM_Example200SavingsGreedyParallel(benchmark::State& state) {
    auto doc = ExampleProject();
    RunSavings(state, doc.get(), OnAlgorithmsSavingsGreedyParallel);
}
void BM_Example200SavingsRandomizedSerial(benchmark::State& state) {
    auto doc = ExampleProject();
    RunSavings(state, doc.get(), OnAlgorithmsSavingsSerialRandomized);
}

} // namespace

BENCHMARK(BM_SavingsGreedySerial)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SavingsGreedyParallel)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SavingsRandomizedSerial)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavingsMatrix)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200SavingsGreedySerial)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200SavingsGreedyParallel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200SavingsRandomizedSerial)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
