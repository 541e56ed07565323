// The construction heuristics that build routes one facility at a time: nearest neighbour, sweep,
// cheapest and priciest insertion, the insertion-penalty table and the sweep's starting angle.

#include <cstdio>
#include <functional>
#include <string>

#include "batch/batch_command_table.h"
#include "construction/insertion.h"
#include "construction/insertion_penalties.h"
#include "construction/nearest_neighbor.h"
#include "construction/sweep.h"
#include "framework/exceptions/user_exception.h"
#include "model/tramlet_doc.h"
#include "runs/algorithm_parameters.h"
#include "runs/run_frame.h"

namespace {

using Arguments = std::vector<std::string>;

} // namespace

void AddConstructionCommands(CBatchCommandTable& table) {
    table.Add({"--starting-angle",
               {"DEGREES"},
               "starting angle of the sweep and the seed rays, 0 to 359",
               [](SBatchContext& context, const Arguments& arguments) {
                   int angle = 0;
                   if (!ParseBatchInteger("--starting-angle", arguments[0], angle)) {
                       return false;
                   }
                   return Guarded([&] { SetAlgorithmStartingAngle(context.document, angle); });
               }});
    const std::string facilities = "a depot and customers or suppliers";
    table.Add(AlgorithmCommand("nearest-neighbor",
                               "Nearest Neighbor: routes to the nearest unvisited facility", CanRunAlgorithm,
                               facilities, RunNearestNeighbor));
    table.Add(AlgorithmCommand("sweep", "Sweep (Route-First): routes in the order of a rotating ray",
                               CanRunAlgorithm, facilities, RunSweep));
    const std::string partial = "routes that leave some customers or suppliers unrouted";
    table.Add(AlgorithmCommand("cheapest-insertion",
                               "Cheapest Insertion: free facilities onto their best links, cheapest first",
                               CanRunInsertion, partial, RunCheapestInsertion));
    table.Add(AlgorithmCommand("priciest-insertion",
                               "Priciest Insertion: free facilities onto their best links, priciest first",
                               CanRunInsertion, partial, RunPriciestInsertion));
    table.Add(
        {"insertion-penalties",
         {},
         "print the insertion penalties of the free facilities on the links of the routes",
         [](SBatchContext& context, const Arguments&) {
             if (!CanDisplayInsertionPenalties(context.document)) {
                 std::fprintf(stderr,
                              "tramlet-batch: insertion-penalties needs a depot, more than two customers "
                              "and suppliers, a route and a free facility\n");
                 return false;
             }
             std::string text = FormatInsertionPenaltyGrid(ComputeInsertionPenaltyGrid(context.document));
             std::fwrite(text.data(), 1, text.size(), stdout);
             return true;
         }});
}
