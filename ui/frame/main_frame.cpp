#include "ui/frame/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include "app/tramlet_app.h"
#include "ui/frame/algorithm_rules.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/recent_files.h"
#include "ui/notes_view/tramlet_notes_view.h"
#include "ui/platform/qt_user_interface.h"
#include "ui/routes_view/tramlet_routes_view.h"
#include "ui/statistics_view/tramlet_stats_view.h"

CMainFrame::CMainFrame(CTramletApp& app, CQtUserInterface& ui, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_ui(ui), m_commands(new CCommandTable(this)),
      m_recentFiles(std::make_unique<CRecentFileList>()), m_mdiArea(new QMdiArea(this)) {
    setCentralWidget(m_mdiArea);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] { m_commands->UpdateActions(); });
    m_ui.SetMainWindow(this);
    m_ui.SetRedrawHandler([this] { RedrawAllViews(); });
    m_ui.SetStartFolderHandler([this] { return GetFileDialogFolder(*this); });
    m_ui.SetBeforeProcessingHandler([this] { m_commands->UpdateActions(); });
    AddFileCommands(*this);
    AddWindowCommands(*this);
    AddProjectCommands(*this);
    AddDistanceCommands(*this);
    AddAlgorithmCommands(*this);
    AddSearchCommands(*this);
    AddOptionCommands(*this);
    BuildMenus();
    BuildToolBar();
    statusBar()->showMessage("Ready");
    resize(1280, 860);
    UpdateTitle();
    m_commands->UpdateActions();
}

CMainFrame::~CMainFrame() {
    DestroyViews();
    m_ui.SetRedrawHandler(nullptr);
    m_ui.SetStartFolderHandler(nullptr);
    m_ui.SetBeforeProcessingHandler(nullptr);
    m_ui.SetMainWindow(nullptr);
}

CTramletDoc* CMainFrame::GetDocument() const {
    return m_app.GetTramletDocument();
}

void CMainFrame::InstallDocument(std::unique_ptr<CTramletDoc> document) {
    DestroyViews();
    CTramletDoc* installed = m_app.SetTramletDocument(std::move(document));
    m_app.SetIsIdle();
    if (installed != nullptr) {
        if (!installed->GetPathName().empty()) {
            m_recentFiles->Add(QString::fromLocal8Bit(installed->GetPathName().c_str()));
            UpdateRecentFileMenu();
        }
        CreateViews();
    }
    RedrawAllViews();
}

bool CMainFrame::CloseProject(bool askToSave) {
    if (GetDocument() == nullptr) {
        return true;
    }
    if (askToSave && !SaveModifiedProject()) {
        return false;
    }
    DestroyViews();
    m_app.CloseTramletDocument();
    RedrawAllViews();
    return true;
}

void CMainFrame::CreateViews() {
    CTramletDoc& document = *GetDocument();
    m_routesView = new CTramletRoutesView(document);
    m_notesView = new CTramletNotesView(document);
    m_statsView = new CTramletStatsView(document);
    m_routesWindow = m_mdiArea->addSubWindow(m_routesView);
    m_notesWindow = m_mdiArea->addSubWindow(m_notesView);
    m_statsWindow = m_mdiArea->addSubWindow(m_statsView);
    connect(m_routesView, &CTramletRoutesView::DocumentChanged, this, [this] {
        if (GetDocument() != nullptr) {
            GetDocument()->SetModifiedFlag();
        }
        RedrawAllViews();
    });
    connect(m_routesView, &CTramletRoutesView::FacilityAddRequested, this,
            [this](double x, double y) { AddFacilityAt(x, y); });
    connect(m_routesView, &CTramletRoutesView::FacilityEditRequested, this,
            [this](CFacility* f) { ShowFacilityDialog(f, EFacilityDialogMode::edit); });
    connect(m_routesView, &CTramletRoutesView::FacilityDeleteRequested, this,
            [this](CFacility* f) { ShowFacilityDialog(f, EFacilityDialogMode::remove); });
    connect(m_routesView, &CTramletRoutesView::LinkSelected, this,
            [this](CFacility* from, CFacility* to) { ShowLinkDialog(from, to); });
    for (QMdiSubWindow* window : {m_routesWindow.data(), m_notesWindow.data(), m_statsWindow.data()}) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }
    ArrangeChildWindows();
    m_mdiArea->setActiveSubWindow(m_routesWindow);
    // The view's own actions die with it and so leave the menus and the toolbar by themselves.
    m_viewMenu->insertActions(m_viewMenuAnchor, m_routesView->ViewMenuActions());
    m_facilitiesMenu->insertActions(m_facilitiesMenuAnchor, m_routesView->MouseModeActions());
    m_toolBar->addActions(m_routesView->MouseModeActions());
}

void CMainFrame::DestroyViews() {
    for (QMdiSubWindow* window : {m_routesWindow.data(), m_notesWindow.data(), m_statsWindow.data()}) {
        if (window != nullptr) {
            m_mdiArea->removeSubWindow(window);
            delete window;
        }
    }
}

void CMainFrame::ArrangeChildWindows() {
    if (m_routesWindow == nullptr) {
        return;
    }
    QSize area = m_mdiArea->viewport()->size();
    int leftWidth = area.width() * 3 / 5;
    int topHeight = area.height() * 13 / 20;
    m_routesWindow->showNormal();
    m_notesWindow->showNormal();
    m_statsWindow->showNormal();
    m_routesWindow->setGeometry(0, 0, leftWidth, topHeight);
    m_notesWindow->setGeometry(leftWidth, 0, area.width() - leftWidth, topHeight);
    m_statsWindow->setGeometry(0, topHeight, area.width(), area.height() - topHeight);
}

void CMainFrame::RedrawAllViews() {
    if (m_routesView != nullptr) {
        m_routesView->Redraw();
    }
    if (m_notesView != nullptr) {
        m_notesView->Redraw();
    }
    if (m_statsView != nullptr) {
        m_statsView->Redraw();
    }
    UpdateTitle();
    m_commands->UpdateActions();
    emit ViewsRedrawn();
}

void CMainFrame::UpdateTitle() {
    CTramletDoc* document = GetDocument();
    QString title = QApplication::applicationName();
    if (document != nullptr) {
        QString name = QString::fromLocal8Bit(document->GetDocTitle().c_str());
        title = QString("%1 - %2[*]").arg(title, name.isEmpty() ? QString("Untitled") : name);
        if (m_routesWindow != nullptr) {
            m_routesWindow->setWindowTitle(name + " - Routes");
            m_notesWindow->setWindowTitle(name + " - Notes");
            m_statsWindow->setWindowTitle(name + " - Statistics");
        }
    }
    setWindowTitle(title);
    setWindowModified(document != nullptr && document->IsModified());
}

bool CMainFrame::TriggerCommand(unsigned id) {
    return m_commands->Trigger(id);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (IsAlgorithmBusy(*this)) {
        // A running algorithm is asked to stop first; the window stays until it has ended.
        TriggerCommand(ID_ALGO_ABORT);
        event->ignore();
        return;
    }
    if (!CloseProject(true)) {
        event->ignore();
        return;
    }
    event->accept();
}
