#pragma once

#include <QDialog>
#include <vector>

#include "framework/application/distance_norm.h"

class CSableDocument;
class QButtonGroup;
class QLineEdit;

// The norm dialog ("Distance Norm": one choice per norm the projection offers) and, with the
// factor, the distance parameters dialog of Compute Distances ("Distance Parameters": the norm and
// the distance factor). On OK the choice is stored through the document's own rules
// (ApplyDistanceNorm, ApplyDistanceParameters); a refused factor keeps the dialog open.
class CDistanceNormDialog : public QDialog {
    Q_OBJECT
public:
    CDistanceNormDialog(CSableDocument& document, bool withFactor, QWidget* parent = nullptr);

    // The norms offered, in the order shown.
    const std::vector<EDISTANCENORM>& OfferedNorms() const { return m_norms; }
    EDISTANCENORM ChosenNorm() const;
    void ChooseNorm(EDISTANCENORM norm);
    QLineEdit* FactorEdit() const { return m_factor; }
    // Whether OK changed the document.
    bool Changed() const { return m_changed; }

    void accept() override;

private:
    CSableDocument& m_document;
    std::vector<EDISTANCENORM> m_norms;
    QButtonGroup* m_choices;
    QLineEdit* m_factor = nullptr;
    bool m_changed = false;
};
