#pragma once

#include <QDialog>

class QSlider;
class QSpinBox;

// The edit dialog of a whole-number parameter: the prompt, a spin box and a slider that follow
// each other over [lower, upper]. OK with a text outside the range beeps and keeps the dialog open.
class CLongValueDialog : public QDialog {
    Q_OBJECT
public:
    CLongValueDialog(const QString& title, const QString& prompt, int lower, int upper, int value,
                     QWidget* parent = nullptr);

    int Value() const;
    QSpinBox* SpinBox() const { return m_spin; }
    QSlider* Slider() const { return m_slider; }

    void accept() override;

private:
    QSpinBox* m_spin;
    QSlider* m_slider;
};
