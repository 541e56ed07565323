#pragma once

#include <vector>

#include "model/route.h"

class CFacility;
class CTramletDoc;

// A facility of a route and its place in the route.
struct SRoutePlace {
    CFacility* facility = nullptr;
    CRoute::POSITION position{};
};

// One entry of a route in the flat view.
struct SScanEntry {
    CFacility* facility;
    CRoute::POSITION position;
    int index;    // the facility's number (its distance-matrix row)
    int type;     // customer 0, supplier 1, depot 2
    int quantity; // the facility's quantity

    SRoutePlace Place() const { return {facility, position}; }
};

// One route in the flat view: its entries are entries[first] to entries[first + size - 1].
struct SScanRoute {
    CRoute* route;
    int first;
    int size;
    // A route holding only its two depot entries (or nothing) has nothing to move.
    bool HasFacilities() const { return size > 2; }
};

// A flat copy of the routes' visiting sequences, made once per scan so that the inner loops of
// the scans read arrays and the distance matrix only. Its buffers are kept from scan to scan.
class CRouteScanView {
public:
    // Lays out every route of the project, in the project's order.
    void Build(CTramletDoc& document);
    // The entries of a route.
    const SScanEntry* Entries(const SScanRoute& route) const { return entries.data() + route.first; }
    // Whether every facility of the route has a row and column in a matrix of this size.
    bool IsInMatrix(const SScanRoute& route, int matrixSize) const;

    std::vector<SScanEntry> entries;
    std::vector<SScanRoute> routes;
};
