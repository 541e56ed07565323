#pragma once

#include <vector>

struct SSearchProblem;

// One route of the search: a depot, its customers, then its suppliers, and the depot again.
struct SSearchRoute {
    int depot = -1;
    std::vector<int> nodes; // customers first, then suppliers (project numbers)
    int customers = 0;      // how many of the nodes are customers
    int load[2] = {0, 0};   // customer load, supplier load
    double distance = 0.0;

    bool IsEmpty() const { return nodes.empty(); }
    bool IsSupplierOnly() const { return customers == 0 && !nodes.empty(); }
    int Size() const { return static_cast<int>(nodes.size()); }
    // The node before position p (the depot for p = 0) and the node at p (the depot past the end).
    int Before(int p) const { return p == 0 ? depot : nodes[static_cast<std::size_t>(p - 1)]; }
    int At(int p) const { return p == Size() ? depot : nodes[static_cast<std::size_t>(p)]; }
};

// A solution of the search: route slots (empty ones free to open), the route of every node and
// the totals the cost is made of. Every container is sized when the solution is made, so copying
// one solution into another and changing its routes allocate nothing.
class CSearchSolution {
public:
    explicit CSearchSolution(const SSearchProblem& problem);
    // A copy has the full capacity of a made solution, so assignments to it allocate nothing.
    CSearchSolution(const CSearchSolution& other);
    CSearchSolution& operator=(const CSearchSolution&) = default;

    // Distance plus the fleet terms of the rule: the cost by which solutions are compared.
    double Cost() const;
    // The cost as the project charges it: distance plus the routes beyond the vehicles (the
    // constant penalty of unroutable facilities left out).
    double ProjectCost() const;
    // The cost the search minimises: the cost, with the fleet held to the vehicles while
    // HoldFleet is set (see SSearchProblem::FleetPenalty).
    double Objective() const;
    void SetHoldFleet(bool hold) { m_holdFleet = hold; }
    double Distance() const { return m_distance; }
    int RouteCount() const { return m_routes; }
    int SupplierOnlyRouteCount() const { return m_supplierOnly; }

    int SlotCount() const { return static_cast<int>(m_slots.size()); }
    const SSearchRoute& Slot(int slot) const { return m_slots[static_cast<std::size_t>(slot)]; }
    // The slot of a node, -1 when it is not routed.
    int RouteOf(int node) const { return m_routeOf[static_cast<std::size_t>(node)]; }
    // The first empty slot (there is always one: a slot per visit and one more).
    int EmptySlot() const;

    // The change of the objective's fleet terms when slot gains a first customer or supplier (or, for a
    // supplier-only route, a first customer).
    double FleetDeltaOfInsertion(int slot, int node) const;
    // Inserts node at position p of slot (an empty slot becomes a route from depot).
    void Insert(int slot, int p, int node, int depot);
    // Takes the nodes flagged in removed (by project number) out of slot.
    void RemoveFlagged(int slot, const std::vector<char>& removed);

private:
    // Adds (sign 1) or takes away (sign -1) a route's part of the solution's totals.
    void Count(const SSearchRoute& route, int sign);
    // Recomputes a route's loads, customer count and distance from its nodes.
    void Recompute(SSearchRoute& route) const;

    const SSearchProblem* m_problem;
    std::vector<SSearchRoute> m_slots;
    std::vector<int> m_routeOf;
    double m_distance = 0.0;
    int m_routes = 0;
    int m_supplierOnly = 0;
    bool m_holdFleet = false;
};
