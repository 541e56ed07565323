// The ruin-and-recreate search and its settings.

#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "batch/batch_command_table.h"
#include "model/tramlet_doc.h"
#include "runs/run_frame.h"
#include "search/search_command.h"

namespace {

using Arguments = std::vector<std::string>;

// The search settings of this run of the program.
SSearchSettings& Settings() {
    static SSearchSettings settings;
    return settings;
}

// A whole-number search setting handed to its validating setter.
SBatchCommand SearchSetting(const std::string& name, const std::string& help,
                            void (*set)(SSearchSettings&, int)) {
    return {name, {"N"}, help, [name, set](SBatchContext&, const Arguments& arguments) {
                int value = 0;
                return ParseBatchInteger(name, arguments[0], value) &&
                       Guarded([&] { set(Settings(), value); });
            }};
}

// The progress line on stderr, rewritten in place; only when stderr is a terminal.
void ShowProgressLine(const SSearchProgress& progress, bool finished) {
    std::fprintf(stderr, "\rsearch: iteration %d, best cost %.2f, %.1f s%s", progress.iteration,
                 progress.bestCost, progress.seconds, finished ? "\n" : "");
    std::fflush(stderr);
}

} // namespace

void AddSearchCommands(CBatchCommandTable& table) {
    table.Add(SearchSetting("--search-iterations", "iterations of search, 1 to 100000000 (100000)",
                            SetSearchIterations));
    table.Add(SearchSetting("--search-stall",
                            "search ends after N iterations without improvement, 1 to 100000000 (50000)",
                            SetSearchIterationsWithoutImprovement));
    table.Add(SearchSetting("--ruin-size",
                            "average number of facilities a search ruin takes out, 1 to 100 (10)",
                            SetSearchAverageRuinSize));
    table.Add({"--fleet",
               {"RULE"},
               "fleet rule of search: at-most (at most the vehicles, more penalised) or exact (exactly the "
               "vehicles, no supplier-only route)",
               [](SBatchContext&, const Arguments& arguments) {
                   return Guarded([&] { SetSearchFleetRule(Settings(), arguments[0]); });
               }});
    table.Add({"search",
               {},
               "Ruin and Recreate Search: near-optimal routes from --seed within --time-limit",
               [](SBatchContext& context, const Arguments&) {
                   SearchProgressHook progress;
                   if (::isatty(STDERR_FILENO) != 0) {
                       progress = ShowProgressLine;
                   }
                   const ERunResult result = RunRuinRecreateSearch(context.document, Settings(), progress);
                   if (result == ERunResult::refused) {
                       std::fprintf(stderr,
                                    "tramlet-batch: search needs a depot and a customer or supplier\n");
                   }
                   return result == ERunResult::recorded;
               }});
}
