#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

class CTextLineReader;

// Reads a distance data file for the facilities with the given labels (in project order) into
// distances, row by row (n x n). The header line must name the labels in order, and each
// facility's line starts with its label followed by its row. Items are separated by blanks,
// commas or tabs; comment lines are skipped. A refused item is reported (completed with its
// line) and raises a user exception; a premature end of the file raises the end-of-file file
// exception.
void ReadDistanceData(CTextLineReader& reader, const std::vector<std::string>& labels,
                      std::vector<double>& distances);

// Writes the distance data file: the header of labels and one line of distances per facility.
void WriteDistanceData(std::FILE* file, const std::vector<std::string>& labels,
                       const std::function<double(int row, int column)>& distance);
