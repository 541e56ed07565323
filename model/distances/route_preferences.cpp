#include "model/distances/route_preferences.h"

void CMapPointRoutePreferences::Reset() {
    m_routeMethod = DEFAULT_ROUTE_METHOD;
    for (double& preference : m_preferences) {
        preference = DEFAULT_PREFERENCE;
    }
}

bool CMapPointRoutePreferences::Validate(int routeMethod, const double preferences[NUMBER_ROAD_TYPES]) {
    if (routeMethod < MIN_ROUTE_METHOD || routeMethod > MAX_ROUTE_METHOD) {
        return false;
    }
    for (int k = 0; k < NUMBER_ROAD_TYPES; ++k) {
        // Written so that a NaN fails as well.
        if (!(preferences[k] > 0.0 && preferences[k] <= 1.0)) {
            return false;
        }
    }
    return true;
}

bool CMapPointRoutePreferences::Set(int routeMethod, const double preferences[NUMBER_ROAD_TYPES]) {
    if (!Validate(routeMethod, preferences)) {
        return false;
    }
    m_routeMethod = routeMethod;
    for (int k = 0; k < NUMBER_ROAD_TYPES; ++k) {
        m_preferences[k] = preferences[k];
    }
    return true;
}

bool CMapPointRoutePreferences::operator==(const CMapPointRoutePreferences& other) const {
    if (m_routeMethod != other.m_routeMethod) {
        return false;
    }
    for (int k = 0; k < NUMBER_ROAD_TYPES; ++k) {
        if (m_preferences[k] != other.m_preferences[k]) {
            return false;
        }
    }
    return true;
}
