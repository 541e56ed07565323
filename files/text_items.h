#pragma once

#include <string>
#include <vector>

// Separators of the items on a line: white space for the scalar, facility and route data
// files, and white space or commas for the distance data file.
extern const char* const kBlankSeparators;
extern const char* const kDistanceSeparators;

// Splits a line into its non-empty items.
std::vector<std::string> SplitItems(const std::string& line, const char* separators = kBlankSeparators);

// The rest of the line after its first skip items (and the separators behind them), with
// trailing blanks and tabs dropped; empty when the line has no more.
std::string RestOfLineAfterItems(const std::string& line, int skip,
                                 const char* separators = kBlankSeparators);

// The text between the first two double quotes of a line; empty when it holds fewer than two.
std::string ExtractQuotedValue(const std::string& line);

// Reads a finite real number that fills the whole item.
bool ParseWholeRealNumber(const std::string& text, double& value);

// Appends the line a value came from to its message: " in document data line\r\n<line>".
std::string CompleteWithDataLine(const std::string& message, const std::string& dataLine);

// Reports a refused item of the project's own data: with a data line the message is completed
// and shown through DisplayErrorMessage (so it is logged); without one it appears in a message
// box only.
void ReportProjectItemError(const std::string& message, const std::string* dataLine);
// Reports a refused item of the framework's common data: completed the same way, shown in a
// message box with the exclamation icon after a beep, and not logged.
void ReportCommonItemError(const std::string& message, const std::string* dataLine);
