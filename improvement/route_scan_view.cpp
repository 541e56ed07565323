#include "improvement/route_scan_view.h"

#include "model/tramlet_doc.h"

void CRouteScanView::Build(CTramletDoc& document) {
    entries.clear();
    routes.clear();
    int count = document.GetNumberOfRoutes();
    for (int r = 0; r < count; ++r) {
        CRoute* route = document.GetRoute(r);
        SScanRoute view{route, static_cast<int>(entries.size()), route->GetSize()};
        for (CRoute::POSITION position = route->GetHeadPosition(); !route->IsNullPosition(position);
             ++position) {
            CFacility* f = route->GetAt(position);
            entries.push_back({f, position, f->GetIndex(), f->GetType(), f->GetQuantity()});
        }
        routes.push_back(view);
    }
}

bool CRouteScanView::IsInMatrix(const SScanRoute& route, int matrixSize) const {
    const SScanEntry* e = Entries(route);
    for (int k = 0; k < route.size; ++k) {
        if (e[k].index < 0 || e[k].index >= matrixSize) {
            return false;
        }
    }
    return true;
}
