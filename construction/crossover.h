#pragma once

#include <string>

#include "runs/run_frame.h"

class CFacility;
class CTramletDoc;

// The messages of the crossover commands.
extern const char* const CROSSOVER_GREEDY_NOT_OPTIMAL;     // information box after the greedy rule
extern const char* const CROSSOVER_SOLVER_TIME_LIMIT;      // library name, "LP"/"MIP", seconds
extern const char* const CROSSOVER_SOLVER_GENERAL_ERROR;   // library name, "LP"/"MIP", return code
extern const char* const CROSSOVER_SOLVER_STATUS;          // library name, "LP"/"MIP", status
extern const char* const EXTREME_SAVINGS_NEEDS_MIP_SOLVER; // warning box without GLPK
extern const char* const EXTREME_SAVINGS_NOT_IMPLEMENTED;  // shown through DisplayErrorMessage

// The distance saved by serving a customer and a supplier on one route from the depot instead of
// on two out-and-back routes: d(customer, depot) + d(depot, supplier) - d(customer, supplier).
double ComputeCrossoverSavings(const CTramletDoc& document, const CFacility* depot, const CFacility* customer,
                               const CFacility* supplier);

// Whether Extreme Crossovers is enabled: no algorithm runs, and the project has a depot, a
// customer and a supplier.
bool CanRunExtremeCrossovers(const CTramletDoc& document);

// Extreme Crossovers (command 2113): all routes are replaced by routes depot, customer, supplier,
// depot pairing at most min(eligible customers, eligible suppliers, vehicles) customers with
// suppliers so that the summed savings are largest. With GLPK the pairing is solved as a linear
// program followed by the integer optimiser; without it (the library cannot be loaded) a greedy
// rule builds exactly that many routes and warns when its result may not be optimal. The other
// facilities stay unrouted. Recorded with iterations 1 and parameter 0; a solver failure, an
// abort or a refused time-limit extension ends the run without a record and without routes.
// Refused (nothing happens) when the command is not enabled.
ERunResult RunExtremeCrossovers(CTramletDoc& document);

// Whether Extreme Savings is enabled: no algorithm runs, the project has a depot and more than
// one customer and supplier together.
bool CanRunExtremeSavings(const CTramletDoc& document);

// Extreme Savings (command 2141): needs GLPK (without it a warning says a MIP solver must be
// installed) and otherwise only reports that the algorithm has not been implemented. It changes
// no route and records nothing. Returns true when it ran through to that report, false when it
// was not enabled or GLPK could not be loaded.
bool RunExtremeSavings(CTramletDoc& document);
