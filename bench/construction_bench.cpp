// Times Nearest Neighbor, Sweep, Cheapest and Priciest Insertion and the insertion-penalty grid
// on random projects of 50, 100, 200 and 400 facilities (two thirds customers, one depot) and
// on the 200-facility example. The insertions start from one route per twentieth facility,
// each holding one customer, so that they place almost every facility.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/bench_support.h"
#include "construction/insertion.h"
#include "construction/insertion_penalties.h"
#include "construction/nearest_neighbor.h"
#include "construction/sweep.h"
#include "files/text_project_import.h"

namespace {

CBenchEnvironment& Environment() {
    static CBenchEnvironment environment;
    return environment;
}

std::unique_ptr<CTramletDoc> RandomProject(int facilities, int capacity = 100) {
    auto doc = Environment().MakeRandomProject(facilities * 2 / 3, facilities - facilities * 2 / 3, 12345,
                                               100, capacity);
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
    }
    return doc;
}

// Routes depot, c, depot for every twentieth customer (at least two), recorded as the
// current solution, as a construction would leave them.
void SeedRoutes(CTramletDoc& doc) {
    doc.DeleteAllRoutes();
    CFacility* depot = doc.GetFacility(FT_DEPOT, 0);
    int routes = doc.GetTotalNumberOfFacilities() / 20;
    routes = routes < 2 ? 2 : routes;
    int step = doc.GetNumberOfCustomers() / routes;
    for (int r = 0; r < routes; ++r) {
        auto route = std::make_unique<CRoute>(&doc);
        route->AddFacility(depot, false);
        route->AddFacility(doc.GetFacility(FT_CUSTOMER, r * step), true);
        route->AddFacility(depot, false);
        doc.AddRoute(std::move(route), true);
    }
    double distance = 0.0, penalty = 0.0, cost = 0.0;
    doc.GetDistancePenaltyCost(distance, penalty, cost);
    doc.GetCurrentSolution().m_dDistance = distance;
    doc.GetCurrentSolution().m_dCost = cost;
}

void RunConstruction(benchmark::State& state, CTramletDoc* doc, ERunResult (*run)(CTramletDoc&)) {
    if (doc == nullptr) {
        state.SkipWithError("project not available");
        return;
    }
    for (auto _ : state) {
        run(*doc);
        state.PauseTiming();
        doc->GetAlgorithmStatistics().clear();
        state.ResumeTiming();
    }
    state.counters["routed"] = doc->GetRoutedCount();
}

void RunInsertion(benchmark::State& state, CTramletDoc* doc, ERunResult (*run)(CTramletDoc&)) {
    if (doc == nullptr) {
        state.SkipWithError("project not available");
        return;
    }
    int inserted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        SeedRoutes(*doc);
        doc->GetAlgorithmStatistics().clear();
        state.ResumeTiming();
        run(*doc);
        inserted = doc->GetCurrentSolution().m_lCount;
    }
    state.counters["inserted"] = inserted;
}

void BM_NearestNeighbor(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)));
    RunConstruction(state, doc.get(), RunNearestNeighbor);
}
void BM_Sweep(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)));
    RunConstruction(state, doc.get(), RunSweep);
}
void BM_CheapestInsertion(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)), 1000);
    RunInsertion(state, doc.get(), RunCheapestInsertion);
}
void BM_PriciestInsertion(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)), 1000);
    RunInsertion(state, doc.get(), RunPriciestInsertion);
}
void BM_InsertionPenaltyGrid(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)), 1000);
    SeedRoutes(*doc);
    for (auto _ : state) {
        CInsertionPenaltyGrid grid = ComputeInsertionPenaltyGrid(*doc);
        benchmark::DoNotOptimize(grid.data());
    }
}

void BM_Example200NearestNeighbor(benchmark::State& state) {
    auto doc = ExampleProject();
    RunConstruction(state, doc.get(), RunNearestNeighbor);
}
void BM_Example200Sweep(benchmark::State& state) {
    auto doc = ExampleProject();
    RunConstruction(state, doc.get(), RunSweep);
}
void BM_Example200CheapestInsertion(benchmark::State& state) {
    auto doc = ExampleProject();
    RunInsertion(state, doc.get(), RunCheapestInsertion);
}
void BM_Example200PriciestInsertion(benchmark::State& state) {
    auto doc = ExampleProject();
    RunInsertion(state, doc.get(), RunPriciestInsertion);
}

} // namespace

BENCHMARK(BM_NearestNeighbor)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sweep)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheapestInsertion)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PriciestInsertion)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertionPenaltyGrid)->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200NearestNeighbor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200Sweep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200CheapestInsertion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200PriciestInsertion)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
