#pragma once

#include <cstdio>

class CTramletDoc;

// Prints the statistics list: the fixed-width table, or one JSON object per record in an array.
void PrintStatistics(std::FILE* out, const CTramletDoc& document, bool json);
