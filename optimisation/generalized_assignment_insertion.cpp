// The savings-seeded cheapest insertion that routes a cluster (every cluster of the seed rays,
// the large clusters of the seed points).

#include <cfloat>
#include <memory>
#include <utility>
#include <vector>

#include "construction/insertion_report.h"
#include "framework/colours/color.h"
#include "framework/containers/long_matrix.h"
#include "framework/parameters/long_parameter.h"
#include "model/tramlet_doc.h"
#include "optimisation/generalized_assignment.h"
#include "optimisation/generalized_assignment_routing.h"

namespace {

// How the two variants differ.
struct SInsertionStyle {
    bool raySeedPair = true;            // d(i,D)+d(D,j)-d(i,j); else d(D,i)+d(j,D)-d(i,j)
    int displayLevel = REPORT_STANDARD; // the status window from this report level
    bool inProject = true;              // the route is the project's: distance and count follow
    bool distanceEachInsertion = false; // the route's distance computed after each insertion
};

// The cheapest link known for a facility of the cluster.
struct SCachedLink {
    double cost = DBL_MAX;
    CFacility* predecessor = nullptr;
    CFacility* successor = nullptr;
};

// The pair of the cluster (global order) of largest savings, the first on ties; a cluster of
// one facility gives that facility and null.
std::pair<CFacility*, CFacility*>
ChooseSeedPair(const CTramletDoc& document, const std::vector<CFacility*>& cluster, int D, bool raySeedPair) {
    std::pair<CFacility*, CFacility*> best(cluster.front(), nullptr);
    double largest = -DBL_MAX;
    for (size_t a = 0; a < cluster.size(); ++a) {
        const int i = cluster[a]->GetIndex();
        for (size_t b = a + 1; b < cluster.size(); ++b) {
            const int j = cluster[b]->GetIndex();
            const double savings =
                raySeedPair
                    ? document.GetDistance(i, D) + document.GetDistance(D, j) - document.GetDistance(i, j)
                    : document.GetDistance(D, i) + document.GetDistance(j, D) - document.GetDistance(i, j);
            if (savings > largest) {
                largest = savings;
                best = {cluster[a], cluster[b]};
            }
        }
    }
    return best;
}

// Fills route with depot, the pair, depot and returns its length.
double StartRoute(const CTramletDoc& document, CRoute& route, CFacility* depot,
                  const std::pair<CFacility*, CFacility*>& pair) {
    const int D = depot->GetIndex();
    const int i = pair.first->GetIndex();
    route.AddFacility(depot, false);
    route.AddFacility(pair.first, true);
    if (pair.second == nullptr) {
        route.AddFacility(depot, false);
        return document.GetDistance(D, i) + document.GetDistance(i, D);
    }
    const int j = pair.second->GetIndex();
    route.AddFacility(pair.second, true);
    route.AddFacility(depot, false);
    return document.GetDistance(D, i) + document.GetDistance(i, j) + document.GetDistance(j, D);
}

// Whether the cached predecessor is still directly followed by the cached successor.
bool IsLinkIntact(CRoute& route, const SCachedLink& link) {
    if (link.predecessor == nullptr) {
        return false;
    }
    CRoute::POSITION position = route.Find(link.predecessor);
    if (route.IsNullPosition(position)) {
        return false;
    }
    ++position;
    return !route.IsNullPosition(position) && *position == link.successor;
}

// A display route of the facilities in the palette colour, added to the project.
void AddDisplayRoute(CTramletDoc& document, std::initializer_list<CFacility*> sequence, int colorIndex) {
    auto route = std::make_unique<CRoute>(&document);
    for (CFacility* f : sequence) {
        route->AddFacility(f, false);
    }
    CPRGB color;
    color.SetColorIndex(colorIndex);
    route->SetColor(color);
    document.AddRoute(std::move(route), false);
}

// The Debug display of an insertion: predecessor-facility-successor and predecessor-successor
// as temporary routes while the run pauses; they are taken out again however the pause ends.
void ShowInsertionAndPause(CTramletDoc& document, CFacility* predecessor, CFacility* f,
                           CFacility* successor) {
    int added = 0;
    try {
        AddDisplayRoute(document, {predecessor, f, successor}, 1);
        ++added;
        AddDisplayRoute(document, {predecessor, successor}, 4);
        ++added;
        document.RedrawAllGraphicalViews();
        document.PauseAlgorithm();
    } catch (...) {
        for (; added > 0; --added) {
            document.RemoveLastRoute(false);
        }
        throw;
    }
    for (; added > 0; --added) {
        document.RemoveLastRoute(false);
    }
}

// Inserts the cluster's unrouted facilities one at a time at the cheapest link of the route, the
// cheapest facility first (customers before suppliers on ties), until none can be inserted.
void InsertClusterFacilities(CTramletDoc& document, CAlgoStat& record, const std::vector<CFacility*>& cluster,
                             CRoute& route, const SInsertionStyle& style, CReportInsertFacility& report) {
    const int C = document.GetVehicleCapacity();
    int remaining = 0;
    for (const CFacility* f : cluster) {
        remaining += !f->IsRouted() && f->GetQuantity() <= C ? 1 : 0;
    }
    std::vector<SCachedLink> cache(cluster.size());
    for (; remaining > 0; --remaining) {
        int chosen = -1;
        double best = DBL_MAX;
        for (size_t k = 0; k < cluster.size(); ++k) {
            CFacility* f = cluster[k];
            if (f->IsRouted() || f->GetQuantity() > C) {
                continue;
            }
            SCachedLink& link = cache[k];
            if (!IsLinkIntact(route, link)) {
                route.FindBestInsertion(f, link.predecessor, link.successor, link.cost);
            }
            if (link.cost < best) {
                best = link.cost;
                chosen = static_cast<int>(k);
            }
        }
        if (chosen < 0) {
            break;
        }
        CFacility* f = cluster[chosen];
        const SCachedLink link = cache[chosen];
        route.InsertAfterFacility(f, link.predecessor, true);
        cache[chosen] = SCachedLink();
        if (style.inProject) {
            record.m_dDistance += link.cost;
            document.AdjustRoutedCount(1);
        }
        if (style.distanceEachInsertion) {
            route.ComputeDistance();
        }
        if (document.GetReportLevel() >= style.displayLevel) {
            record.m_dStepValue = link.cost;
            report.m_lCount += 1;
            report.m_pFacility[INSERT_FACILITY] = f;
            report.m_pFacility[INSERT_PREDECESSOR] = link.predecessor;
            report.m_pFacility[INSERT_SUCCESSOR] = link.successor;
            report.m_dInsertionPenalty = link.cost;
            report.m_dTotalDistance = record.m_dDistance;
            report.SetCapacities(route);
            report.Show();
        }
        if (document.GetReportLevel() >= REPORT_DEBUG) {
            ShowInsertionAndPause(document, link.predecessor, f, link.successor);
        }
    }
}

} // namespace

std::vector<CFacility*> ClusterFacilities(const CTramletDoc& document, const CLongMatrix& assignment,
                                          int vehicle) {
    std::vector<CFacility*> cluster;
    for (int g = 0; g < assignment.GetNumberRows(); ++g) {
        if (assignment[g][vehicle] == 1) {
            cluster.push_back(document.GetFacility(g));
        }
    }
    return cluster;
}

void RouteSeedRayCluster(CTramletDoc& document, CAlgoStat& record, const std::vector<CFacility*>& cluster,
                         CReportInsertFacility& report) {
    CFacility* depot = document.GetFacility(FT_DEPOT, 0);
    auto owned = std::make_unique<CRoute>(&document);
    CRoute& route = *owned;
    record.m_dDistance +=
        StartRoute(document, route, depot, ChooseSeedPair(document, cluster, depot->GetIndex(), true));
    document.AddRoute(std::move(owned), true);
    if (document.GetReportLevel() >= REPORT_STANDARD) {
        document.RedrawAllViews();
    }
    if (document.GetReportLevel() >= REPORT_DETAILED) {
        document.PauseAlgorithm();
    }
    InsertClusterFacilities(document, record, cluster, route, SInsertionStyle(), report);
    route.ComputeDistance();
}

void BuildClusterRouteByInsertion(CTramletDoc& document, const CLongMatrix& assignment, int /*count*/,
                                  int vehicle, CRoute& route) {
    const std::vector<CFacility*> cluster = ClusterFacilities(document, assignment, vehicle);
    if (cluster.empty()) {
        return;
    }
    CFacility* depot = document.GetFacility(FT_DEPOT, 0);
    StartRoute(document, route, depot, ChooseSeedPair(document, cluster, depot->GetIndex(), false));
    if (document.GetReportLevel() >= REPORT_DETAILED) {
        document.RedrawAllViews();
    }
    if (document.GetReportLevel() >= REPORT_DEBUG) {
        document.PauseAlgorithm();
    }
    SInsertionStyle style;
    style.raySeedPair = false;
    style.displayLevel = REPORT_DETAILED;
    style.inProject = false;
    style.distanceEachInsertion = true;
    CReportInsertFacility report;
    InsertClusterFacilities(document, document.GetCurrentSolution(), cluster, route, style, report);
    route.ComputeDistance();
}
