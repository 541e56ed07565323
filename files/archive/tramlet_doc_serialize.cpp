// The program part of the project archive (CTramletDoc::Serialize).
#include <cstdint>
#include <set>
#include <string>

#include "framework/archive/archive.h"
#include "framework/archive/collections.h"
#include "model/tramlet_doc.h"

namespace {

// Data versions from which the program's fields are stored.
constexpr unsigned kVersionDistanceNorm = 20007; // before it, the program part kept its own norm word
constexpr unsigned kVersionClassRecords = 20008; // class records of CFacility and CRoute
constexpr unsigned kVersionRoutePreferences = 20013;
constexpr unsigned kVersionRandomizationDepth = 20014;

constexpr int kLabelTables = 4; // customers, suppliers, depots, routes

// A quantity never exceeds the largest vehicle capacity.
constexpr int kMaxQuantity = 32767;

[[noreturn]] void RefuseStructure(CArchive& archive) {
    archive.ThrowException(CArchiveException::genericException);
}

} // namespace

void CTramletDoc::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        StoreProgramPart(archive);
    } else {
        LoadProgramPart(archive);
    }
}

void CTramletDoc::StoreProgramPart(CArchive& archive) {
    CSableDocument::Serialize(archive);
    // The framework part ends with the route preferences, which this document keeps.
    m_RoutePreferences.Serialize(archive);
    for (int count : m_lSpecifiedCount) {
        archive << count;
    }
    archive << m_lTotalQuantity[FT_CUSTOMER] << m_lTotalQuantity[FT_SUPPLIER] << m_lTotalQuantity[FT_DEPOT]
            << static_cast<std::int32_t>(0);
    archive << static_cast<std::int32_t>(GetAsymmetric());
    archive << m_lStartingAngle << m_lChainLength << m_dCrossoverPenaltyFactor << m_lRandomizationDepth;

    archive.WriteClass(RUNTIME_CLASS(CFacility));
    for (const auto& facilities : m_facilities) {
        CObArray array;
        for (const auto& f : facilities) {
            array.Add(f.get());
        }
        array.Serialize(archive);
    }
    archive.WriteClass(RUNTIME_CLASS(CRoute));
    CObArray routes;
    for (const auto& route : m_routes) {
        routes.Add(route.get());
    }
    routes.Serialize(archive);

    // The label tables, as the objects' labels give them.
    for (const auto& facilities : m_facilities) {
        CMapStringToOb table;
        for (const auto& f : facilities) {
            table.SetAt(f->GetLabel(), f.get());
        }
        table.Serialize(archive);
    }
    CMapStringToOb routeTable;
    for (const auto& route : m_routes) {
        routeTable.SetAt(route->GetLabel(), route.get());
    }
    routeTable.Serialize(archive);

    m_DistanceData.GetMatrix().Serialize(archive);
    m_NumberOfVehicles.Serialize(archive);
    m_VehicleCapacity.Serialize(archive);
    m_InfeasibilityPenalty.Serialize(archive);
}

void CTramletDoc::LoadProgramPart(CArchive& archive) {
    Clear();
    if (archive.m_pDocument == nullptr) {
        archive.m_pDocument = this;
    }
    CSableDocument::Serialize(archive);
    const unsigned version = GetDataVersion();
    if (version >= kVersionRoutePreferences) {
        m_RoutePreferences.Serialize(archive);
    } else {
        m_RoutePreferences.Reset();
    }
    for (int& count : m_lSpecifiedCount) {
        archive >> count;
    }
    std::int32_t reserved = 0;
    archive >> m_lTotalQuantity[FT_CUSTOMER] >> m_lTotalQuantity[FT_SUPPLIER] >> m_lTotalQuantity[FT_DEPOT] >>
        reserved;
    std::int32_t asymmetric = 0;
    archive >> asymmetric;
    m_DistanceData.SetAsymmetric(asymmetric != 0);
    if (version < kVersionDistanceNorm) {
        // Superseded by the framework's norm, which these versions leave at Euclidean.
        std::int32_t oldNorm = 0;
        archive >> oldNorm;
    }
    archive >> m_lStartingAngle >> m_lChainLength >> m_dCrossoverPenaltyFactor;
    m_lRandomizationDepth = 1;
    if (version >= kVersionRandomizationDepth) {
        archive >> m_lRandomizationDepth;
    }

    if (version >= kVersionClassRecords) {
        archive.ReadClass(RUNTIME_CLASS(CFacility));
    }
    CObArray facilities[NUMBER_OF_FACILITY_TYPES];
    for (CObArray& array : facilities) {
        array.Serialize(archive);
    }
    if (version >= kVersionClassRecords) {
        archive.ReadClass(RUNTIME_CLASS(CRoute));
    }
    CObArray routes;
    routes.Serialize(archive);
    CMapStringToOb labels[kLabelTables];
    for (CMapStringToOb& table : labels) {
        table.Serialize(archive);
    }
    m_DistanceData.GetMatrix().Serialize(archive);
    m_NumberOfVehicles.Serialize(archive);
    m_VehicleCapacity.Serialize(archive);
    m_InfeasibilityPenalty.Serialize(archive);

    // The objects read become the project's: each array entry a facility of its type (or a
    // route), each taken over once, no more of them than a project may have.
    std::set<const CObject*> projectFacilities[NUMBER_OF_FACILITY_TYPES];
    std::set<const CObject*> projectRoutes;
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        if (facilities[type].GetSize() > TRAMLET_MAX_FACILITIES_PER_TYPE) {
            RefuseStructure(archive);
        }
        for (CObject* object : facilities[type].GetObjects()) {
            if (object == nullptr || !object->IsKindOf(RUNTIME_CLASS(CFacility))) {
                RefuseStructure(archive);
            }
            auto* f = static_cast<CFacility*>(object);
            std::unique_ptr<CFacility> owned = archive.ReleaseObjectAs(f);
            if (owned == nullptr || f->GetType() != type || f->GetQuantity() < 0 ||
                f->GetQuantity() > kMaxQuantity) {
                RefuseStructure(archive);
            }
            m_facilities[type].push_back(std::move(owned));
            projectFacilities[type].insert(f);
        }
    }
    if (routes.GetSize() > TRAMLET_MAX_ROUTES) {
        RefuseStructure(archive);
    }
    for (CObject* object : routes.GetObjects()) {
        if (object == nullptr || !object->IsKindOf(RUNTIME_CLASS(CRoute))) {
            RefuseStructure(archive);
        }
        auto* route = static_cast<CRoute*>(object);
        std::unique_ptr<CRoute> owned = archive.ReleaseObjectAs(route);
        if (owned == nullptr) {
            RefuseStructure(archive);
        }
        owned->SetDocument(this);
        m_routes.push_back(std::move(owned));
        projectRoutes.insert(route);
    }

    // Every reference stays inside the project.
    auto isProjectFacility = [&](const CObject* object) {
        for (const auto& set : projectFacilities) {
            if (set.count(object) != 0) {
                return true;
            }
        }
        return false;
    };
    for (const auto& array : m_facilities) {
        for (const auto& f : array) {
            if (f->GetRoute() != nullptr && projectRoutes.count(f->GetRoute()) == 0) {
                RefuseStructure(archive);
            }
        }
    }
    for (const auto& route : m_routes) {
        // The totals of a route are those of its list.
        long long counts[NUMBER_OF_FACILITY_TYPES] = {0, 0, 0};
        long long quantities[NUMBER_OF_FACILITY_TYPES] = {0, 0, 0};
        for (const CFacility* f : route->GetFacilities()) {
            if (!isProjectFacility(f)) {
                RefuseStructure(archive);
            }
            counts[f->GetType()] += 1;
            quantities[f->GetType()] += f->GetQuantity();
        }
        for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
            if (counts[type] != route->GetCount(type) || quantities[type] != route->GetQuantity(type)) {
                RefuseStructure(archive);
            }
        }
    }
    for (int table = 0; table < kLabelTables; ++table) {
        const std::set<const CObject*>& members =
            table < NUMBER_OF_FACILITY_TYPES ? projectFacilities[table] : projectRoutes;
        for (const auto& [label, object] : labels[table].GetMap()) {
            if (members.count(object) == 0) {
                RefuseStructure(archive);
            }
        }
    }

    // Numbers and label tables follow the arrays.
    int number = 0;
    for (auto& array : m_facilities) {
        for (auto& f : array) {
            f->SetIndex(number);
            if (f->GetLabel().empty()) {
                f->SetLabelText(std::to_string(number + 1));
            }
            EnterFacilityLabel(f.get());
            ++number;
        }
    }
    for (int index = 0; index < GetNumberOfRoutes(); ++index) {
        m_routes[index]->SetIndex(index);
        EnterRouteLabel(m_routes[index].get());
    }

    // The matrix has a row and a column per facility (a project that never had distances may
    // store none).
    const CDoubleMatrix& matrix = m_DistanceData.GetMatrix();
    if (matrix.IsEmpty()) {
        m_DistanceData.SetSize(number);
    } else if (matrix.GetNumberRows() != number || matrix.GetNumberColumns() != number) {
        RefuseStructure(archive);
    }
}
