#pragma once

#include <QDialog>

#include "model/tramlet_doc.h"

class QSpinBox;

// "Add Random Facilities": the number of customers, suppliers and depots to add, the maximum
// customer and supplier quantities and the seed, in the ranges the document offers. OK hands the
// request to CTramletDoc::AddRandomFacilities.
class CRandomFacilitiesDialog : public QDialog {
    Q_OBJECT
public:
    explicit CRandomFacilitiesDialog(CTramletDoc& document, QWidget* parent = nullptr);

    // The values entered.
    SRandomFacilitiesRequest GetRequest() const;
    // 0 to 2: numbers of customers, suppliers, depots; 3, 4: maximum quantities; 5: seed.
    QSpinBox* Field(int index) const { return m_fields[index]; }

    void accept() override;

private:
    CTramletDoc& m_document;
    QSpinBox* m_fields[6] = {};
};
