#pragma once

#include <cstdio>
#include <string>

// Helpers shared by the matrix and vector reports and refusals. Internal to sablekit.
namespace containers_detail {

// Whether a report number format holds exactly one conversion that suits the element type:
// f, e, g or a (optionally with l) for real elements, d or i (optionally with l) for whole
// numbers. Flags, a field width and a precision are allowed; '*', other length modifiers and
// every other conversion are not. longArgument tells whether the conversion carries an l.
bool IsUsableReportFormat(const std::string& format, bool realElements, bool& longArgument);

// "%*d  " with width w - 2.
void WriteReportIndex(std::FILE* file, int width, int index);
// "%*s  " of width w - 2 holding nothing (the label field of a matrix block header).
void WriteReportBlank(std::FILE* file, int width);
// One element value: a value at or above the largest finite double prints as the single
// byte 0xEC in a "%*s  " field of width w - 2; every other value uses the caller's format.
void WriteReportValue(std::FILE* file, const std::string& format, int width, double value);
void WriteReportValue(std::FILE* file, const std::string& format, int value, bool longArgument);

// Shows "Invalid range of indices [first, last] for vector <operation> operation" and throws
// std::invalid_argument with the same text.
[[noreturn]] void RefuseVectorRange(int first, int last, const char* operation);
// Shows the row and column bound refusal of a matrix operation and throws std::invalid_argument.
[[noreturn]] void RefuseMatrixBounds(int firstRow, int lastRow, int firstColumn, int lastColumn, int rows,
                                     int columns, const char* operation);

} // namespace containers_detail
