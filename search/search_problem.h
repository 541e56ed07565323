#pragma once

#include <vector>

#include "search/search_settings.h"

class CTramletDoc;

// What the search needs of a project, copied once before it starts: the distance matrix by
// project numbers (asymmetric ones as they are), each facility's quantity and type, the
// customers and suppliers to route, the depots, the fleet and the penalty terms, and for every
// facility to route the others by increasing distance.
struct SSearchProblem {
    int dimension = 0;             // facilities in the project (the matrix is dimension x dimension)
    std::vector<double> distances; // row-major
    std::vector<int> quantities;   // by project number
    std::vector<char> suppliers;   // 1 for a supplier, by project number
    std::vector<int> visits;       // customers and suppliers whose quantity fits a vehicle
    std::vector<int> depots;
    // For every project number of a visit: the other visits, nearest first (d(i,j) + d(j,i)).
    std::vector<std::vector<int>> neighbours;
    int capacity = 0;
    int vehicles = 0;
    double penaltyPerUnit = 0.0;
    EFleetRule fleetRule = EFleetRule::atMost;
    // The charge for every route missing or exceeding the number of vehicles and for every route
    // serving suppliers only, where the fleet is held to the vehicles; larger than any distance
    // saving.
    double fleetViolationCharge = 0.0;
    // The penalty of the quantities no vehicle can carry (those facilities stay unrouted).
    double unroutablePenalty = 0.0;
    // The mean distance between two visits (the scale of the acceptance temperature).
    double meanDistance = 0.0;

    double Distance(int from, int to) const {
        return distances[static_cast<std::size_t>(from) * static_cast<std::size_t>(dimension) +
                         static_cast<std::size_t>(to)];
    }
    bool IsSupplier(int node) const { return suppliers[static_cast<std::size_t>(node)] != 0; }
    int Quantity(int node) const { return quantities[static_cast<std::size_t>(node)]; }

    // The fleet terms of a solution with the given non-empty routes, supplier-only routes among
    // them: routes beyond the vehicles cost the capacity times the penalty per unit each, as the
    // project charges them. Under the exact rule, or when the search holds the fleet to the
    // vehicles for a while, each violation of "exactly the vehicles, none for suppliers only"
    // costs the violation charge too.
    double FleetPenalty(int routes, int supplierOnlyRoutes, bool holdFleet = false) const;
};

// Copies what the search needs from the project.
SSearchProblem BuildSearchProblem(const CTramletDoc& document, EFleetRule fleetRule);
