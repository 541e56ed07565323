#include "runs/evaluate.h"

#include <new>
#include <stdexcept>

#include "framework/application/clock.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "runs/run_frame.h"
#include "runs/runs_strings.h"

bool CanEvaluate(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfRoutes() > 0;
}

bool EvaluateSolution(CTramletDoc& document) {
    if (!CanEvaluate(document)) {
        return false;
    }
    CAlgoStat& record = document.GetCurrentSolution();
    double start = GetClockSeconds();
    record.m_lRunStatus = 0;
    try {
        document.CheckSolution(true);
        record.m_strAlgoName = LoadRunsString(IDS_ALGO_EVALUATE);
        WriteExecutionMessage(FormatString("Executing %s algorithm\n", record.m_strAlgoName.c_str()));
        record.m_dParameter = 0.0;
        record.m_dDeltaObjective = 0.0;
        record.m_lIterations = 0;
        record.m_lCount = 0;
        record.m_dRunTime = GetClockSeconds() - start;
        RecordAlgorithmStatistics(document);
        return true;
    } catch (const CUserException&) {
    } catch (const CFileException& error) {
        ReportLogWriteFailure(error);
    } catch (const std::bad_alloc&) {
    } catch (const std::invalid_argument&) {
    }
    document.RedrawAllViews();
    record.m_lRunStatus = -1;
    return false;
}

void EvaluateLoadedSolution(CTramletDoc& document) {
    if (document.GetNumberOfRoutes() == 0) {
        return;
    }
    CAlgoStat& record = document.GetCurrentSolution();
    int routed = 0;
    for (CRoute* route : document.GetRoutes()) {
        routed += route->GetNumberOfCustomers() + route->GetNumberOfSuppliers();
    }
    document.SetRoutedCount(routed);
    record.m_lNumberOfRoutes = document.GetNumberOfRoutes();
    double distance = 0.0;
    double penalty = 0.0;
    double cost = 0.0;
    document.GetDistancePenaltyCost(distance, penalty, cost);
    record.m_dDistance = distance;
    record.m_dCost = cost;
    document.CheckSolution(true);
}

void RecordInitialLoad(CTramletDoc& document) {
    if (document.GetNumberOfRoutes() == 0) {
        return;
    }
    CAlgoStat& record = document.GetCurrentSolution();
    record.m_strAlgoName = LoadRunsString(IDS_ALGO_INITIAL_LOAD);
    record.m_dDeltaObjective = 0.0;
    record.m_lIterations = 0;
    record.m_lCount = 0;
    record.m_dRunTime = 0.0;
    RecordAlgorithmStatistics(document);
}

void NameImportedSolution(CTramletDoc& document) {
    CAlgoStat& record = document.GetCurrentSolution();
    record.m_strAlgoName = LoadRunsString(IDS_ALGO_INITIAL_LOAD);
    record.m_dRunTime = 0.0;
    record.m_lNumberOfRoutes =
        document.IsImportingProject() ? document.GetSpecifiedCount(FT_ROUTE) : document.GetNumberOfRoutes();
}
