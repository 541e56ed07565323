#pragma once

#include <QDialog>

#include "search/search_settings.h"

class QComboBox;
class QSpinBox;

// The "Search Settings" dialog: the iterations, the iterations without improvement, the average
// ruin size (spin boxes over their ranges) and the fleet rule of Ruin and Recreate Search.
class CSearchSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSearchSettingsDialog(const SSearchSettings& settings, QWidget* parent = nullptr);

    // The settings as edited.
    SSearchSettings Settings() const;

    QSpinBox* IterationsBox() const { return m_iterations; }
    QSpinBox* StallBox() const { return m_stall; }
    QSpinBox* RuinSizeBox() const { return m_ruinSize; }
    QComboBox* FleetRuleBox() const { return m_fleetRule; }

private:
    QSpinBox* m_iterations;
    QSpinBox* m_stall;
    QSpinBox* m_ruinSize;
    QComboBox* m_fleetRule;
};

// The search settings the desktop program remembers between sessions (the application's
// QSettings); a missing or out-of-range value reads as its default.
SSearchSettings LoadSearchSettings();
void SaveSearchSettings(const SSearchSettings& settings);
