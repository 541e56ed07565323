#pragma once

#include "tests/support/project_fixture.h"

// A small routed project (view coordinates: y grows downward from the northern limit 10000):
// depot d in the middle at (5000, 5000), customer c at (2000, 3000) and supplier s at
// (8000, 3000) on route 1 in
// palette colour navy (9), customer u at (2000, 8000) unrouted; an empty route 2 and a route 3 of its depot
// alone. Every symbol is a square of half-width 40 unless a test changes it.
class RoutesProjectFixture : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        d = AddDepot("d", 5000, 5000);
        c = AddCustomer("c", 2000, 7000, 0);
        s = AddSupplier("s", 8000, 7000, 50);
        u = AddCustomer("u", 2000, 2000, 100);
        for (CFacility* f : {d, c, s, u}) {
            f->SetShape(SHAPE_SQUARE);
            f->SetSize(40);
        }
        route = AddRoute({d, c, s, d});
        CPRGB navy;
        navy.SetColorIndex(COLOR_NAVY);
        route->SetColor(navy);
        empty = AddRoute({});
        depotOnly = AddRoute({d});
        ui.ClearRecords();
    }

    CFacility *d = nullptr, *c = nullptr, *s = nullptr, *u = nullptr;
    CRoute *route = nullptr, *empty = nullptr, *depotOnly = nullptr;
};
