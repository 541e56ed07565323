#pragma once

#include <functional>

#include "runs/run_frame.h"
#include "search/search_settings.h"

class CTramletDoc;

// The name of the command, of its record and of its status window.
extern const char* const SEARCH_ALGORITHM_NAME;

// Where a running search stands.
struct SSearchProgress {
    int iteration = 0;
    double bestCost = 0.0;
    double seconds = 0.0;
};
// Told of the progress a few times a second, and once more with finished true at the end.
using SearchProgressHook = std::function<void(const SSearchProgress& progress, bool finished)>;

// Ruin and Recreate Search: deletes the routes and searches from the project's seed (see
// CRuinRecreateSearch) on the project's distances, quantities, fleet and penalty under the
// settings' fleet rule. The abort dialog is shown; at report level Standard and above the status
// window shows the iteration, the best cost and the time, refreshed at most four times a second.
// The search ends after its iterations, after its iterations without improvement or at the
// project's time limit; the cheapest solution found becomes the routes and is recorded with
// the iterations done, its number of routes as count and the saving against the first solution
// as delta objective. An abort ends the run without a record and without routes.
ERunResult RunRuinRecreateSearch(CTramletDoc& document, const SSearchSettings& settings,
                                 const SearchProgressHook& progress = {});
