#include "optimisation/optimisation_strings.h"

namespace {

const StringTable kOptimisationStringTable = {
    {IDS_ASSIGNMENT_COSTS_TITLE, "Assignment Costs (%s)"},
    {IDS_ASSIGNMENT_COSTS_SEED_POINTS, "Seed Points"},
    {IDS_ASSIGNMENT_COSTS_SEED_RAYS, "Seed Rays"},
    {IDS_CMD_DISPLAY_COSTS_SEED_RAYS, "Display Generalized Assignment Costs (Seed Rays)"},
    {IDS_CMD_DISPLAY_COSTS_SEED_POINTS, "Display Generalized Assignment Costs (Seed Points)"},
    {IDS_CMD_ASSIGNMENT_SEED_POINTS, "Generalized assignment clustering based on seed points"},
    {IDS_CMD_ASSIGNMENT_SEED_RAYS, "Generalized assignment clustering based on seed rays"},
    {IDS_CMD_SET_PARTITIONING_BOUND,
     "Lower bound based on set partitioning with column generation based on linear programming pricing"},
    {IDS_CMD_SET_PARTITIONING_NO_REVISITS_BOUND, "Lower bound based on set partitioning with column "
                                                 "generation based on linear programming pricing without "
                                                 "allowing revisits to a facility"},
    {IDS_CMD_SET_PARTITIONING,
     "Construct routes from candidates based on set partitioning with column generation based on linear "
     "programming pricing"},
    {IDS_CMD_SET_PARTITIONING_NO_REVISITS,
     "Construct routes from candidates based on set partitioning with column generation based on linear "
     "programming pricing without allowing revisits to a facility"},
    {IDS_CMD_WRITE_LP_FORMULATION, "Write the VRPB instance problem to an external text file"},
    {IDS_CMD_READ_GLPSOL_SOLUTION,
     "Read the instance problem solution created by the glpsol solver from an external text file"},
    {IDS_CMD_READ_CPLEX_SOLUTION,
     "Read the instance problem solution created by the cplex solver from an external text file"},
    {IDS_CMD_READ_GUROBI_SOLUTION,
     "Read the instance problem solution created by the gurobi solver from an external text file"},
    {IDS_INVALID_GLPSOL_SOLUTION, "Invalid glpk solution file %s or file does not contain solution or "
                                  "solution does not match current project"},
    {IDS_INVALID_CPLEX_SOLUTION, "Invalid cplex solution file %s or file does not contain solution or "
                                 "solution does not match current project"},
    {IDS_INVALID_GUROBI_SOLUTION, "Invalid gurobi solution file %s or file does not contain solution or "
                                  "solution does not match current project"},
    {IDS_SOLVER_STATUS,
     "The %s %s solver could not find the optimal solution and terminated with status code %d"},
    {IDS_SOLVER_TIME_LIMIT,
     "The %s %s solver could not find the optimal solution within the %lf seconds time limit"},
    {IDS_SOLVER_GENERAL_ERROR,
     "The %s %s solver terminated with the general error condition %d and no solution was found"},
};

} // namespace

const StringTable* GetOptimisationStringTable() {
    return &kOptimisationStringTable;
}

std::string LoadOptimisationString(unsigned id) {
    if (HasResourceString(id)) {
        return LoadResourceString(id);
    }
    auto it = kOptimisationStringTable.find(id);
    return it != kOptimisationStringTable.end() ? std::string(it->second) : std::string();
}
