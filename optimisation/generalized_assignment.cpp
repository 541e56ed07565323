// The two generalized assignment commands: costs, assignment model, one route per cluster.

#include "optimisation/generalized_assignment.h"

#include <memory>
#include <vector>

#include "construction/insertion_report.h"
#include "framework/application/sable_win_app.h"
#include "framework/containers/double_matrix.h"
#include "framework/containers/long_matrix.h"
#include "framework/parameters/long_parameter.h"
#include "model/tramlet_doc.h"
#include "optimisation/generalized_assignment_routing.h"
#include "optimisation/generalized_assignment_solver.h"
#include "runs/runs_strings.h"

namespace {

// A route being built outside the project. Unless the project has taken it over, its
// facilities are released again when it goes (a run ended half-way leaves none pointing to it).
class CPendingRoute {
public:
    explicit CPendingRoute(CTramletDoc& document) : m_route(std::make_unique<CRoute>(&document)) {}
    ~CPendingRoute() {
        if (m_route != nullptr) {
            m_route->Clear();
        }
    }
    CPendingRoute(const CPendingRoute&) = delete;
    CPendingRoute& operator=(const CPendingRoute&) = delete;
    CRoute& Get() { return *m_route; }
    std::unique_ptr<CRoute> Release() { return std::move(m_route); }

private:
    std::unique_ptr<CRoute> m_route;
};

// The seed-point routing: a cluster of one or two by hand, up to 16 exactly with GLPK, larger
// ones by insertion; each route added to the project when it is complete.
void RouteSeedPointClusters(CTramletDoc& document, CSableWinApp& app, CAlgoStat& record,
                            const CLongMatrix& assignment) {
    CFacility* depot = document.GetFacility(FT_DEPOT, 0);
    for (int v = 0; v < assignment.GetNumberColumns(); ++v) {
        const std::vector<CFacility*> cluster = ClusterFacilities(document, assignment, v);
        const int count = static_cast<int>(cluster.size());
        if (count == 0) {
            continue;
        }
        CPendingRoute pending(document);
        CRoute& route = pending.Get();
        if (count <= 2) {
            route.AddFacility(depot, false);
            for (CFacility* f : cluster) {
                route.AddFacility(f, true);
            }
            route.AddFacility(depot, false);
        } else if (count <= GAP_MAX_EXACT_CLUSTER) {
            SolveClusterTour(document, app, assignment, count, v, route);
        } else {
            BuildClusterRouteByInsertion(document, assignment, count, v, route);
        }
        record.m_dDistance += route.ComputeDistance();
        document.AddRoute(pending.Release(), true);
        if (document.GetReportLevel() >= REPORT_STANDARD) {
            document.RedrawAllViews();
        }
        if (document.GetReportLevel() >= REPORT_DETAILED) {
            document.PauseAlgorithm();
        }
    }
}

void BuildAssignmentRoutes(CTramletDoc& document, CSableWinApp& app, CAlgoStat& record, EGAPSEEDMODE mode) {
    record.m_dParameter = document.GetStartingAngle();
    CDoubleMatrix costs;
    if (mode == GAP_SEED_POINTS) {
        ComputeSeedPointCosts(document, costs);
    } else {
        ComputeSeedRayCosts(document, costs);
    }
    CGapProblem problem(app);
    CLongMatrix assignment;
    CLongMatrix loads;
    SolveAssignmentModel(document, app, problem.Get(), costs, mode, assignment, loads);

    record.m_dDistance = 0.0;
    record.m_dStepValue = 0.0;
    record.m_lCount = 0;
    document.SetRoutedCount(0);
    CReportInsertFacility report;
    if (mode == GAP_SEED_POINTS) {
        RouteSeedPointClusters(document, app, record, assignment);
        return;
    }
    if (document.GetReportLevel() >= REPORT_STANDARD) {
        report.Show();
    }
    for (int v = 0; v < assignment.GetNumberColumns(); ++v) {
        const std::vector<CFacility*> cluster = ClusterFacilities(document, assignment, v);
        if (!cluster.empty()) {
            RouteSeedRayCluster(document, record, cluster, report);
        }
    }
}

ERunResult RunGeneralizedAssignment(CTramletDoc& document, EGAPSEEDMODE mode) {
    if (!CanRunAlgorithm(document)) {
        return ERunResult::refused;
    }
    // GLPK is loaded before the run begins; a failed load has shown its message.
    CSableWinApp* app = CSableWinApp::GetApp();
    if (app == nullptr) {
        return ERunResult::failed;
    }
    if (app->GetGLPKLibraryHandle() == nullptr && app->LoadGPLKFunctionPointers() == 0) {
        return ERunResult::failed;
    }
    SRunOptions options;
    options.nameId = mode == GAP_SEED_POINTS ? IDS_ALGO_GAP_SEED_POINTS : IDS_ALGO_GAP_SEED_RAYS;
    options.deleteRoutes = true;
    options.deleteRoutesOnFailure = false;
    options.statusWindow = CReportInsertFacility::GetTitle();
    return RunAlgorithm(document, options,
                        [&](CAlgoStat& record) { BuildAssignmentRoutes(document, *app, record, mode); });
}

} // namespace

ERunResult OnGeneralizedAssignmentSeedPoints(CTramletDoc& document) {
    return RunGeneralizedAssignment(document, GAP_SEED_POINTS);
}

ERunResult OnGeneralizedAssignmentSeedRays(CTramletDoc& document) {
    return RunGeneralizedAssignment(document, GAP_SEED_RAYS);
}
