// The File menu: New, Open, Close, Save, Save As, Import, Export, the output log, printing and
// Exit. One project is open at a time; a modified project is offered for saving before it is
// replaced or closed.

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <filesystem>
#include <functional>

#include "app/tramlet_app.h"
#include "files/archive/binary_project_file.h"
#include "files/text_project_export.h"
#include "files/text_project_import.h"
#include "framework/exceptions/file_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "ui/dialogs/summary/project_summary_dialog.h"
#include "ui/frame/algorithm_rules.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/recent_files.h"
#include "ui/platform/qt_user_interface.h"

namespace {

// The name "Save changes to %s?" shows: the project's file name, else its title.
std::string GetProjectDisplayName(const CTramletDoc& document) {
    if (!document.GetPathName().empty()) {
        return QFileInfo(QString::fromLocal8Bit(document.GetPathName().c_str()))
            .fileName()
            .toLocal8Bit()
            .toStdString();
    }
    return document.GetDocTitle().empty() ? std::string("Untitled") : document.GetDocTitle();
}

// Replaces the open project by one the opener returns (null: cancelled or failed, the open
// project stays), after offering to save the open one.
void ReplaceProject(CMainFrame& frame, const std::function<std::unique_ptr<CTramletDoc>()>& opener) {
    if (!frame.SaveModifiedProject()) {
        return;
    }
    if (std::unique_ptr<CTramletDoc> document = opener()) {
        frame.InstallDocument(std::move(document));
    } else {
        frame.RedrawAllViews();
    }
}

// After a successful save the path enters the recent-file list.
void AfterSave(CMainFrame& frame, bool saved) {
    if (saved && frame.GetDocument() != nullptr) {
        frame.GetRecentFiles().Add(QString::fromLocal8Bit(frame.GetDocument()->GetPathName().c_str()));
        frame.UpdateRecentFileMenu();
    }
    frame.RedrawAllViews();
}

} // namespace

std::string GetFileDialogFolder(const CMainFrame& frame) {
    const CTramletDoc* document = frame.GetDocument();
    if (document != nullptr && !document->GetPathName().empty()) {
        return std::filesystem::path(document->GetPathName()).parent_path().string();
    }
    std::string folder = frame.GetApp().GetDefaultOutputLogFolder();
    std::error_code error;
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, error);
    }
    return folder;
}

bool CMainFrame::SaveModifiedProject() {
    CTramletDoc* document = GetDocument();
    if (document == nullptr || !document->IsModified()) {
        return true;
    }
    std::string question = FormatString("Save changes to %s?", GetProjectDisplayName(*document).c_str());
    switch (m_ui.MessageBox(question, EMessageIcon::exclamation, EMessageButtons::yesNoCancel)) {
    case EMessageAnswer::yes:
        return OnFileSave(*document);
    case EMessageAnswer::no:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OpenProject(const std::string& path) {
    std::unique_ptr<CTramletDoc> document = OpenProjectFile(path);
    if (document == nullptr) {
        m_recentFiles->Remove(QString::fromLocal8Bit(path.c_str()));
        UpdateRecentFileMenu();
        RedrawAllViews();
        return false;
    }
    InstallDocument(std::move(document));
    return true;
}

void AddFileCommands(CMainFrame& frame) {
    CCommandTable& commands = frame.GetCommands();
    CMainFrame* f = &frame;
    auto idle = [f] { return !IsAlgorithmBusy(*f); };
    auto open = [f, idle] { return f->GetDocument() != nullptr && idle(); };
    commands.Add({ID_FILE_NEW, "&New\tCtrl+N", "Create a new project", idle, [f] {
                      ReplaceProject(*f, [] {
                          auto document = std::make_unique<CTramletDoc>();
                          document->MakeActive();
                          document->OnNewDocument();
                          return document;
                      });
                  }});
    commands.Add({ID_FILE_OPEN, "&Open...\tCtrl+O", "Open an existing project", idle,
                  [f] { ReplaceProject(*f, [] { return OnFileOpen(); }); }});
    commands.Add({ID_FILE_CLOSE, "&Close", "Close the project", open, [f] { f->CloseProject(true); }});
    commands.Add({ID_FILE_SAVE, "&Save\tCtrl+S", "Save the project", open,
                  [f] { AfterSave(*f, OnFileSave(*f->GetDocument())); }});
    commands.Add({ID_FILE_SAVE_AS, "Save &As...", "Save the project under a new name", open,
                  [f] { AfterSave(*f, OnFileSaveAs(*f->GetDocument())); }});
    commands.Add({ID_FILE_SUMMARY, "Summary &Info...", "Show and edit the project summary", open, [f] {
                      CProjectSummaryDialog dialog(*f->GetDocument(), f);
                      dialog.exec();
                      f->RedrawAllViews();
                  }});
    commands.Add({ID_FILE_IMPORT, "&Import...", "Import a project from text project files", idle,
                  [f] { ReplaceProject(*f, [] { return OnFileImport(); }); }});
    commands.Add({ID_FILE_EXPORT, "&Export...", "Export the project to text project files", open, [f] {
                      OnFileExport(*f->GetDocument());
                      f->RedrawAllViews();
                  }});
    commands.Add({ID_FILE_OUTPUT_LOG, "Output &Log...", "Open an output log file", idle,
                  [f] { f->GetApp().OnFileOutputLog(); }});
    commands.Add({ID_FILE_CLOSE_OUTPUT_LOG, "Close Lo&g", "Close the output log file",
                  [f, idle] { return idle() && f->GetApp().HasOutputLogFile(); },
                  [f] { f->GetApp().OnFileCloseOutputLog(); }});
    commands.Add({ID_FILE_PRINT, "&Print...\tCtrl+P", "Print the active window", open, [f] {
                      QPrinter printer(QPrinter::HighResolution);
                      QPrintDialog dialog(&printer, f);
                      if (dialog.exec() == QDialog::Accepted) {
                          f->PrintActiveView(printer);
                      }
                  }});
    commands.Add(
        {ID_FILE_PRINT_PREVIEW, "Print Pre&view", "Show the active window as it would be printed", open, [f] {
             QPrinter printer(QPrinter::HighResolution);
             QPrintPreviewDialog preview(&printer, f);
             QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, f,
                              [f](QPrinter* target) { f->PrintActiveView(*target); });
             preview.exec();
         }});
    commands.Add({ID_APP_EXIT, "E&xit", "Quit the program", nullptr, [f] { f->close(); }});
}
