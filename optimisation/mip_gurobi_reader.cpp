// The solution file Gurobi writes (ResultFile=model.sol):
//
//   # Objective value = 123.4
//   total_length 123.4
//   x(0,1,1) 1
//   ...
//   ql(1,1) 5
//
// Newer releases put more comment lines ("# Solution for model ...") before the values.

#include <string>
#include <vector>

#include "optimisation/mip_reports.h"

bool ReadGurobiReport(CMipReportLines& lines, SMipReport& report) {
    std::string line;
    std::vector<std::string> words;
    do {
        if (!lines.ReadNonEmptyLine(line)) {
            return false;
        }
        words = SplitMipWords(line);
    } while (words.empty() || words[0] != "#");
    // total_length, after any further comment lines.
    do {
        if (!lines.ReadLine(line)) {
            return false;
        }
    } while (!line.empty() && line[0] == '#');
    words = SplitMipWords(line);
    if (words.size() < 2 || !ScanMipReal(words[1], report.objective)) {
        return false;
    }
    report.lowerBoundRule = EMipLowerBound::distance;
    ReadMipVariables(lines, report, nullptr);
    return true;
}
