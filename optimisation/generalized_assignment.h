#pragma once

// Generalized assignment with seed points or seed rays: cluster first with GLPK, route second.

#include <string>

#include "runs/run_frame.h"

class CDoubleMatrix;
class CLongMatrix;
class CRoute;
class CSableWinApp;
class CTramletDoc;

// The two seed variants (also the mode of the assignment-cost display).
enum EGAPSEEDMODE {
    GAP_SEED_POINTS = 0,
    GAP_SEED_RAYS = 1,
};

// The cost of an assignment that is not offered (a facility no vehicle can carry).
constexpr double GAP_NO_COST = 9999999999.99;
// Clusters up to this size are routed exactly by GLPK, larger ones by insertion.
constexpr int GAP_MAX_EXACT_CLUSTER = 16;

// Shown when neither type has a facility per vehicle; filled with the preferred type's name.
extern const char* const GAP_INSUFFICIENT_FACILITIES;
// Shown when GLPK cannot read a cluster's routing model file (its path), and when the solution
// read back does not form one tour through the cluster (the file's path); each ends the run.
extern const char* const GAP_CLUSTER_MODEL_UNREADABLE;
extern const char* const GAP_CLUSTER_TOUR_BROKEN;

// The n x m seed-point costs (customers then suppliers by vehicle): one seed point per vehicle
// placed at the quantity-weighted centre of a sector of the driving type's facilities, and the
// cost of a facility the straight-line detour of visiting it between the depot and the seed.
// Fewer than m facilities of both types: the message and a user exception. At Debug the sectors,
// seeds, seed distances and costs are written to an open output log.
void ComputeSeedPointCosts(const CTramletDoc& document, CDoubleMatrix& costs);

// The n x m seed-ray costs: one ray from the depot per vehicle splitting the driving type's
// quantity, and the cost of a facility the arc at its radius between it and the ray. A facility
// no vehicle can carry keeps GAP_NO_COST. Without any facility a vehicle can carry: message
// 2321 in a warning box and a user exception.
void ComputeSeedRayCosts(const CTramletDoc& document, CDoubleMatrix& costs);

// The two commands (2134, 2135): the costs, the assignment model solved by GLPK, one route per
// non-empty cluster. Runs in the algorithm frame; routes built before a failure stay. GLPK that
// cannot be loaded ends the command before anything happens (failed).
ERunResult OnGeneralizedAssignmentSeedPoints(CTramletDoc& document);
ERunResult OnGeneralizedAssignmentSeedRays(CTramletDoc& document);

// The routing model file of a cluster: the project's folder and base name with "_v%03d"
// (vehicle + 1) and the extension "tmp" (without a project file: "_v%03d.tmp").
std::string ClusterTourModelPath(const CTramletDoc& document, int vehicle);

// Writes the CPLEX LP model of the tour through vehicle's cluster (the facilities whose
// assignment entry in column vehicle is 1; count of them) to path. A file that cannot be
// written is reported and raises a user exception.
void WriteClusterTourModel(const CTramletDoc& document, const std::string& path,
                           const CLongMatrix& assignment, int count, int vehicle);

// Routes a cluster of 3 to 16 facilities exactly: the model file written, read by GLPK, solved
// by its integer optimiser, and the tour read from the arc columns into route (depot, ...,
// depot; distance computed). Solver failures are reported and raise a user exception.
void SolveClusterTour(CTramletDoc& document, CSableWinApp& app, const CLongMatrix& assignment, int count,
                      int vehicle, CRoute& route);

// Routes a cluster of 17 or more facilities by savings-seeded cheapest insertion into route,
// which the caller adds to the project afterwards.
void BuildClusterRouteByInsertion(CTramletDoc& document, const CLongMatrix& assignment, int count,
                                  int vehicle, CRoute& route);
