#pragma once

#include "runs/run_frame.h"

class CTramletDoc;

// Sweep (Route-First) (command 2080): a ray rotating around the first depot from the project's
// starting angle takes the customers and suppliers in the order of their polar angles
// (ComputePolarAngles); each is placed on the current route, customers behind the last customer
// and suppliers before the first supplier, until its type's load would exceed the capacity; then
// the next route is opened, up to the number of vehicles. A run in the frame of the construction
// heuristics (all routes deleted first), recorded with the starting angle as parameter. At
// Standard and above the "Insert Facility Report" follows each step; at Detailed the run pauses
// after each closed route, at Debug after each step.
ERunResult RunSweep(CTramletDoc& document);
