#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/platform/user_interface.h"

#include <QWidget>
class CAbortDialog;
class CStatusWindow;

// The Qt implementation of the platform layer: message boxes with their icon and a beep, Yes/No
// questions, the wait cursor, the modeless abort dialog, the pause and time-limit dialogs,
// parameter edits, one small non-modal window per status-window title, file dialogs and the
// redraw of the views. Everything runs on the user-interface thread.
class CQtUserInterface : public QObject, public CUserInterface {
    Q_OBJECT
public:
    // A message shown (or answered without a box) through MessageBox.
    struct SShownMessage {
        std::string text;
        EMessageIcon icon;
        EMessageButtons buttons;
    };
    // Answers a message without showing a box (scripted runs, tests); nullopt shows the box.
    using MessageResponder = std::function<std::optional<EMessageAnswer>(const SShownMessage&)>;

    CQtUserInterface();
    ~CQtUserInterface() override;

    // The window message boxes and dialogs are parented to (the main window).
    void SetMainWindow(QWidget* window) { m_mainWindow = window; }
    // What RedrawAllViews calls (the main window's redraw of its views).
    void SetRedrawHandler(std::function<void()> handler) { m_redraw = std::move(handler); }
    // Called before waiting events are dispatched during a run (the command states are updated).
    void SetBeforeProcessingHandler(std::function<void()> handler) {
        m_beforeProcessing = std::move(handler);
    }
    void SetMessageResponder(MessageResponder responder) { m_responder = std::move(responder); }
    // Scripted runs: the time-limit and pause dialogs answer Continue without being shown.
    void SetContinueWithoutAsking(bool automatic) { m_continueWithoutAsking = automatic; }
    // Chooses the file of a file dialog without showing it (tests), from the dialog's title.
    using FileDialogResponder = std::function<std::optional<std::string>(const std::string& title)>;
    void SetFileDialogResponder(FileDialogResponder responder) { m_fileResponder = std::move(responder); }
    // The folder an open dialog (or a save dialog without a proposed path) starts in.
    void SetStartFolderHandler(std::function<std::string()> handler) { m_startFolder = std::move(handler); }
    // Every message passed to MessageBox, in order.
    const std::vector<SShownMessage>& GetShownMessages() const { return m_shownMessages; }

    // The abort dialog while it is shown, else null; a status window by title, else null.
    CAbortDialog* GetAbortDialog() const;
    CStatusWindow* GetStatusWindow(const std::string& title) const;

    EMessageAnswer MessageBox(const std::string& text, EMessageIcon icon, EMessageButtons buttons) override;
    void Beep(EMessageIcon icon) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ShowAbortDialog() override;
    void CloseAbortDialog() override;
    void ProcessWaitingMessages() override;
    ETimeLimitChoice ShowTimeLimitDialog(const std::string& text) override;
    EPauseChoice ShowPauseDialog() override;
    bool EditLongValue(const std::string& title, const std::string& prompt, int lower, int upper,
                       int& value) override;
    bool EditDoubleValue(const std::string& title, const std::string& prompt, double lower, double upper,
                         double& value) override;
    bool EditReportLevelValue(int& value) override;
    void ShowStatusWindow(const std::string& title, const std::vector<SStatusField>& fields) override;
    void CloseStatusWindow(const std::string& title) override;
    std::optional<std::string> SaveFileDialog(const std::string& title, const std::string& filter,
                                              const std::string& defaultExtension,
                                              const std::string& proposedPath) override;
    std::optional<std::string> OpenFileDialog(const std::string& title, const std::string& filter,
                                              const std::string& defaultExtension) override;
    void RedrawAllViews() override;

    // Hides every status window (the toolbar's abort of a mode that shows them).
    void CloseAllStatusWindows();

private:
    QPointer<QWidget> m_mainWindow;
    std::function<void()> m_redraw;
    std::function<void()> m_beforeProcessing;
    MessageResponder m_responder;
    FileDialogResponder m_fileResponder;
    std::function<std::string()> m_startFolder;
    std::vector<SShownMessage> m_shownMessages;
    QPointer<CAbortDialog> m_abortDialog;
    std::map<std::string, QPointer<CStatusWindow>> m_statusWindows;
    int m_waitCursorDepth = 0;
    bool m_continueWithoutAsking = false;
    bool m_processing = false;
};

// Converts a filter of the system's dialogs ("Name (*.x)|*.x|All Files (*.*)|*.*||" or plain
// "Name (*.x)") to a Qt file-dialog filter ("Name (*.x);;All Files (*.*)").
QString ConvertFileFilter(const std::string& filter);
