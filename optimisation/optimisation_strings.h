#pragma once

#include <string>

#include "framework/strings/string_table.h"

// Numbered texts of the optimisation-based methods: the commands of the MIP model for outside
// solvers and of the generalized assignment (menu texts and prompts share their command's
// number), the assignment-cost display, the messages of the solution readers and of GLPK's
// solvers.
enum EOptimisationStringId : unsigned {
    IDS_ASSIGNMENT_COSTS_TITLE = 1201,
    IDS_ASSIGNMENT_COSTS_SEED_POINTS = 1202,
    IDS_ASSIGNMENT_COSTS_SEED_RAYS = 1203,

    IDS_CMD_DISPLAY_COSTS_SEED_RAYS = 2132,
    IDS_CMD_DISPLAY_COSTS_SEED_POINTS = 2133,
    IDS_CMD_ASSIGNMENT_SEED_POINTS = 2134,
    IDS_CMD_ASSIGNMENT_SEED_RAYS = 2135,
    IDS_CMD_SET_PARTITIONING_BOUND = 2137,
    IDS_CMD_SET_PARTITIONING_NO_REVISITS_BOUND = 2138,
    IDS_CMD_SET_PARTITIONING = 2139,
    IDS_CMD_SET_PARTITIONING_NO_REVISITS = 2140,
    IDS_CMD_WRITE_LP_FORMULATION = 2156,
    IDS_CMD_READ_GLPSOL_SOLUTION = 2158,
    IDS_CMD_READ_CPLEX_SOLUTION = 2163,
    IDS_CMD_READ_GUROBI_SOLUTION = 2164,

    IDS_INVALID_GLPSOL_SOLUTION = 16548,
    IDS_INVALID_CPLEX_SOLUTION = 16549,
    IDS_INVALID_GUROBI_SOLUTION = 16550,

    IDS_SOLVER_STATUS = 16544,
    IDS_SOLVER_TIME_LIMIT = 16545,
    IDS_SOLVER_GENERAL_ERROR = 16546,
};

// The table the application registers (RegisterProgramStringTable).
const StringTable* GetOptimisationStringTable();

// The text of a number: the registered tables first, this table when they do not hold it.
std::string LoadOptimisationString(unsigned id);
