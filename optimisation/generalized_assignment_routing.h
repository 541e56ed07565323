#pragma once

// How the clusters of the generalized assignment become routes.

#include <vector>

class CAlgoStat;
class CFacility;
class CLongMatrix;
class CReportInsertFacility;
class CTramletDoc;

// The facilities given to the vehicle (its assignment column holds 1), in global order.
std::vector<CFacility*> ClusterFacilities(const CTramletDoc& document, const CLongMatrix& assignment,
                                          int vehicle);

// The seed-ray routing of one cluster: the savings pair (or the single facility) as a route
// added to the project at once, then the cheapest insertion of the rest. The run's distance,
// the routed count and, at Standard, the status window follow every step; at Debug each
// insertion is shown by temporary routes and a pause.
void RouteSeedRayCluster(CTramletDoc& document, CAlgoStat& record, const std::vector<CFacility*>& cluster,
                         CReportInsertFacility& report);
