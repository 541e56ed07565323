#include "search/search_solution.h"

#include <algorithm>

#include "search/search_problem.h"

CSearchSolution::CSearchSolution(const SSearchProblem& problem)
    : m_problem(&problem), m_slots(problem.visits.size() + 1),
      m_routeOf(static_cast<std::size_t>(problem.dimension), -1) {
    for (SSearchRoute& route : m_slots) {
        route.nodes.reserve(problem.visits.size());
    }
}

CSearchSolution::CSearchSolution(const CSearchSolution& other) : CSearchSolution(*other.m_problem) {
    *this = other;
}

double CSearchSolution::Cost() const {
    return m_distance + m_problem->FleetPenalty(m_routes, m_supplierOnly);
}

double CSearchSolution::ProjectCost() const {
    const SSearchProblem& p = *m_problem;
    return m_distance + (m_routes > p.vehicles
                             ? static_cast<double>(m_routes - p.vehicles) * p.capacity * p.penaltyPerUnit
                             : 0.0);
}

double CSearchSolution::Objective() const {
    return m_distance + m_problem->FleetPenalty(m_routes, m_supplierOnly, m_holdFleet);
}

int CSearchSolution::EmptySlot() const {
    for (int slot = 0; slot < SlotCount(); ++slot) {
        if (Slot(slot).IsEmpty()) {
            return slot;
        }
    }
    return -1;
}

double CSearchSolution::FleetDeltaOfInsertion(int slot, int node) const {
    const SSearchRoute& route = Slot(slot);
    int routes = m_routes;
    int supplierOnly = m_supplierOnly;
    const bool supplier = m_problem->IsSupplier(node);
    if (route.IsEmpty()) {
        ++routes;
        supplierOnly += supplier ? 1 : 0;
    } else if (route.IsSupplierOnly() && !supplier) {
        --supplierOnly;
    } else {
        return 0.0;
    }
    return m_problem->FleetPenalty(routes, supplierOnly, m_holdFleet) -
           m_problem->FleetPenalty(m_routes, m_supplierOnly, m_holdFleet);
}

void CSearchSolution::Count(const SSearchRoute& route, int sign) {
    if (route.IsEmpty()) {
        return;
    }
    m_distance += sign * route.distance;
    m_routes += sign;
    m_supplierOnly += route.IsSupplierOnly() ? sign : 0;
}

void CSearchSolution::Recompute(SSearchRoute& route) const {
    route.load[0] = route.load[1] = 0;
    route.customers = 0;
    route.distance = 0.0;
    int previous = route.depot;
    for (int node : route.nodes) {
        const bool supplier = m_problem->IsSupplier(node);
        route.load[supplier ? 1 : 0] += m_problem->Quantity(node);
        route.customers += supplier ? 0 : 1;
        route.distance += m_problem->Distance(previous, node);
        previous = node;
    }
    if (!route.nodes.empty()) {
        route.distance += m_problem->Distance(previous, route.depot);
    }
}

void CSearchSolution::Insert(int slot, int p, int node, int depot) {
    SSearchRoute& route = m_slots[static_cast<std::size_t>(slot)];
    Count(route, -1);
    if (route.IsEmpty()) {
        route.depot = depot;
        route.distance = m_problem->Distance(depot, depot);
    }
    const int before = route.Before(p);
    const int after = route.At(p);
    route.distance += m_problem->Distance(before, node) + m_problem->Distance(node, after) -
                      m_problem->Distance(before, after);
    route.nodes.insert(route.nodes.begin() + p, node);
    const bool supplier = m_problem->IsSupplier(node);
    route.load[supplier ? 1 : 0] += m_problem->Quantity(node);
    route.customers += supplier ? 0 : 1;
    m_routeOf[static_cast<std::size_t>(node)] = slot;
    Count(route, 1);
}

void CSearchSolution::RemoveFlagged(int slot, const std::vector<char>& removed) {
    SSearchRoute& route = m_slots[static_cast<std::size_t>(slot)];
    Count(route, -1);
    auto isRemoved = [&](int node) { return removed[static_cast<std::size_t>(node)] != 0; };
    for (int node : route.nodes) {
        if (isRemoved(node)) {
            m_routeOf[static_cast<std::size_t>(node)] = -1;
        }
    }
    route.nodes.erase(std::remove_if(route.nodes.begin(), route.nodes.end(), isRemoved), route.nodes.end());
    Recompute(route);
    Count(route, 1);
}
