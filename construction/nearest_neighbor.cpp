#include "construction/nearest_neighbor.h"

#include "construction/construction_strings.h"
#include "construction/nearest_neighbor_report.h"
#include "construction/route_building.h"
#include "framework/numeric/first_best.h"
#include "framework/parameters/long_parameter.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

void BuildNearestNeighborRoutes(CTramletDoc& document, CAlgoStat& record) {
    CReportAddFacility report;
    if (document.GetReportLevel() >= REPORT_STANDARD) {
        report.Show();
    }
    const int eligible[2] = {CountEligibleFacilities(document, FT_CUSTOMER),
                             CountEligibleFacilities(document, FT_SUPPLIER)};
    const int E = eligible[FT_CUSTOMER] + eligible[FT_SUPPLIER];
    if (E == 0) {
        ShowNoRoutableFacilitiesWarning();
        return;
    }
    const int Q = document.GetVehicleCapacity();
    const int V = document.GetNumberOfVehicles();
    const int count[2] = {document.GetNumberOfCustomers(), document.GetNumberOfSuppliers()};
    CFacility* depot = document.GetFacility(FT_DEPOT, 0);
    const int o = depot->GetIndex();

    int routedOfType[2] = {0, 0};
    auto remains = [&](int type) { return routedOfType[type] < eligible[type]; };

    CRoute* route = OpenDepotRoute(document, depot);
    CRoute::POSITION position = route->GetHeadPosition();
    CFacility* current = depot;
    int t = count[FT_CUSTOMER] > 0 ? FT_CUSTOMER : FT_SUPPLIER;
    double& distance = record.m_dDistance;

    while (document.GetRoutedCount() < E && document.GetNumberOfRoutes() <= V) {
        bool close = false;
        if (remains(t)) {
            // The nearest unrouted eligible facility of type t; the first of equal distances.
            const int from = current->GetIndex();
            CFacility* nearest = nullptr;
            CSmallestFirst nearestDistance;
            for (int k = 0; k < count[t]; ++k) {
                CFacility* f = document.GetFacility(t, k);
                if (f->IsRouted() || f->GetQuantity() > Q) {
                    continue;
                }
                if (nearestDistance.Offer(document.GetDistance(from, f->GetIndex()))) {
                    nearest = f;
                }
            }
            if (route->GetQuantity(t) + nearest->GetQuantity() > Q) {
                if (t == FT_CUSTOMER && remains(FT_SUPPLIER)) {
                    t = FT_SUPPLIER;
                } else {
                    close = true;
                }
            } else {
                const int j = nearest->GetIndex();
                double step =
                    nearestDistance.Value() + document.GetDistance(j, o) - document.GetDistance(from, o);
                position = route->InsertAfter(nearest, position, true);
                document.AdjustRoutedCount(1);
                routedOfType[t] += 1;
                distance += step;
                record.m_dStepValue = step;
                if (document.GetReportLevel() >= REPORT_STANDARD) {
                    report.m_lCount = document.GetRoutedCount();
                    report.m_pFacility[ADD_APPENDED] = nearest;
                    report.m_pFacility[ADD_ANCHOR] = current;
                    report.m_dAppendDistance = step;
                    report.m_dTotalDistance = distance;
                    report.SetCapacities(*route);
                    report.Show();
                }
                current = nearest;
                if (t == FT_CUSTOMER && !remains(FT_CUSTOMER)) {
                    t = FT_SUPPLIER;
                }
                if (document.GetReportLevel() >= REPORT_DEBUG) {
                    document.PauseAlgorithm();
                }
            }
        } else if (t == FT_CUSTOMER && remains(FT_SUPPLIER)) {
            t = FT_SUPPLIER;
        } else {
            close = true;
        }

        if (close) {
            document.RedrawAllViews();
            if (document.GetReportLevel() >= REPORT_DETAILED) {
                document.PauseAlgorithm();
            }
            if (document.GetNumberOfRoutes() == V) {
                break;
            }
            route = OpenDepotRoute(document, depot);
            position = route->GetHeadPosition();
            current = depot;
            t = remains(FT_CUSTOMER) ? FT_CUSTOMER : FT_SUPPLIER;
        }
    }
}

} // namespace

ERunResult RunNearestNeighbor(CTramletDoc& document) {
    SRunOptions options;
    options.nameId = IDS_ALGO_NEAREST_NEIGHBOR;
    options.deleteRoutes = true;
    options.statusWindow = CReportAddFacility::GetTitle();
    return RunAlgorithm(document, options,
                        [&](CAlgoStat& record) { BuildNearestNeighborRoutes(document, record); });
}
