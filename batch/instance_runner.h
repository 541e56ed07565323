#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

class CTramletApp;
class CConsoleUserInterface;
struct SBatchCommand;

using BatchSteps = std::vector<std::pair<const SBatchCommand*, std::vector<std::string>>>;

// What the instance runner is asked to do.
struct SInstanceRun {
    std::string folder;    // every .vrpb file in it (sorted by name)
    std::string bestKnown; // CSV with the columns "instance" and "bks" (empty: no gaps)
    std::string csv;       // where the rows go as CSV (empty: not written)
};

// Reads a best-known-values CSV: the header names the columns "instance" and "bks" (or
// "best_known"); false after a one-line reason on stderr.
bool ReadBestKnownValues(const std::string& path, std::map<std::string, double>& values);

// Runs the steps on every instance of the folder, one fresh project each, and prints one row
// per instance (instance, OK, distance, gap to the best known value, routes, seconds, seed) and
// a summary line; the rows are written to the CSV file when one is named. Returns the exit
// status: 0 when every instance ran, 1 otherwise.
int RunInstances(CTramletApp& app, CConsoleUserInterface& ui, const SInstanceRun& run,
                 const BatchSteps& steps);
