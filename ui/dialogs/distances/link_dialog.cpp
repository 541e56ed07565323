// The link dialog: both distances between two facilities.

#include "ui/dialogs/distances/link_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "model/distances/distance_data.h"
#include "model/facility.h"
#include "model/tramlet_doc.h"

CLinkDialog::CLinkDialog(CTramletDoc& document, CFacility* from, CFacility* to, QWidget* parent)
    : QDialog(parent), m_document(document), m_from(from->GetIndex()), m_to(to->GetIndex()) {
    setWindowTitle(QString::fromLocal8Bit(
        FormatLinkDialogTitle(from->GetTypeName(), from->GetLabel(), to->GetTypeName(), to->GetLabel())
            .c_str()));
    const CDistanceData& distances = document.GetDistanceData();
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(QString::fromLocal8Bit(
        FormatLinkDialogLabel(from->GetTypeName(), from->GetLabel(), to->GetTypeName(), to->GetLabel())
            .c_str())));
    m_oneValue = new QRadioButton("&One value for both directions");
    m_twoValues = new QRadioButton("&Two values");
    const bool symmetric = distances.GetDistance(m_from, m_to) == distances.GetDistance(m_to, m_from);
    (symmetric ? m_oneValue : m_twoValues)->setChecked(true);
    m_forward = new QLineEdit(QString::asprintf("%.2lf", distances.GetDistance(m_from, m_to)));
    m_backward = new QLineEdit(QString::asprintf("%.2lf", distances.GetDistance(m_to, m_from)));
    m_backward->setEnabled(!symmetric);
    connect(m_twoValues, &QRadioButton::toggled, m_backward, &QLineEdit::setEnabled);
    form->addRow(m_oneValue);
    form->addRow(m_twoValues);
    form->addRow("&Forward distance:", m_forward);
    form->addRow("&Backward distance:", m_backward);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void CLinkDialog::accept() {
    ELinkEditResult result = m_document.GetDistanceData().EditLink(
        m_from, m_to, m_forward->text().trimmed().toLocal8Bit().toStdString(),
        m_backward->text().trimmed().toLocal8Bit().toStdString(), m_oneValue->isChecked(),
        m_document.GetMaxDistance(), m_document.GetTolerance());
    if (result == ELinkEditResult::refused) {
        return;
    }
    if (result == ELinkEditResult::stored) {
        m_document.SetModifiedFlag(true);
    }
    QDialog::accept();
}
