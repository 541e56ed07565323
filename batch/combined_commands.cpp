// The combined commands: All Algorithms and All Improvements.

#include <cstdio>
#include <string>
#include <vector>

#include "batch/batch_command_table.h"
#include "model/tramlet_doc.h"
#include "runs/combined_commands.h"

void AddCombinedCommands(CBatchCommandTable& table) {
    table.Add({"all-algorithms",
               {},
               "All Algorithms: every construction, completed and improved; the best is kept (asks: --yes)",
               [](SBatchContext& context, const std::vector<std::string>&) {
                   if (!CanRunAllAlgorithms(context.document)) {
                       std::fprintf(stderr, "tramlet-batch: all-algorithms needs a depot and customers or "
                                            "suppliers\n");
                       return false;
                   }
                   ERunResult result = RunAllAlgorithms(context.document);
                   if (result == ERunResult::refused) {
                       std::fprintf(stderr, "tramlet-batch: all-algorithms was not confirmed (see --yes)\n");
                   }
                   return result == ERunResult::recorded;
               }});
    table.Add(AlgorithmCommand(
        "all-improvements",
        "All Improvements: three-exchange, move and swap rounds on the routes while they save",
        CanRunAllImprovements, "routes", RunAllImprovements));
}
