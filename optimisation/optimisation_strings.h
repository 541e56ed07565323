#pragma once

#include <string>

#include "framework/strings/string_table.h"

// Numbered texts of the optimisation-based methods: the commands of the MIP model for outside
// solvers (menu texts and prompts share their command's number) and the messages of its
// solution readers.
enum EOptimisationStringId : unsigned {
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
};

// The table the application registers (RegisterProgramStringTable).
const StringTable* GetOptimisationStringTable();

// The text of a number: the registered tables first, this table when they do not hold it.
std::string LoadOptimisationString(unsigned id);
