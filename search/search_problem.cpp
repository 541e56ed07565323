#include "search/search_problem.h"

#include <algorithm>
#include <cstdlib>

#include "model/tramlet_doc.h"

namespace {

// Copies the matrix, the quantities and the types, and sorts the facilities into visits and
// depots.
void CopyFacilities(const CTramletDoc& document, SSearchProblem& problem) {
    const int n = document.GetTotalNumberOfFacilities();
    problem.dimension = n;
    problem.distances.assign(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0.0);
    problem.quantities.assign(static_cast<std::size_t>(n), 0);
    problem.suppliers.assign(static_cast<std::size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            problem.distances[static_cast<std::size_t>(i * n + j)] = document.GetDistance(i, j);
        }
        const CFacility* f = document.GetFacility(i);
        problem.quantities[static_cast<std::size_t>(i)] = f->GetQuantity();
        problem.suppliers[static_cast<std::size_t>(i)] = f->IsSupplier() ? 1 : 0;
        if (f->IsDepot()) {
            problem.depots.push_back(i);
        } else if (f->GetQuantity() <= problem.capacity) {
            problem.visits.push_back(i);
        } else {
            problem.unroutablePenalty += problem.penaltyPerUnit * f->GetQuantity();
        }
    }
}

// The neighbour lists of the visits and the mean distance between two visits.
void ComputeNeighbours(SSearchProblem& problem) {
    problem.neighbours.assign(static_cast<std::size_t>(problem.dimension), {});
    double sum = 0.0;
    std::size_t pairs = 0;
    for (int i : problem.visits) {
        std::vector<int>& list = problem.neighbours[static_cast<std::size_t>(i)];
        for (int j : problem.visits) {
            if (j != i) {
                list.push_back(j);
                sum += problem.Distance(i, j);
                ++pairs;
            }
        }
        auto closeness = [&](int a, int b) {
            double da = problem.Distance(i, a) + problem.Distance(a, i);
            double db = problem.Distance(i, b) + problem.Distance(b, i);
            return da < db || (da == db && a < b);
        };
        std::sort(list.begin(), list.end(), closeness);
    }
    problem.meanDistance = pairs > 0 ? sum / static_cast<double>(pairs) : 0.0;
}

// A charge larger than the distance of any solution: twice the round trip to every visit.
double FleetViolationCharge(const SSearchProblem& problem) {
    double charge = 1.0;
    for (int i : problem.visits) {
        for (int depot : problem.depots) {
            charge += 2.0 * (problem.Distance(depot, i) + problem.Distance(i, depot));
        }
    }
    return charge;
}

} // namespace

double SSearchProblem::FleetPenalty(int routes, int supplierOnlyRoutes, bool holdFleet) const {
    double penalty = 0.0;
    if (routes > vehicles) {
        penalty += static_cast<double>(routes - vehicles) * capacity * penaltyPerUnit;
    }
    if (fleetRule == EFleetRule::exact || holdFleet) {
        penalty += fleetViolationCharge * (std::abs(routes - vehicles) + supplierOnlyRoutes);
    }
    return penalty;
}

SSearchProblem BuildSearchProblem(const CTramletDoc& document, EFleetRule fleetRule) {
    SSearchProblem problem;
    problem.capacity = document.GetVehicleCapacity();
    problem.vehicles = document.GetNumberOfVehicles();
    problem.penaltyPerUnit = std::max(0.0, document.GetInfeasibilityPenalty());
    problem.fleetRule = fleetRule;
    CopyFacilities(document, problem);
    ComputeNeighbours(problem);
    problem.fleetViolationCharge = FleetViolationCharge(problem);
    return problem;
}
