// The document's side of the distances: it numbers the facilities and hands their locations
// and the project's distance settings to CDistanceData.
#include "model/tramlet_doc.h"

void CTramletDoc::ResizeDistanceMatrix() {
    m_DistanceData.SetSize(GetTotalNumberOfFacilities());
}

SDistanceSettings CTramletDoc::GetDistanceSettings() const {
    return SDistanceSettings::FromDocument(*this, IsGeographic(), m_RoutePreferences);
}

double CTramletDoc::GetMaxDistance() const {
    return ::GetMaxDistance(GetDistanceSettings());
}

std::vector<CLonLatPoint> CTramletDoc::GetFacilityLocations() const {
    std::vector<CLonLatPoint> locations;
    locations.reserve(static_cast<size_t>(GetTotalNumberOfFacilities()));
    for (const auto& facilities : m_facilities) {
        for (const auto& f : facilities) {
            locations.push_back(f->GetWorldLocation());
        }
    }
    return locations;
}

void CTramletDoc::ComputeAllDistances() {
    if (GetTotalNumberOfFacilities() < 2) {
        return;
    }
    RenumberFacilities();
    m_DistanceData.ComputeAllDistances(GetFacilityLocations(), GetDistanceSettings());
    UpdateCurrentSolutionCost();
    SetModifiedFlag(true);
}

void CTramletDoc::ComputeFacilityDistances(const CFacility* f) {
    if (f == nullptr || GetTotalNumberOfFacilities() < 2) {
        return;
    }
    m_DistanceData.ComputeFacilityDistances(f->GetIndex(), GetFacilityLocations(), GetDistanceSettings());
    UpdateCurrentSolutionCost();
    SetModifiedFlag(true);
}
