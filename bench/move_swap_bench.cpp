// Times Move Facility and Swap Facility: one scan of the neighbourhood and a whole run, on
// random projects of 50, 100, 200 and 400 facilities (two thirds customers, one depot, capacity
// 100, quantities up to 20) and on the 200-facility example. Two starting solutions: the routes
// of Nearest Neighbor, and a poor round-robin assignment (facility k of each type on route
// k mod R, R = facilities / 6) that leaves many steps to make.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "construction/nearest_neighbor.h"
#include "files/text_project_import.h"
#include "improvement/move_facility.h"
#include "improvement/swap_facility.h"

namespace {

CBenchEnvironment& Environment() {
    static CBenchEnvironment environment;
    return environment;
}

enum EStart { START_NEAREST_NEIGHBOR = 0, START_ROUND_ROBIN = 1 };

void RecordSolution(CTramletDoc& doc) {
    double distance = 0.0, penalty = 0.0, cost = 0.0;
    doc.GetDistancePenaltyCost(distance, penalty, cost);
    doc.GetCurrentSolution().m_dDistance = distance;
    doc.GetCurrentSolution().m_dCost = cost;
}

void BuildRoundRobinRoutes(CTramletDoc& doc) {
    doc.DeleteAllRoutes();
    CFacility* depot = doc.GetFacility(FT_DEPOT, 0);
    int count = doc.GetTotalNumberOfFacilities() / 6;
    count = count < 2 ? 2 : count;
    std::vector<std::unique_ptr<CRoute>> routes;
    for (int r = 0; r < count; ++r) {
        routes.push_back(std::make_unique<CRoute>(&doc));
        routes.back()->AddFacility(depot, false);
    }
    for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
        for (int k = 0; k < doc.GetNumberOfFacilities(type); ++k) {
            CFacility* f = doc.GetFacility(type, k);
            CRoute* route = routes[k % count].get();
            // Keep every route within the capacity.
            if (route->GetQuantity(type) + f->GetQuantity() <= doc.GetVehicleCapacity()) {
                route->AddFacility(f, true);
            }
        }
    }
    for (auto& route : routes) {
        route->AddFacility(depot, false);
        doc.AddRoute(std::move(route), true);
    }
    RecordSolution(doc);
}

// The starting solution, built again before every timed run.
class CStartingSolution {
public:
    CStartingSolution(CTramletDoc& doc, EStart start) : m_doc(doc) {
        if (start == START_NEAREST_NEIGHBOR) {
            RunNearestNeighbor(doc);
        } else {
            BuildRoundRobinRoutes(doc);
        }
        doc.SaveRouteSnapshot(m_snapshot);
        m_snapshot.m_stat = doc.GetCurrentSolution();
    }
    void Restore() {
        m_doc.RestoreRouteSnapshot(m_snapshot);
        m_doc.GetCurrentSolution() = m_snapshot.m_stat;
        RecordSolution(m_doc);
        m_doc.GetAlgorithmStatistics().clear();
    }

private:
    CTramletDoc& m_doc;
    CRouteSnapshot m_snapshot;
};

std::unique_ptr<CTramletDoc> Project(int facilities) {
    if (facilities == 0) {
        // The 200-facility example.
        std::filesystem::path path = std::filesystem::path(__FILE__).parent_path().parent_path() /
                                     "examples" / "random200" / "random200.dat";
        std::unique_ptr<CTramletDoc> doc = OpenTextProject(path.string());
        if (doc != nullptr) {
            doc->MakeActive();
            doc->SetReportLevel(1);
            doc->SetTimeLimit(3600.0);
            doc->SetNumberOfVehicles(200);
        }
        return doc;
    }
    return Environment().MakeRandomProject(facilities * 2 / 3, facilities - facilities * 2 / 3 - 1, 12345,
                                           400, 100, 20);
}

template <class Scanner, class Candidate>
void Scan(benchmark::State& state, bool (Scanner::*find)(Candidate&)) {
    std::unique_ptr<CTramletDoc> doc = Project(static_cast<int>(state.range(0)));
    if (doc == nullptr) {
        state.SkipWithError("project not available");
        return;
    }
    CStartingSolution start(*doc, static_cast<EStart>(state.range(1)));
    start.Restore();
    Scanner scanner(*doc);
    Candidate candidate;
    for (auto _ : state) {
        benchmark::DoNotOptimize((scanner.*find)(candidate));
    }
    state.counters["routes"] = doc->GetNumberOfRoutes();
}

void Run(benchmark::State& state, ERunResult (*run)(CTramletDoc&)) {
    std::unique_ptr<CTramletDoc> doc = Project(static_cast<int>(state.range(0)));
    if (doc == nullptr) {
        state.SkipWithError("project not available");
        return;
    }
    CStartingSolution start(*doc, static_cast<EStart>(state.range(1)));
    int steps = 0;
    double savings = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        start.Restore();
        state.ResumeTiming();
        run(*doc);
        state.PauseTiming();
        steps = doc->GetCurrentSolution().m_lCount;
        savings = doc->GetCurrentSolution().m_dDeltaObjective;
        state.ResumeTiming();
    }
    state.counters["steps"] = steps;
    state.counters["savings"] = savings;
}

void BM_MoveScan(benchmark::State& state) {
    Scan<CMoveFacility, MoveCandidate>(state, &CMoveFacility::FindBestMove);
}
void BM_SwapScan(benchmark::State& state) {
    Scan<CSwapFacility, SwapCandidate>(state, &CSwapFacility::FindBestSwap);
}
void BM_MoveFacility(benchmark::State& state) {
    Run(state, RunMoveFacility);
}
void BM_SwapFacility(benchmark::State& state) {
    Run(state, RunSwapFacility);
}

// Arguments: facilities (0: the 200-facility example), start (0 nearest neighbour, 1 round robin).
void Sizes(benchmark::internal::Benchmark* benchmark) {
    for (int start : {START_NEAREST_NEIGHBOR, START_ROUND_ROBIN}) {
        for (int facilities : {50, 100, 200, 400, 0}) {
            benchmark->Args({facilities, start});
        }
    }
    benchmark->ArgNames({"facilities", "start"})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_MoveScan)->Apply(Sizes);
BENCHMARK(BM_SwapScan)->Apply(Sizes);
BENCHMARK(BM_MoveFacility)->Apply(Sizes);
BENCHMARK(BM_SwapFacility)->Apply(Sizes);
BENCHMARK_MAIN();
