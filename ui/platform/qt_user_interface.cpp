#include "ui/platform/qt_user_interface.h"

#include "ui/dialogs/parameters/double_value_dialog.h"
#include "ui/dialogs/parameters/long_value_dialog.h"
#include "ui/dialogs/parameters/report_level_dialog.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <QWidget>

#include "ui/platform/abort_dialog.h"
#include "ui/platform/algorithm_dialogs.h"
#include "ui/platform/status_window.h"

namespace {

QString FromLocal(const std::string& text) {
    return QString::fromLocal8Bit(text.c_str());
}

QMessageBox::Icon ToQtIcon(EMessageIcon icon) {
    switch (icon) {
    case EMessageIcon::information:
        return QMessageBox::Information;
    case EMessageIcon::exclamation:
        return QMessageBox::Warning;
    case EMessageIcon::error:
        return QMessageBox::Critical;
    case EMessageIcon::question:
        return QMessageBox::Question;
    case EMessageIcon::none:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(EMessageButtons buttons) {
    switch (buttons) {
    case EMessageButtons::okCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case EMessageButtons::yesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case EMessageButtons::yesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case EMessageButtons::ok:
        break;
    }
    return QMessageBox::Ok;
}

EMessageAnswer FromQtButton(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return EMessageAnswer::yes;
    case QMessageBox::No:
        return EMessageAnswer::no;
    case QMessageBox::Cancel:
        return EMessageAnswer::cancel;
    default:
        return EMessageAnswer::ok;
    }
}

} // namespace

QString ConvertFileFilter(const std::string& filter) {
    QStringList parts = FromLocal(filter).split('|', Qt::SkipEmptyParts);
    QStringList names;
    // "Name (*.x)|*.x|..." pairs a description with its pattern; keep the descriptions.
    for (int i = 0; i < parts.size(); i += (parts.size() > 1 ? 2 : 1)) {
        names << parts[i];
    }
    // "*.*" would hide the files without an extension here.
    for (QString& name : names) {
        name.replace("(*.*)", "(*)");
    }
    if (!names.join("").contains("(*)")) {
        names << "All Files (*)";
    }
    return names.join(";;");
}

CQtUserInterface::CQtUserInterface() = default;

CQtUserInterface::~CQtUserInterface() {
    delete m_abortDialog.data();
    CloseAllStatusWindows();
}

CAbortDialog* CQtUserInterface::GetAbortDialog() const {
    return m_abortDialog.data();
}

CStatusWindow* CQtUserInterface::GetStatusWindow(const std::string& title) const {
    auto found = m_statusWindows.find(title);
    return found == m_statusWindows.end() ? nullptr : found->second.data();
}

EMessageAnswer CQtUserInterface::MessageBox(const std::string& text, EMessageIcon icon,
                                            EMessageButtons buttons) {
    m_shownMessages.push_back({text, icon, buttons});
    if (m_responder) {
        if (std::optional<EMessageAnswer> answer = m_responder(m_shownMessages.back())) {
            return *answer;
        }
    }
    QMessageBox box(ToQtIcon(icon), QApplication::applicationName(), FromLocal(text), ToQtButtons(buttons),
                    m_mainWindow.data());
    return FromQtButton(box.exec());
}

void CQtUserInterface::Beep(EMessageIcon) {
    QApplication::beep();
}

void CQtUserInterface::BeginWaitCursor() {
    if (m_waitCursorDepth++ == 0) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

void CQtUserInterface::EndWaitCursor() {
    if (m_waitCursorDepth > 0 && --m_waitCursorDepth == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void CQtUserInterface::ShowAbortDialog() {
    if (m_abortDialog == nullptr) {
        m_abortDialog = new CAbortDialog(m_mainWindow.data());
    }
    m_abortDialog->show();
    m_abortDialog->raise();
}

void CQtUserInterface::CloseAbortDialog() {
    delete m_abortDialog.data();
}

void CQtUserInterface::ProcessWaitingMessages() {
    if (m_processing) {
        return;
    }
    m_processing = true;
    if (m_beforeProcessing) {
        m_beforeProcessing();
    }
    QApplication::processEvents(QEventLoop::AllEvents);
    m_processing = false;
}

ETimeLimitChoice CQtUserInterface::ShowTimeLimitDialog(const std::string& text) {
    if (m_continueWithoutAsking) {
        return ETimeLimitChoice::continueRun;
    }
    return ExecTimeLimitDialog(m_mainWindow.data(), text);
}

EPauseChoice CQtUserInterface::ShowPauseDialog() {
    if (m_continueWithoutAsking) {
        return EPauseChoice::continueRun;
    }
    return ExecPauseDialog(m_mainWindow.data());
}

bool CQtUserInterface::EditLongValue(const std::string& title, const std::string& prompt, int lower,
                                     int upper, int& value) {
    CLongValueDialog dialog(FromLocal(title), FromLocal(prompt), lower, upper, value, m_mainWindow.data());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    value = dialog.Value();
    return true;
}

bool CQtUserInterface::EditDoubleValue(const std::string& title, const std::string& prompt, double lower,
                                       double upper, double& value) {
    CDoubleValueDialog dialog(FromLocal(title), FromLocal(prompt), lower, upper, value, m_mainWindow.data());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    value = dialog.Value();
    return true;
}

bool CQtUserInterface::EditReportLevelValue(int& value) {
    CReportLevelDialog dialog(value, m_mainWindow.data());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    value = dialog.Level();
    return true;
}

void CQtUserInterface::ShowStatusWindow(const std::string& title, const std::vector<SStatusField>& fields) {
    QPointer<CStatusWindow>& window = m_statusWindows[title];
    if (window == nullptr) {
        window = new CStatusWindow(title, m_mainWindow.data());
    }
    window->SetFields(fields);
}

void CQtUserInterface::CloseStatusWindow(const std::string& title) {
    auto found = m_statusWindows.find(title);
    if (found != m_statusWindows.end()) {
        delete found->second.data();
        m_statusWindows.erase(found);
    }
}

void CQtUserInterface::CloseAllStatusWindows() {
    for (auto& entry : m_statusWindows) {
        delete entry.second.data();
    }
    m_statusWindows.clear();
}

std::optional<std::string> CQtUserInterface::SaveFileDialog(const std::string& title,
                                                            const std::string& filter,
                                                            const std::string& defaultExtension,
                                                            const std::string& proposedPath) {
    if (m_fileResponder) {
        return m_fileResponder(title);
    }
    std::string start = proposedPath.empty() && m_startFolder ? m_startFolder() : proposedPath;
    QFileDialog dialog(m_mainWindow.data(), FromLocal(title), FromLocal(start), ConvertFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(FromLocal(defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toLocal8Bit().toStdString();
}

std::optional<std::string> CQtUserInterface::OpenFileDialog(const std::string& title,
                                                            const std::string& filter,
                                                            const std::string& defaultExtension) {
    if (m_fileResponder) {
        return m_fileResponder(title);
    }
    QFileDialog dialog(m_mainWindow.data(), FromLocal(title), FromLocal(m_startFolder ? m_startFolder() : ""),
                       ConvertFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(FromLocal(defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toLocal8Bit().toStdString();
}

void CQtUserInterface::RedrawAllViews() {
    if (m_redraw) {
        m_redraw();
    }
}
