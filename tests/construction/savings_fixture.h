#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "model/tramlet_doc.h"
#include "runs/run_frame.h"
#include "tests/support/project_fixture.h"

using Labels = std::vector<std::string>;

// A project for the savings commands: the depot d at the origin, capacity 100, ten vehicles.
class SavingsFixture : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        depot = AddDepot("d", 0, 0);
        ui.ClearRecords();
    }

    // The labels of each route's facilities between its depot entries, in route order.
    std::vector<Labels> Routes() const {
        std::vector<Labels> routes;
        for (CRoute* route : doc->GetRoutes()) {
            Labels labels;
            for (const CFacility* f : route->GetFacilities()) {
                if (!f->IsDepot()) {
                    labels.push_back(f->GetLabel());
                }
            }
            routes.push_back(labels);
        }
        return routes;
    }

    // The routes with each one read in its smaller direction, for results whose orientation
    // does not matter on a symmetric table.
    std::vector<Labels> RoutesEitherWay() const {
        std::vector<Labels> routes = Routes();
        for (Labels& labels : routes) {
            Labels reversed(labels.rbegin(), labels.rend());
            labels = std::min(labels, reversed);
        }
        return routes;
    }

    // Every distance between the depot and the facilities is 100; the given links get their own
    // value in the given direction only. The table is flagged asymmetric.
    void SetStarDistances(const std::vector<std::pair<std::pair<CFacility*, CFacility*>, double>>& links,
                          double otherLinks) {
        const int n = doc->GetTotalNumberOfFacilities();
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                double value = i == j ? 0.0 : otherLinks;
                if (i != j && (i == depot->GetIndex() || j == depot->GetIndex())) {
                    value = 100.0;
                }
                doc->SetDistance(i, j, value);
            }
        }
        for (const auto& [link, value] : links) {
            doc->SetDistance(link.first->GetIndex(), link.second->GetIndex(), value);
        }
        doc->SetAsymmetric(1);
    }

    // Runs a command that must record its run and leave a consistent solution.
    void RunRecorded(ERunResult (*command)(CTramletDoc&)) {
        ASSERT_EQ(command(*doc), ERunResult::recorded);
        EXPECT_NO_THROW(doc->CheckSolution(true));
    }

    const CAlgoStat& LastRecord() const { return *doc->GetAlgorithmStatistics().back(); }

    CFacility* depot = nullptr;
};
