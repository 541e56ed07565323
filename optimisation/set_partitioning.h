#pragma once

#include <string>
#include <vector>

#include "runs/run_frame.h"

class CTramletDoc;

// The variant flags of set partitioning: bit 0 the no-revisits pricing, bit 1 the construct step.
enum ESetPartitioningMode : int {
    SP_MODE_BOUND = 0,
    SP_MODE_BOUND_NO_REVISITS = 1,
    SP_MODE_CONSTRUCT = 2,
    SP_MODE_CONSTRUCT_NO_REVISITS = 3,
};
constexpr int SP_FLAG_NO_REVISITS = 1;
constexpr int SP_FLAG_CONSTRUCT = 2;
// The most customers and the most suppliers the no-revisits pricing holds in its visit sets.
constexpr int SP_MAX_NO_REVISITS_FACILITIES = 128;

// The four menu commands: id, menu text, mode and the string id of the run's name. The prompt is
// the string of the command's id.
struct SSetPartitioningCommand {
    unsigned id;
    const char* menuText;
    int mode;
    unsigned nameId;
};
const std::vector<SSetPartitioningCommand>& GetSetPartitioningCommands();

// The messages of set partitioning.
extern const char* const SP_TOO_MANY_CUSTOMERS;   // customers, maximum
extern const char* const SP_TOO_MANY_SUPPLIERS;   // suppliers, maximum
extern const char* const SP_DUAL_ITEMS;           // items read, items required, data line
extern const char* const SP_DUAL_LABEL;           // label read, expected label, data line number
extern const char* const SP_ITERATION_LIMIT;      // iterations, maximum
extern const char* const SP_SOLVER_TIME_LIMIT;    // library name, "LP"/"MIP", seconds
extern const char* const SP_SOLVER_GENERAL_ERROR; // library name, "LP"/"MIP", return code
extern const char* const SP_SOLVER_STATUS;        // library name, "LP"/"MIP", status

// Where the time of the last set-partitioning run went (for the benchmark programs): processor
// seconds of the pricing (calling thread) and of the solver calls (worker thread).
struct SSetPartitioningProfile {
    int iterations = 0;
    int columns = 0; // routes in the pool at the end
    double pricingSeconds = 0.0;
    double solverSeconds = 0.0; // the simplex calls and the integer step
};
const SSetPartitioningProfile& GetLastSetPartitioningProfile();

// Whether the command of the mode is enabled: no algorithm runs, more than one vehicle, a depot
// and a customer or supplier, every customer and supplier on a route, and for the no-revisits
// variants at most 128 customers and 128 suppliers.
bool CanRunSetPartitioning(const CTramletDoc& document, int mode);

// Set partitioning with column generation (commands 2137 to 2140): the master problem over the
// project's routes and the routes priced by the generalized shortest path labelling is solved as
// a linear program until no route of negative reduced cost remains; its value is recorded as the
// lower bound. An integral optimum better than the routes replaces them on the way; the construct
// variants finally solve the master with binary columns and install its routes. A run ended early
// keeps the routes as they stand and records nothing.
ERunResult RunSetPartitioning(CTramletDoc& document, int mode);

// The dual prices file of the project: its path with the extension "dualvars", or the
// application's name in the current folder for a project without a file. The same rule with "lp"
// names the master's CPLEX LP file.
std::string GetSetPartitioningFileName(const CTramletDoc& document, const char* extension);
