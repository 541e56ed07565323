#pragma once

// The sector sweeps that place the seeds of the generalized assignment, and what the seed
// computations share.

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

class CFacility;
class CTramletDoc;

// One facility of the driving type in polar order: relative angle, radius and quantity.
struct SPolarEntry {
    double angle = 0.0;
    double radius = 0.0;
    int quantity = 0;
};

// The m sectors of a sweep. Seed points use angle (the seed angle) and radius; seed rays use
// angle as the ray and leave radius 0. A sector the sweep never reached keeps zeros (seed point
// at the depot) or, for rays, the last ray computed.
struct SSeedSectors {
    std::vector<double> start;
    std::vector<double> end;
    std::vector<double> angle;
    std::vector<double> radius;
};

// The seed-point sweep: each sector collects quantity until it holds qbar, a facility that
// straddles a boundary is split at an interpolated angle and one larger than qbar fills whole
// sectors at its own position. The last sector (m - 1) takes whatever remains and is closed at
// the end of the sweep, so no sector beyond m is ever opened.
SSeedSectors SweepSeedPointSectors(const std::vector<SPolarEntry>& polar, int m, double qbar,
                                   double tolerance);

// The seed-ray sweep: a sector closes at the facility that fills or overfills it, its ray is
// the bisector of its angular extent, and the whole excess carries into the next sector. The
// last sector takes whatever remains and is closed at the last facility.
SSeedSectors SweepSeedRaySectors(const std::vector<SPolarEntry>& polar, int m, double qbar, double tolerance);

// The angle of a facility around the depot measured from the starting angle (radians, in
// [0, 2 pi)) and its distance from the depot, as ComputePolarAngles computes them.
void ComputeRelativePolar(const CFacility* f, const CFacility* depot, double startingRadians, double& angle,
                          double& radius);

// Appends text to an open output log; a failed write is reported and raises a user exception.
void WriteAssignmentLog(const std::string& text);
void WriteAssignmentLog(const std::function<void(std::FILE*)>& write);
// Whether Debug report blocks are written: report level Debug and an output log open.
bool WritesAssignmentDebug(const CTramletDoc& document);
