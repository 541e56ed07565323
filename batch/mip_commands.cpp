// The MIP model for outside solvers: writing the model and reading the solvers' solution reports.

#include <cstdio>

#include "batch/batch_command_table.h"
#include "model/tramlet_doc.h"
#include "optimisation/mip_formulation.h"
#include "optimisation/mip_solution.h"

namespace {

using Arguments = std::vector<std::string>;

// The commands are available where the program enables them; elsewhere a one-line reason.
bool CheckMipCommand(const std::string& name, const CTramletDoc& document) {
    if (CanRunMipCommand(document)) {
        return true;
    }
    std::fprintf(stderr,
                 "tramlet-batch: %s needs a depot, at least one customer or supplier and more than one "
                 "vehicle\n",
                 name.c_str());
    return false;
}

SBatchCommand ReadSolutionCommand(const std::string& name, const std::string& solver, EMipSolver kind) {
    return {name,
            {"FILE"},
            "read the " + solver + " solution report of the LP formulation and record its routes",
            [name, kind](SBatchContext& context, const Arguments& arguments) {
                return CheckMipCommand(name, context.document) &&
                       ReadMipSolution(context.document, kind, arguments[0]) == ERunResult::recorded;
            }};
}

} // namespace

void AddMipCommands(CBatchCommandTable& table) {
    table.Add({"write-lp",
               {"FILE"},
               "write the VRPB MIP model (CPLEX LP format) for an outside solver",
               [](SBatchContext& context, const Arguments& arguments) {
                   return CheckMipCommand("write-lp", context.document) &&
                          OnWriteLPFormulation(context.document, arguments[0]);
               }});
    table.Add(ReadSolutionCommand("read-glpsol", "glpsol", EMipSolver::glpsol));
    table.Add(ReadSolutionCommand("read-cplex", "cplex", EMipSolver::cplex));
    table.Add(ReadSolutionCommand("read-gurobi", "gurobi", EMipSolver::gurobi));
}
