// Extreme Crossovers (with GLPK, or the greedy rule when it cannot be loaded) and Extreme Savings.

#include <cstdio>
#include <string>
#include <vector>

#include "batch/batch_command_table.h"
#include "construction/crossover.h"
#include "model/tramlet_doc.h"

void AddCrossoverCommands(CBatchCommandTable& table) {
    table.Add(AlgorithmCommand(
        "crossovers", "Extreme Crossovers: routes depot, customer, supplier, depot of largest savings",
        CanRunExtremeCrossovers, "a depot, customers and suppliers", RunExtremeCrossovers));
    table.Add({"extreme-savings",
               {},
               "Extreme Savings: needs GLPK, builds nothing (not implemented)",
               [](SBatchContext& context, const std::vector<std::string>&) {
                   if (!CanRunExtremeSavings(context.document)) {
                       std::fprintf(stderr, "tramlet-batch: extreme-savings needs a depot and more than one "
                                            "customer and supplier together\n");
                       return false;
                   }
                   return RunExtremeSavings(context.document);
               }});
}
