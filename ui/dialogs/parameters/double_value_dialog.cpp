// The edit dialog of a real parameter.

#include "ui/dialogs/parameters/double_value_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CDoubleValueDialog::CDoubleValueDialog(const QString& title, const QString& prompt, double lower,
                                       double upper, double value, QWidget* parent)
    : QDialog(parent), m_edit(new QLineEdit(QString::number(value, 'g', 12))), m_lower(lower), m_upper(upper),
      m_value(value) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt);
    label->setBuddy(m_edit);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

void CDoubleValueDialog::accept() {
    bool ok = false;
    const double entered = m_edit->text().trimmed().toDouble(&ok);
    if (!ok || !(entered >= m_lower && entered <= m_upper)) {
        QApplication::beep();
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_value = entered;
    QDialog::accept();
}
