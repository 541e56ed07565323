// The solution report of CPLEX's interactive optimizer for a MIP (the optimizer's log with
// "display solution variables -"):
//
//   MIP - Integer optimal solution:  Objective =  1.2340000000e+02
//   ...
//   Current MIP best bound =  1.2340000000e+02 (gap = 0, 0.00%)
//   ...
//   Variable Name           Solution Value
//   total_length                123.400000
//   x(0,1,1)                      1.000000
//   ...
//   ql(1,1)                       5.000000

#include <cfloat>
#include <string>
#include <vector>

#include "optimisation/mip_reports.h"

namespace {

std::string FirstWord(const std::string& line) {
    std::vector<std::string> words = SplitMipWords(line);
    return words.empty() ? std::string() : words[0];
}

// The real number after the first "=" at or after from; false when there is none.
bool ScanAfterEquals(const std::string& line, std::string::size_type from, double& value) {
    std::string::size_type equals = line.find('=', from);
    return equals != std::string::npos && ScanMipReal(line.substr(equals + 1), value);
}

} // namespace

bool ReadCplexReport(CMipReportLines& lines, SMipReport& report) {
    std::string line;
    do {
        if (!lines.ReadNonEmptyLine(line)) {
            return false;
        }
    } while (FirstWord(line) != "MIP");
    report.objective = DBL_MAX;
    std::string::size_type dash = line.find('-');
    if (dash != std::string::npos) {
        std::string::size_type colon = line.find(':', dash + 1);
        std::string status =
            line.substr(dash + 1, colon == std::string::npos ? std::string::npos : colon - dash - 1);
        double objective = 0.0;
        if ((status == " Integer optimal solution" || status == " Aborted, integer feasible") &&
            colon != std::string::npos && ScanAfterEquals(line, colon, objective)) {
            report.objective = objective;
        }
    }

    // The best bound, when the report has one before the variables table.
    report.lowerBoundRule = EMipLowerBound::value;
    report.lowerBound = 0.0;
    std::string word;
    for (;;) {
        if (!lines.ReadNonEmptyLine(line)) {
            return false;
        }
        word = FirstWord(line);
        if (word == "Current") {
            double bound = 0.0;
            if (ScanAfterEquals(line, 0, bound)) {
                report.lowerBound = bound;
            }
        }
        if (word == "Variable") {
            break;
        }
    }
    // total_length first; CPLEX leaves out variables at 0, so it may be missing.
    if (!lines.ReadLine(line)) {
        return true;
    }
    ReadMipVariables(lines, report, FirstWord(line) == "total_length" ? nullptr : &line);
    return true;
}
