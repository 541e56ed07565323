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
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "construction/savings.h"
#include "files/benchmark_instance_import.h"
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

// The project of an instance (linehauls as customers, backhauls as suppliers, the depot, the
// fleet, Euclidean distances); report level Database and no time limit worth the name. Null when
// the file cannot be read.
std::unique_ptr<CTramletDoc> BuildProject(const fs::path& path) {
    auto doc = std::make_unique<CTramletDoc>();
    if (!ImportBenchmarkInstance(*doc, path.string())) {
        return nullptr;
    }
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
    const std::string name = path.stem().string();
    const double bks = best.count(name) ? best.at(name) : 0.0;
    for (int mode : {SP_MODE_BOUND, SP_MODE_BOUND_NO_REVISITS}) {
        std::unique_ptr<CTramletDoc> doc = BuildProject(path);
        if (!doc) {
            std::printf("%-4s  cannot be read\n", name.c_str());
            return;
        }
        const int vehicles = doc->GetNumberOfVehicles();
        if (!RouteProject(*doc)) {
            std::printf("%-4s  the starting routes failed\n", name.c_str());
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
            name.c_str(), static_cast<std::size_t>(doc->GetNumberOfCustomers() + doc->GetNumberOfSuppliers()),
            doc->GetVehicleCapacity(), vehicles, doc->GetNumberOfVehicles(),
            mode == SP_MODE_BOUND ? "plain" : "no-revisits", profile.iterations, profile.columns,
            profile.pricingSeconds, profile.solverSeconds, seconds, processSeconds, record.m_dLowerBound,
            record.m_dDistance, bks, bks > 0.0 ? (bks - record.m_dLowerBound) * 100.0 / bks : 0.0,
            result == ERunResult::recorded ? "" : "  (not recorded)");
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv) {
    const char* named = std::getenv("TRAMLET_VRPB_DIR");
    const fs::path folder =
        named != nullptr ? fs::path(named)
                         : fs::path(EXAMPLES_DIR) / ".." / ".." / ".." / "shared" / "benchmarks" / "vrpb";
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
