#pragma once

#include "runs/run_frame.h"

class CTramletDoc;

// Nearest Neighbor (command 2102): routes built one after another from the first depot, each
// going on to the nearest unrouted facility, customers first and then suppliers from the last
// customer, until the capacity is reached, all eligible facilities are routed or the vehicles
// are used up. A run in the frame of the construction heuristics (all routes deleted first,
// recorded with parameter 0). At Standard and above the "Add Facility Report" follows each
// step; at Detailed the run pauses after each closed route, at Debug after each step.
ERunResult RunNearestNeighbor(CTramletDoc& document);
