#pragma once

#include "framework/archive/object.h"

// What a road route is calculated with: a route method and four road-type preferences, handed
// to the road network for its road types 1, 3, 4 and 6 in this order.
class CMapPointRoutePreferences : public CObject {
public:
    static constexpr int NUMBER_ROAD_TYPES = 4;
    static constexpr int ROAD_TYPES[NUMBER_ROAD_TYPES] = {1, 3, 4, 6};
    static constexpr int MIN_ROUTE_METHOD = 0;
    static constexpr int MAX_ROUTE_METHOD = 2;
    static constexpr int DEFAULT_ROUTE_METHOD = 0;
    static constexpr double DEFAULT_PREFERENCE = 0.5;

    CMapPointRoutePreferences() { Reset(); }

    // Route method 0 and every preference 0.5.
    void Reset();

    // A route method in [0, 2] and each preference above 0 and at most 1.
    static bool Validate(int routeMethod, const double preferences[NUMBER_ROAD_TYPES]);
    bool Validate() const { return Validate(m_routeMethod, m_preferences); }

    int GetRouteMethod() const { return m_routeMethod; }
    double GetPreference(int roadType) const { return m_preferences[roadType]; }
    // Stores the values when they pass Validate; otherwise changes nothing and returns false.
    bool Set(int routeMethod, const double preferences[NUMBER_ROAD_TYPES]);

    bool operator==(const CMapPointRoutePreferences& other) const;

    // ---- binary archive (files/archive/): route method (int), the four preferences ----
    // Values outside the ranges of Validate are read as the defaults.
    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CMapPointRoutePreferences)
    // ---- end of binary archive ----

    int m_routeMethod = DEFAULT_ROUTE_METHOD;
    double m_preferences[NUMBER_ROAD_TYPES] = {};
};
