#pragma once

#include <string>
#include <vector>

class CTramletDoc;

// Whether Display Insertion Penalties is enabled: no algorithm runs, the project has a depot,
// more than two customers and suppliers, at least one route, and more facilities than the
// routed ones plus one.
bool CanDisplayInsertionPenalties(const CTramletDoc& document);

// The grid of the "Display Insertion Penalties" dialog, row by row. Row 0 is the header: an
// empty label cell, one "(%s-%s)" heading with the labels of each link's predecessor and
// successor, for every route in document order and its links in route order, and "min". Then
// one row per free customer and then per free supplier: its label, the penalty
// d(p,f)+d(f,s)-d(p,s) printed "%.2lf" on each link whose route has room for f's quantity and
// whose predecessor is a depot or of a type not later than f's (customer before supplier), an
// empty cell elsewhere, and the smallest printed penalty of the row in the "min" column (empty
// when the row has none). Nothing of the project changes.
using CInsertionPenaltyGrid = std::vector<std::vector<std::string>>;
CInsertionPenaltyGrid ComputeInsertionPenaltyGrid(const CTramletDoc& document);

// The grid as text, every column as wide as its widest text, the label column left-aligned
// and the others right-aligned, columns separated by two blanks, one line per row ("\n").
std::string FormatInsertionPenaltyGrid(const CInsertionPenaltyGrid& grid);
