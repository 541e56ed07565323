// The project summary property sheet.

#include "ui/dialogs/summary/project_summary_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "files/common_data_items.h"
#include "framework/platform/user_interface.h"
#include "model/tramlet_doc.h"

namespace {

QString FromLocal(const std::string& text) {
    return QString::fromLocal8Bit(text.c_str());
}

std::string ToLocal(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

// The document's summary texts in the order of the fields.
std::string* SummaryText(CTramletDoc& document, int field) {
    std::string* texts[] = {nullptr,
                            &document.m_author,
                            &document.m_manager,
                            &document.m_company,
                            &document.m_subject,
                            &document.m_category,
                            &document.m_keywords};
    return texts[field];
}

} // namespace

CProjectSummaryDialog::CProjectSummaryDialog(CTramletDoc& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setWindowTitle("Project Summary");
    auto* pages = new QTabWidget;
    pages->addTab(BuildSummaryPage(), "Summary");
    pages->addTab(BuildContentsPage(), "Contents");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    resize(460, 440);
}

QWidget* CProjectSummaryDialog::BuildSummaryPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    const char* captions[kTextFields] = {
        "&Title:", "&Author:", "&Manager:", "C&ompany:", "&Subject:", "Cate&gory:", "&Keywords:"};
    for (int field = 0; field < kTextFields; ++field) {
        m_text[field] =
            new QLineEdit(FromLocal(field == 0 ? m_document.GetDocTitle() : *SummaryText(m_document, field)));
        form->addRow(captions[field], m_text[field]);
    }
    m_description = new QPlainTextEdit(FromLocal(m_document.m_description));
    m_comments = new QPlainTextEdit(FromLocal(m_document.m_comment));
    form->addRow("&Description:", m_description);
    form->addRow("Co&mments:", m_comments);
    return page;
}

// What the project holds, read-only.
QWidget* CProjectSummaryDialog::BuildContentsPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    const CTramletDoc& d = m_document;
    auto row = [form](const char* caption, const QString& value) {
        auto* label = new QLabel(value);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(caption, label);
    };
    row("File:", d.GetPathName().empty() ? QString("(not saved)") : FromLocal(d.GetPathName()));
    row("Data version:", QString::number(d.GetDataVersion()));
    row("Map projection:", d.GetMapProjection().GetName());
    row("Distance norm:", d.GetDistanceNormName());
    row("Customers:", QString::number(d.GetNumberOfCustomers()));
    row("Suppliers:", QString::number(d.GetNumberOfSuppliers()));
    row("Depots:", QString::number(d.GetNumberOfDepots()));
    row("Routes:", QString::number(d.GetNumberOfRoutes()));
    row("Vehicles:", QString::number(d.GetNumberOfVehicles()));
    row("Vehicle capacity:", QString::number(d.GetVehicleCapacity()));
    row("Recorded runs:", QString::number(d.GetAlgorithmStatistics().size()));
    return page;
}

void CProjectSummaryDialog::accept() {
    const std::string title = ToLocal(m_text[0]->text().trimmed());
    std::string message;
    if (title != m_document.GetDocTitle() && !CheckProjectName(title, message)) {
        GetUserInterface().MessageBox(message, EMessageIcon::exclamation, EMessageButtons::ok);
        m_text[0]->setFocus();
        m_text[0]->selectAll();
        return;
    }
    bool changed = title != m_document.GetDocTitle();
    m_document.SetDocTitle(title);
    for (int field = 1; field < kTextFields; ++field) {
        std::string text = ToLocal(m_text[field]->text());
        changed |= text != *SummaryText(m_document, field);
        *SummaryText(m_document, field) = text;
    }
    const std::string description = ToLocal(m_description->toPlainText());
    const std::string comments = ToLocal(m_comments->toPlainText());
    changed |= description != m_document.m_description || comments != m_document.m_comment;
    m_document.m_description = description;
    m_document.m_comment = comments;
    if (changed) {
        m_document.SetModifiedFlag(true);
    }
    QDialog::accept();
}
