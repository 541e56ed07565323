#pragma once

#include <memory>
#include <string>

class CTramletDoc;

// Reads a benchmark instance in the keyword-and-section format (".vrpb") into the document,
// which should be a new one: the depot (any node), the linehaul nodes as customers and the
// backhaul nodes as suppliers, each labelled with its node id, the fleet and the capacity.
// EXACT_2D / EUC_2D coordinates give the Euclidean norm with unrounded distances; EXPLICIT
// FULL_MATRIX gives an externally specified matrix (row = from, the diagonal ignored). Backhauls
// are named by BACKHAUL_SECTION (ids closed by -1) or by a per-node PICKUP_SECTION quantity.
// A malformed file is reported with its line ("FILE, line N: ..."); the document is then emptied
// and false returned.
bool ImportBenchmarkInstance(CTramletDoc& document, const std::string& path);

// Reads into a new document made the application's; null (and the application's document as it
// was) on failure.
std::unique_ptr<CTramletDoc> OpenBenchmarkInstance(const std::string& path);

// True for a file whose extension is ".vrpb" in any letter case.
bool IsBenchmarkInstanceFileName(const std::string& path);

// True when the document was read from a benchmark instance (its path names a ".vrpb" file):
// solutions then number its nodes in the instance's order.
bool CameFromBenchmarkInstance(const CTramletDoc& document);
