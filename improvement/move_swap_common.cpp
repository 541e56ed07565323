#include "improvement/move_swap_common.h"

#include <utility>

#include "framework/application/sable_win_app.h"
#include "framework/colours/color.h"
#include "framework/parameters/long_parameter.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "improvement/improvement_strings.h"
#include "model/tramlet_doc.h"

std::string FormatReportFacility(const CFacility* f) {
    if (f == nullptr) {
        return LoadImprovementString(IDS_REPORT_NONE);
    }
    return f->GetTypeName() + " " + f->GetLabel();
}

std::string FormatReportCapacity(const CRoute* route, int type) {
    if (route == nullptr) {
        return LoadImprovementString(IDS_REPORT_NONE);
    }
    return FormatString("%d", route->GetResidualCapacity(type));
}

// ---- display routes ----

void CStepDisplayRoutes::Add(std::initializer_list<CFacility*> sequence, int colorIndex) {
    auto route = std::make_unique<CRoute>(&m_document);
    for (CFacility* f : sequence) {
        route->AddFacility(f, false);
    }
    m_routes.push_back({std::move(route), colorIndex});
}

void CStepDisplayRoutes::RemoveTemporaryRoutes(int added) {
    // The last added is the project's last route: take them back in reverse order.
    for (int k = added - 1; k >= 0; --k) {
        m_routes[k].route = m_document.RemoveLastRoute(false);
    }
}

void CStepDisplayRoutes::ShowAndPause(const std::function<void()>& refreshStatusWindow) {
    int added = 0;
    try {
        for (SDisplayRoute& display : m_routes) {
            CPRGB color;
            color.SetColorIndex(display.colorIndex);
            display.route->SetColor(color);
            // The document takes the route over until it is removed again.
            m_document.AddRoute(std::move(display.route), false);
            ++added;
        }
        m_document.RedrawAllGraphicalViews();
        refreshStatusWindow();
        m_document.PauseAlgorithm();
    } catch (...) {
        RemoveTemporaryRoutes(added);
        throw;
    }
    RemoveTemporaryRoutes(added);
}

// ---- flat view of the routes ----

void CRouteScanView::Build(CTramletDoc& document) {
    entries.clear();
    routes.clear();
    int count = document.GetNumberOfRoutes();
    for (int r = 0; r < count; ++r) {
        CRoute* route = document.GetRoute(r);
        SScanRoute view{route, static_cast<int>(entries.size()), route->GetSize()};
        for (CRoute::POSITION position = route->GetHeadPosition(); !route->IsNullPosition(position);
             ++position) {
            CFacility* f = route->GetAt(position);
            entries.push_back({f, position, f->GetIndex(), f->GetType(), f->GetQuantity()});
        }
        routes.push_back(view);
    }
}

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

void CBetweenRouteSearch::RunSteps(CAlgoStat& record, const std::function<bool()>& step) {
    if (m_document.GetReportLevel() >= REPORT_STANDARD) {
        m_document.CheckSolution(true);
        m_report.Clear();
        ShowReport();
    }
    m_lSteps = 0;
    m_dCumulativeSavings = 0.0;
    record.m_dRunTime = 0.0;
    bool found = false;
    do {
        found = step();
        m_document.CheckAlgorithmContinuation();
    } while (found);
    record.m_dDeltaObjective = m_dCumulativeSavings;
    record.m_lCount = m_lSteps;
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

// ---- the frame ----

bool CanMoveOrSwapFacility(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfRoutes() >= 2;
}

ERunResult RunImprovementFrame(CTramletDoc& document, SRunOptions options, const AlgorithmBody& body,
                               std::function<bool()> changedRoutes) {
    options.enableAbort = true;
    options.writeHeading = false;
    options.keepRoutesOnFileOrMemoryFailure = true;
    options.changedRoutes = std::move(changedRoutes);
    return RunAlgorithm(document, options, body);
}

ERunResult RunBetweenRouteSearch(CTramletDoc& document, CBetweenRouteSearch& search, unsigned nameId,
                                 unsigned titleId) {
    if (!CanMoveOrSwapFacility(document)) {
        return ERunResult::refused;
    }
    SRunOptions options;
    options.nameId = nameId;
    options.statusWindow = LoadImprovementString(titleId);
    return RunImprovementFrame(
        document, options, [&search](CAlgoStat& record) { search.Run(record); },
        [&search] { return search.GetStepCount() > 0; });
}
