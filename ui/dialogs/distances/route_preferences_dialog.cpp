// The route preferences of the road network.

#include "ui/dialogs/distances/route_preferences_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>

CRoutePreferencesDialog::CRoutePreferencesDialog(CMapPointRoutePreferences& preferences, QWidget* parent)
    : QDialog(parent), m_preferences(preferences), m_method(new QSpinBox) {
    setWindowTitle("Route Preferences");
    auto* form = new QFormLayout(this);
    m_method->setRange(CMapPointRoutePreferences::MIN_ROUTE_METHOD,
                       CMapPointRoutePreferences::MAX_ROUTE_METHOD);
    m_method->setValue(preferences.GetRouteMethod());
    form->addRow("Route &method (0-2):", m_method);
    for (int k = 0; k < CMapPointRoutePreferences::NUMBER_ROAD_TYPES; ++k) {
        m_preference[k] = new QDoubleSpinBox;
        m_preference[k]->setDecimals(2);
        m_preference[k]->setRange(0.01, 1.0);
        m_preference[k]->setSingleStep(0.05);
        m_preference[k]->setValue(preferences.GetPreference(k));
        form->addRow(
            QString("Preference for road type %1 (0-1]:").arg(CMapPointRoutePreferences::ROAD_TYPES[k]),
            m_preference[k]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void CRoutePreferencesDialog::accept() {
    double values[CMapPointRoutePreferences::NUMBER_ROAD_TYPES];
    for (int k = 0; k < CMapPointRoutePreferences::NUMBER_ROAD_TYPES; ++k) {
        values[k] = m_preference[k]->value();
    }
    const CMapPointRoutePreferences before = m_preferences;
    if (!m_preferences.Set(m_method->value(), values)) {
        QApplication::beep();
        return;
    }
    m_changed = !(before == m_preferences);
    QDialog::accept();
}
