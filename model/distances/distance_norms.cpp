#include "model/distances/distance_norms.h"

#include <algorithm>
#include <cmath>

#include "framework/application/sable_document.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/distances/distance_validation.h"
#include "model/distances/road_network.h"

SDistanceSettings SDistanceSettings::FromDocument(const CSableDocument& document,
                                                  const CMapPointRoutePreferences& routePreferences) {
    return FromDocument(document, document.IsGeographicProjection(), routePreferences);
}

SDistanceSettings SDistanceSettings::FromDocument(const CSableDocument& document, bool geographic,
                                                  const CMapPointRoutePreferences& routePreferences) {
    SDistanceSettings settings;
    settings.norm = document.GetDistanceNorm().GetNorm();
    settings.distanceFactor = document.GetDistanceFactor();
    settings.worldRadius = document.GetWorldRadius();
    settings.geographic = geographic;
    settings.worldLimits = document.GetWorldLimits();
    settings.tolerance = document.GetTolerance();
    settings.reportLevel = document.GetReportLevel();
    settings.routePreferences = routePreferences;
    return settings;
}

double ComputeNormDistance(const CLonLatPoint& a, const CLonLatPoint& b, const SDistanceSettings& settings) {
    const double dx = static_cast<double>(a.x()) - static_cast<double>(b.x());
    const double dy = static_cast<double>(a.y()) - static_cast<double>(b.y());
    switch (settings.norm) {
    case DN_GREAT_CIRCLE:
        return GreatCircleDistance(DegMinSecToFracDeg(a.GetLatitude()), DegMinSecToFracDeg(a.GetLongitude()),
                                   DegMinSecToFracDeg(b.GetLatitude()), DegMinSecToFracDeg(b.GetLongitude()),
                                   settings.worldRadius) *
               settings.distanceFactor;
    case DN_RECTILINEAR:
        return (std::fabs(dx) + std::fabs(dy)) * settings.distanceFactor;
    case DN_EUCLIDEAN:
        return std::hypot(dx, dy) * settings.distanceFactor;
    case DN_CHEBYSHEV:
        return std::max(std::fabs(dx), std::fabs(dy)) * settings.distanceFactor;
    default:
        ThrowUserException();
    }
}

double GetMaxDistance(const SDistanceSettings& settings) {
    const CLonLatRect& limits = settings.worldLimits;
    if (!settings.geographic) {
        return std::hypot(static_cast<double>(limits.m_west) - static_cast<double>(limits.m_east),
                          static_cast<double>(limits.m_north) - static_cast<double>(limits.m_south)) *
               settings.distanceFactor;
    }
    return GreatCircleDistance(DegMinSecToFracDeg(limits.m_south), DegMinSecToFracDeg(limits.m_east),
                               DegMinSecToFracDeg(limits.m_north), DegMinSecToFracDeg(limits.m_west),
                               settings.worldRadius) *
           settings.distanceFactor;
}

SGeoPosition ToGeoPosition(const CLonLatPoint& packed) {
    SGeoPosition position;
    position.latitude = DegMinSecToFracDeg(packed.GetLatitude());
    position.longitude = DegMinSecToFracDeg(packed.GetLongitude());
    return position;
}

std::vector<EDISTANCENORM> GetOfferedDistanceNorms(bool geographic) {
    if (!geographic) {
        return {DN_RECTILINEAR, DN_EUCLIDEAN, DN_CHEBYSHEV};
    }
    std::vector<EDISTANCENORM> norms = {DN_GREAT_CIRCLE};
    if (IsMapPointAvailable()) {
        norms.push_back(DN_TRANSPORTATION_NETWORK);
    }
    return norms;
}

bool IsComputeDistancesEnabled(bool algorithmRunning, int numberFacilities) {
    return !algorithmRunning && numberFacilities >= 2;
}

bool ApplyDistanceNorm(CSableDocument& document, EDISTANCENORM norm) {
    if (norm == document.GetDistanceNorm().GetNorm()) {
        return false;
    }
    document.SetDistanceNorm(norm);
    document.SetModifiedFlag(true);
    return true;
}

namespace {

bool FactorDiffers(const CSableDocument& document, double factor) {
    const double current = document.GetDistanceFactor();
    return std::fabs(factor - current) > document.GetTolerance() * current;
}

} // namespace

bool ApplyDistanceParameters(CSableDocument& document, EDISTANCENORM norm, double factor) {
    bool changed = ApplyDistanceNorm(document, norm);
    if (!IsValidDistanceFactor(factor)) {
        ReportDistanceFactorRefusal(FormatString("%lf", factor), nullptr);
        return changed;
    }
    if (FactorDiffers(document, factor)) {
        document.SetDistanceFactor(factor);
        document.SetModifiedFlag(true);
        changed = true;
    }
    return changed;
}

bool EditDistanceFactor(CSableDocument& document) {
    double factor = document.GetDistanceFactor();
    std::string prompt =
        FormatString("Enter a value in the range [%.3lf, %.3lf]:", MIN_DISTANCE_FACTOR, MAX_DISTANCE_FACTOR);
    if (!GetUserInterface().EditDoubleValue("Edit Distance Factor", prompt, MIN_DISTANCE_FACTOR,
                                            MAX_DISTANCE_FACTOR, factor)) {
        return false;
    }
    if (!IsValidDistanceFactor(factor)) {
        ReportDistanceFactorRefusal(FormatString("%lf", factor), nullptr);
        return false;
    }
    if (!FactorDiffers(document, factor)) {
        return false;
    }
    document.SetDistanceFactor(factor);
    document.SetModifiedFlag(true);
    return true;
}

bool ConfirmComputeDistances() {
    return GetUserInterface().MessageBox(
               "This command will compute all distances based on current facility locations.\r\n"
               "Do you wish to continue?",
               EMessageIcon::question, EMessageButtons::yesNo) == EMessageAnswer::yes;
}
