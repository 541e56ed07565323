#pragma once

#include <QDialog>

class CTramletDoc;
class CFacility;
class QLineEdit;
class QRadioButton;

// "Edit Link from %s %s to %s %s": the distances d(a, b) and d(b, a) of two facilities, one
// value for both directions or two. OK goes through CDistanceData::EditLink; a refused value
// keeps the dialog open.
class CLinkDialog : public QDialog {
    Q_OBJECT
public:
    CLinkDialog(CTramletDoc& document, CFacility* from, CFacility* to, QWidget* parent = nullptr);

    QLineEdit* ForwardEdit() const { return m_forward; }
    QLineEdit* BackwardEdit() const { return m_backward; }
    QRadioButton* TwoValuesButton() const { return m_twoValues; }

    void accept() override;

private:
    CTramletDoc& m_document;
    int m_from;
    int m_to;
    QLineEdit* m_forward;
    QLineEdit* m_backward;
    QRadioButton* m_oneValue;
    QRadioButton* m_twoValues;
};
