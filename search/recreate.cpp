#include "search/recreate.h"

#include <algorithm>
#include <limits>

#include "search/search_problem.h"
#include "search/search_random.h"
#include "search/search_solution.h"

namespace {

// The chance that a link is skipped.
constexpr double kBlinkRate = 0.01;

} // namespace

CGreedyRecreate::CGreedyRecreate(const SSearchProblem& problem)
    : m_problem(problem), m_depotDistance(static_cast<std::size_t>(problem.dimension), 0.0) {
    if (!problem.depots.empty()) {
        const int depot = problem.depots.front();
        for (int node : problem.visits) {
            m_depotDistance[static_cast<std::size_t>(node)] =
                problem.Distance(depot, node) + problem.Distance(node, depot);
        }
    }
}

void CGreedyRecreate::SortPending(CSearchRandom& random, std::vector<int>& pending) const {
    const double order = random.Uniform() * 11.0;
    auto distance = [&](int node) { return m_depotDistance[static_cast<std::size_t>(node)]; };
    if (order < 4.0) {
        for (std::size_t k = pending.size(); k > 1; --k) {
            std::swap(pending[k - 1], pending[static_cast<std::size_t>(random.Below(static_cast<int>(k)))]);
        }
    } else if (order < 8.0) {
        std::sort(pending.begin(), pending.end(), [&](int a, int b) {
            int qa = m_problem.Quantity(a);
            int qb = m_problem.Quantity(b);
            return qa > qb || (qa == qb && a < b);
        });
    } else if (order < 10.0) {
        std::sort(pending.begin(), pending.end(), [&](int a, int b) {
            return distance(a) > distance(b) || (distance(a) == distance(b) && a < b);
        });
    } else {
        std::sort(pending.begin(), pending.end(), [&](int a, int b) {
            return distance(a) < distance(b) || (distance(a) == distance(b) && a < b);
        });
    }
}

void CGreedyRecreate::OfferRoute(const CSearchSolution& solution, CSearchRandom& random, int slot, int node,
                                 SPlace& place) const {
    const SSearchRoute& route = solution.Slot(slot);
    const bool supplier = m_problem.IsSupplier(node);
    if (route.load[supplier ? 1 : 0] + m_problem.Quantity(node) > m_problem.capacity) {
        return; // no room for the visit's type
    }
    // Customers go between the depot and the first supplier, suppliers after the last customer.
    const int first = supplier ? route.customers : 0;
    const int last = supplier ? route.Size() : route.customers;
    const double fleet = solution.FleetDeltaOfInsertion(slot, node);
    for (int p = first; p <= last; ++p) {
        if (random.Uniform() < kBlinkRate) {
            continue;
        }
        const int before = route.Before(p);
        const int after = route.At(p);
        const double delta = m_problem.Distance(before, node) + m_problem.Distance(node, after) -
                             m_problem.Distance(before, after) + fleet;
        if (delta < place.delta) {
            place = {slot, p, route.depot, delta};
        }
    }
}

CGreedyRecreate::SPlace CGreedyRecreate::FindPlace(const CSearchSolution& solution, CSearchRandom& random,
                                                   int node) const {
    SPlace place;
    place.delta = std::numeric_limits<double>::infinity();
    for (int slot = 0; slot < solution.SlotCount(); ++slot) {
        if (!solution.Slot(slot).IsEmpty()) {
            OfferRoute(solution, random, slot, node, place);
        }
    }
    // A new route from each depot.
    const int empty = solution.EmptySlot();
    const double fleet = solution.FleetDeltaOfInsertion(empty, node);
    for (int depot : m_problem.depots) {
        const double delta = m_problem.Distance(depot, node) + m_problem.Distance(node, depot) + fleet;
        if (delta < place.delta) {
            place = {empty, 0, depot, delta};
        }
    }
    return place;
}

void CGreedyRecreate::Apply(CSearchSolution& solution, CSearchRandom& random, std::vector<int>& pending) {
    SortPending(random, pending);
    for (int node : pending) {
        const SPlace place = FindPlace(solution, random, node);
        solution.Insert(place.slot, place.position, node, place.depot);
    }
    pending.clear();
}
