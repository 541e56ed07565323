// The document's lifecycle, its facilities and its label tables.
#include "model/tramlet_doc.h"

#include <algorithm>

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/model_strings.h"

namespace {

// Documents alive, oldest first.
std::vector<CTramletDoc*>& LiveDocuments() {
    static std::vector<CTramletDoc*> documents;
    return documents;
}

} // namespace

CTramletDoc::CTramletDoc() {
    for (int type = 0; type < 4; ++type) {
        m_strTypeName[type] = GetFacilityTypeName(type);
        m_strTypeCode[type] = GetFacilityTypeCode(type);
    }
    LiveDocuments().push_back(this);
    Clear();
}

CTramletDoc::~CTramletDoc() {
    // Routes refer to facilities: they go first.
    m_routes.clear();
    for (auto& facilities : m_facilities) {
        facilities.clear();
    }
    auto& documents = LiveDocuments();
    documents.erase(std::remove(documents.begin(), documents.end(), this), documents.end());
}

CTramletDoc* CTramletDoc::GetActiveDocument() {
    auto& documents = LiveDocuments();
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        CSableDocument* current = app->GetDocument();
        auto it = std::find(documents.begin(), documents.end(), current);
        if (it != documents.end()) {
            return *it;
        }
    }
    return documents.empty() ? nullptr : documents.back();
}

void CTramletDoc::MakeActive() {
    if (CSableWinApp* app = CSableWinApp::GetApp()) {
        app->SetDocument(this);
    }
}

bool CTramletDoc::IsImportingProject() const {
    CSableWinApp* app = CSableWinApp::GetApp();
    return app != nullptr && app->IsImporting();
}

// ---- lifecycle ----

void CTramletDoc::OnNewDocument(const CLonLatRect& worldLimits, MP_TYPE projection) {
    Clear();
    SetDocTitle("Untitled");
    SetMapProjectionType(projection);
    SetWorldLimits(worldLimits);
    InitializeMapProjection();
    InitializeCommonParameters();
    InitializeFleetParameters();
    ResetAlgorithmParameters();
    ResetCurrentSolution();
    SetModifiedFlag(false);
}

void CTramletDoc::Clear() {
    CSableDocument::Clear();
    m_routes.clear();
    m_mapRouteLabels.clear();
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        m_facilities[type].clear();
        m_mapLabels[type].clear();
    }
    for (int type = 0; type < 4; ++type) {
        m_strDataFileName[type].clear();
        m_lSpecifiedCount[type] = 0;
        m_lTotalQuantity[type] = 0;
    }
    SetDistanceFileName(std::string());
    m_lSelectedType = -1;
    SetDistanceNorm(DN_EUCLIDEAN);
    m_NumberOfVehicles.Clear();
    m_VehicleCapacity.Clear();
    m_InfeasibilityPenalty.Clear();
    ResetAlgorithmParameters();
    m_DistanceData.Clear();
    m_AlgorithmStatistics.clear();
    m_CurrentSolution.m_lNumberOfRoutedFacilities = 0;
    m_CurrentSolution.m_lNumberOfRoutes = 0;
    m_CurrentSolution.m_dDistance = 0.0;
}

void CTramletDoc::InitializeFleetParameters(bool forImport) {
    m_NumberOfVehicles.Initialize(10, 1, TRAMLET_MAX_VEHICLES, 10, "Number of Vehicles");
    m_VehicleCapacity.Initialize(100, 1, 32767, 100, "Vehicle Capacity");
    m_InfeasibilityPenalty.Initialize(1000.0, 0.0, forImport ? 2147483647.0 : 1000000.0, 1000.0,
                                      "Infeasibility Penalty");
}

void CTramletDoc::ResetAlgorithmParameters() {
    m_lChainLength = 1;
    m_lStartingAngle = 0;
    m_lRandomizationDepth = 1;
    m_dCrossoverPenaltyFactor = 0.25;
}

void CTramletDoc::ResetCurrentSolution() {
    m_CurrentSolution.ResetForProject(static_cast<unsigned>(GetSeed()));
}

// ---- numbering ----

int CTramletDoc::GetTotalNumberOfFacilities() const {
    int n = 0;
    for (const auto& facilities : m_facilities) {
        n += static_cast<int>(facilities.size());
    }
    return n;
}

int CTramletDoc::GetFirstNumber(int type) const {
    int number = 0;
    for (int t = 0; t < type && t < NUMBER_OF_FACILITY_TYPES; ++t) {
        number += static_cast<int>(m_facilities[t].size());
    }
    return number;
}

CFacility* CTramletDoc::GetFacility(int i) const {
    if (i < 0) {
        return nullptr;
    }
    for (const auto& facilities : m_facilities) {
        int count = static_cast<int>(facilities.size());
        if (i < count) {
            return facilities[i].get();
        }
        i -= count;
    }
    return nullptr;
}

CFacility* CTramletDoc::GetFacility(int type, int k) const {
    if (type < 0 || type >= NUMBER_OF_FACILITY_TYPES || k < 0 || k >= GetNumberOfFacilities(type)) {
        return nullptr;
    }
    return m_facilities[type][k].get();
}

bool CTramletDoc::ContainsFacility(const CFacility* f) const {
    if (f == nullptr || f->GetType() < 0 || f->GetType() >= NUMBER_OF_FACILITY_TYPES) {
        return false;
    }
    for (const auto& g : m_facilities[f->GetType()]) {
        if (g.get() == f) {
            return true;
        }
    }
    return false;
}

void CTramletDoc::NumberFacilitiesFrom(int type) {
    int number = GetFirstNumber(type);
    for (int t = type; t < NUMBER_OF_FACILITY_TYPES; ++t) {
        for (auto& f : m_facilities[t]) {
            f->SetIndex(number);
            if (f->GetLabel().empty()) {
                f->SetLabelText(std::to_string(number + 1));
                EnterFacilityLabel(f.get());
            }
            ++number;
        }
    }
}

void CTramletDoc::RenumberFacilities() {
    NumberFacilitiesFrom(FT_CUSTOMER);
}

// ---- adding and deleting facilities ----

bool CTramletDoc::CheckFacilityLimit(int type, long long adding) const {
    const long long count = static_cast<long long>(GetNumberOfFacilities(type)) + adding;
    if (count <= TRAMLET_MAX_FACILITIES_PER_TYPE) {
        return true;
    }
    DisplayErrorMessage(FormatString("Invalid number of %s facilities %s out of range [%d, %d]",
                                     GetTypeName(type).c_str(), std::to_string(count).c_str(), 0,
                                     TRAMLET_MAX_FACILITIES_PER_TYPE),
                        false);
    return false;
}

CFacility* CTramletDoc::AddFacility(std::unique_ptr<CFacility> facility, bool updateDistances) {
    if (facility == nullptr || facility->GetType() < 0 || facility->GetType() >= NUMBER_OF_FACILITY_TYPES) {
        ThrowUserException();
    }
    CFacility* f = facility.get();
    f->SetDocument(this);
    int type = f->GetType();
    if (!CheckFacilityLimit(type, 1)) {
        ThrowUserException();
    }
    int number = GetFirstNumber(type) + GetNumberOfFacilities(type);
    f->SetIndex(number);
    if (f->GetLabel().empty()) {
        f->SetLabelText(std::to_string(number + 1));
    }
    m_facilities[type].push_back(std::move(facility));
    EnterFacilityLabel(f);
    m_lTotalQuantity[type] += f->GetQuantity();
    if (!IsImportingProject()) {
        m_lSpecifiedCount[type] += 1;
    }
    // The facilities of the following types move one number up.
    if (type != FT_DEPOT) {
        NumberFacilitiesFrom(type + 1);
    }
    if (updateDistances) {
        int n = GetTotalNumberOfFacilities();
        if (m_DistanceData.GetNumberFacilities() == n - 1) {
            m_DistanceData.InsertFacility(number);
        } else {
            m_DistanceData.Resize(n);
        }
        if (type == FT_DEPOT) {
            ComputeFacilityDistances(f);
        } else {
            ComputeAllDistances();
        }
    }
    return f;
}

void CTramletDoc::DeleteFacility(CFacility* f) {
    if (!ContainsFacility(f)) {
        return;
    }
    int type = f->GetType();
    if (type == FT_DEPOT) {
        DeleteAllRoutes();
    } else if (CRoute* route = f->GetRoute()) {
        route->RemoveFacility(f, false);
        AdjustRoutedCount(-1);
        RedrawAllViews();
    }
    int number = f->GetIndex();
    if (number >= 0 && number < m_DistanceData.GetNumberFacilities()) {
        m_DistanceData.RemoveFacility(number);
    }
    m_lTotalQuantity[type] -= f->GetQuantity();
    RemoveFacilityLabel(f);
    auto& facilities = m_facilities[type];
    auto it = std::find_if(facilities.begin(), facilities.end(), [f](const auto& g) { return g.get() == f; });
    std::unique_ptr<CFacility> owned = std::move(*it);
    facilities.erase(it);
    m_lSpecifiedCount[type] -= 1;
    NumberFacilitiesFrom(type);
    owned.reset();
    SetModifiedFlag(true);
}

void CTramletDoc::DeleteAllFacilities() {
    DeleteAllRoutes();
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        m_facilities[type].clear();
        m_mapLabels[type].clear();
        m_lSpecifiedCount[type] = 0;
        m_lTotalQuantity[type] = 0;
    }
    m_DistanceData.Clear();
}

bool CTramletDoc::AdjustTotalQuantity(int type, int delta) {
    m_lTotalQuantity[type] += delta;
    return static_cast<long long>(m_lTotalQuantity[type]) <=
           static_cast<long long>(GetNumberOfVehicles()) * GetVehicleCapacity();
}

bool CTramletDoc::ChangeFacilityQuantity(CFacility* f, int quantity) {
    int type = f->GetType();
    int delta = quantity - f->GetQuantity();
    bool fits = AdjustTotalQuantity(type, delta);
    if (CRoute* route = f->GetRoute()) {
        route->AdjustQuantity(type, delta);
    }
    f->SetQuantity(quantity);
    SetModifiedFlag(true);
    return fits;
}

// ---- label tables ----

CFacility* CTramletDoc::FindFacilityByLabel(int type, const std::string& label) const {
    if (type < 0 || type >= NUMBER_OF_FACILITY_TYPES) {
        return nullptr;
    }
    auto it = m_mapLabels[type].find(label);
    return it != m_mapLabels[type].end() ? it->second : nullptr;
}

CRoute* CTramletDoc::FindRouteByLabel(const std::string& label) const {
    auto it = m_mapRouteLabels.find(label);
    return it != m_mapRouteLabels.end() ? it->second : nullptr;
}

void CTramletDoc::EnterFacilityLabel(CFacility* f) {
    if (f->GetType() >= 0 && f->GetType() < NUMBER_OF_FACILITY_TYPES && !f->GetLabel().empty()) {
        m_mapLabels[f->GetType()][f->GetLabel()] = f;
    }
}

void CTramletDoc::RemoveFacilityLabel(const CFacility* f) {
    if (f->GetType() < 0 || f->GetType() >= NUMBER_OF_FACILITY_TYPES) {
        return;
    }
    auto& table = m_mapLabels[f->GetType()];
    auto it = table.find(f->GetLabel());
    if (it != table.end() && it->second == f) {
        table.erase(it);
    }
}

void CTramletDoc::EnterRouteLabel(CRoute* route) {
    m_mapRouteLabels[route->GetLabel()] = route;
}

void CTramletDoc::RemoveRouteLabel(const CRoute* route) {
    auto it = m_mapRouteLabels.find(route->GetLabel());
    if (it != m_mapRouteLabels.end() && it->second == route) {
        m_mapRouteLabels.erase(it);
    }
}

// ---- world and view ----

bool CTramletDoc::IsGeographic() const {
    return IsGeographicProjection();
}

CIntPoint CTramletDoc::WorldToViewPoint(const CLonLatPoint& world) const {
    // A document whose projection was never set up (no new project, no file) keeps world
    // coordinates as they are.
    if (!GetMapProjection().IsInitialized()) {
        return CIntPoint{world.m_lon, world.m_lat};
    }
    return WorldToView(world);
}
