#pragma once

#include <vector>

#include "framework/application/distance_norm.h"
#include "framework/geography/lon_lat.h"
#include "model/distances/road_network.h"
#include "model/distances/route_preferences.h"

class CSableDocument;

// Range of the distance factor and least world radius.
constexpr double MIN_DISTANCE_FACTOR = 1.0;
constexpr double MAX_DISTANCE_FACTOR = 9.0;
constexpr double MIN_WORLD_RADIUS = 1000.0;

// Everything the distance computations read from the project, as plain values.
struct SDistanceSettings {
    EDISTANCENORM norm = DN_EUCLIDEAN;
    double distanceFactor = 1.0;
    double worldRadius = 6371.0;
    // True for the Mercator and Albers projections: locations are packed longitude/latitude.
    bool geographic = false;
    CLonLatRect worldLimits;
    double tolerance = 0.001;
    int reportLevel = 3;
    CMapPointRoutePreferences routePreferences;

    // The norm, factor, radius, world limits, projection kind, tolerance and report level of a
    // document, with the route preferences the document keeps.
    static SDistanceSettings FromDocument(const CSableDocument& document,
                                          const CMapPointRoutePreferences& routePreferences = {});
    // The same with the projection kind given.
    static SDistanceSettings FromDocument(const CSableDocument& document, bool geographic,
                                          const CMapPointRoutePreferences& routePreferences = {});
};

// The distance from a to b under the norms computed from locations: Great_Circle (packed
// longitude and latitude; a refused packed value or coordinate shows its message and raises a user
// exception), Rectilinear, Euclidean and Chebyshev (x and y), each times the distance factor. Any
// other norm raises a user exception without a message; Transportation_Network is computed by
// CDistanceData through the road network.
double ComputeNormDistance(const CLonLatPoint& a, const CLonLatPoint& b, const SDistanceSettings& settings);

// The largest distance a user may enter: with the Orthogonal projection the diagonal of the
// world limits, otherwise the great-circle distance between their south-east and north-west
// corners; times the distance factor.
double GetMaxDistance(const SDistanceSettings& settings);

// The position of a packed location in fractional degrees (refusals as DegMinSecToFracDeg).
SGeoPosition ToGeoPosition(const CLonLatPoint& packed);

// The norms the norm dialog offers: Rectilinear, Euclidean and Chebyshev with the Orthogonal
// projection; Great_Circle and, when the road network is available, Transportation_Network with
// a geographic one.
std::vector<EDISTANCENORM> GetOfferedDistanceNorms(bool geographic);

// "Compute Distances" is enabled when no algorithm runs and there are at least two facilities.
bool IsComputeDistancesEnabled(bool algorithmRunning, int numberFacilities);

// OK of the norm dialog: sets a changed norm (the document is marked modified). Returns whether
// the norm changed.
bool ApplyDistanceNorm(CSableDocument& document, EDISTANCENORM norm);

// OK of the distance parameters dialog: sets a changed norm, and a factor that differs from the
// current one by more than the tolerance times the current factor; each change marks the
// document modified. A factor outside [1.0, 9.0] is refused with its message and not set.
// Returns whether anything changed.
bool ApplyDistanceParameters(CSableDocument& document, EDISTANCENORM norm, double factor);

// The framework's distance factor command: edits the factor in [1.0, 9.0] and stores a value that
// differs by more than the tolerance times the current one (the document is marked modified).
// Returns whether it changed.
bool EditDistanceFactor(CSableDocument& document);

// The question of "Compute Distances" (Yes/No); true for Yes.
bool ConfirmComputeDistances();
