#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "framework/colours/color.h"
#include "framework/colours/shape.h"
#include "model/tramlet_doc.h"
#include "tests/support/app_fixture.h"

// A route's facility labels in order, and the same joined by blanks ("d1 c1 c2 d1").
inline std::vector<std::string> RouteLabels(const CRoute* route) {
    std::vector<std::string> labels;
    for (const CFacility* f : route->GetFacilities()) {
        labels.push_back(f->GetLabel());
    }
    return labels;
}

inline std::string RouteText(const CRoute* route) {
    std::string text;
    for (const std::string& label : RouteLabels(route)) {
        text += (text.empty() ? "" : " ") + label;
    }
    return text;
}

// A project built in code: an application with the scripted user interface (AppFixture), and
// a new rectangular project (world limits 0..10000 on both axes, Euclidean norm, 10 vehicles of
// capacity 100, penalty 1000.0). Facilities are added with their distances computed; routes are
// built from a visiting sequence. The message records are emptied after setting up.
//
//   CFacility* d = AddDepot("d1", 0, 0);
//   CFacility* c = AddCustomer("c1", 3, 4, 10);
//   CRoute* r = AddRoute({d, c, d});
//   RecordCurrentSolution();   // the recorded distance and cost of the routes, as a run stores them
//   doc->CheckSolution(true);
class ProjectFixture : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        doc = std::make_unique<CTramletDoc>();
        doc->MakeActive();
        doc->OnNewDocument();
        ui.ClearRecords();
    }

    void TearDown() override {
        doc.reset();
        AppFixture::TearDown();
    }

    // A facility of the type at (x, y) with the quantity, added to the project with its distances.
    CFacility* AddFacility(int type, const std::string& label, int x, int y, int quantity = 0) {
        static const int colors[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
        CPRGB color;
        color.SetColorIndex(colors[type]);
        auto f = std::make_unique<CFacility>(doc.get(), type, CLonLatPoint(x, y), CIntPoint{x, y}, quantity,
                                             5, SHAPE_CIRCLE, color, label,
                                             std::string(doc->GetTypeCode(type)) + label);
        f->UpdateViewLocation();
        return doc->AddFacility(std::move(f), true);
    }
    CFacility* AddCustomer(const std::string& label, int x, int y, int demand) {
        return AddFacility(FT_CUSTOMER, label, x, y, demand);
    }
    CFacility* AddSupplier(const std::string& label, int x, int y, int supply) {
        return AddFacility(FT_SUPPLIER, label, x, y, supply);
    }
    CFacility* AddDepot(const std::string& label, int x, int y) {
        return AddFacility(FT_DEPOT, label, x, y, 0);
    }

    // A route visiting the sequence as given (the depot entries without setting their route
    // field), added to the project with its routed count.
    CRoute* AddRoute(std::initializer_list<CFacility*> sequence) {
        auto route = std::make_unique<CRoute>(doc.get());
        FillRoute(*route, sequence);
        CRoute* added = route.get();
        doc->AddRoute(std::move(route), true);
        return added;
    }
    static void FillRoute(CRoute& route, std::initializer_list<CFacility*> sequence) {
        for (CFacility* f : sequence) {
            route.AddFacility(f, !f->IsDepot());
        }
    }

    // Stores the computed distance and cost as the current solution's recorded values.
    void RecordCurrentSolution() {
        double distance = 0.0;
        double penalty = 0.0;
        double cost = 0.0;
        doc->GetDistancePenaltyCost(distance, penalty, cost);
        doc->GetCurrentSolution().m_dDistance = distance;
        doc->GetCurrentSolution().m_dCost = cost;
    }

    // The message texts (time stamps stripped) and forgetting them.
    std::vector<std::string> TakeMessages() {
        std::vector<std::string> texts = Messages();
        ui.ClearRecords();
        return texts;
    }

    std::unique_ptr<CTramletDoc> doc;
};
