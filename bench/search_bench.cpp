// Runs Ruin and Recreate Search (exact fleet rule, the convention of the published values) and
// All Algorithms (which follows the project's at-most rule) side by side on the classic VRPB instances of
// ../shared/benchmarks/vrpb (or $TRAMLET_VRPB_DIR; skipped when absent) and prints per instance the best
// known value, each method's distance, gap to it, run time and routes, the search's distance under the
// at-most rule too (comparable with All Algorithms where that uses fewer routes), and the mean gap per set
// (the instance name's letter) and over all. Arguments: instance names to run (all when none). The machine's
// load shows in the times: run it with nice on a quiet machine for figures worth quoting.
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
#include "runs/combined_commands.h"
#include "search/search_command.h"

namespace {

namespace fs = std::filesystem;

// The "bks" column of bks.csv by the "instance" column.
std::map<std::string, double> ReadBestKnown(const fs::path& path) {
    std::map<std::string, double> values;
    std::ifstream file(path);
    std::string line;
    std::getline(file, line); // header: instance,...,bks,optimal
    while (std::getline(file, line)) {
        std::vector<std::string> cells;
        std::stringstream row(line);
        for (std::string cell; std::getline(row, cell, ',');) {
            cells.push_back(cell);
        }
        if (cells.size() >= 6) {
            values[cells[0]] = std::atof(cells[5].c_str());
        }
    }
    return values;
}

// One method's result on one instance.
struct SOutcome {
    double distance = 0.0;
    double seconds = 0.0;
    int routes = 0;
    bool recorded = false;
};

// Runs a command on a fresh copy of the instance.
template <class Command> SOutcome RunOnInstance(const fs::path& path, Command command) {
    SOutcome outcome;
    std::unique_ptr<CTramletDoc> doc = OpenBenchmarkInstance(path.string());
    if (doc == nullptr) {
        return outcome;
    }
    doc->SetReportLevel(1);
    doc->SetTimeLimit(3600.0);
    outcome.recorded = command(*doc) == ERunResult::recorded;
    const CAlgoStat& record = doc->GetCurrentSolution();
    outcome.distance = record.m_dDistance;
    outcome.seconds = record.m_dRunTime;
    outcome.routes = doc->GetNumberOfRoutes();
    SharedBenchEnvironment().UserInterface().ClearRecords();
    return outcome;
}

double Gap(double value, double best) {
    return best > 0.0 ? 100.0 * (value - best) / best : 0.0;
}

// Mean gaps of one set (or of all): search, All Algorithms.
struct SMeans {
    double search = 0.0;
    double all = 0.0;
    int count = 0;
    void Add(double searchGap, double allGap) {
        search += searchGap;
        all += allGap;
        ++count;
    }
    void Print(const std::string& name) const {
        if (count > 0) {
            std::printf("mean %-4s %2d instances: search %6.2f %%   all algorithms %6.2f %%\n", name.c_str(),
                        count, search / count, all / count);
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    const fs::path folder = FindVrpbFolder();
    if (folder.empty()) {
        std::printf("search_bench: no VRPB instances found, skipped\n");
        return 0;
    }
    SharedBenchEnvironment();
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
    SSearchSettings settings;
    settings.fleetRule = EFleetRule::exact;
    std::printf("%-8s %12s | %12s %7s %6s %3s | %12s %7s %6s %3s | %12s\n", "instance", "bks", "search",
                "gap %", "sec", "R", "all algos", "gap %", "sec", "R", "at-most");
    SSearchSettings atMost = settings;
    atMost.fleetRule = EFleetRule::atMost;
    std::map<std::string, SMeans> sets;
    SMeans overall;
    for (const fs::path& path : files) {
        const std::string name = path.stem().string();
        const double bks = best.count(name) != 0 ? best.at(name) : 0.0;
        const SOutcome search =
            RunOnInstance(path, [&](CTramletDoc& doc) { return RunRuinRecreateSearch(doc, settings); });
        const SOutcome all = RunOnInstance(path, RunAllAlgorithms);
        const SOutcome free =
            RunOnInstance(path, [&](CTramletDoc& doc) { return RunRuinRecreateSearch(doc, atMost); });
        std::printf("%-8s %12.2f | %12.2f %7.2f %6.2f %3d | %12.2f %7.2f %6.2f %3d | %12.2f%s\n",
                    name.c_str(), bks, search.distance, Gap(search.distance, bks), search.seconds,
                    search.routes, all.distance, Gap(all.distance, bks), all.seconds, all.routes,
                    free.distance,
                    search.recorded && all.recorded && free.recorded ? "" : "  (a run was not recorded)");
        sets[name.substr(0, 1)].Add(Gap(search.distance, bks), Gap(all.distance, bks));
        overall.Add(Gap(search.distance, bks), Gap(all.distance, bks));
    }
    for (const auto& [set, means] : sets) {
        means.Print(set);
    }
    overall.Print("all");
    return 0;
}
