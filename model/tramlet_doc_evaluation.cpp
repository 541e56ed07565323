// Evaluation of a solution: distance, infeasibility penalty, cost, the consistency check and
// the report of all routes.
#include <cmath>
#include <map>

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

[[noreturn]] void Fail(const std::string& message) {
    DisplayErrorMessage(message, false);
    ThrowUserException();
}

} // namespace

double CTramletDoc::GetTotalDistance(bool includePenalty, const RouteArray* routes) {
    double distance = 0.0;
    if (routes == nullptr) {
        int count = GetNumberOfRoutes();
        if (IsImportingProject()) {
            count = std::min(count, m_lSpecifiedCount[FT_ROUTE]);
        }
        for (int index = 0; index < count; ++index) {
            CRoute* route = m_routes[index].get();
            if (!route->IsEmpty()) {
                distance += route->ComputeDistance();
            }
        }
    } else {
        for (CRoute* route : *routes) {
            if (route != nullptr && !route->IsEmpty()) {
                distance += route->ComputeDistance();
            }
        }
    }
    if (includePenalty && GetInfeasibilityPenalty() > 0.0) {
        distance += GetPenalty(routes);
    }
    return distance;
}

double CTramletDoc::GetPenalty(const RouteArray* routes) const {
    const double P = GetInfeasibilityPenalty();
    if (P <= 0.0) {
        return 0.0;
    }
    // Loads, capacity and counts are widened before any arithmetic: no stored value can overflow.
    const long long Q = GetVehicleCapacity();
    const long long V = GetNumberOfVehicles();
    RouteArray own;
    if (routes == nullptr) {
        own = GetRoutes();
        routes = &own;
    }
    double penalty = 0.0;
    for (const CRoute* route : *routes) {
        if (route == nullptr || route->IsEmpty()) {
            continue;
        }
        for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
            long long quantity = route->GetQuantity(type);
            if (quantity > Q) {
                penalty += static_cast<double>(quantity - Q) * P;
            }
        }
    }
    long long R = static_cast<long long>(routes->size());
    if (R > V) {
        penalty += static_cast<double>(R - V) * static_cast<double>(Q) * P;
    }
    for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
        for (const auto& f : m_facilities[type]) {
            bool routed = false;
            if (routes == &own) {
                routed = f->GetRoute() != nullptr;
            } else {
                for (const CRoute* route : *routes) {
                    if (route != nullptr && route->Contains(f.get())) {
                        routed = true;
                        break;
                    }
                }
            }
            if (!routed) {
                penalty += P * static_cast<double>(f->GetQuantity());
            }
        }
    }
    return penalty;
}

void CTramletDoc::GetDistancePenaltyCost(double& distance, double& penalty, double& cost,
                                         const RouteArray* routes) {
    distance = GetTotalDistance(false, routes);
    penalty = GetPenalty(routes);
    cost = distance + penalty;
}

void CTramletDoc::CheckSequence(CRoute* route) const {
    // States: before the opening depot, after it, after a customer, after a supplier, closed.
    enum { start, opened, customers, suppliers, closed } state = start;
    const CFacility* depot = nullptr;
    const CFacility* last = nullptr;
    for (const CFacility* f : route->GetFacilities()) {
        last = f;
        bool valid = false;
        switch (state) {
        case start:
            valid = f->IsDepot();
            depot = f;
            state = opened;
            break;
        case opened:
            valid = f->IsCustomer() || f->IsSupplier();
            state = f->IsCustomer() ? customers : suppliers;
            break;
        case customers:
            valid = f->IsCustomer() || f->IsSupplier() || f == depot;
            state = f->IsCustomer() ? customers : (f->IsSupplier() ? suppliers : closed);
            break;
        case suppliers:
            valid = f->IsSupplier() || f == depot;
            state = f->IsSupplier() ? suppliers : closed;
            break;
        case closed:
            valid = false;
            break;
        }
        if (!valid) {
            Fail(FormatString("Invalid facility sequence caused by %s %s on route %s",
                              f->GetTypeName().c_str(), f->GetLabel().c_str(), route->GetLabel().c_str()));
        }
    }
    // A route that has entries must end at its opening depot.
    if (last != nullptr && state != closed) {
        Fail(FormatString("Invalid facility sequence caused by %s %s on route %s",
                          last->GetTypeName().c_str(), last->GetLabel().c_str(), route->GetLabel().c_str()));
    }
}

void CTramletDoc::CheckSolution(bool checkCost) {
    const int Q = GetVehicleCapacity();
    const int V = GetNumberOfVehicles();
    int R = IsImportingProject() ? m_lSpecifiedCount[FT_ROUTE] : GetNumberOfRoutes();
    // 1. More routes than vehicles are penalised, not refused.
    if (R > V) {
        DisplayErrorMessage(FormatString("Number of routes %d exceeds number of vehicles %d", R, V), false);
    }
    // 2. Capacity of every route.
    for (const auto& route : m_routes) {
        int quantities[NUMBER_OF_FACILITY_TYPES];
        route->GetQuantities(quantities);
        for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
            if (quantities[type] > Q) {
                Fail(FormatString("Total %s quantity %d exceeds vehicle capacity %d on route %s",
                                  GetTypeName(type).c_str(), quantities[type], Q, route->GetLabel().c_str()));
            }
        }
    }
    // 3. Sequence depot, customers, suppliers, depot.
    for (const auto& route : m_routes) {
        CheckSequence(route.get());
    }
    // 4. Route fields against the routes that list the facilities.
    for (const auto& route : m_routes) {
        for (const CFacility* f : route->GetFacilities()) {
            if (f->IsDepot() || f->GetRoute() == nullptr || f->GetRoute() == route.get()) {
                continue;
            }
            Fail(FormatString(
                "Assignment to route %s for %s facility %s conflicts with information in route %s",
                f->GetRoute()->GetLabel().c_str(), f->GetTypeName().c_str(), f->GetLabel().c_str(),
                route->GetLabel().c_str()));
        }
    }
    // 5. Visits per facility.
    std::map<const CFacility*, int> visits;
    for (const auto& route : m_routes) {
        for (const CFacility* f : route->GetFacilities()) {
            visits[f] += 1;
        }
    }
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        for (const auto& f : m_facilities[type]) {
            auto it = visits.find(f.get());
            int count = it != visits.end() ? it->second : 0;
            if (count == 0 && f->GetRoute() != nullptr) {
                Fail(FormatString("Unrouted %s facility %s included in route %s", f->GetTypeName().c_str(),
                                  f->GetLabel().c_str(), f->GetRoute()->GetLabel().c_str()));
            }
            if (type == FT_DEPOT) {
                // A depot opens and closes routes and never carries a route field.
                continue;
            }
            if (count == 1 && f->GetRoute() == nullptr) {
                Fail(FormatString("Routed %s facility %s contains no route information",
                                  f->GetTypeName().c_str(), f->GetLabel().c_str()));
            }
            if (count > 1) {
                Fail(FormatString("Single route %s facility %s included in %d routes",
                                  f->GetTypeName().c_str(), f->GetLabel().c_str(), count));
            }
        }
    }
    // 6. Routed numbers and quantity totals by type.
    int onRoutes[NUMBER_OF_FACILITY_TYPES] = {0, 0, 0};
    for (const auto& route : m_routes) {
        for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
            onRoutes[type] += route->GetCount(type);
        }
    }
    for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
        int available = GetNumberOfFacilities(type);
        if (onRoutes[type] < 0 || onRoutes[type] > available) {
            Fail(FormatString("Invalid number of routed %s facilities %d outside range [%d, %d]",
                              GetTypeName(type).c_str(), onRoutes[type], 0, available));
        }
    }
    for (int type = 0; type < NUMBER_OF_FACILITY_TYPES; ++type) {
        long total = 0;
        for (const auto& f : m_facilities[type]) {
            total += f->GetQuantity();
        }
        if (total != m_lTotalQuantity[type]) {
            Fail(FormatString("Total computed %s quantity %ld different from recorded quantity %ld",
                              GetTypeName(type).c_str(), total, static_cast<long>(m_lTotalQuantity[type])));
        }
    }
    // 7. The routed count.
    int routed = onRoutes[FT_CUSTOMER] + onRoutes[FT_SUPPLIER];
    if (routed != GetRoutedCount()) {
        Fail(FormatString("Invalid total number of routed facilities %d different from recorded number %d",
                          routed, GetRoutedCount()));
    }
    // 8. and 9. Distance and cost against the recorded values.
    const double tolerance = GetTolerance();
    double d = GetTotalDistance(false);
    double recordedDistance = m_CurrentSolution.m_dDistance;
    if (std::fabs(d - recordedDistance) > tolerance * recordedDistance) {
        Fail(FormatString("Computed total route distance %lf different from recorded distance %lf", d,
                          recordedDistance));
    }
    double c = d;
    if (checkCost) {
        double distance = 0.0;
        double penalty = 0.0;
        GetDistancePenaltyCost(distance, penalty, c);
        double recordedCost = m_CurrentSolution.m_dCost;
        if (std::fabs(c - recordedCost) > tolerance * recordedCost) {
            Fail(FormatString("Computed total route cost %lf different from recorded cost %lf", c,
                              recordedCost));
        }
    }
    // 10. The check passed.
    m_CurrentSolution.m_dDistance = d;
    m_CurrentSolution.m_dCost = c;
    (void)V;
}

void CTramletDoc::WriteRoutesReport(std::FILE* file) {
    double distance = 0.0;
    long customers = 0;
    long demand = 0;
    long suppliers = 0;
    long supply = 0;
    for (const auto& route : m_routes) {
        distance += route->ComputeDistance();
        route->WriteReport(file);
        customers += route->GetCount(FT_CUSTOMER);
        demand += route->GetQuantity(FT_CUSTOMER);
        suppliers += route->GetCount(FT_SUPPLIER);
        supply += route->GetQuantity(FT_SUPPLIER);
    }
    std::fprintf(file,
                 "\nAll Routes:      distance = %12.3lf, # customers = %5ld, total demand = %12ld, # "
                 "suppliers = %5ld, "
                 "total supply %12ld\n\n",
                 distance, customers, demand, suppliers, supply);
}
