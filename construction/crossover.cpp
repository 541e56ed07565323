#include "construction/crossover.h"

#include <memory>

#include "construction/construction_strings.h"
#include "construction/crossover_rules.h"
#include "framework/application/sable_win_app.h"
#include "framework/numeric/numeric.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

const char* const CROSSOVER_GREEDY_NOT_OPTIMAL =
    "The greedy solution of extreme crossover routes may not be optimal.";
const char* const CROSSOVER_SOLVER_TIME_LIMIT =
    "The %s %s solver could not find the optimal solution within the %lf seconds time limit";
const char* const CROSSOVER_SOLVER_GENERAL_ERROR =
    "The %s %s solver terminated with the general error condition %d and no solution was found";
const char* const CROSSOVER_SOLVER_STATUS =
    "The %s %s solver could not find the optimal solution and terminated with status code %d";
const char* const EXTREME_SAVINGS_NEEDS_MIP_SOLVER =
    "A MIP solver must be installed to execute this algorithm";
const char* const EXTREME_SAVINGS_NOT_IMPLEMENTED = "Extreme savings algorithm has not yet been implemented";

namespace {

std::vector<CFacility*> EligibleFacilities(const CTramletDoc& document, int type) {
    const int Q = document.GetVehicleCapacity();
    std::vector<CFacility*> eligible;
    eligible.reserve(static_cast<size_t>(document.GetNumberOfFacilities(type)));
    for (int k = 0; k < document.GetNumberOfFacilities(type); ++k) {
        CFacility* f = document.GetFacility(type, k);
        if (f->GetQuantity() <= Q) {
            eligible.push_back(f);
        }
    }
    return eligible;
}

// Loads GLPK when it is not loaded yet; the binding shows its own failure message. True when the
// library can be used.
bool EnsureGlpkLoaded(CSableWinApp* app) {
    if (app == nullptr) {
        return false;
    }
    if (app->GetGLPKLibraryHandle() == nullptr) {
        app->LoadGPLKFunctionPointers();
    }
    return app->GetGLPKLibraryHandle() != nullptr;
}

void BuildExtremeCrossovers(CTramletDoc& document, CAlgoStat& record) {
    SCrossoverRun run(document, record);
    run.reporting = document.GetReportLevel() >= REPORT_STANDARD;
    if (run.reporting) {
        record.m_lCount = 0;
        record.m_dStepValue = 0.0;
        run.report.Clear();
        run.report.Show();
    }
    run.customers = EligibleFacilities(document, FT_CUSTOMER);
    run.suppliers = EligibleFacilities(document, FT_SUPPLIER);
    if (run.customers.empty() && run.suppliers.empty()) {
        ShowNoRoutableFacilitiesWarning();
        return;
    }
    run.allowed = MinInt({static_cast<int>(run.customers.size()), static_cast<int>(run.suppliers.size()),
                          document.GetNumberOfVehicles()});
    run.depot = document.GetFacility(FT_DEPOT, 0);

    CSableWinApp* app = CSableWinApp::GetApp();
    if (EnsureGlpkLoaded(app)) {
        BuildLinearProgramCrossovers(run, *app);
    } else {
        BuildGreedyCrossovers(run);
    }
}

} // namespace

double ComputeCrossoverSavings(const CTramletDoc& document, const CFacility* depot, const CFacility* customer,
                               const CFacility* supplier) {
    const int D = depot->GetIndex();
    const int c = customer->GetIndex();
    const int s = supplier->GetIndex();
    return document.GetDistance(c, D) + document.GetDistance(D, s) - document.GetDistance(c, s);
}

void SCrossoverRun::AddCrossoverRoute(CFacility* customer, CFacility* supplier) {
    const int D = depot->GetIndex();
    const int c = customer->GetIndex();
    const int s = supplier->GetIndex();
    auto route = std::make_unique<CRoute>(&document);
    route->AddFacility(depot, false);
    route->AddFacility(customer, true);
    route->AddFacility(supplier, true);
    route->AddFacility(depot, false);
    CRoute* added = route.get();
    record.m_dDistance +=
        document.GetDistance(D, c) + document.GetDistance(c, s) + document.GetDistance(s, D);
    document.AddRoute(std::move(route), true);

    if (!reporting) {
        return;
    }
    const double append = document.GetDistance(c, s);
    report.m_pFacility[ADD_APPENDED] = supplier;
    report.m_pFacility[ADD_ANCHOR] = customer;
    report.m_dAppendDistance = append;
    report.m_dTotalDistance = record.m_dDistance;
    report.m_lCount = document.GetRoutedCount();
    report.SetCapacities(*added);
    record.m_dStepValue = append;
    record.m_lCount = document.GetRoutedCount();
    document.RedrawAllViews();
    report.Show();
    if (document.GetReportLevel() >= REPORT_DETAILED) {
        document.PauseAlgorithm();
    }
}

bool CanRunExtremeCrossovers(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfDepots() > 0 &&
           document.GetNumberOfCustomers() > 0 && document.GetNumberOfSuppliers() > 0;
}

ERunResult RunExtremeCrossovers(CTramletDoc& document) {
    if (!CanRunExtremeCrossovers(document)) {
        return ERunResult::refused;
    }
    SRunOptions options;
    options.nameId = IDS_ALGO_EXTREME_CROSSOVERS;
    options.deleteRoutes = true;
    // The run writes its own lines to the output log (the chosen pairs), without the name heading.
    options.writeHeading = false;
    options.statusWindow = CReportAddFacility::GetTitle();
    return RunAlgorithm(document, options,
                        [&](CAlgoStat& record) { BuildExtremeCrossovers(document, record); });
}

bool CanRunExtremeSavings(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfDepots() > 0 &&
           document.GetNumberOfCustomers() + document.GetNumberOfSuppliers() > 1;
}

bool RunExtremeSavings(CTramletDoc& document) {
    if (!CanRunExtremeSavings(document)) {
        return false;
    }
    if (!EnsureGlpkLoaded(CSableWinApp::GetApp())) {
        GetUserInterface().MessageBox(EXTREME_SAVINGS_NEEDS_MIP_SOLVER, EMessageIcon::exclamation,
                                      EMessageButtons::ok);
        return false;
    }
    CUserInterface& ui = GetUserInterface();
    document.SetIsAlgorithmRunning(true);
    ui.BeginWaitCursor();
    document.GetCurrentSolution().m_lRunStatus = 0;
    DisplayErrorMessage(EXTREME_SAVINGS_NOT_IMPLEMENTED, false);
    ui.EndWaitCursor();
    document.SetIsAlgorithmRunning(false);
    document.RedrawAllViews();
    return true;
}
