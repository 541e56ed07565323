#pragma once

#include <QDialog>

#include "model/distances/route_preferences.h"

class QDoubleSpinBox;
class QSpinBox;

// "Route Preferences": the route method and the preferences of the four road types the road
// network calculates routes with. OK stores them through CMapPointRoutePreferences::Set.
class CRoutePreferencesDialog : public QDialog {
    Q_OBJECT
public:
    CRoutePreferencesDialog(CMapPointRoutePreferences& preferences, QWidget* parent = nullptr);

    QSpinBox* MethodBox() const { return m_method; }
    QDoubleSpinBox* PreferenceBox(int k) const { return m_preference[k]; }
    // Whether OK changed the preferences.
    bool Changed() const { return m_changed; }

    void accept() override;

private:
    CMapPointRoutePreferences& m_preferences;
    QSpinBox* m_method;
    QDoubleSpinBox* m_preference[CMapPointRoutePreferences::NUMBER_ROAD_TYPES] = {};
    bool m_changed = false;
};
