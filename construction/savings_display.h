#pragma once

#include <string>
#include <vector>

class CTramletDoc;

// Title of the dialog that shows the initial savings.
inline constexpr const char* SAVINGS_DISPLAY_TITLE = "Display Initial Savings";

// What the Display Savings dialog shows: one row and one column per facility, headed by the
// facility labels in the order customers, suppliers, depots, and in the cell of row i and column
// j the savings of the join i -> j printed "%.2lf" for every pair of customers and suppliers
// i != j that may be joined; the other cells are empty.
struct SSavingsDisplay {
    std::vector<std::string> labels;
    std::vector<std::vector<std::string>> cells; // [row][column]
};

// The command is enabled when no algorithm runs, a depot exists and the project has more than
// one customer and supplier together.
bool CanDisplaySavings(const CTramletDoc& document);

// Computes the savings matrix of the project (with its Debug report) and fills the grid. A
// project without a depot is refused with std::invalid_argument.
SSavingsDisplay GetSavingsDisplay(const CTramletDoc& document);

// The grid as text: a heading line with an empty corner and the column labels, then one line
// per row with its label and cells, all separated by tabs; each line ends in lineEnd.
std::string FormatSavingsDisplay(const SSavingsDisplay& display, const std::string& lineEnd = "\n");
