#pragma once

#include <QPlainTextEdit>
#include <string>
#include <vector>

class CTramletDoc;
class QPrinter;

// The notes view: the project's notes lines in a read-only text pane (selectable and
// copyable), printed with the "Created by ..." and "Project ... on ..." header lines.
class CTramletNotesView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CTramletNotesView(CTramletDoc& document, QWidget* parent = nullptr);

    // Formats the notes again from the document.
    void Redraw();
    // The notes lines as shown.
    std::vector<std::string> GetLines() const;
    // The lines a print puts on paper: the two header lines, an empty line and the notes.
    std::vector<std::string> GetPrintLines() const;
    void Print(QPrinter& printer);

private:
    CTramletDoc& m_document;
};
