#pragma once

#include <string>

// Validation of the values that enter the distance matrix and its parameters. A decoder stores
// an accepted value in out and returns true; a refused one is reported and false returned. With
// a data line (a file line is being read) the message gets " in document data line\r\n" and the
// line appended; without one (a dialog) it appears in a message box.

// One facility-to-facility distance: a real in [0, maxDistance] (GetMaxDistance). Refused values
// go through DisplayErrorMessage when a data line is given, so they also reach the logs.
bool DecodeDistance(const std::string& text, double& out, double maxDistance, const char* dataLine = nullptr);

// The distance factor: a real in [1.0, 9.0]. The world radius: a real of at least 1000.0. These
// are items of the framework: their refusals are shown after a beep in an exclamation message box
// and are not logged.
bool DecodeDistanceFactor(const std::string& text, double& out, const char* dataLine = nullptr);
bool DecodeWorldRadius(const std::string& text, double& out, const char* dataLine = nullptr);
bool IsValidDistanceFactor(double factor);
bool IsValidWorldRadius(double radius);
void ReportDistanceFactorRefusal(const std::string& text, const char* dataLine);

// A cell of the All Distances grid: a negative number (or a text that is not a number) is refused
// with the message box "Please enter a nonnegative distance".
bool DecodeDistanceCell(const std::string& text, double& out);
// The text of a grid cell.
std::string FormatDistanceCell(double distance);
