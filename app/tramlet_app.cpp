#include "app/tramlet_app.h"

#include "app/tramlet_version.h"
#include "construction/construction_strings.h"
#include "construction/savings_strings.h"
#include "improvement/improvement_strings.h"
#include "model/model_strings.h"
#include "optimisation/optimisation_strings.h"
#include "roads/road_network_setup.h"
#include "runs/runs_strings.h"

CTramletApp::CTramletApp() : CSableWinApp(GetTramletVersionRecord()) {}

CTramletApp::~CTramletApp() {
    CloseTramletDocument();
}

CTramletApp* CTramletApp::GetTramletApp() {
    return dynamic_cast<CTramletApp*>(CSableWinApp::GetApp());
}

void CTramletApp::RegisterProgramStringTables() {
    RegisterProgramStringTable(&GetModelStringTable());
    RegisterProgramStringTable(GetRunsStringTable());
    RegisterProgramStringTable(GetOptimisationStringTable());
    RegisterProgramStringTable(GetConstructionStringTable());
    RegisterProgramStringTable(GetSavingsStringTable());
    RegisterProgramStringTable(GetImprovementStringTable());
}

bool CTramletApp::InitInstance() {
    RegisterProgramStringTables();
    if (!CSableWinApp::InitInstance()) {
        return false;
    }
    m_roadNetworkFailure.clear();
    InstallRoadNetwork(ChooseRoadNetworkPath(m_roadNetworkFile), &m_roadNetworkFailure);
    SetIsIdle();
    return true;
}

int CTramletApp::ExitInstance() {
    CloseTramletDocument();
    RemoveRoadNetwork();
    return CSableWinApp::ExitInstance();
}

void CTramletApp::ParseCommandLine(int argc, const char* const* argv) {
    m_strCommandLineProject.clear();
    if (argc > 1 && argv[1] != nullptr) {
        m_strCommandLineProject = argv[1];
    }
}

CTramletDoc* CTramletApp::OnFileNew() {
    CloseTramletDocument();
    m_document = std::make_unique<CTramletDoc>();
    m_document->MakeActive();
    m_document->OnNewDocument();
    return m_document.get();
}

CTramletDoc* CTramletApp::SetTramletDocument(std::unique_ptr<CTramletDoc> document) {
    CloseTramletDocument();
    m_document = std::move(document);
    if (m_document != nullptr) {
        m_document->MakeActive();
    }
    return m_document.get();
}

void CTramletApp::CloseTramletDocument() {
    m_document.reset();
}
