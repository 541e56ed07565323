// Times the improvements, Move Facility, Swap Facility, Two, Three and Chain Exchange: one scan
// of each neighbourhood and a whole run, on random projects of 50, 100, 200 and 400 facilities
// (two thirds customers, one depot, capacity 100, quantities up to 20), each family with the fit
// of how its time grows with the number of facilities, and on the 200-facility example. Two
// starting solutions: the routes of Nearest Neighbor, and a poor round-robin assignment
// (facility k of each type on route k mod R, R = facilities / 6) that leaves many steps to make.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "construction/nearest_neighbor.h"
#include "files/text_project_import.h"
#include "improvement/chain_exchange.h"
#include "improvement/move_facility.h"
#include "improvement/swap_facility.h"
#include "improvement/three_exchange.h"
#include "improvement/two_exchange.h"

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
        // (Not found through __FILE__: ccache may make that path relative to the build folder.)
        std::filesystem::path path = std::filesystem::path(EXAMPLES_DIR) / "random200" / "random200.dat";
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

// The project of the benchmark's argument; null (the benchmark skipped) when it cannot be had.
std::unique_ptr<CTramletDoc> ProjectOf(benchmark::State& state) {
    std::unique_ptr<CTramletDoc> doc = Project(static_cast<int>(state.range(0)));
    if (doc == nullptr) {
        state.SkipWithError("project not available");
    }
    return doc;
}

// One scan on the starting solution; returns whether it found a change.
using ScanFunction = std::function<bool(CTramletDoc&)>;
using RunFunction = ERunResult (*)(CTramletDoc&);

void Scan(benchmark::State& state, const ScanFunction& scan, EStart start) {
    std::unique_ptr<CTramletDoc> doc = ProjectOf(state);
    if (doc == nullptr) {
        return;
    }
    CStartingSolution solution(*doc, start);
    solution.Restore();
    for (auto _ : state) {
        benchmark::DoNotOptimize(scan(*doc));
    }
    state.counters["routes"] = doc->GetNumberOfRoutes();
    state.SetComplexityN(doc->GetTotalNumberOfFacilities());
}

void Run(benchmark::State& state, RunFunction run, EStart start) {
    std::unique_ptr<CTramletDoc> doc = ProjectOf(state);
    if (doc == nullptr) {
        return;
    }
    CStartingSolution solution(*doc, start);
    int steps = 0;
    double savings = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        solution.Restore();
        state.ResumeTiming();
        run(*doc);
        state.PauseTiming();
        steps = doc->GetCurrentSolution().m_lCount;
        savings = doc->GetCurrentSolution().m_dDeltaObjective;
        state.ResumeTiming();
    }
    state.counters["steps"] = steps;
    state.counters["savings"] = savings;
    state.SetComplexityN(doc->GetTotalNumberOfFacilities());
}

struct SImprovement {
    const char* name;
    ScanFunction scan;
    RunFunction run;
};

// One scan of an operator on the project as it is.
template <class Search> bool ScanOnce(CTramletDoc& doc) {
    Search search(doc);
    return search.FindBest();
}
template <class Exchange> bool ScanExchangeOnce(CTramletDoc& doc) {
    SExchangeWindows windows;
    Exchange exchange(doc, windows.three);
    return exchange.FindBest();
}

const std::vector<SImprovement>& Improvements() {
    static const std::vector<SImprovement> improvements = {
        {"Move", ScanOnce<CMoveFacility>, RunMoveFacility},
        {"Swap", ScanOnce<CSwapFacility>, RunSwapFacility},
        {"TwoExchange", ScanExchangeOnce<CTwoExchange>, OnTwoExchange},
        {"ThreeExchange", ScanExchangeOnce<CThreeExchange>, OnThreeExchange},
        {"ChainExchange", ScanExchangeOnce<CChainExchange>, OnChainExchange},
    };
    return improvements;
}

// For each improvement and starting solution: the scan and the run on the random sizes (with
// the fit of their growth) and on the example.
void RegisterAll() {
    for (const SImprovement& improvement : Improvements()) {
        for (EStart start : {START_NEAREST_NEIGHBOR, START_ROUND_ROBIN}) {
            const std::string suffix = start == START_NEAREST_NEIGHBOR ? "/nn" : "/rr";
            const std::string scan = std::string(improvement.name) + "Scan" + suffix;
            const std::string run = std::string(improvement.name) + "Run" + suffix;
            auto scanBody = [&improvement, start](benchmark::State& state) {
                Scan(state, improvement.scan, start);
            };
            auto runBody = [&improvement, start](benchmark::State& state) {
                Run(state, improvement.run, start);
            };
            for (const std::string& name : {scan, run}) {
                auto body = name == scan ? std::function<void(benchmark::State&)>(scanBody)
                                         : std::function<void(benchmark::State&)>(runBody);
                benchmark::RegisterBenchmark(name.c_str(), body)
                    ->ArgName("facilities")
                    ->Arg(50)
                    ->Arg(100)
                    ->Arg(200)
                    ->Arg(400)
                    ->Complexity()
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark((name + "/random200").c_str(), body)
                    ->Arg(0)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
