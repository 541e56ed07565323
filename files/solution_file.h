#pragma once

#include <string>
#include <vector>

#include "runs/run_frame.h"

class CFacility;
class CTramletDoc;

// The nodes of the standard solution files ("Route #1: 3 7 12" ... "Cost 1234.5"), numbered from
// 1: for a project read from a benchmark instance its customers and suppliers in the order of
// the instance's node ids (the depot skipped), else the project order (customers, then
// suppliers). Element k - 1 is node k.
std::vector<CFacility*> GetSolutionNumbering(const CTramletDoc& document);

// The routes in the solution convention: one "Route #k: ..." line per route with customers or
// suppliers (the depot not written), then "Cost <distance>".
std::string FormatSolution(CTramletDoc& document);

// Writes FormatSolution to path; false after the file error message.
bool WriteSolutionFile(CTramletDoc& document, const std::string& path);

// Reads a solution file as the project's routes, recorded as the run "Read Solution" (the
// routes checked, the record in the statistics list). A line that is neither a route nor the
// cost, a node that is unknown or served twice, refuse the file with its line named; the
// routes are then deleted and nothing is recorded.
ERunResult ReadSolutionFile(CTramletDoc& document, const std::string& path);
