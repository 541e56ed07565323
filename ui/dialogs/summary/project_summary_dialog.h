#pragma once

#include <QDialog>

class CTramletDoc;
class QLineEdit;
class QPlainTextEdit;

// The project summary property sheet "Project Summary": a Summary page with the project's nine
// summary texts (title, author, manager, company, subject, category, keywords, description,
// comments) and a Contents page that shows what the project holds. On OK the title must be a
// valid project name (it names the project in its text files); a refusal shows its message and
// keeps the sheet open. Changed texts are stored and the document marked modified.
class CProjectSummaryDialog : public QDialog {
    Q_OBJECT
public:
    explicit CProjectSummaryDialog(CTramletDoc& document, QWidget* parent = nullptr);

    // Field 0 is the title, then author, manager, company, subject, category, keywords.
    QLineEdit* TextEdit(int field) const { return m_text[field]; }
    QPlainTextEdit* DescriptionEdit() const { return m_description; }
    QPlainTextEdit* CommentsEdit() const { return m_comments; }

    void accept() override;

private:
    QWidget* BuildSummaryPage();
    QWidget* BuildContentsPage();

    static constexpr int kTextFields = 7;
    CTramletDoc& m_document;
    QLineEdit* m_text[kTextFields] = {};
    QPlainTextEdit* m_description = nullptr;
    QPlainTextEdit* m_comments = nullptr;
};
