#pragma once

#include <cstdio>
#include <string>
#include <vector>

class CTramletDoc;

// The dual price vector of set partitioning: one price per customer and supplier row, then the
// vehicle row's, padded with zeros to the project's number of facilities.
using CDualPrices = std::vector<double>;

// Reads the dual prices file at path into pi: lines beginning with ";" and blank lines are
// skipped; each data line holds a label and a price, the customers' and suppliers' labels in
// project order (letter case aside), then "vc" once per depot (the first gives the vehicle row's
// price). False when the file cannot be opened; a line without two items or with another label
// shows its message and raises a user exception.
bool ReadDualPrices(const CTramletDoc& document, const std::string& path, CDualPrices& pi);

// Prices from the routes: each customer and supplier f of a route r of length L with weight W (the
// sum of q x d(depot, f) over its customers and suppliers) gets q_f x d(depot, f) x L / W; a price
// still 0 becomes d(depot, f) + d(f, depot). The vehicle row's price is 0.
void ComputeHeuristicDualPrices(CTramletDoc& document, CDualPrices& pi);

// Writes the dual prices file ("%s\t%12.5lf\n" per customer and supplier, then "vc"); a file that
// cannot be created raises a CFileException.
void WriteDualPrices(const CTramletDoc& document, const std::string& path, const CDualPrices& pi);

// The vector report of the prices ("%9.3lf  ", width 11, line length 110, indices from 1).
void WriteDualPriceVector(std::FILE* file, const CDualPrices& pi);

// The table of reduced distances d(row, column) - pi(column) of all facilities (a depot column
// takes the vehicle row's price), after its heading for the iteration.
std::string FormatReducedDistances(const CTramletDoc& document, const CDualPrices& pi, int iteration);
