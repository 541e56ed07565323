#pragma once

// The assignment costs as the Display Assignment Costs dialog and tramlet-batch show them.

#include <string>
#include <vector>

#include "optimisation/generalized_assignment.h"

class CDoubleMatrix;
class CTramletDoc;

// Whether Display Assignment Costs is enabled: no algorithm runs, more than one vehicle, a
// depot and at least one customer or supplier.
bool CanDisplayAssignmentCosts(const CTramletDoc& document);

// The dialog's title, "Assignment Costs (Seed Points)" or "Assignment Costs (Seed Rays)".
std::string AssignmentCostsTitle(EGAPSEEDMODE mode);

// The cost grid row by row: row 0 an empty corner and "v%d" for vehicles 1 to m, then one row
// per customer and then per supplier with its label and each cost printed "%.2lf", empty from
// GAP_NO_COST on.
using CAssignmentCostGrid = std::vector<std::vector<std::string>>;
CAssignmentCostGrid MakeAssignmentCostGrid(const CTramletDoc& document, const CDoubleMatrix& costs);

// Computes the costs of the mode (its Debug report and refusals included: a refusal raises a
// user exception) and returns their grid.
CAssignmentCostGrid ComputeAssignmentCostGrid(const CTramletDoc& document, EGAPSEEDMODE mode);

// The grid as text lines, every column as wide as the widest cell of the grid, the labels
// left-aligned and the costs right-aligned, cells separated by two blanks.
std::vector<std::string> FormatAssignmentCostLines(const CAssignmentCostGrid& grid);
