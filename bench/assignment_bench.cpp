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
#include "framework/application/clock.h"
#include "framework/application/sable_win_app.h"
#include "framework/colours/color.h"
#include "framework/colours/shape.h"
#include "framework/containers/long_matrix.h"
#include "optimisation/generalized_assignment.h"

namespace {

namespace fs = std::filesystem;

// A node of a .vrpb instance.
struct SVrpbNode {
    int x = 0;
    int y = 0;
    int quantity = 0;
    bool backhaul = false;
};

CFacility* AddBenchFacility(CTramletDoc& doc, int type, const std::string& label, int x, int y,
                            int quantity) {
    CPRGB color;
    color.SetColorIndex(type == FT_CUSTOMER ? COLOR_RED : type == FT_SUPPLIER ? COLOR_GREEN : COLOR_BLUE);
    auto f = std::make_unique<CFacility>(type, CLonLatPoint(x, y), CIntPoint{x, y}, quantity, 5, SHAPE_CIRCLE,
                                         color, label, label);
    f->UpdateViewLocation();
    return doc.AddFacility(std::move(f), false);
}

// Reads a .vrpb instance (keyword header, coordinate, demand, backhaul and depot sections) into
// a new project: linehaul nodes as customers, backhaul nodes as suppliers, the depot, Euclidean
// distances, the instance's fleet. Null when the file cannot be read.
std::unique_ptr<CTramletDoc> LoadVrpbInstance(const fs::path& path) {
    std::ifstream in(path);
    if (!in) {
        return nullptr;
    }
    std::map<int, SVrpbNode> nodes;
    int vehicles = 0;
    int capacity = 0;
    int depot = 1;
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first == "EOF") {
            continue;
        }
        if (first.find("SECTION") != std::string::npos) {
            section = first;
            continue;
        }
        if (line.find(':') != std::string::npos) {
            const std::string value = line.substr(line.find(':') + 1);
            if (first.rfind("VEHICLES", 0) == 0) {
                vehicles = std::atoi(value.c_str());
            } else if (first.rfind("CAPACITY", 0) == 0) {
                capacity = std::atoi(value.c_str());
            }
            continue;
        }
        const int id = std::atoi(first.c_str());
        if (section == "NODE_COORD_SECTION") {
            words >> nodes[id].x >> nodes[id].y;
        } else if (section == "DEMAND_SECTION") {
            words >> nodes[id].quantity;
        } else if (section == "BACKHAUL_SECTION") {
            for (int backhaul = id; backhaul != -1 && words; words >> backhaul) {
                nodes[backhaul].backhaul = true;
            }
        } else if (section == "DEPOT_SECTION" && id > 0) {
            depot = id;
        }
    }
    int east = 0;
    int north = 0;
    for (const auto& [id, node] : nodes) {
        east = std::max(east, node.x);
        north = std::max(north, node.y);
    }
    auto doc = std::make_unique<CTramletDoc>();
    doc->MakeActive();
    doc->OnNewDocument(CLonLatRect(0, 0, east + 1000, north + 1000));
    for (int type : {FT_CUSTOMER, FT_SUPPLIER}) {
        for (const auto& [id, node] : nodes) {
            if (id != depot && node.backhaul == (type == FT_SUPPLIER)) {
                AddBenchFacility(*doc, type, std::to_string(id), node.x, node.y, node.quantity);
            }
        }
    }
    AddBenchFacility(*doc, FT_DEPOT, std::to_string(depot), nodes[depot].x, nodes[depot].y, 0);
    doc->ResizeDistanceMatrix();
    doc->ComputeAllDistances();
    doc->SetVehicleCapacity(capacity);
    doc->SetNumberOfVehicles(vehicles);
    doc->SetReportLevel(1);
    doc->SetTimeLimit(3600.0);
    return doc;
}

// The folder of the VRPB instances, empty when there is none.
fs::path FindVrpbFolder() {
    if (const char* named = std::getenv("TRAMLET_VRPB_DIR")) {
        return fs::is_directory(named) ? fs::path(named) : fs::path();
    }
    const fs::path root = fs::path(EXAMPLES_DIR).parent_path();
    for (const fs::path& candidate : {root.parent_path() / "shared" / "benchmarks" / "vrpb",
                                      root.parent_path().parent_path() / "shared" / "benchmarks" / "vrpb"}) {
        if (fs::is_directory(candidate)) {
            return candidate;
        }
    }
    return fs::path();
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
