#include "construction/manual_construction.h"

#include <memory>
#include <new>
#include <stdexcept>

#include "construction/construction_strings.h"
#include "construction/route_building.h"
#include "framework/application/clock.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "runs/run_frame.h"
#include "runs/runs_strings.h"

namespace {

void Beep() {
    GetUserInterface().Beep(EMessageIcon::none);
}

int CountEligible(const CTramletDoc& document) {
    return CountEligibleFacilities(document, FT_CUSTOMER) + CountEligibleFacilities(document, FT_SUPPLIER);
}

} // namespace

CManualConstruction::CManualConstruction(CTramletDoc& document) : m_document(document) {}

bool CManualConstruction::CanStart(const CTramletDoc& document) {
    return CanRunAlgorithm(document);
}

template <class Step> void CManualConstruction::Guarded(Step&& step) {
    try {
        step();
    } catch (const CUserException&) {
        Fail();
    } catch (const CFileException& error) {
        ReportLogWriteFailure(error);
        Fail();
    } catch (const std::invalid_argument&) {
        Fail();
    } catch (const std::bad_alloc&) {
        Fail();
    }
}

bool CManualConstruction::Start() {
    if (m_active || !CanStart(m_document)) {
        return false;
    }
    CAlgoStat& record = m_document.GetCurrentSolution();
    m_document.SetIsAlgorithmRunning(true);
    m_active = true;
    record.m_lRunStatus = 0;
    m_document.SetReportLevel(REPORT_STANDARD);
    record.m_strAlgoName = LoadRunsString(IDS_ALGO_MANUAL_CONSTRUCTION);
    // The start time waits in the run-time field until the run ends.
    record.m_dRunTime = GetClockSeconds();
    Guarded([&] {
        WriteExecutionMessage(FormatString("Executing %s algorithm\n", record.m_strAlgoName.c_str()));
        m_document.DeleteAllRoutes();
        AppendToOutputLog(FormatString("\n\n%s\n\n", record.m_strAlgoName.c_str()));
        m_document.SetRoutedCount(0);
        record.m_dDistance = 0.0;
        record.m_lCount = 0;
        record.m_dStepValue = 0.0;
        record.m_dParameter = 0.0;
        record.m_dDeltaObjective = 0.0;
        record.m_dLowerBound = 0.0;
        ClearStepReferences();
        m_report.Clear();
        m_report.Show();
        if (CountEligible(m_document) == 0) {
            ShowNoRoutableFacilitiesWarning();
            m_report.Close();
            record.m_lRunStatus = 1;
            EndMode();
        }
    });
    m_document.RedrawAllViews();
    return m_active;
}

bool CManualConstruction::OnFacilityClicked(CFacility* f) {
    if (!m_active || f == nullptr) {
        return false;
    }
    bool acted = true;
    Guarded([&] {
        if (m_route == nullptr) {
            if (f->IsDepot()) {
                StartRoute(f);
            } else {
                acted = false;
            }
        } else if (f == m_last) {
            Undo();
        } else if (f == m_depot) {
            CloseRoute();
            if (m_document.GetNumberOfRoutes() >= m_document.GetNumberOfVehicles() || AllEligibleRouted()) {
                Finish();
            }
        } else if (CanAppend(f)) {
            Append(f);
        } else {
            acted = false;
        }
    });
    return acted;
}

void CManualConstruction::OnEscape() {
    if (!m_active) {
        return;
    }
    Guarded([&] {
        if (m_route != nullptr && m_route->GetSize() == 1) {
            // A route of its depot alone would fail the check and cost the whole run: drop it.
            DeleteRouteUnderConstruction();
        } else if (m_route != nullptr) {
            CloseRoute();
        }
        Finish();
    });
}

void CManualConstruction::Abort() {
    if (!m_active) {
        return;
    }
    if (m_document.GetAbortNesting() > 0) {
        m_document.DisableAbortAlgorithm();
    }
    m_report.Close();
    DisplayErrorMessage("Algorithm aborted by the user");
    m_document.DeleteAllRoutes();
    m_document.GetCurrentSolution().m_lRunStatus = -1;
    EndMode();
    m_document.RedrawAllViews();
}

void CManualConstruction::StartRoute(CFacility* depot) {
    Beep();
    auto route = std::make_unique<CRoute>(&m_document);
    route->AddFacility(depot, false);
    m_route = route.get();
    m_document.AddRoute(std::move(route), true);
    m_depot = depot;
    m_last = depot;
    m_previous = depot;
    m_document.GetCurrentSolution().m_dStepValue = 0.0;
    m_document.RedrawAllViews();
}

void CManualConstruction::Undo() {
    Beep();
    CAlgoStat& record = m_document.GetCurrentSolution();
    CFacility* removed = m_last;
    const double distance = m_document.GetDistance(m_previous->GetIndex(), removed->GetIndex());
    record.m_dDistance -= distance;
    if (removed == m_depot) {
        DeleteRouteUnderConstruction();
        // What is left is the closed routes: their sum, free of the rounding of the undone
        // steps (a total of almost zero would fail the check of a run without routes).
        record.m_dDistance = m_document.GetTotalDistance(false);
        ShowProgress(nullptr, nullptr, 0.0, false);
        return;
    }
    record.m_lCount -= 1;
    m_document.AdjustRoutedCount(-1);
    m_route->RemoveFacility(removed, m_route->GetTailPosition(), true);
    m_last = m_previous;
    CFacility* before = m_route->GetPredecessor(m_last);
    m_previous = before != nullptr ? before : m_depot;
    ShowProgress(m_last, m_last != m_depot ? m_previous : nullptr, -distance, false);
}

void CManualConstruction::CloseRoute() {
    Beep();
    CAlgoStat& record = m_document.GetCurrentSolution();
    m_route->AddFacility(m_depot, false);
    const double distance = m_document.GetDistance(m_last->GetIndex(), m_depot->GetIndex());
    record.m_dDistance += distance;
    CFacility* depot = m_depot;
    CFacility* anchor = m_last;
    m_report.SetCapacities(*m_route);
    m_route = nullptr;
    ClearStepReferences();
    ShowProgress(depot, anchor, distance, true);
}

bool CManualConstruction::CanAppend(const CFacility* f) const {
    const int Q = m_document.GetVehicleCapacity();
    if (f->IsRouted() || f->IsDepot() || f->GetQuantity() > Q) {
        // Another depot is not appended: a route through two depots could never pass the check.
        return false;
    }
    const bool afterSupplier = m_last->IsSupplier();
    if (f->IsCustomer()) {
        return !afterSupplier && m_route->GetResidualCapacity(FT_CUSTOMER) >= f->GetQuantity();
    }
    return !afterSupplier || m_route->GetResidualCapacity(FT_SUPPLIER) >= f->GetQuantity();
}

void CManualConstruction::Append(CFacility* f) {
    Beep();
    CAlgoStat& record = m_document.GetCurrentSolution();
    m_previous = m_last;
    m_route->AddFacility(f, true);
    m_last = f;
    double step = m_document.GetDistance(m_previous->GetIndex(), f->GetIndex());
    record.m_dDistance += step;
    record.m_lCount += 1;
    m_document.AdjustRoutedCount(1);
    record.m_dStepValue = step;
    ShowProgress(f, m_previous, step, true);
}

void CManualConstruction::DeleteRouteUnderConstruction() {
    m_document.DeleteRoute(m_route);
    m_route = nullptr;
    ClearStepReferences();
}

void CManualConstruction::ClearStepReferences() {
    m_depot = nullptr;
    m_last = nullptr;
    m_previous = nullptr;
}

void CManualConstruction::ShowProgress(const CFacility* appended, const CFacility* anchor, double distance,
                                       bool pause) {
    if (m_document.GetReportLevel() < REPORT_STANDARD) {
        return;
    }
    m_report.m_lCount = m_document.GetRoutedCount();
    m_report.m_pFacility[ADD_APPENDED] = appended;
    m_report.m_pFacility[ADD_ANCHOR] = anchor;
    m_report.m_dAppendDistance = distance;
    m_report.m_dTotalDistance = m_document.GetCurrentSolution().m_dDistance;
    if (m_route != nullptr) {
        m_report.SetCapacities(*m_route);
    }
    m_report.Show();
    m_document.RedrawAllViews();
    if (pause && m_document.GetReportLevel() >= REPORT_DETAILED) {
        m_document.PauseAlgorithm();
    }
}

bool CManualConstruction::AllEligibleRouted() const {
    return m_document.GetRoutedCount() >= CountEligible(m_document);
}

void CManualConstruction::Finish() {
    CAlgoStat& record = m_document.GetCurrentSolution();
    record.m_dDeltaObjective = 0.0;
    record.m_lIterations = 1;
    record.m_lCount = 0;
    record.m_dRunTime = GetClockSeconds() - record.m_dRunTime;
    m_report.Close();
    record.m_dCost = m_document.GetPenalty() + record.m_dDistance;
    if (m_document.GetReportLevel() >= REPORT_STANDARD) {
        m_document.CheckSolution(true);
    }
    RecordAlgorithmStatistics(m_document);
    m_document.SetModifiedFlag(true);
    EndMode();
    m_document.RedrawAllViews();
}

void CManualConstruction::Fail() {
    m_report.Close();
    m_document.DeleteAllRoutes();
    m_document.GetCurrentSolution().m_lRunStatus = -1;
    EndMode();
    m_document.RedrawAllViews();
}

void CManualConstruction::EndMode() {
    m_document.SetIsAlgorithmRunning(false);
    m_active = false;
    m_route = nullptr;
    ClearStepReferences();
}
