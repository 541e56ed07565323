#include "construction/sweep.h"

#include "construction/construction_strings.h"
#include "construction/insertion_report.h"
#include "construction/polar_angles.h"
#include "construction/route_building.h"
#include "framework/parameters/long_parameter.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

void BuildSweepRoutes(CTramletDoc& document, CAlgoStat& record) {
    record.m_dParameter = document.GetStartingAngle();
    CReportInsertFacility report;
    if (document.GetReportLevel() >= REPORT_STANDARD) {
        report.Show();
    }
    if (CountEligibleFacilities(document, FT_CUSTOMER) + CountEligibleFacilities(document, FT_SUPPLIER) ==
        0) {
        ShowNoRoutableFacilitiesWarning();
        return;
    }
    CDoubleVector angles;
    CDoubleVector radii;
    CLongVector order;
    ComputePolarAngles(document, PS_CUSTOMERS_AND_SUPPLIERS, angles, radii, order);

    const int Q = document.GetVehicleCapacity();
    const int V = document.GetNumberOfVehicles();
    const int C = document.GetNumberOfCustomers();
    CFacility* depot = document.GetFacility(FT_DEPOT, 0);

    // The customer end a (the last customer, or the opening depot) and the supplier end b (the
    // first supplier, or the closing depot) of the current route; they are always neighbours.
    CRoute* route = OpenDepotRoute(document, depot);
    CRoute::POSITION a = route->GetHeadPosition();
    CRoute::POSITION b = route->GetTailPosition();
    double& distance = record.m_dDistance;

    for (int k = 0; k < order.GetSize(); ++k) {
        if (document.GetNumberOfRoutes() > V) {
            break;
        }
        const int position = order[k];
        CFacility* f = position < C ? document.GetFacility(FT_CUSTOMER, position)
                                    : document.GetFacility(FT_SUPPLIER, position - C);
        const int t = f->GetType();
        if (f->GetQuantity() > Q) {
            continue;
        }
        if (route->GetQuantity(t) + f->GetQuantity() > Q) {
            document.RedrawAllViews();
            if (document.GetReportLevel() >= REPORT_DETAILED) {
                document.PauseAlgorithm();
            }
            if (document.GetNumberOfRoutes() == V) {
                break;
            }
            route = OpenDepotRoute(document, depot);
            a = route->GetHeadPosition();
            b = route->GetTailPosition();
        }
        CFacility* predecessor = *a;
        CFacility* successor = *b;
        const int i = predecessor->GetIndex();
        const int j = successor->GetIndex();
        const int n = f->GetIndex();
        double step = document.GetDistance(i, n) + document.GetDistance(n, j) - document.GetDistance(i, j);
        if (t == FT_CUSTOMER) {
            a = route->InsertAfter(f, a, true);
        } else {
            b = route->InsertBefore(f, b, true);
        }
        document.AdjustRoutedCount(1);
        distance += step;
        record.m_dStepValue = step;
        if (document.GetReportLevel() >= REPORT_STANDARD) {
            report.m_lCount = document.GetRoutedCount();
            report.m_pFacility[INSERT_FACILITY] = f;
            report.m_pFacility[INSERT_PREDECESSOR] = predecessor;
            report.m_pFacility[INSERT_SUCCESSOR] = successor;
            report.m_dInsertionPenalty = step;
            report.m_dTotalDistance = distance;
            report.SetCapacities(*route);
            report.Show();
        }
        if (document.GetReportLevel() >= REPORT_DEBUG) {
            document.PauseAlgorithm();
        }
    }
}

} // namespace

ERunResult RunSweep(CTramletDoc& document) {
    SRunOptions options;
    options.nameId = IDS_ALGO_SWEEP;
    options.deleteRoutes = true;
    options.statusWindow = CReportInsertFacility::GetTitle();
    return RunAlgorithm(document, options, [&](CAlgoStat& record) { BuildSweepRoutes(document, record); });
}
