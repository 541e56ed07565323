// The solution report glpsol prints with --output (-o) for a MIP:
//
//   Problem:
//   Rows:       ...
//   Columns:    ...
//   Non-zeros:  ...
//   Status:     INTEGER OPTIMAL
//   Objective:  obj = 123.4 (MINimum)
//
//      No.   Row name        Activity     Lower bound   Upper bound
//   ------ ------------    ------------- ------------- -------------
//   ...
//      No. Column name       Activity     Lower bound   Upper bound
//   ------ ------------    ------------- ------------- -------------
//        1 total_length           123.4             0
//        2 x(0,1,1)     *              1             0             1
//        ...
//       57 x(100,101,10)
//                       *              0             0             1
//        ...
//      412 ql(1,1)                    5             0
//
// A column name longer than twelve characters stands alone on its line, the values follow on the
// next one.

#include <string>
#include <vector>

#include "model/model_strings.h"
#include "optimisation/mip_reports.h"

namespace {

// How many of the fields "%d %s %s %lf %s %s" (number, name, integer marker, activity, lower
// bound, upper bound) the words give, the activity stored in value.
int CountColumnFields(const std::vector<std::string>& words, double& value) {
    int number = 0;
    if (words.empty() || !ParseWholeNumber(words[0], number)) {
        return 0;
    }
    if (words.size() < 4) {
        return static_cast<int>(words.size());
    }
    if (!ScanMipReal(words[3], value)) {
        return 3;
    }
    return words.size() > 6 ? 6 : static_cast<int>(words.size());
}

bool IsTableRule(const std::string& line) {
    return line.compare(0, 6, "------") == 0;
}

} // namespace

bool ReadGlpsolReport(CMipReportLines& lines, SMipReport& report) {
    std::string line;
    for (int n = 1; n <= 5; ++n) {
        if (!lines.ReadLine(line)) {
            return false;
        }
    }
    std::string::size_type colon = line.find(':');
    std::string status = colon == std::string::npos ? std::string() : line.substr(colon + 1);
    bool optimal = status == "     INTEGER OPTIMAL";
    if (!optimal && status != "     INTEGER NON-OPTIMAL") {
        return false;
    }
    report.lowerBoundRule = optimal ? EMipLowerBound::distance : EMipLowerBound::value;
    report.lowerBound = 0.0;

    if (!lines.ReadLine(line)) {
        return false;
    }
    std::vector<std::string> tokens = SplitMipTokens(line, "(,)-*:=\n");
    if (tokens.size() < 3 || !ScanMipReal(tokens[2], report.objective)) {
        return false;
    }

    // The rows table, then the columns table.
    for (int rules = 0; rules < 2;) {
        if (!lines.ReadLine(line)) {
            return false;
        }
        if (IsTableRule(line)) {
            ++rules;
        }
    }
    // total_length.
    if (!lines.ReadLine(line)) {
        return false;
    }
    double value = 0.0;
    if (CountColumnFields(SplitMipWords(line), value) < 4) {
        return false;
    }

    while (lines.ReadLine(line) && !line.empty()) {
        std::vector<std::string> words = SplitMipWords(line);
        if (words.size() == 2) {
            // A long name: the values are on the next line.
            std::string values;
            if (!lines.ReadLine(values)) {
                return false;
            }
            std::vector<std::string> more = SplitMipWords(values);
            words.insert(words.end(), more.begin(), more.end());
        }
        int fields = CountColumnFields(words, value);
        // A continuous column without bounds (the first load variable) ends the arc variables;
        // so does any load variable.
        if (fields == 4 || (fields >= 2 && words[1][0] == 'q')) {
            break;
        }
        if (fields < 4) {
            return false;
        }
        if (MipValueCounts(value)) {
            report.arcNames.push_back(words[1]);
        }
    }
    return true;
}
