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

// A construction command: true when its run was recorded.
SBatchCommand SavingsCommand(const std::string& name, const std::string& help,
                             ERunResult (*command)(CTramletDoc&)) {
    return {name, {}, help, [name, command](SBatchContext& context, const Arguments&) {
                ERunResult result = command(context.document);
                if (result == ERunResult::refused) {
                    std::fprintf(stderr,
                                 "tramlet-batch: %s needs a depot and at least one customer or supplier\n",
                                 name.c_str());
                }
                return result == ERunResult::recorded;
            }};
}

// Runs a validating setter that reports a refusal by a user exception.
bool Guarded(const std::function<void()>& set) {
    try {
        set();
        return true;
    } catch (const CUserException&) {
        return false;
    }
}

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
    table.Add(SavingsCommand("savings-serial", "Savings (Greedy Serial): build one route at a time",
                             OnAlgorithmsSavingsGreedySerial));
    table.Add(SavingsCommand("savings-parallel", "Savings (Greedy Parallel): grow all routes at once",
                             OnAlgorithmsSavingsGreedyParallel));
    table.Add(SavingsCommand("savings-randomized-serial",
                             "Savings (Randomized Serial): random choice among the K best savings, "
                             "--iterations times, from --seed",
                             OnAlgorithmsSavingsSerialRandomized));
    table.Add(SavingsCommand("savings-randomized-parallel",
                             "Savings (Randomized Parallel): not implemented, records an empty run",
                             OnAlgorithmsSavingsParallelRandomized));
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
