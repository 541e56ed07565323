// Edit, View, Window and Help: copying and printing the active child window, the toolbar and
// status bar switches, the arrangement of the child windows and the About box.

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

#include "app/tramlet_app.h"
#include "framework/strings/format.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/notes_view/tramlet_notes_view.h"
#include "ui/platform/qt_user_interface.h"
#include "ui/routes_view/tramlet_routes_view.h"
#include "ui/statistics_view/tramlet_stats_view.h"

namespace {

// The view shown by the active child window, or null.
QWidget* GetActiveView(const CMainFrame& frame) {
    QMdiSubWindow* window = frame.GetMdiArea()->activeSubWindow();
    return window == nullptr ? nullptr : window->widget();
}

} // namespace

void CMainFrame::PrintActiveView(QPrinter& printer) {
    QWidget* view = GetActiveView(*this);
    if (view != nullptr && view == m_notesView) {
        m_notesView->Print(printer);
    } else if (view != nullptr && view == m_statsView) {
        m_statsView->Print(printer);
    } else if (m_routesView != nullptr) {
        m_routesView->Print(printer);
    }
}

bool CMainFrame::CanCopyActiveView() const {
    QWidget* view = GetActiveView(*this);
    return view != nullptr && (view == m_notesView || view == m_statsView);
}

void CMainFrame::CopyActiveView() {
    QWidget* view = GetActiveView(*this);
    if (view != nullptr && view == m_statsView) {
        m_statsView->Copy();
    } else if (view != nullptr && view == m_notesView) {
        QApplication::clipboard()->setText(m_notesView->toPlainText());
    }
}

void CMainFrame::ShowNotAvailable(const QString& what) {
    m_ui.MessageBox((what + " is not available in this version of the program.").toLocal8Bit().toStdString(),
                    EMessageIcon::information, EMessageButtons::ok);
}

void AddWindowCommands(CMainFrame& frame) {
    CCommandTable& commands = frame.GetCommands();
    CMainFrame* f = &frame;
    auto hasProject = [f] { return f->GetDocument() != nullptr; };
    commands.Add({ID_EDIT_COPY, "&Copy\tCtrl+C", "Copy the statistics list or the notes to the clipboard",
                  [f] { return f->CanCopyActiveView(); }, [f] { f->CopyActiveView(); }});
    commands.Add({ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar", nullptr,
                  [f] {
                      for (QToolBar* bar : f->findChildren<QToolBar*>()) {
                          bar->setVisible(!bar->isVisible());
                      }
                  },
                  [f] {
                      QList<QToolBar*> bars = f->findChildren<QToolBar*>();
                      return !bars.isEmpty() && !bars.first()->isHidden();
                  }});
    commands.Add({ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar", nullptr,
                  [f] { f->statusBar()->setVisible(f->statusBar()->isHidden()); },
                  [f] { return !f->statusBar()->isHidden(); }});
    commands.Add({ID_WINDOW_CASCADE, "&Cascade", "Arrange the windows so they overlap", hasProject,
                  [f] { f->GetMdiArea()->cascadeSubWindows(); }});
    commands.Add({ID_WINDOW_TILE, "&Tile", "Arrange the windows as tiles", hasProject,
                  [f] { f->GetMdiArea()->tileSubWindows(); }});
    commands.Add({ID_WINDOW_ARRANGE, "&Arrange", "Routes left, notes right, statistics below", hasProject,
                  [f] { f->ArrangeChildWindows(); }});
    commands.Add(
        {ID_APP_ABOUT, "&About Tramlet...", "Show the program's name and version", nullptr, [f] {
             const CTramletApp& app = f->GetApp();
             QMessageBox::about(
                 f, "About Tramlet",
                 QString::fromLocal8Bit(FormatString("%s Version %s %s\n\nVehicle routing "
                                                     "with backhauls.",
                                                     app.GetAppName().c_str(), app.GetAppVersion().c_str(),
                                                     app.GetAppDate().c_str())
                                            .c_str()));
         }});
}
