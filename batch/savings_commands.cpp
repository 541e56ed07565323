// The savings constructions, their two parameters and the savings matrix of Display Savings.

#include <cstdio>
#include <functional>

#include "batch/batch_command_table.h"
#include "construction/savings.h"
#include "construction/savings_display.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "model/tramlet_doc.h"
#include "runs/algorithm_parameters.h"
#include "runs/run_frame.h"

namespace {

using Arguments = std::vector<std::string>;

} // namespace

void AddSavingsCommands(CBatchCommandTable& table) {
    table.Add({"--randomization-depth",
               {"K"},
               "randomization depth of the randomized savings, 1 to depots + customers + suppliers",
               [](SBatchContext& context, const Arguments& arguments) {
                   int depth = 0;
                   return ParseBatchInteger("--randomization-depth", arguments[0], depth) &&
                          Guarded([&] { SetAlgorithmRandomizationDepth(context.document, depth); });
               }});
    table.Add({"--crossover-penalty-factor",
               {"F"},
               "share 0.0 to 1.0 taken off the savings of a customer followed by a supplier",
               [](SBatchContext& context, const Arguments& arguments) {
                   double factor = 0.0;
                   return ParseBatchReal("--crossover-penalty-factor", arguments[0], factor) &&
                          Guarded([&] { SetAlgorithmCrossoverPenaltyFactor(context.document, factor); });
               }});
    // The savings commands refuse in their run, so the reason follows a refused run.
    const std::string facilities = "a depot and at least one customer or supplier";
    table.Add(AlgorithmCommand("savings-serial", "Savings (Greedy Serial): build one route at a time",
                               nullptr, facilities, OnAlgorithmsSavingsGreedySerial));
    table.Add(AlgorithmCommand("savings-parallel", "Savings (Greedy Parallel): grow all routes at once",
                               nullptr, facilities, OnAlgorithmsSavingsGreedyParallel));
    table.Add(AlgorithmCommand("savings-randomized-serial",
                               "Savings (Randomized Serial): random choice among the K best savings, "
                               "--iterations times, from --seed",
                               nullptr, facilities, OnAlgorithmsSavingsSerialRandomized));
    table.Add(AlgorithmCommand("savings-randomized-parallel",
                               "Savings (Randomized Parallel): not implemented, records an empty run",
                               nullptr, facilities, OnAlgorithmsSavingsParallelRandomized));
    table.Add({"display-savings",
               {},
               "print the initial savings of every pair (tab-separated, labels in the first row and column)",
               [](SBatchContext& context, const Arguments&) {
                   if (!CanDisplaySavings(context.document)) {
                       std::fprintf(stderr,
                                    "tramlet-batch: display-savings needs a depot and more than one customer "
                                    "or supplier\n");
                       return false;
                   }
                   try {
                       std::string text = FormatSavingsDisplay(GetSavingsDisplay(context.document));
                       std::fwrite(text.data(), 1, text.size(), stdout);
                       return true;
                   } catch (const CFileException& error) {
                       ReportLogWriteFailure(error);
                       return false;
                   }
               }});
}
