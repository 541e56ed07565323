#include "framework/application/sable_document.h"

#include <algorithm>

#include "framework/application/clock.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"

CSableDocument::CSableDocument() {
    Clear();
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        app->SetDocument(this);
    }
}

CSableDocument::~CSableDocument() {
    if (CSableWinApp* app = CSableWinApp::GetApp(); app != nullptr && app->GetDocument() == this) {
        app->SetDocument(nullptr);
    }
}

void CSableDocument::SetStatusBits(unsigned bits, bool on) {
    if (on) {
        m_docStatus |= bits;
    } else {
        m_docStatus &= ~bits;
    }
}

template <class Action> void CSableDocument::ForEachCommonParameter(Action action) {
    action(m_maxIterations);
    action(m_labelSize);
    action(m_gridSize);
    action(m_vertexSize);
    action(m_reportLevel);
    action(m_seed);
    action(m_timeLimit);
    action(m_tolerance);
}

void CSableDocument::Clear() {
    ClearProperties();
    ForEachCommonParameter([](auto& parameter) { parameter.Clear(); });
}

void CSableDocument::Reset() {
    ClearProperties();
    ForEachCommonParameter([](auto& parameter) { parameter.Reset(); });
}

void CSableDocument::ClearProperties() {
    m_title.clear();
    m_author.clear();
    m_manager.clear();
    m_company.clear();
    m_subject.clear();
    m_category.clear();
    m_keywords.clear();
    m_description.clear();
    m_comment.clear();
    m_docStatus = 0;
    m_dataVersion = 0;
    m_worldLimits = CLonLatRect();
    m_viewLimits = CIntRect();
    m_worldRadius = 6371.0;
    m_distanceFactor = 1.0;
    m_distanceNorm.SetNorm(DN_EUCLIDEAN);
    m_stopTime = 0.0;
    m_abortNesting = 0;
    m_distanceFileName.clear();
    ClearMapProjectionAndMap();
}

void CSableDocument::InitializeCommonParameters() {
    m_maxIterations.Initialize(20, 1, 32767, 20, "Maximum Replications");
    m_reportLevel.Initialize(3);
    m_seed.Initialize(12345);
    m_timeLimit.Initialize(30.0, 1.0, 360000.0, 120.0, "Time Limit");
    m_tolerance.Initialize(0.001, 0.0, 9.0, 0.001, "Tolerance");
    InitializeDisplaySizes();
}

void CSableDocument::InitializeDisplaySizes() {
    int m = std::min(m_viewLimits.Width(), m_viewLimits.Height());
    if (m < 0) {
        m = -m;
    }
    // A degenerate view still gets valid (if tiny) parameters.
    auto size = [](int value) { return std::max(value, 1); };
    m_vertexSize.Initialize(size(m / 100), 1, size(m / 10), size(m / 100), "Vertex Size");
    m_labelSize.Initialize(size(m / 40), 1, size(m / 5), size(m / 40), "Label Size");
    m_gridSize.Initialize(size(m / 20), 1, size(m / 2), size(m / 20), "Grid Size");
}

void CSableDocument::OnReportLevel(int level) {
    if (level == m_reportLevel.GetValue()) {
        return;
    }
    if (m_reportLevel.SetValue(level)) {
        RedrawAllViews();
        SetModifiedFlag(true);
    }
}

namespace {
template <class Parameter> void EditAndRedraw(CSableDocument& document, Parameter& parameter) {
    if (parameter.Edit()) {
        document.SetModifiedFlag(true);
        document.RedrawAllViews();
    }
}
} // namespace

void CSableDocument::OnEditReportLevel() {
    if (EditReportLevel()) {
        SetModifiedFlag(true);
        RedrawAllViews();
    }
}
void CSableDocument::OnEditSeed() {
    EditAndRedraw(*this, m_seed);
}
void CSableDocument::OnEditMaxIterations() {
    EditAndRedraw(*this, m_maxIterations);
}
void CSableDocument::OnEditTimeLimit() {
    if (EditTimeLimit()) {
        SetModifiedFlag(true);
        RedrawAllViews();
    }
}
void CSableDocument::OnEditTolerance() {
    EditAndRedraw(*this, m_tolerance);
}

bool CSableDocument::EditTimeLimit() {
    return m_timeLimit.Edit();
}
bool CSableDocument::EditReportLevel() {
    return m_reportLevel.Edit();
}

void CSableDocument::RedrawAllViews() {
    GetUserInterface().RedrawAllViews();
}
void CSableDocument::RedrawAllGraphicalViews() {
    GetUserInterface().RedrawAllViews();
}

// ---- algorithm control ----

void CSableDocument::SetIsAlgorithmRunning(bool running) {
    CSableWinApp* app = CSableWinApp::GetApp();
    if (running) {
        SetStatusBits(DS_EDITING | DS_ADDING | DS_DELETING | DS_ZOOMING | DS_FINDING_NODE |
                          DS_FINDING_LINK_FROM | DS_FINDING_LINK_TO,
                      false);
        SetStatusBits(DS_ALGORITHM_RUNNING, true);
        if (app != nullptr) {
            app->SetAppStatus(APPSTATUS_ALGORITHM_RUNNING);
        }
    } else {
        SetStatusBits(DS_ALGORITHM_RUNNING, false);
        if (app != nullptr) {
            app->SetAppStatus(APPSTATUS_IDLE);
        }
    }
}

void CSableDocument::EnableAbortAlgorithm() {
    if (m_abortNesting++ == 0) {
        GetUserInterface().ShowAbortDialog();
    }
}

void CSableDocument::DisableAbortAlgorithm() {
    if (m_abortNesting == 0) {
        return;
    }
    if (--m_abortNesting == 0) {
        GetUserInterface().CloseAbortDialog();
    }
}

void CSableDocument::RaiseAborted() {
    DisplayErrorMessage("Algorithm aborted by the user");
    ThrowUserException();
}

void CSableDocument::CheckAlgorithmContinuation() {
    CUserInterface& ui = GetUserInterface();
    ui.ProcessWaitingMessages();
    CSableWinApp* app = CSableWinApp::GetApp();
    if (app != nullptr && app->IsAlgorithmAborting()) {
        RaiseAborted();
    }
    if (GetClockSeconds() < m_stopTime) {
        return;
    }
    ui.Beep(EMessageIcon::exclamation);
    for (;;) {
        double limit = GetTimeLimit();
        std::string text =
            FormatString("The algorithm has exceeded the %.0lf seconds run time limit.\nDo you want "
                         "the algorithm to continue for another %.0lf seconds?",
                         limit, limit);
        ETimeLimitChoice choice = ui.ShowTimeLimitDialog(text);
        if (choice == ETimeLimitChoice::editTimeLimit) {
            EditTimeLimit();
            continue;
        }
        if (choice == ETimeLimitChoice::help) {
            continue;
        }
        if (choice == ETimeLimitChoice::continueRun) {
            m_stopTime = GetClockSeconds() + GetTimeLimit();
            return;
        }
        break;
    }
    if (app != nullptr) {
        app->SetAppStatus(APPSTATUS_ALGORITHM_ABORTING);
    }
    RaiseAborted();
}

void CSableDocument::PauseAlgorithm() {
    RedrawAllViews();
    CUserInterface& ui = GetUserInterface();
    for (;;) {
        EPauseChoice choice = ui.ShowPauseDialog();
        if (choice == EPauseChoice::editReportLevel) {
            EditReportLevel();
            continue;
        }
        if (choice == EPauseChoice::continueRun) {
            return;
        }
        break;
    }
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        app->SetAppStatus(APPSTATUS_ALGORITHM_ABORTING);
    }
    RaiseAborted();
}

void CSableDocument::AbortAlgorithm() {
    RaiseAborted();
}

// ---- Map projection and background map ----

void CSableDocument::ClearMapProjectionAndMap() {
    m_mapProjectionType = MP_ORTHOGONAL;
    m_orthogonalProjection.Reset();
    m_mercatorProjection.Reset();
    m_albersProjection.Reset();
    m_geoMap.Clear();
    m_mapFileName.clear();
}

void CSableDocument::SetMapProjectionType(MP_TYPE type) {
    if (type >= 0 && type < MP_COUNT) {
        m_mapProjectionType = type;
    }
}

CMapProjection& CSableDocument::GetMapProjection(MP_TYPE type) {
    switch (type) {
    case MP_MERCATOR:
        return m_mercatorProjection;
    case MP_ALBERS:
        return m_albersProjection;
    default:
        return m_orthogonalProjection;
    }
}

CMapProjection& CSableDocument::GetMapProjection() {
    return GetMapProjection(m_mapProjectionType);
}

const CMapProjection& CSableDocument::GetMapProjection() const {
    switch (m_mapProjectionType) {
    case MP_MERCATOR:
        return m_mercatorProjection;
    case MP_ALBERS:
        return m_albersProjection;
    default:
        return m_orthogonalProjection;
    }
}

void CSableDocument::InitializeMapProjection() {
    GetMapProjection().Initialize(m_worldLimits, m_worldRadius, m_viewLimits);
}

void CSableDocument::WorldToView(const CLonLatPoint* world, CIntPoint* view, int count) const {
    GetMapProjection().WorldToView(world, view, count);
}

void CSableDocument::ViewToWorld(const CIntPoint* view, CLonLatPoint* world, int count) const {
    GetMapProjection().ViewToWorld(view, world, count);
}

CIntPoint CSableDocument::WorldToView(const CLonLatPoint& world) const {
    return GetMapProjection().WorldToView(world);
}

CLonLatPoint CSableDocument::ViewToWorld(const CIntPoint& view) const {
    return GetMapProjection().ViewToWorld(view);
}
