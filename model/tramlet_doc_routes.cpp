// The document's routes: adding, removing, deleting and snapshots.
#include <algorithm>

#include "framework/exceptions/user_exception.h"
#include "framework/parameters/long_parameter.h"
#include "model/tramlet_doc.h"

namespace {
// Palette colours given to routes in turn: (k mod 7) + 8.
constexpr int kFirstRouteColor = 8;
constexpr int kRouteColorCycle = 7;
} // namespace

CRoute* CTramletDoc::GetRoute(int index) const {
    if (index < 0 || index >= GetNumberOfRoutes()) {
        return nullptr;
    }
    return m_routes[index].get();
}

CTramletDoc::RouteArray CTramletDoc::GetRoutes() const {
    RouteArray routes;
    routes.reserve(m_routes.size());
    for (const auto& route : m_routes) {
        routes.push_back(route.get());
    }
    return routes;
}

int CTramletDoc::AddRoute(std::unique_ptr<CRoute> route, bool countRouted) {
    if (route == nullptr) {
        ThrowUserException();
    }
    bool importing = IsImportingProject();
    const CPRGB& color = route->GetColor();
    if (!color.UseRGBColor() && color.GetColorIndex() == COLOR_BLUE) {
        int k = importing ? m_lSpecifiedCount[FT_ROUTE] : GetNumberOfRoutes();
        CPRGB next;
        next.SetColorIndex(k % kRouteColorCycle + kFirstRouteColor);
        route->SetColor(next);
    }
    CRoute* added = route.get();
    added->SetDocument(this);
    m_routes.push_back(std::move(route));
    int index = GetNumberOfRoutes() - 1;
    added->SetIndex(index);
    added->SetLabel(std::to_string(index + 1));
    EnterRouteLabel(added);
    if (!importing) {
        m_lSpecifiedCount[FT_ROUTE] += 1;
    }
    if (countRouted) {
        AdjustRoutedCount(added->GetNumberOfCustomers() + added->GetNumberOfSuppliers());
    }
    m_CurrentSolution.m_lNumberOfRoutes = GetNumberOfRoutes();
    return index;
}

std::unique_ptr<CRoute> CTramletDoc::RemoveRoute(CRoute* route, bool countRouted) {
    auto it =
        std::find_if(m_routes.begin(), m_routes.end(), [route](const auto& r) { return r.get() == route; });
    if (it == m_routes.end()) {
        return nullptr;
    }
    std::unique_ptr<CRoute> removed = std::move(*it);
    m_routes.erase(it);
    RemoveRouteLabel(removed.get());
    if (countRouted) {
        AdjustRoutedCount(-(removed->GetNumberOfCustomers() + removed->GetNumberOfSuppliers()));
    }
    if (!IsImportingProject()) {
        m_lSpecifiedCount[FT_ROUTE] -= 1;
    }
    m_CurrentSolution.m_lNumberOfRoutes = GetNumberOfRoutes();
    RenumberRoutes();
    return removed;
}

std::unique_ptr<CRoute> CTramletDoc::RemoveLastRoute(bool countRouted) {
    if (m_routes.empty()) {
        return nullptr;
    }
    return RemoveRoute(m_routes.back().get(), countRouted);
}

void CTramletDoc::DeleteRoute(CRoute* route) {
    auto it =
        std::find_if(m_routes.begin(), m_routes.end(), [route](const auto& r) { return r.get() == route; });
    if (it == m_routes.end()) {
        return;
    }
    route->Clear();
    RemoveRouteLabel(route);
    std::unique_ptr<CRoute> removed = std::move(*it);
    m_routes.erase(it);
    m_lSpecifiedCount[FT_ROUTE] -= 1;
    m_CurrentSolution.m_lNumberOfRoutes = GetNumberOfRoutes();
    RenumberRoutes();
}

void CTramletDoc::DeleteAllRoutes() {
    while (!m_routes.empty()) {
        CRoute* route = m_routes.back().get();
        AdjustRoutedCount(-(route->GetNumberOfCustomers() + route->GetNumberOfSuppliers()));
        route->Clear();
        m_routes.pop_back();
    }
    m_mapRouteLabels.clear();
    m_lSpecifiedCount[FT_ROUTE] = 0;
    m_CurrentSolution.m_lNumberOfRoutes = 0;
    SetRoutedCount(0);
    m_CurrentSolution.m_dDistance = 0.0;
    m_CurrentSolution.m_dCost = 0.0;
    for (auto& facilities : m_facilities) {
        for (auto& f : facilities) {
            f->SetRoute(nullptr);
        }
    }
    if (GetReportLevel() >= REPORT_STANDARD) {
        RedrawAllViews();
    }
}

void CTramletDoc::RenumberRoutes() {
    m_mapRouteLabels.clear();
    for (int index = 0; index < GetNumberOfRoutes(); ++index) {
        CRoute* route = m_routes[index].get();
        route->SetIndex(index);
        route->SetLabel(std::to_string(index + 1));
        EnterRouteLabel(route);
    }
}

// ---- snapshots ----

void CTramletDoc::SaveRouteSnapshot(CRouteSnapshot& snapshot) const {
    snapshot.m_routes.clear();
    for (const auto& route : m_routes) {
        snapshot.m_routes.push_back(std::make_unique<CRoute>(*route));
    }
    auto indexOf = [this](const CRoute* route) {
        for (int index = 0; index < GetNumberOfRoutes(); ++index) {
            if (m_routes[index].get() == route) {
                return index;
            }
        }
        return -1;
    };
    snapshot.m_customerRoutes.clear();
    for (const auto& f : m_facilities[FT_CUSTOMER]) {
        snapshot.m_customerRoutes.push_back(indexOf(f->GetRoute()));
    }
    snapshot.m_supplierRoutes.clear();
    for (const auto& f : m_facilities[FT_SUPPLIER]) {
        snapshot.m_supplierRoutes.push_back(indexOf(f->GetRoute()));
    }
}

void CTramletDoc::RestoreRouteSnapshot(const CRouteSnapshot& snapshot) {
    m_routes.clear();
    m_mapRouteLabels.clear();
    int routed = 0;
    for (const auto& saved : snapshot.m_routes) {
        auto copy = std::make_unique<CRoute>(*saved);
        copy->SetDocument(this);
        routed += copy->GetNumberOfCustomers() + copy->GetNumberOfSuppliers();
        m_routes.push_back(std::move(copy));
    }
    RenumberRoutes();
    const std::vector<int>* indices[2] = {&snapshot.m_customerRoutes, &snapshot.m_supplierRoutes};
    for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
        const auto& facilities = m_facilities[type];
        for (size_t k = 0; k < facilities.size(); ++k) {
            int index = k < indices[type]->size() ? (*indices[type])[k] : -1;
            facilities[k]->SetRoute(GetRoute(index));
        }
    }
    for (auto& depot : m_facilities[FT_DEPOT]) {
        depot->SetRoute(nullptr);
    }
    m_lSpecifiedCount[FT_ROUTE] = GetNumberOfRoutes();
    m_CurrentSolution.m_lNumberOfRoutes = GetNumberOfRoutes();
    SetRoutedCount(routed);
}
