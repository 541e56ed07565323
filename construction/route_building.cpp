#include "construction/route_building.h"

#include <memory>

#include "model/tramlet_doc.h"

CRoute* OpenDepotRoute(CTramletDoc& document, CFacility* depot) {
    auto route = std::make_unique<CRoute>(&document);
    route->AddFacility(depot, false);
    route->AddFacility(depot, false);
    CRoute* opened = route.get();
    document.AddRoute(std::move(route), true);
    return opened;
}

int CountEligibleFacilities(const CTramletDoc& document, int type) {
    const int Q = document.GetVehicleCapacity();
    int eligible = 0;
    for (int k = 0; k < document.GetNumberOfFacilities(type); ++k) {
        if (document.GetFacility(type, k)->GetQuantity() <= Q) {
            ++eligible;
        }
    }
    return eligible;
}
