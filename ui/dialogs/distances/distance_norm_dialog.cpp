// The norm dialog and the distance parameters dialog.

#include "ui/dialogs/distances/distance_norm_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/application/sable_document.h"
#include "model/distances/distance_norms.h"
#include "model/distances/distance_validation.h"

CDistanceNormDialog::CDistanceNormDialog(CSableDocument& document, bool withFactor, QWidget* parent)
    : QDialog(parent), m_document(document),
      m_norms(GetOfferedDistanceNorms(document.IsGeographicProjection())), m_choices(new QButtonGroup(this)) {
    setWindowTitle(withFactor ? "Distance Parameters" : "Distance Norm");
    const EDISTANCENORM current = document.GetDistanceNorm().GetNorm();
    // A norm the projection does not offer (distances from a file) stays choosable while it is set.
    if (std::find(m_norms.begin(), m_norms.end(), current) == m_norms.end()) {
        m_norms.push_back(current);
    }
    auto* group = new QGroupBox("Distance Norm");
    auto* column = new QVBoxLayout(group);
    for (size_t i = 0; i < m_norms.size(); ++i) {
        auto* button = new QRadioButton(CDistanceNorm::GetDistanceNormName(m_norms[i]));
        m_choices->addButton(button, static_cast<int>(i));
        column->addWidget(button);
    }
    ChooseNorm(current);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    if (withFactor) {
        m_factor = new QLineEdit(QString::number(document.GetDistanceFactor(), 'g', 12));
        auto* form = new QFormLayout;
        form->addRow("Distance &factor (1.0-9.0):", m_factor);
        layout->addLayout(form);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

EDISTANCENORM CDistanceNormDialog::ChosenNorm() const {
    int index = m_choices->checkedId();
    return index >= 0 ? m_norms[static_cast<size_t>(index)] : m_document.GetDistanceNorm().GetNorm();
}

void CDistanceNormDialog::ChooseNorm(EDISTANCENORM norm) {
    auto found = std::find(m_norms.begin(), m_norms.end(), norm);
    if (found != m_norms.end()) {
        m_choices->button(static_cast<int>(found - m_norms.begin()))->setChecked(true);
    }
}

void CDistanceNormDialog::accept() {
    if (m_factor == nullptr) {
        m_changed = ApplyDistanceNorm(m_document, ChosenNorm());
        QDialog::accept();
        return;
    }
    double factor = 0.0;
    if (!DecodeDistanceFactor(m_factor->text().trimmed().toLocal8Bit().toStdString(), factor)) {
        m_factor->setFocus();
        m_factor->selectAll();
        return;
    }
    m_changed = ApplyDistanceParameters(m_document, ChosenNorm(), factor);
    QDialog::accept();
}
