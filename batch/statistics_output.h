#pragma once

#include <cstdio>
#include <optional>

class CTramletDoc;

// Prints the statistics list: the fixed-width table, or (json) one JSON object holding the
// records under "records", the current routes under "routes", the project's figures under
// "project" and the totals of the routes. With a reference value every record and the totals
// carry their gap to it in percent ("reference_gap_percent").
void PrintStatistics(std::FILE* out, CTramletDoc& document, bool json, std::optional<double> reference = {});

// The gap of a distance to a reference value, in percent of the reference.
double ReferenceGap(double distance, double reference);
