#pragma once

#include <string>
#include <vector>

class CTramletDoc;

// The summary of a project, line by line (an empty text stands for an empty line): its name and
// geography, its fleet and quantities with their averages, the current statistics record, and
// the common parameters and file names. The notes view shows the same lines; an import writes
// them to the output log.
std::vector<std::string> GetProjectSummaryLines(const CTramletDoc& document);

// The lines joined, each ended by a newline.
std::string FormatProjectSummary(const CTramletDoc& document);
