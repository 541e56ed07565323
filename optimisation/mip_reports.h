#pragma once

#include <string>
#include <vector>

// The solver-specific parts of the MIP solution readers and what they share.

// The lines of a solution report, read one after the other. Line ends are "\n" or "\r\n".
class CMipReportLines {
public:
    explicit CMipReportLines(std::string contents) : m_contents(std::move(contents)) {}
    // The next line without its line end; false at the end of the report.
    bool ReadLine(std::string& line);
    // The next line that is not empty; false at the end of the report.
    bool ReadNonEmptyLine(std::string& line);

private:
    std::string m_contents;
    std::string::size_type m_next = 0;
};

// What a report gives besides its arcs: how the run's lower bound is made.
enum class EMipLowerBound {
    distance, // the distance of the routes read (the solver proved optimality)
    value,    // the bound the report names
};

struct SMipReport {
    // The objective value the solver reports; the largest double when the report names none.
    double objective = 0.0;
    EMipLowerBound lowerBoundRule = EMipLowerBound::value;
    double lowerBound = 0.0;
    // The names of the arc variables whose value counts (MipValueCounts).
    std::vector<std::string> arcNames;
};

// True when a value stands for 1: |value - 1.0| < 0.0001.
bool MipValueCounts(double value);
// The words of a line, split at blanks and tabs.
std::vector<std::string> SplitMipWords(const std::string& line);
// The tokens of a text split at any of the delimiters (empty tokens dropped).
std::vector<std::string> SplitMipTokens(const std::string& text, const char* delimiters);
// Reads a real number at the start of text (as "%lf" does, leading blanks skipped); false when
// there is none.
bool ScanMipReal(const std::string& text, double& value);

// The variables table of the cplex and gurobi reports: lines "%s %lf" (name, value) until an
// empty line, the end of the report, a load variable (name beginning with "q") or a line without
// a value; the names whose value counts are added to the report's arcs. The table starts with
// firstLine when given, else with the next line.
void ReadMipVariables(CMipReportLines& lines, SMipReport& report, const std::string* firstLine);

// Each reads its solver's report layout into report; false when the report does not have it
// (the reader then shows its invalid-file message).
bool ReadGlpsolReport(CMipReportLines& lines, SMipReport& report);
bool ReadCplexReport(CMipReportLines& lines, SMipReport& report);
bool ReadGurobiReport(CMipReportLines& lines, SMipReport& report);
