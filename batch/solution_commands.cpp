// write-solution and read-solution: the routes as a standard solution file ("Route #k: ...").

#include <cstdio>

#include "batch/batch_command_table.h"
#include "files/solution_file.h"
#include "model/tramlet_doc.h"

void AddSolutionCommands(CBatchCommandTable& table) {
    table.Add({"write-solution",
               {"FILE"},
               "write the routes as a solution file (Route #k: nodes, then Cost)",
               [](SBatchContext& context, const std::vector<std::string>& arguments) {
                   return WriteSolutionFile(context.document, arguments[0]);
               }});
    table.Add({"read-solution",
               {"FILE"},
               "read a solution file as the routes, recorded as the run \"Read Solution\"",
               [](SBatchContext& context, const std::vector<std::string>& arguments) {
                   if (!HasFacilitiesToRoute(context.document)) {
                       std::fprintf(stderr, "tramlet-batch: read-solution needs a depot and at least one "
                                            "customer or supplier\n");
                       return false;
                   }
                   return ReadSolutionFile(context.document, arguments[0]) == ERunResult::recorded;
               }});
}
