#include "improvement/between_route_search.h"

#include "framework/application/sable_win_app.h"
#include "framework/parameters/long_parameter.h"
#include "improvement/improvement_strings.h"
#include "model/tramlet_doc.h"
#include "runs/algo_stat.h"

// ---- Debug lines ----

void WriteFacilityLine(std::FILE* file, const char* format, const CFacility* f, const CFacility* p,
                       const CFacility* s, int quantity, double value) {
    std::fprintf(file, format, f->GetTypeName().c_str(), f->GetLabel().c_str(), p->GetTypeName().c_str(),
                 p->GetLabel().c_str(), s->GetTypeName().c_str(), s->GetLabel().c_str(), quantity, value);
}

void WriteLinkLine(std::FILE* file, const char* format, const CFacility* a, const CFacility* b,
                   double value) {
    std::fprintf(file, format, a->GetTypeName().c_str(), a->GetLabel().c_str(), b->GetTypeName().c_str(),
                 b->GetLabel().c_str(), value);
}

void WriteBestLine(std::FILE* file, const char* format, const CFacility* f, const CFacility* p,
                   const CFacility* s) {
    std::fprintf(file, format, f->GetTypeName().c_str(), f->GetLabel().c_str(), p->GetTypeName().c_str(),
                 p->GetLabel().c_str(), s->GetTypeName().c_str(), s->GetLabel().c_str());
}

void RunScanWithDebugLog(CTramletDoc& document, const std::function<void(std::FILE*)>& scan) {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (document.GetReportLevel() >= REPORT_DEBUG && app != nullptr && app->HasOutputLogFile()) {
        app->WriteOutputLog(scan);
    } else {
        scan(nullptr);
    }
}

// ---- the steps of a run ----

void CBetweenRouteSearch::Run(CAlgoStat& record) {
    if (m_document.GetReportLevel() >= REPORT_STANDARD) {
        m_document.CheckSolution(true);
        m_report.Clear();
        ShowReport();
    }
    m_lSteps = 0;
    m_dCumulativeSavings = 0.0;
    record.m_dRunTime = 0.0;
    Descend(m_document, {this});
    record.m_dDeltaObjective = m_dCumulativeSavings;
    record.m_lCount = m_lSteps;
}

void CBetweenRouteSearch::ShowReport() const {
    GetUserInterface().ShowStatusWindow(LoadImprovementString(m_titleId), GetReportFields());
}

bool CBetweenRouteSearch::IsRealSaving(double savings) const {
    return savings > 0.0 && savings > 1e-10 * m_document.GetCurrentSolution().m_dDistance;
}

void CBetweenRouteSearch::CountStep(double savings) {
    CAlgoStat& record = m_document.GetCurrentSolution();
    record.m_dDistance -= savings;
    record.m_dCost -= savings;
    m_lSteps += 1;
    m_dCumulativeSavings += savings;
}

void CBetweenRouteSearch::ShowStep(double savings, CStepDisplayRoutes& display) {
    m_report.AddStep(savings);
    if (m_document.GetReportLevel() >= REPORT_DETAILED) {
        display.ShowAndPause([this] { ShowReport(); });
    }
    m_document.RedrawAllGraphicalViews();
    ShowReport();
}

// ---- the command ----

bool CanMoveOrSwapFacility(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfRoutes() >= 2;
}

ERunResult RunBetweenRouteSearch(CTramletDoc& document, CBetweenRouteSearch& search) {
    if (!CanMoveOrSwapFacility(document)) {
        return ERunResult::refused;
    }
    SRunOptions options;
    options.nameId = search.GetNameId();
    options.statusWindow = LoadImprovementString(search.GetTitleId());
    return RunImprovementFrame(
        document, options, [&search](CAlgoStat& record) { search.Run(record); },
        [&search] { return search.GetStepCount() > 0; });
}
