// The lower bound of set partitioning with column generation on the Goetschalckx & Jacobs-Blecha
// VRPB instances (sets A to F) of ../shared/benchmarks/vrpb: each instance is built in memory,
// routed by Savings (Greedy Parallel) and All Improvements, and bounded by both pricing variants.
// Per instance and variant it prints the iterations, the columns, the processor seconds spent in
// the pricing and in the simplex calls, the whole run's wall-clock and processor seconds (both
// threads), the bound and its gap to the best known value of bks.csv. Skipped
// when the folder is absent. Arguments: instance names to run (all when none).
//
//   set_partitioning_bench [A1 B2 ...]

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "construction/savings.h"
#include "framework/application/clock.h"
#include "framework/colours/color.h"
#include "framework/colours/shape.h"
#include "optimisation/set_partitioning.h"
#include "runs/combined_commands.h"

namespace {

namespace fs = std::filesystem;

// Processor seconds of the whole process (the solver's worker thread included).
double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One instance of the VRPB text format: nodes with coordinates and quantities, the backhauls, the
// depot, the fleet.
struct SInstance {
    std::string name;
    int vehicles = 0;
    int capacity = 0;
    int depot = 1;
    std::map<int, std::pair<int, int>> coordinates;
    std::map<int, int> quantity;
    std::vector<int> backhauls;
};

// Reads the keyword-and-section format (irregular blanks, sections closed by -1 or the next key).
bool ReadInstance(const fs::path& path, SInstance& instance) {
    std::ifstream file(path);
    if (!file) {
        return false;
    }
    std::string line, section;
    while (std::getline(file, line)) {
        std::istringstream items(line);
        std::string first;
        if (!(items >> first) || first == "EOF") {
            continue;
        }
        if (line.find(':') != std::string::npos) {
            std::string key = line.substr(0, line.find(':'));
            std::string value = line.substr(line.find(':') + 1);
            key.erase(std::remove(key.begin(), key.end(), ' '), key.end());
            if (key == "NAME") {
                instance.name = value.substr(value.find_first_not_of(' '));
            } else if (key == "VEHICLES") {
                instance.vehicles = std::stoi(value);
            } else if (key == "CAPACITY") {
                instance.capacity = std::stoi(value);
            }
            section.clear();
            continue;
        }
        if (first.find("_SECTION") != std::string::npos) {
            section = first;
            continue;
        }
        std::istringstream numbers(line);
        int id = 0, a = 0, b = 0;
        if (section == "NODE_COORD_SECTION" && (numbers >> id >> a >> b)) {
            instance.coordinates[id] = {a, b};
        } else if (section == "DEMAND_SECTION" && (numbers >> id >> a)) {
            instance.quantity[id] = a;
        } else if (section == "BACKHAUL_SECTION") {
            while (numbers >> id && id != -1) {
                instance.backhauls.push_back(id);
            }
        } else if (section == "DEPOT_SECTION" && (numbers >> id) && id != -1) {
            instance.depot = id;
        }
    }
    return !instance.coordinates.empty() && instance.capacity > 0;
}

// The best known values by instance name.
std::map<std::string, double> ReadBestKnown(const fs::path& path) {
    std::map<std::string, double> values;
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    while (std::getline(file, line)) {
        std::vector<std::string> fields;
        std::stringstream items(line);
        std::string field;
        while (std::getline(items, field, ',')) {
            fields.push_back(field);
        }
        if (fields.size() >= 6) {
            values[fields[0]] = std::stod(fields[5]);
        }
    }
    return values;
}

// The project of an instance: linehauls as customers, backhauls as suppliers, the depot, the fleet,
// Euclidean distances; report level Database and no time limit worth the name.
std::unique_ptr<CTramletDoc> BuildProject(const SInstance& instance) {
    int maxX = 0, maxY = 0;
    for (const auto& [id, xy] : instance.coordinates) {
        maxX = std::max(maxX, xy.first);
        maxY = std::max(maxY, xy.second);
    }
    auto doc = std::make_unique<CTramletDoc>();
    doc->MakeActive();
    doc->OnNewDocument(CLonLatRect(0, 0, maxX + 1, maxY + 1));
    auto add = [&](int type, int id) {
        CPRGB color;
        color.SetColorIndex(type == FT_CUSTOMER ? COLOR_RED : type == FT_SUPPLIER ? COLOR_GREEN : COLOR_BLUE);
        const auto [x, y] = instance.coordinates.at(id);
        const int quantity = type == FT_DEPOT ? 0 : instance.quantity.at(id);
        auto f =
            std::make_unique<CFacility>(type, CLonLatPoint(x, y), CIntPoint{x, y}, quantity, 5, SHAPE_CIRCLE,
                                        color, std::to_string(id), "n" + std::to_string(id));
        doc->AddFacility(std::move(f), false);
    };
    for (const auto& [id, xy] : instance.coordinates) {
        const bool backhaul =
            std::find(instance.backhauls.begin(), instance.backhauls.end(), id) != instance.backhauls.end();
        if (id != instance.depot) {
            add(backhaul ? FT_SUPPLIER : FT_CUSTOMER, id);
        }
    }
    add(FT_DEPOT, instance.depot);
    doc->SetVehicleCapacity(instance.capacity);
    doc->SetNumberOfVehicles(instance.vehicles);
    doc->ResizeDistanceMatrix();
    doc->ComputeAllDistances();
    doc->SetReportLevel(1);
    doc->SetTimeLimit(3600.0);
    doc->SetMaxIterations(32767);
    return doc;
}

// Savings (Greedy Parallel) and All Improvements; the fleet grows to the routes they use, so that
// the master problem starts feasible (a bound for more vehicles bounds the instance's fleet too).
bool RouteProject(CTramletDoc& doc) {
    if (OnAlgorithmsSavingsGreedyParallel(doc) != ERunResult::recorded ||
        RunAllImprovements(doc) != ERunResult::recorded) {
        return false;
    }
    doc.SetNumberOfVehicles(std::max(doc.GetNumberOfVehicles(), doc.GetNumberOfRoutes()));
    return true;
}

void RunInstance(const fs::path& path, const std::map<std::string, double>& best) {
    SInstance instance;
    if (!ReadInstance(path, instance)) {
        std::printf("%-4s  cannot be read\n", path.stem().c_str());
        return;
    }
    const double bks = best.count(instance.name) ? best.at(instance.name) : 0.0;
    for (int mode : {SP_MODE_BOUND, SP_MODE_BOUND_NO_REVISITS}) {
        std::unique_ptr<CTramletDoc> doc = BuildProject(instance);
        if (!RouteProject(*doc)) {
            std::printf("%-4s  the starting routes failed\n", instance.name.c_str());
            return;
        }
        const double start = GetClockSeconds();
        const double processStart = ProcessSeconds();
        const ERunResult result = RunSetPartitioning(*doc, mode);
        const double seconds = GetClockSeconds() - start;
        const double processSeconds = ProcessSeconds() - processStart;
        const SSetPartitioningProfile& profile = GetLastSetPartitioningProfile();
        const CAlgoStat& record = doc->GetCurrentSolution();
        std::printf(
            "%-4s %3zu %5d %2d/%-2d %-11s %5d %7d %8.2f %8.2f %8.2f %8.2f %12.2f %12.2f %12.2f %7.2f%s\n",
            instance.name.c_str(), instance.coordinates.size() - 1, instance.capacity, instance.vehicles,
            doc->GetNumberOfVehicles(), mode == SP_MODE_BOUND ? "plain" : "no-revisits", profile.iterations,
            profile.columns, profile.pricingSeconds, profile.solverSeconds, seconds, processSeconds,
            record.m_dLowerBound, record.m_dDistance, bks,
            bks > 0.0 ? (bks - record.m_dLowerBound) * 100.0 / bks : 0.0,
            result == ERunResult::recorded ? "" : "  (not recorded)");
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv) {
    const fs::path folder = fs::path(EXAMPLES_DIR) / ".." / ".." / ".." / "shared" / "benchmarks" / "vrpb";
    if (!fs::is_directory(folder)) {
        std::printf("set_partitioning_bench: %s not found, skipped\n", folder.c_str());
        return 0;
    }
    CBenchEnvironment& environment = SharedBenchEnvironment();
    (void)environment;
    // A dual prices file of an earlier run in the current folder would be read: work in a fresh one.
    const fs::path work = fs::temp_directory_path() / ("tramlet-sp-bench-" + std::to_string(::getpid()));
    fs::create_directories(work);
    fs::current_path(work);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string stem = entry.path().stem().string();
        const bool wanted = argc < 2 || std::find(argv + 1, argv + argc, stem) != argv + argc;
        if (entry.path().extension() == ".vrpb" && wanted) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    const std::map<std::string, double> best = ReadBestKnown(folder / "bks.csv");
    std::printf(
        "inst   n     Q  K/V  variant     iter columns  pricing  simplex     wall      cpu        bound   "
        "  incumbent          bks  gap(%%)\n");
    for (const fs::path& file : files) {
        RunInstance(file, best);
    }
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(work);
    return 0;
}
