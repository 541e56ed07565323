#include "ui/notes_view/tramlet_notes_view.h"

#include <QFontDatabase>
#include <QScrollBar>

#include "framework/application/sable_win_app.h"
#include "model/tramlet_doc.h"
#include "ui/notes_view/notes_report.h"
#include "ui/notes_view/text_printing.h"

namespace {

std::string GetOutputLogFileName() {
    const CSableWinApp* app = CSableWinApp::GetApp();
    return app == nullptr ? std::string() : app->GetOutputLogFileName();
}

} // namespace

CTramletNotesView::CTramletNotesView(CTramletDoc& document, QWidget* parent)
    : QPlainTextEdit(parent), m_document(document) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setWindowTitle("Notes");
    Redraw();
}

std::vector<std::string> CTramletNotesView::GetLines() const {
    return FormatNotesLines(m_document, GetOutputLogFileName());
}

void CTramletNotesView::Redraw() {
    QString text;
    for (const std::string& line : GetLines()) {
        text += QString::fromLocal8Bit(line.c_str()) + '\n';
    }
    if (text == toPlainText()) {
        return;
    }
    int scroll = verticalScrollBar()->value();
    setPlainText(text);
    verticalScrollBar()->setValue(scroll);
}

std::vector<std::string> CTramletNotesView::GetPrintLines() const {
    const CSableWinApp* app = CSableWinApp::GetApp();
    std::vector<std::string> lines = FormatNotesPrintHeader(
        app ? app->GetAppName() : std::string(), app ? app->GetAppVersion() : std::string(),
        app ? app->GetAppDate() : std::string(), m_document.GetDocTitle(), FormatLongDate());
    std::vector<std::string> notes = GetLines();
    lines.insert(lines.end(), notes.begin(), notes.end());
    return lines;
}

void CTramletNotesView::Print(QPrinter& printer) {
    PrintTextLines(printer, GetPrintLines());
}
