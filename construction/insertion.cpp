#include "construction/insertion.h"

#include <cfloat>
#include <vector>

#include "construction/insertion_report.h"
#include "framework/numeric/first_best.h"
#include "framework/parameters/long_parameter.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

// The best link known for a free facility.
struct SInsertionCache {
    double penalty = DBL_MAX;
    CRoute* route = nullptr;
    CFacility* predecessor = nullptr;
    CFacility* successor = nullptr;
};

// Whether the cached link can still be used: it has a route, the predecessor is still directly
// followed by the successor, and the route still has room for f.
bool IsCacheValid(const SInsertionCache& cache, const CFacility* f, int Q) {
    if (cache.route == nullptr) {
        return false;
    }
    CRoute::POSITION position = cache.route->Find(cache.predecessor);
    if (cache.route->IsNullPosition(position)) {
        return false;
    }
    ++position;
    if (cache.route->IsNullPosition(position) || *position != cache.successor) {
        return false;
    }
    return cache.route->GetQuantity(f->GetType()) + f->GetQuantity() <= Q;
}

// The cheapest feasible link of f over all routes in document order; a later route replaces
// only with a strictly smaller penalty.
void RecomputeCache(const CTramletDoc& document, const CFacility* f, SInsertionCache& cache) {
    cache = SInsertionCache();
    const int routes = document.GetNumberOfRoutes();
    for (int r = 0; r < routes; ++r) {
        CRoute* route = document.GetRoute(r);
        CFacility* predecessor = nullptr;
        CFacility* successor = nullptr;
        double penalty = DBL_MAX;
        route->FindBestInsertion(f, predecessor, successor, penalty);
        if (penalty < cache.penalty) {
            cache.penalty = penalty;
            cache.route = route;
            cache.predecessor = predecessor;
            cache.successor = successor;
        }
    }
}

void InsertFreeFacilities(CTramletDoc& document, CAlgoStat& record, bool priciest) {
    CReportInsertFacility report;
    if (document.GetReportLevel() >= REPORT_STANDARD) {
        report.Show();
    }
    const int Q = document.GetVehicleCapacity();
    const int C = document.GetNumberOfCustomers();
    const int n = C + document.GetNumberOfSuppliers();

    // Positions 0 to C-1 are the customers, C and up the suppliers, in document order.
    std::vector<CFacility*> facilities(n);
    int E = 0;
    for (int k = 0; k < n; ++k) {
        facilities[k] =
            k < C ? document.GetFacility(FT_CUSTOMER, k) : document.GetFacility(FT_SUPPLIER, k - C);
        if (facilities[k]->GetQuantity() <= Q) {
            ++E;
        }
    }
    std::vector<SInsertionCache> caches(n);

    while (document.GetRoutedCount() < E) {
        int chosen = -1;
        CLargestFirst largestPenalty;
        CSmallestFirst smallestPenalty(DBL_MAX);
        for (int k = 0; k < n; ++k) {
            CFacility* f = facilities[k];
            if (f->IsRouted() || f->GetQuantity() > Q) {
                continue;
            }
            SInsertionCache& cache = caches[k];
            if (!IsCacheValid(cache, f, Q)) {
                RecomputeCache(document, f, cache);
            }
            // DBL_MAX marks a facility that fits no link.
            if (priciest ? cache.penalty < DBL_MAX && largestPenalty.Offer(cache.penalty)
                         : smallestPenalty.Offer(cache.penalty)) {
                chosen = k;
            }
        }
        if (chosen < 0) {
            break;
        }

        CFacility* f = facilities[chosen];
        SInsertionCache& cache = caches[chosen];
        cache.route->InsertAfterFacility(f, cache.predecessor, true);
        document.AdjustRoutedCount(1);
        record.m_dDistance += cache.penalty;
        record.m_dDeltaObjective += cache.penalty;
        record.m_dStepValue = cache.penalty;
        record.m_lCount += 1;
        if (document.GetReportLevel() >= REPORT_STANDARD) {
            report.m_lCount = record.m_lCount;
            report.m_pFacility[INSERT_FACILITY] = f;
            report.m_pFacility[INSERT_PREDECESSOR] = cache.predecessor;
            report.m_pFacility[INSERT_SUCCESSOR] = cache.successor;
            report.m_dInsertionPenalty = cache.penalty;
            report.m_dTotalDistance = record.m_dDistance;
            report.SetCapacities(*cache.route);
            report.Show();
        }
        cache = SInsertionCache();
        if (document.GetReportLevel() >= REPORT_DEBUG) {
            document.PauseAlgorithm();
        }
    }
}

ERunResult RunInsertion(CTramletDoc& document, unsigned nameId, bool priciest) {
    SRunOptions options;
    options.nameId = nameId;
    options.checkBeforeRun = true;
    options.statusWindow = CReportInsertFacility::GetTitle();
    return RunAlgorithm(document, options,
                        [&](CAlgoStat& record) { InsertFreeFacilities(document, record, priciest); });
}

} // namespace

bool CanRunInsertion(const CTramletDoc& document) {
    int routed = document.GetRoutedCount();
    return CanRunAlgorithm(document) && routed > 0 &&
           routed < document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
}

ERunResult RunCheapestInsertion(CTramletDoc& document) {
    return RunInsertion(document, IDS_ALGO_CHEAPEST_INSERTION, false);
}

ERunResult RunPriciestInsertion(CTramletDoc& document) {
    return RunInsertion(document, IDS_ALGO_PRICIEST_INSERTION, true);
}
