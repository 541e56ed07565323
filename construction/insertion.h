#pragma once

#include "runs/run_frame.h"

class CTramletDoc;

// Whether Cheapest and Priciest Insertion are enabled: no algorithm runs, the project has a
// depot and customers or suppliers, and some but not all of them are routed.
bool CanRunInsertion(const CTramletDoc& document);

// Cheapest Insertion (command 2112) and Priciest Insertion (command 2116): the free eligible
// facilities are placed one at a time on the cheapest feasible link of the existing routes,
// the one with the smallest (Cheapest) or largest feasible (Priciest) insertion penalty first.
// No route is opened or deleted. Each free facility keeps its best link from step to step; the
// link is searched again over all routes only when the facility has none, when the link has
// been broken by another insertion, or when the link's route has no room left for it. A run in
// the frame of the algorithms (the routes stay; at Standard and above they are checked first),
// recorded with the number of insertions as count and their total penalty as delta objective.
// At Standard and above the "Insert Facility Report" follows each insertion; at Debug the run
// pauses after each one.
ERunResult RunCheapestInsertion(CTramletDoc& document);
ERunResult RunPriciestInsertion(CTramletDoc& document);
