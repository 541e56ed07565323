// Generalized assignment with seed points and seed rays, and the assignment-cost grids.

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "batch/batch_command_table.h"
#include "framework/exceptions/user_exception.h"
#include "model/tramlet_doc.h"
#include "optimisation/assignment_costs.h"
#include "optimisation/generalized_assignment.h"
#include "runs/run_frame.h"

namespace {

using Arguments = std::vector<std::string>;

SBatchCommand AssignmentRun(const std::string& name, const std::string& help,
                            ERunResult (*run)(CTramletDoc&)) {
    return {name, {}, help, [=](SBatchContext& context, const Arguments&) {
                if (!CanRunAlgorithm(context.document)) {
                    std::fprintf(stderr, "tramlet-batch: %s needs a depot and customers or suppliers\n",
                                 name.c_str());
                    return false;
                }
                return run(context.document) == ERunResult::recorded;
            }};
}

// Prints the cost grid the Display Assignment Costs dialog shows.
SBatchCommand AssignmentCosts(const std::string& name, EGAPSEEDMODE mode) {
    return {name,
            {},
            "print the grid of " + AssignmentCostsTitle(mode),
            [=](SBatchContext& context, const Arguments&) {
                if (!CanDisplayAssignmentCosts(context.document)) {
                    std::fprintf(stderr,
                                 "tramlet-batch: %s needs more than one vehicle, a depot and customers or "
                                 "suppliers\n",
                                 name.c_str());
                    return false;
                }
                try {
                    for (const std::string& line :
                         FormatAssignmentCostLines(ComputeAssignmentCostGrid(context.document, mode))) {
                        std::printf("%s\n", line.c_str());
                    }
                    return true;
                } catch (const CUserException&) {
                    return false;
                } catch (const std::invalid_argument&) {
                    return false;
                }
            }};
}

} // namespace

void AddAssignmentCommands(CBatchCommandTable& table) {
    table.Add(AssignmentRun("assignment-seed-points",
                            "Generalized Assignment with Seed Points: clusters by GLPK, then one route each",
                            OnGeneralizedAssignmentSeedPoints));
    table.Add(AssignmentRun("assignment-seed-rays",
                            "Generalized Assignment with Seed Rays: clusters by GLPK, then one route each",
                            OnGeneralizedAssignmentSeedRays));
    table.Add(AssignmentCosts("assignment-costs-seed-points", GAP_SEED_POINTS));
    table.Add(AssignmentCosts("assignment-costs-seed-rays", GAP_SEED_RAYS));
}
