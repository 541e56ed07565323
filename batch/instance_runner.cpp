#include "batch/instance_runner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/tramlet_app.h"
#include "batch/batch_command_table.h"
#include "batch/statistics_output.h"
#include "files/archive/binary_project_file.h"
#include "files/benchmark_instance_import.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream items(line);
    std::string field;
    while (std::getline(items, field, ',')) {
        field.erase(0, field.find_first_not_of(" \t\r"));
        field.erase(field.find_last_not_of(" \t\r") + 1);
        fields.push_back(field);
    }
    return fields;
}

// One row of the table.
struct SInstanceRow {
    std::string instance;
    bool ok = false;
    double distance = 0.0;
    bool hasGap = false;
    double gap = 0.0;
    int routes = 0;
    double seconds = 0.0;
    int seed = 0;
};

std::string FormatCsvRow(const SInstanceRow& row) {
    return FormatString("%s,%s,%.2f,%s,%d,%.3f,%d\n", row.instance.c_str(), row.ok ? "yes" : "no",
                        row.distance, row.hasGap ? FormatString("%.2f", row.gap).c_str() : "", row.routes,
                        row.seconds, row.seed);
}

// Opens one instance and runs the steps on it.
SInstanceRow RunOneInstance(CTramletApp& app, CConsoleUserInterface& ui, const fs::path& path,
                            const BatchSteps& steps, const std::map<std::string, double>& best) {
    SInstanceRow row;
    row.instance = path.stem().string();
    const auto start = std::chrono::steady_clock::now();
    CTramletDoc* document = nullptr;
    if (std::unique_ptr<CTramletDoc> opened = OpenProjectFile(path.string())) {
        document = app.SetTramletDocument(std::move(opened));
    }
    if (document != nullptr) {
        app.SetIsIdle();
        row.seed = document->GetSeed();
        SBatchContext context{*document, ui, std::string()};
        row.ok = true;
        for (const auto& [command, arguments] : steps) {
            if (!command->run(context, arguments)) {
                std::fprintf(stderr, "tramlet-batch: %s: %s failed%s%s\n", row.instance.c_str(),
                             command->name.c_str(), context.failure.empty() ? "" : ": ",
                             context.failure.c_str());
                row.ok = false;
                break;
            }
        }
        row.routes = document->GetNumberOfRoutes();
        if (row.routes > 0) {
            row.distance = document->GetCurrentSolution().m_dDistance;
        }
    }
    row.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    auto known = best.find(row.instance);
    if (row.ok && row.routes > 0 && known != best.end() && known->second > 0.0) {
        row.hasGap = true;
        row.gap = ReferenceGap(row.distance, known->second);
    }
    return row;
}

} // namespace

bool ReadBestKnownValues(const std::string& path, std::map<std::string, double>& values) {
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line)) {
        std::fprintf(stderr, "tramlet-batch: cannot read the best known values \"%s\"\n", path.c_str());
        return false;
    }
    const std::vector<std::string> header = SplitCsvLine(line);
    auto column = [&header](std::initializer_list<const char*> names) {
        for (const char* name : names) {
            auto found = std::find(header.begin(), header.end(), name);
            if (found != header.end()) {
                return static_cast<int>(found - header.begin());
            }
        }
        return -1;
    };
    const int instance = column({"instance", "name"});
    const int bks = column({"bks", "best_known"});
    if (instance < 0 || bks < 0) {
        std::fprintf(stderr, "tramlet-batch: %s: the header names no \"instance\" and \"bks\" columns\n",
                     path.c_str());
        return false;
    }
    for (int number = 2; std::getline(file, line); ++number) {
        const std::vector<std::string> fields = SplitCsvLine(line);
        if (fields.empty() || (fields.size() == 1 && fields[0].empty())) {
            continue;
        }
        char* end = nullptr;
        const std::string text =
            static_cast<int>(fields.size()) > bks ? fields[static_cast<std::size_t>(bks)] : std::string();
        const double value = std::strtod(text.c_str(), &end);
        if (static_cast<int>(fields.size()) <= instance || text.empty() || *end != '\0') {
            std::fprintf(stderr, "tramlet-batch: %s, line %d: no best known value\n", path.c_str(), number);
            return false;
        }
        values[fields[static_cast<std::size_t>(instance)]] = value;
    }
    return true;
}

int RunInstances(CTramletApp& app, CConsoleUserInterface& ui, const SInstanceRun& run,
                 const BatchSteps& steps) {
    std::map<std::string, double> best;
    if (!run.bestKnown.empty() && !ReadBestKnownValues(run.bestKnown, best)) {
        return 1;
    }
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(run.folder, error)) {
        if (IsBenchmarkInstanceFileName(entry.path().string())) {
            files.push_back(entry.path());
        }
    }
    if (error || files.empty()) {
        std::fprintf(stderr, "tramlet-batch: no .vrpb instances in \"%s\"\n", run.folder.c_str());
        return 1;
    }
    std::sort(files.begin(), files.end());
    std::string csv = "instance,ok,distance,gap_percent,routes,seconds,seed\n";
    std::printf("%-16s %-3s %14s %8s %6s %9s %6s\n", "instance", "OK", "distance", "gap(%)", "routes",
                "seconds", "seed");
    int succeeded = 0;
    double gapSum = 0.0;
    int gaps = 0;
    double seconds = 0.0;
    for (const fs::path& file : files) {
        const SInstanceRow row = RunOneInstance(app, ui, file, steps, best);
        std::printf("%-16s %-3s %14.2f %8s %6d %9.3f %6d\n", row.instance.c_str(), row.ok ? "yes" : "no",
                    row.distance, row.hasGap ? FormatString("%.2f", row.gap).c_str() : "-", row.routes,
                    row.seconds, row.seed);
        std::fflush(stdout);
        csv += FormatCsvRow(row);
        succeeded += row.ok ? 1 : 0;
        seconds += row.seconds;
        if (row.hasGap) {
            gapSum += row.gap;
            ++gaps;
        }
    }
    std::printf("%d of %zu instances OK, mean gap %s over %d, %.3f seconds\n", succeeded, files.size(),
                gaps > 0 ? FormatString("%.2f%%", gapSum / gaps).c_str() : "-", gaps, seconds);
    if (!run.csv.empty()) {
        std::ofstream out(run.csv, std::ios::binary);
        out << csv;
        if (!out.flush()) {
            std::fprintf(stderr, "tramlet-batch: cannot write \"%s\"\n", run.csv.c_str());
            return 1;
        }
    }
    return succeeded == static_cast<int>(files.size()) ? 0 : 1;
}
