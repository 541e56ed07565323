// The Add Random Facilities dialog.

#include "ui/dialogs/facility/random_facilities_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

CRandomFacilitiesDialog::CRandomFacilitiesDialog(CTramletDoc& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setWindowTitle("Add Random Facilities");
    const SRandomFacilitiesRanges ranges = document.GetRandomFacilitiesRanges();
    const SRandomFacilitiesRequest& proposed = ranges.proposed;
    struct SField {
        const char* label;
        int lower, upper, value;
    };
    const SField fields[6] = {
        {"Number of &customers:", 0, ranges.maxNumber[0], proposed.number[0]},
        {"Number of &suppliers:", 0, ranges.maxNumber[1], proposed.number[1]},
        {"Number of &depots:", 0, ranges.maxNumber[2], proposed.number[2]},
        {"Maximum customer &quantity:", 1, ranges.maxQuantity, proposed.maxQuantity[0]},
        {"Maximum supplier q&uantity:", 1, ranges.maxQuantity, proposed.maxQuantity[1]},
        {"S&eed:", 0, 32767, proposed.seed},
    };
    auto* form = new QFormLayout(this);
    for (int i = 0; i < 6; ++i) {
        m_fields[i] = new QSpinBox;
        m_fields[i]->setRange(fields[i].lower, fields[i].upper);
        m_fields[i]->setValue(fields[i].value);
        form->addRow(fields[i].label, m_fields[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

SRandomFacilitiesRequest CRandomFacilitiesDialog::GetRequest() const {
    SRandomFacilitiesRequest request;
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        request.number[type] = m_fields[type]->value();
    }
    request.maxQuantity[0] = m_fields[3]->value();
    request.maxQuantity[1] = m_fields[4]->value();
    request.seed = m_fields[5]->value();
    return request;
}

// Adds the facilities; the dialog closes whether or not the document succeeded (it has shown
// its message on a failure).
void CRandomFacilitiesDialog::accept() {
    m_document.AddRandomFacilities(GetRequest());
    QDialog::accept();
}
