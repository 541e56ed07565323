// The edit dialog of a whole-number parameter.

#include "ui/dialogs/parameters/long_value_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

CLongValueDialog::CLongValueDialog(const QString& title, const QString& prompt, int lower, int upper,
                                   int value, QWidget* parent)
    : QDialog(parent), m_spin(new QSpinBox), m_slider(new QSlider(Qt::Horizontal)) {
    setWindowTitle(title);
    m_spin->setRange(lower, upper);
    m_spin->setValue(value);
    m_slider->setRange(lower, upper);
    m_slider->setValue(value);
    connect(m_spin, &QSpinBox::valueChanged, m_slider, &QSlider::setValue);
    connect(m_slider, &QSlider::valueChanged, m_spin, &QSpinBox::setValue);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(prompt));
    layout->addWidget(m_spin);
    layout->addWidget(m_slider);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

int CLongValueDialog::Value() const {
    return m_spin->value();
}

void CLongValueDialog::accept() {
    if (!m_spin->hasAcceptableInput()) {
        QApplication::beep();
        m_spin->selectAll();
        m_spin->setFocus();
        return;
    }
    m_spin->interpretText();
    QDialog::accept();
}
