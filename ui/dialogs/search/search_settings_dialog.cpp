// The settings dialog of Ruin and Recreate Search and their store.

#include "ui/dialogs/search/search_settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* MakeSpinBox(int lower, int upper, int value) {
    auto* box = new QSpinBox;
    box->setRange(lower, upper);
    box->setValue(value);
    return box;
}

// A stored whole number within [lower, upper], else the fallback.
int StoredValue(const QSettings& store, const char* key, int lower, int upper, int fallback) {
    bool ok = false;
    const int value = store.value(key, fallback).toInt(&ok);
    return ok && value >= lower && value <= upper ? value : fallback;
}

} // namespace

CSearchSettingsDialog::CSearchSettingsDialog(const SSearchSettings& settings, QWidget* parent)
    : QDialog(parent),
      m_iterations(MakeSpinBox(SEARCH_MIN_ITERATIONS, SEARCH_MAX_ITERATIONS, settings.iterations)),
      m_stall(
          MakeSpinBox(SEARCH_MIN_ITERATIONS, SEARCH_MAX_ITERATIONS, settings.iterationsWithoutImprovement)),
      m_ruinSize(MakeSpinBox(SEARCH_MIN_RUIN_SIZE, SEARCH_MAX_RUIN_SIZE, settings.averageRuinSize)),
      m_fleetRule(new QComboBox) {
    setWindowTitle("Search Settings");
    m_fleetRule->addItem("At most the vehicles (more penalised)", static_cast<int>(EFleetRule::atMost));
    m_fleetRule->addItem("Exactly the vehicles, no supplier-only route", static_cast<int>(EFleetRule::exact));
    m_fleetRule->setCurrentIndex(settings.fleetRule == EFleetRule::exact ? 1 : 0);
    auto* form = new QFormLayout;
    form->addRow("Iterations:", m_iterations);
    form->addRow("Iterations without improvement:", m_stall);
    form->addRow("Average ruin size:", m_ruinSize);
    form->addRow("Fleet rule:", m_fleetRule);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

SSearchSettings CSearchSettingsDialog::Settings() const {
    SSearchSettings settings;
    settings.iterations = m_iterations->value();
    settings.iterationsWithoutImprovement = m_stall->value();
    settings.averageRuinSize = m_ruinSize->value();
    settings.fleetRule = static_cast<EFleetRule>(m_fleetRule->currentData().toInt());
    return settings;
}

SSearchSettings LoadSearchSettings() {
    const QSettings store;
    const SSearchSettings defaults;
    SSearchSettings settings;
    settings.iterations = StoredValue(store, "search/iterations", SEARCH_MIN_ITERATIONS,
                                      SEARCH_MAX_ITERATIONS, defaults.iterations);
    settings.iterationsWithoutImprovement =
        StoredValue(store, "search/iterationsWithoutImprovement", SEARCH_MIN_ITERATIONS,
                    SEARCH_MAX_ITERATIONS, defaults.iterationsWithoutImprovement);
    settings.averageRuinSize = StoredValue(store, "search/averageRuinSize", SEARCH_MIN_RUIN_SIZE,
                                           SEARCH_MAX_RUIN_SIZE, defaults.averageRuinSize);
    settings.fleetRule = store.value("search/fleetRule").toString() == GetFleetRuleName(EFleetRule::exact)
                             ? EFleetRule::exact
                             : EFleetRule::atMost;
    return settings;
}

void SaveSearchSettings(const SSearchSettings& settings) {
    QSettings store;
    store.setValue("search/iterations", settings.iterations);
    store.setValue("search/iterationsWithoutImprovement", settings.iterationsWithoutImprovement);
    store.setValue("search/averageRuinSize", settings.averageRuinSize);
    store.setValue("search/fleetRule", GetFleetRuleName(settings.fleetRule));
}
