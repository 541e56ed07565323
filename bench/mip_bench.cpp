// Times writing the VRPB MIP model and reading a solution report back on random projects of 50,
// 100 and 200 facilities (two thirds customers, one depot, 30 vehicles of capacity 100 for
// quantities up to 20). The report lists every arc variable the model has, as Gurobi writes it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "optimisation/mip_formulation.h"
#include "optimisation/mip_model.h"
#include "optimisation/mip_solution.h"

namespace {

constexpr int kVehicles = 30;

CBenchEnvironment& Environment() {
    static CBenchEnvironment environment;
    return environment;
}

std::unique_ptr<CTramletDoc> RandomProject(int facilities) {
    return Environment().MakeRandomProject(facilities * 2 / 3, facilities - facilities * 2 / 3, 12345,
                                           kVehicles);
}

std::string TemporaryFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("tramlet-mip-bench-" + name)).string();
}

// A report for routes of five customers and then three suppliers each (within the capacity),
// in the model's column order with every other arc variable at 0.
std::string MakeGurobiReport(const CTramletDoc& doc) {
    CMipNodes nodes(doc);
    const int customers = nodes.GetNumberOfCustomers();
    const int suppliers = nodes.GetNumberOfSuppliers();
    const int E = nodes.GetEndNode();
    std::vector<std::vector<int>> routes;
    for (int c = 1; c <= customers; c += 5) {
        routes.push_back({});
        for (int n = c; n < c + 5 && n <= customers; ++n) {
            routes.back().push_back(n);
        }
    }
    for (int s = 0; s < suppliers; ++s) {
        routes[s / 3 % routes.size()].push_back(customers + 1 + s);
    }
    // successor[i][k]: the node after i on vehicle k's route.
    std::vector<std::vector<int>> successor(E, std::vector<int>(kVehicles + 1, -1));
    for (size_t r = 0; r < routes.size(); ++r) {
        int k = static_cast<int>(r) + 1;
        int previous = 0;
        for (int n : routes[r]) {
            successor[previous][k] = n;
            previous = n;
        }
        successor[previous][k] = E;
    }
    for (int k = static_cast<int>(routes.size()) + 1; k <= kVehicles; ++k) {
        successor[0][k] = E;
    }
    std::string report = "# Objective value = 0\ntotal_length 0\n";
    auto line = [&](int i, int j, int k) {
        report += "x(" + std::to_string(i) + "," + std::to_string(j) + "," + std::to_string(k) + ") " +
                  (successor[i][k] == j ? "1\n" : "0\n");
    };
    std::vector<int> next;
    for (int i = 1; i < E; ++i) {
        nodes.GetSuccessors(i, next);
        for (int j : next) {
            for (int k = 1; k <= kVehicles; ++k) {
                line(i, j, k);
            }
        }
    }
    for (int j = 1; j <= E; ++j) {
        for (int k = 1; k <= kVehicles; ++k) {
            line(0, j, k);
        }
    }
    return report + "ql(1,1) 0\n";
}

void BM_WriteLPFormulation(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)));
    std::string path = TemporaryFile("model.lp");
    for (auto _ : state) {
        OnWriteLPFormulation(*doc, path);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteLPFormulation)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_ReadGurobiSolution(benchmark::State& state) {
    auto doc = RandomProject(static_cast<int>(state.range(0)));
    std::string path = TemporaryFile("report.sol");
    std::ofstream(path, std::ios::binary) << MakeGurobiReport(*doc);
    for (auto _ : state) {
        if (ReadMipSolution(*doc, EMipSolver::gurobi, path) != ERunResult::recorded) {
            state.SkipWithError("the report was refused");
            break;
        }
    }
    state.counters["routes"] = doc->GetNumberOfRoutes();
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadGurobiSolution)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
