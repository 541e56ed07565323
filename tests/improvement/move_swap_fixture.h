#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/platform/scripted_user_interface.h"
#include "model/tramlet_doc.h"
#include "tests/model/project_fixture.h"

using Sequence = std::vector<std::string>;
using Fields = std::vector<std::pair<std::string, std::string>>;

// Projects for Move Facility and Swap Facility: routes are compared as label sequences, the
// consistency of the recorded solution is checked after each run, and distances may be given
// as a whole matrix (rows in project order: customers, suppliers, depots).
class MoveSwapFixture : public ProjectFixture {
protected:
    void SetDistances(const std::vector<std::vector<double>>& rows) {
        for (size_t i = 0; i < rows.size(); ++i) {
            for (size_t j = 0; j < rows[i].size(); ++j) {
                doc->SetDistance(static_cast<int>(i), static_cast<int>(j), rows[i][j]);
            }
        }
    }

    static Sequence Labels(const CRoute* route) {
        Sequence labels;
        for (const CFacility* f : route->GetFacilities()) {
            labels.push_back(f->GetLabel());
        }
        return labels;
    }
    std::vector<Sequence> AllRoutes() const {
        std::vector<Sequence> routes;
        for (int r = 0; r < doc->GetNumberOfRoutes(); ++r) {
            routes.push_back(Labels(doc->GetRoute(r)));
        }
        return routes;
    }

    // The recorded distance and cost agree with the routes, and the whole check passes.
    void ExpectConsistent() {
        double distance = 0.0;
        double penalty = 0.0;
        double cost = 0.0;
        doc->GetDistancePenaltyCost(distance, penalty, cost);
        EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, distance, 1e-7);
        EXPECT_NEAR(doc->GetCurrentSolution().m_dCost, cost, 1e-7);
        EXPECT_NO_THROW(doc->CheckSolution(true));
    }

    const CAlgoStat& OnlyRecord() const {
        EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 1u);
        return *doc->GetAlgorithmStatistics().back();
    }

    static Fields FieldsOf(const CScriptedUserInterface::SStatusUpdate& update) {
        Fields fields;
        for (const SStatusField& field : update.fields) {
            fields.emplace_back(field.label, field.value);
        }
        return fields;
    }

    // Starts a new empty project in place of the current one.
    void ResetProject() {
        doc = std::make_unique<CTramletDoc>();
        doc->MakeActive();
        doc->OnNewDocument();
        ui.ClearRecords();
    }

    // Routes that visit the customers and suppliers round robin: facility k of each type goes
    // on route k mod routes, in document order. A poor solution with much to improve.
    void BuildRoundRobinRoutes(int routes) {
        CFacility* depot = doc->GetFacility(FT_DEPOT, 0);
        std::vector<std::unique_ptr<CRoute>> built;
        for (int r = 0; r < routes; ++r) {
            built.push_back(std::make_unique<CRoute>(doc.get()));
            built.back()->AddFacility(depot, false);
        }
        for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
            for (int k = 0; k < doc->GetNumberOfFacilities(type); ++k) {
                built[k % routes]->AddFacility(doc->GetFacility(type, k), true);
            }
        }
        for (auto& route : built) {
            route->AddFacility(depot, false);
            doc->AddRoute(std::move(route), true);
        }
        RecordCurrentSolution();
    }

    void OpenOutputLog() {
        logPath = home->File("output.log");
        app->SetOutputLogFileName(logPath);
    }
    // The output log after its two header lines.
    std::string OutputLogBody() const {
        std::string log = ReadWholeFile(logPath);
        size_t first = log.find('\n');
        size_t second = first == std::string::npos ? first : log.find('\n', first + 1);
        return second == std::string::npos ? std::string() : log.substr(second + 1);
    }

    std::string logPath;
};

// A scripted interface that looks at the project each time the run pauses.
class CPauseSpyInterface : public CScriptedUserInterface {
public:
    struct SSeen {
        int routes = 0;
        int routedCount = 0;
        std::vector<Sequence> lastRoutes; // the routes behind the project's own
        std::vector<int> colors;
    };
    CTramletDoc* document = nullptr;
    int ownRoutes = 0; // routes of the project before the temporary ones
    std::vector<SSeen> seen;

    EPauseChoice ShowPauseDialog() override {
        SSeen now;
        now.routes = document->GetNumberOfRoutes();
        now.routedCount = document->GetRoutedCount();
        for (int r = ownRoutes; r < now.routes; ++r) {
            Sequence labels;
            for (const CFacility* f : document->GetRoute(r)->GetFacilities()) {
                labels.push_back(f->GetLabel());
            }
            now.lastRoutes.push_back(labels);
            now.colors.push_back(document->GetRoute(r)->GetColor().GetColorIndex());
        }
        seen.push_back(now);
        return CScriptedUserInterface::ShowPauseDialog();
    }
};
