#pragma once

#include <QDialog>

class QLineEdit;

// The edit dialog of a real parameter: the prompt and one field. OK with a text that is not a
// number in [lower, upper] beeps and keeps the dialog open with the text selected.
class CDoubleValueDialog : public QDialog {
    Q_OBJECT
public:
    CDoubleValueDialog(const QString& title, const QString& prompt, double lower, double upper, double value,
                       QWidget* parent = nullptr);

    double Value() const { return m_value; }
    QLineEdit* ValueEdit() const { return m_edit; }

    void accept() override;

private:
    QLineEdit* m_edit;
    double m_lower;
    double m_upper;
    double m_value;
};
