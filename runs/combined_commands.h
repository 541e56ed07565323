#pragma once

#include "runs/run_frame.h"

class CTramletDoc;

// The question asked before All Algorithms (Yes/No, warning icon).
extern const char* const ALL_ALGORITHMS_QUESTION;
// The name of the record a combination leaves when the user aborts it with routes present.
extern const char* const COMBINATION_ABORTED_NAME;

// Whether All Algorithms is enabled: no algorithm runs, the project has a depot and at least one
// customer or supplier.
bool CanRunAllAlgorithms(const CTramletDoc& document);
// Whether All Improvements is enabled: no algorithm runs and the project has a route.
bool CanRunAllImprovements(const CTramletDoc& document);

// All Algorithms (command 2127). After the user has confirmed the question: Nearest Neighbor,
// Sweep, the two greedy savings and (with customers and suppliers) Extreme Crossovers, each as a
// run of its own; an incomplete construction is completed once by Cheapest and once by Priciest
// Insertion from the same routes; every solution is improved by Three Exchange, Move Facility and
// Swap Facility until a round saves nothing. The cheapest solution found is kept and recorded
// as "All Algorithm Combinations". The abort dialog is shown throughout. Returns refused when
// the command is not enabled or the question was not answered Yes; aborted after the user's
// abort (recorded as "Algorithm aborted by the user" when routes were left); failed when a
// component or the final check failed (all routes deleted, no final record).
ERunResult RunAllAlgorithms(CTramletDoc& document);

// All Improvements (command 2129): rounds of Three Exchange, Move Facility, Three Exchange and
// Swap Facility on the current routes until a round saves nothing, recorded as "All Improvement
// Algorithms". Results and the abort as for All Algorithms; no question is asked.
ERunResult RunAllImprovements(CTramletDoc& document);
