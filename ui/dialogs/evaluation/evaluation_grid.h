#pragma once

#include <string>
#include <vector>

class CTramletDoc;
class CTextGridModel;

// The evaluated solution as a headed table: one row per route (distance, customers, demand,
// suppliers, supply and the facility sequence) and a last row "All Routes" with the totals.
std::vector<std::vector<std::string>> BuildEvaluationTable(const CTramletDoc& document);

// The grid the evaluation dialog shows ("Evaluate", with OK and Copy).
CTextGridModel* BuildEvaluationModel(const CTramletDoc& document);
