#pragma once

#include <set>
#include <string>
#include <vector>

class CTextLineReader;

// One node of a benchmark instance as read.
struct SBenchmarkNode {
    bool hasCoordinates = false;
    double x = 0.0;
    double y = 0.0;
    int demand = 0; // after reading: the delivery of a linehaul, the pickup of a backhaul
    int pickup = 0;
    bool backhaul = false;
};

// Everything a benchmark instance file holds.
struct SBenchmarkInstance {
    std::string name;
    int dimension = 0;
    int vehicles = 0; // 0 when the file gives none
    int capacity = 0;
    std::string weightType;
    std::string weightFormat;
    std::vector<SBenchmarkNode> nodes; // index = node id - 1
    std::vector<int> depots;
    std::vector<double> matrix; // dimension x dimension, row = from
    std::set<std::string> sections;
};

// What is wrong with the line read last.
struct SBenchmarkInstanceError {
    std::string message;
};

// Reads the keyword-and-section text into the instance and checks it as a whole; throws
// SBenchmarkInstanceError for the first malformed line (the reader's line number names it).
void ReadBenchmarkInstance(CTextLineReader& reader, SBenchmarkInstance& instance);
