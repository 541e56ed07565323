// Serialize of the routing model's objects: facilities, routes and the route preferences.
#include <cstdint>
#include <string>

#include "framework/archive/archive.h"
#include "framework/archive/collections.h"
#include "model/distances/route_preferences.h"
#include "model/facility.h"
#include "model/route.h"
#include "model/tramlet_doc.h"

IMPLEMENT_SERIAL(CFacility, CObject, VERSIONABLE_SCHEMA | 20008)
IMPLEMENT_SERIAL(CRoute, CObject, VERSIONABLE_SCHEMA | 20008)
IMPLEMENT_SERIAL(CMapPointRoutePreferences, CObject, 20013)

void CFacility::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << m_lType << m_lIndex << m_ptViewLocation
                << CIntPoint{m_ptWorldLocation.m_lon, m_ptWorldLocation.m_lat};
        archive << m_lQuantity << m_lSize << m_lShape << m_rcSymbol << m_strLabel << m_strName;
        archive.WriteObject(m_pRoute);
        m_Color.Serialize(archive);
        archive << m_ptWorldLocation.m_lon << m_ptWorldLocation.m_lat;
        return;
    }
    // The first world location is stored by every data version the archive accepts; the copy at
    // the end of the fields is the one kept.
    CIntPoint world;
    archive >> m_lType >> m_lIndex >> m_ptViewLocation >> world;
    archive >> m_lQuantity >> m_lSize >> m_lShape >> m_rcSymbol >> m_strLabel >> m_strName;
    m_pRoute = static_cast<CRoute*>(archive.ReadObject(RUNTIME_CLASS(CRoute)));
    m_Color.Serialize(archive);
    archive >> m_ptWorldLocation.m_lon >> m_ptWorldLocation.m_lat;
}

void CRoute::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << m_strLabel << m_lIndex;
        for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
            archive << m_lCount[type] << m_lQuantity[type];
        }
        archive << m_rcBounding;
        m_Color.Serialize(archive);
        CObList list;
        for (CFacility* f : m_listFacilities) {
            list.AddTail(f);
        }
        list.Serialize(archive);
        return;
    }
    archive >> m_strLabel >> m_lIndex;
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        archive >> m_lCount[type] >> m_lQuantity[type];
    }
    archive >> m_rcBounding;
    m_Color.Serialize(archive);
    CObList list;
    list.Serialize(archive);
    m_listFacilities.clear();
    for (CObject* object : list.GetObjects()) {
        if (object == nullptr) {
            archive.ThrowException(CArchiveException::genericException);
        }
        if (!object->IsKindOf(RUNTIME_CLASS(CFacility))) {
            archive.ThrowException(CArchiveException::badClass);
        }
        m_listFacilities.push_back(static_cast<CFacility*>(object));
    }
    if (m_strLabel.empty()) {
        m_strLabel = std::to_string(static_cast<long long>(m_lIndex) + 1);
    }
    if (auto* document = dynamic_cast<CTramletDoc*>(archive.m_pDocument)) {
        m_pDocument = document;
    }
    m_dDistance = 0.0;
}

void CMapPointRoutePreferences::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << static_cast<std::int32_t>(m_routeMethod);
        for (double preference : m_preferences) {
            archive << preference;
        }
        return;
    }
    std::int32_t method = 0;
    double preferences[NUMBER_ROAD_TYPES] = {};
    archive >> method;
    for (double& preference : preferences) {
        archive >> preference;
    }
    if (!Set(method, preferences)) {
        Reset();
    }
}
