#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "ui/dialogs/facility/facility_dialog.h"
#include "ui/notes_view/tramlet_notes_view.h"
#include "ui/routes_view/tramlet_routes_view.h"
#include "ui/statistics_view/tramlet_stats_view.h"

class CCommandTable;
class CFacility;
class CQtUserInterface;
class CRecentFileList;
class CTramletApp;
class CTramletDoc;
class QMdiArea;
class QMdiSubWindow;
class QAction;
class QMenu;
class QPrinter;
class QToolBar;

// The main window: a multiple-document area that shows the one open project in three child
// windows (routes, notes, statistics), the menus and the toolbar built from one command table,
// the recent-file list and the status bar. It owns the views; the application owns the project.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CTramletApp& app, CQtUserInterface& ui, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CTramletApp& GetApp() const { return m_app; }
    CQtUserInterface& GetUserInterface() const { return m_ui; }
    CCommandTable& GetCommands() const { return *m_commands; }
    CRecentFileList& GetRecentFiles() const { return *m_recentFiles; }
    // The open project, or null.
    CTramletDoc* GetDocument() const;
    CTramletRoutesView* GetRoutesView() const { return m_routesView; }
    CTramletNotesView* GetNotesView() const { return m_notesView; }
    CTramletStatsView* GetStatsView() const { return m_statsView; }

    // Makes document the open project (the previous one and its views are closed without asking)
    // and shows it in the three child windows. A path, when given, enters the recent-file list.
    void InstallDocument(std::unique_ptr<CTramletDoc> document);
    // Closes the open project after asking to save it when modified (askToSave). False when the
    // user cancelled or the save failed: the project then stays open.
    bool CloseProject(bool askToSave = true);
    // Asks "Save changes to %s?" when the project is modified and saves on Yes. False on Cancel
    // or a failed save.
    bool SaveModifiedProject();
    // Opens a project file the way Open does (a ".dat" file is imported); false on failure.
    bool OpenProject(const std::string& path);

    // Redraws the three views (after each step of a running algorithm too), the title and the
    // command states.
    void RedrawAllViews();
    // Runs a command the way its menu entry does; false when it is unknown or disabled.
    bool TriggerCommand(unsigned id);
    // The message of a command whose dialog is not available yet.
    void ShowNotAvailable(const QString& what);
    // The facility dialog for a new facility of the selected type at view location (x, y).
    void AddFacilityAt(double x, double y);
    // The facility dialog editing or deleting f.
    void ShowFacilityDialog(CFacility* f, EFacilityDialogMode mode);
    // The link dialog for the distances between from and to.
    void ShowLinkDialog(CFacility* from, CFacility* to);
    // Prints the active child window's contents.
    void PrintActiveView(QPrinter& printer);
    // Copies the active child window's text (statistics list or notes) to the clipboard.
    void CopyActiveView();
    bool CanCopyActiveView() const;
    // Places the three child windows: routes left, notes right, statistics below.
    void ArrangeChildWindows();
    // Rebuilds the recent-file entries of the File menu.
    void UpdateRecentFileMenu();
    QMdiArea* GetMdiArea() const { return m_mdiArea; }

signals:
    // After every redraw of the views.
    void ViewsRedrawn();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateViews();
    void DestroyViews();
    void UpdateTitle();
    void BuildMenus();
    void BuildToolBar();

    CTramletApp& m_app;
    CQtUserInterface& m_ui;
    CCommandTable* m_commands;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    QMdiArea* m_mdiArea;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_facilitiesMenu = nullptr;
    QAction* m_viewMenuAnchor = nullptr;
    QAction* m_facilitiesMenuAnchor = nullptr;
    QAction* m_recentFilesAnchor = nullptr;
    QList<QAction*> m_recentFileActions;
    QPointer<CTramletRoutesView> m_routesView;
    QPointer<CTramletNotesView> m_notesView;
    QPointer<CTramletStatsView> m_statsView;
    QPointer<QMdiSubWindow> m_routesWindow;
    QPointer<QMdiSubWindow> m_notesWindow;
    QPointer<QMdiSubWindow> m_statsWindow;
};
