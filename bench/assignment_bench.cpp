// Times Generalized Assignment with Seed Points and with Seed Rays on the 200-facility example
// and on the Goetschalckx & Jacobs-Blecha VRPB instances (read from ../shared/benchmarks/vrpb,
// or the folder named by TRAMLET_VRPB_DIR; skipped when absent), printing per instance and
// variant the run time, distance, cost and routes, and for the seed points the solve times of
// the exact cluster models (3 to 16 facilities) re-solved one by one. Each run is a whole
// command: routes deleted, costs, assignment model, routes, check, record.
// GLPK writes its progress to stderr; run with 2>/dev/null.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/vrpb_folder.h"
#include "files/benchmark_instance_import.h"
#include "framework/application/clock.h"
#include "framework/application/sable_win_app.h"
#include "framework/colours/color.h"
#include "framework/colours/shape.h"
#include "framework/containers/long_matrix.h"
#include "optimisation/generalized_assignment.h"

namespace {

namespace fs = std::filesystem;

// Reads a .vrpb instance into a new project (report level Database, a generous time limit).
// Null when the file cannot be read.
std::unique_ptr<CTramletDoc> LoadVrpbInstance(const fs::path& path) {
    auto doc = std::make_unique<CTramletDoc>();
    if (!ImportBenchmarkInstance(*doc, path.string())) {
        return nullptr;
    }
    doc->SetReportLevel(1);
    doc->SetTimeLimit(3600.0);
    return doc;
}

// Re-solves every route of 3 to 16 facilities as an exact cluster model, one at a time, and
// prints how many there were, their largest size and the mean and largest solve time. The
// project's routes are deleted afterwards.
void TimeClusterModels(CTramletDoc& doc) {
    const int n = doc.GetNumberOfCustomers() + doc.GetNumberOfSuppliers();
    const int m = doc.GetNumberOfVehicles();
    CLongMatrix assignment(n, m);
    int models = 0;
    int largest = 0;
    double total = 0.0;
    double slowest = 0.0;
    std::vector<CRoute*> routes = doc.GetRoutes();
    for (size_t r = 0; r < routes.size() && static_cast<int>(r) < m; ++r) {
        int count = 0;
        for (const CFacility* f : routes[r]->GetFacilities()) {
            if (!f->IsDepot()) {
                assignment[f->GetIndex()][r] = 1;
                ++count;
            }
        }
        if (count < 3 || count > GAP_MAX_EXACT_CLUSTER) {
            continue;
        }
        CRoute tour(&doc);
        const double start = GetClockSeconds();
        SolveClusterTour(doc, *CSableWinApp::GetApp(), assignment, count, static_cast<int>(r), tour);
        const double seconds = GetClockSeconds() - start;
        tour.Clear();
        ++models;
        largest = std::max(largest, count);
        total += seconds;
        slowest = std::max(slowest, seconds);
    }
    doc.DeleteAllRoutes();
    std::printf("    cluster models: %d, largest %d facilities, mean %.4f s, slowest %.4f s\n", models,
                largest, models > 0 ? total / models : 0.0, slowest);
}

// Runs both variants on the project and prints a line each.
void RunInstance(const std::string& name, CTramletDoc& doc, const fs::path& folder) {
    doc.SetPathName((folder / (name + ".tramlet")).string());
    struct SVariant {
        const char* name;
        ERunResult (*run)(CTramletDoc&);
    };
    for (SVariant variant : {SVariant{"points", OnGeneralizedAssignmentSeedPoints},
                             SVariant{"rays", OnGeneralizedAssignmentSeedRays}}) {
        doc.GetAlgorithmStatistics().clear();
        const double start = GetClockSeconds();
        const ERunResult result = variant.run(doc);
        const double seconds = GetClockSeconds() - start;
        const CAlgoStat& record = doc.GetCurrentSolution();
        if (result != ERunResult::recorded) {
            std::printf("%-10s %-6s  not recorded\n", name.c_str(), variant.name);
            continue;
        }
        std::printf("%-10s %-6s %4d %4d %6d %9.3f %12.2f %12.2f %7d %7d\n", name.c_str(), variant.name,
                    doc.GetNumberOfCustomers() + doc.GetNumberOfSuppliers(), doc.GetNumberOfVehicles(),
                    doc.GetVehicleCapacity(), seconds, record.m_dDistance, record.m_dCost,
                    doc.GetNumberOfRoutes(), doc.GetRoutedCount());
        if (variant.run == OnGeneralizedAssignmentSeedPoints) {
            TimeClusterModels(doc);
        }
    }
}

} // namespace

int main() {
    SharedBenchEnvironment();
    const fs::path folder =
        fs::temp_directory_path() / ("tramlet-assignment-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::printf("%-10s %-6s %4s %4s %6s %9s %12s %12s %7s %7s\n", "instance", "seeds", "n", "m", "C",
                "time s", "distance", "cost", "routes", "routed");
    if (auto doc = OpenExampleBenchProject("random200")) {
        RunInstance("random200", *doc, folder);
    } else {
        std::printf("random200 not available\n");
    }
    const fs::path vrpb = FindVrpbFolder();
    if (vrpb.empty()) {
        std::printf("VRPB instances not found (set TRAMLET_VRPB_DIR): skipped\n");
    } else {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(vrpb)) {
            if (entry.path().extension() == ".vrpb") {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            if (auto doc = LoadVrpbInstance(file)) {
                RunInstance(file.stem().string(), *doc, folder);
            }
        }
    }
    std::error_code error;
    fs::remove_all(folder, error);
    return 0;
}
