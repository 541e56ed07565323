// Times Nearest Neighbor, Sweep, Cheapest and Priciest Insertion and the insertion-penalty grid
// on random projects of 50, 100, 200 and 400 facilities (two thirds customers, one depot) and
// on the 200-facility example; the fits of the random sizes print how each command scales.
// The insertions start from one route per twentieth facility, each holding one customer, so
// that they place almost every facility.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_support.h"
#include "construction/insertion.h"
#include "construction/insertion_penalties.h"
#include "construction/nearest_neighbor.h"
#include "construction/sweep.h"

namespace {

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

int Size(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

void BM_NearestNeighbor(benchmark::State& state) {
    auto doc = MakeRandomBenchProject(Size(state));
    TimeRecordedCommand(state, doc.get(), RunNearestNeighbor);
}
void BM_Sweep(benchmark::State& state) {
    auto doc = MakeRandomBenchProject(Size(state));
    TimeRecordedCommand(state, doc.get(), RunSweep);
}
void BM_CheapestInsertion(benchmark::State& state) {
    auto doc = MakeRandomBenchProject(Size(state), 1000);
    TimeRecordedCommand(state, doc.get(), RunCheapestInsertion, SeedRoutes);
}
void BM_PriciestInsertion(benchmark::State& state) {
    auto doc = MakeRandomBenchProject(Size(state), 1000);
    TimeRecordedCommand(state, doc.get(), RunPriciestInsertion, SeedRoutes);
}
void BM_InsertionPenaltyGrid(benchmark::State& state) {
    auto doc = MakeRandomBenchProject(Size(state), 1000);
    SeedRoutes(*doc);
    for (auto _ : state) {
        CInsertionPenaltyGrid grid = ComputeInsertionPenaltyGrid(*doc);
        benchmark::DoNotOptimize(grid.data());
    }
    state.SetComplexityN(Size(state));
}

void BM_Example200NearestNeighbor(benchmark::State& state) {
    auto doc = OpenExampleBenchProject("random200");
    TimeRecordedCommand(state, doc.get(), RunNearestNeighbor);
}
void BM_Example200Sweep(benchmark::State& state) {
    auto doc = OpenExampleBenchProject("random200");
    TimeRecordedCommand(state, doc.get(), RunSweep);
}
void BM_Example200CheapestInsertion(benchmark::State& state) {
    auto doc = OpenExampleBenchProject("random200");
    TimeRecordedCommand(state, doc.get(), RunCheapestInsertion, SeedRoutes);
}
void BM_Example200PriciestInsertion(benchmark::State& state) {
    auto doc = OpenExampleBenchProject("random200");
    TimeRecordedCommand(state, doc.get(), RunPriciestInsertion, SeedRoutes);
}

} // namespace

BENCHMARK(BM_NearestNeighbor)->Apply(RandomProjectSizes)->Complexity();
BENCHMARK(BM_Sweep)->Apply(RandomProjectSizes)->Complexity();
BENCHMARK(BM_CheapestInsertion)->Apply(RandomProjectSizes)->Complexity();
BENCHMARK(BM_PriciestInsertion)->Apply(RandomProjectSizes)->Complexity();
BENCHMARK(BM_InsertionPenaltyGrid)->Apply(RandomProjectSizes)->Complexity();
BENCHMARK(BM_Example200NearestNeighbor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200Sweep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200CheapestInsertion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Example200PriciestInsertion)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
