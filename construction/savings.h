#pragma once

#include "runs/run_frame.h"

class CTramletDoc;

// The savings construction commands. Each runs in the run frame (all routes deleted first,
// announcement, statistics record) and reports how the run ended.

// Savings (Greedy Serial): one route at a time, grown at either end by the largest savings.
ERunResult OnAlgorithmsSavingsGreedySerial(CTramletDoc& document);
// Savings (Greedy Parallel): all joins in order of decreasing savings, then route merging.
ERunResult OnAlgorithmsSavingsGreedyParallel(CTramletDoc& document);
// Savings (Randomized Serial): the serial method choosing at random among the K largest
// savings (K the randomization depth), repeated for the maximum number of iterations; the
// cheapest solution is kept.
ERunResult OnAlgorithmsSavingsSerialRandomized(CTramletDoc& document);
// Savings (Randomized Parallel): not available; records an empty run after saying so.
ERunResult OnAlgorithmsSavingsParallelRandomized(CTramletDoc& document);
