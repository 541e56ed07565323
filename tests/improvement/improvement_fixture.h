#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "framework/platform/scripted_user_interface.h"
#include "framework/random/random.h"
#include "improvement/chain_exchange.h"
#include "improvement/three_exchange.h"
#include "improvement/two_exchange.h"
#include "model/tramlet_doc.h"
#include "tests/support/project_fixture.h"

using Sequence = std::vector<std::string>;
using Fields = std::vector<std::pair<std::string, std::string>>;

// Projects for the improvements: hand-made distance tables (single entries, or a whole matrix
// with rows in project order: customers, suppliers, depots), routes read back as label
// sequences, the consistency of the recorded solution after a run, and random projects with a
// plain or a poor starting solution.
class ImprovementFixture : public ProjectFixture {
protected:
    void SetDistances(const std::vector<std::vector<double>>& rows) {
        for (size_t i = 0; i < rows.size(); ++i) {
            for (size_t j = 0; j < rows[i].size(); ++j) {
                doc->SetDistance(static_cast<int>(i), static_cast<int>(j), rows[i][j]);
            }
        }
    }

    std::vector<Sequence> AllRoutes() const {
        std::vector<Sequence> routes;
        for (int r = 0; r < doc->GetNumberOfRoutes(); ++r) {
            routes.push_back(RouteLabels(doc->GetRoute(r)));
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

    // Every distance between two different facilities becomes value.
    void FillDistances(double value) {
        const int n = doc->GetTotalNumberOfFacilities();
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                doc->SetDistance(i, j, i == j ? 0.0 : value);
            }
        }
    }
    void SetDistance(const CFacility* from, const CFacility* to, double value) {
        doc->SetDistance(from->GetIndex(), to->GetIndex(), value);
    }
    void SetBothWays(const CFacility* a, const CFacility* b, double value) {
        SetDistance(a, b, value);
        SetDistance(b, a, value);
    }

    // A new project of random customers and suppliers around one depot, with routes filled in
    // project order: customers onto the first route with room, then suppliers likewise. The
    // recorded distance and cost are those of the routes.
    void MakeRandomProject(int customers, int suppliers, int seed) {
        SRandomFacilitiesRequest request;
        request.number[FT_CUSTOMER] = customers;
        request.number[FT_SUPPLIER] = suppliers;
        request.number[FT_DEPOT] = 1;
        request.maxQuantity[0] = 30;
        request.maxQuantity[1] = 30;
        request.seed = seed;
        ASSERT_TRUE(doc->AddRandomFacilities(request));
        ASSERT_TRUE(doc->SetNumberOfVehicles(50));
        CFacility* depot = doc->GetFacility(FT_DEPOT, 0);
        std::vector<std::unique_ptr<CRoute>> routes;
        for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
            for (int k = 0; k < doc->GetNumberOfFacilities(type); ++k) {
                CFacility* f = doc->GetFacility(type, k);
                auto room = std::find_if(routes.begin(), routes.end(), [&](const auto& route) {
                    return route->GetQuantity(type) + f->GetQuantity() <= doc->GetVehicleCapacity();
                });
                if (room == routes.end()) {
                    routes.push_back(std::make_unique<CRoute>(doc.get()));
                    routes.back()->AddFacility(depot, false);
                    routes.back()->AddFacility(depot, false);
                    room = routes.end() - 1;
                }
                // Before the closing depot.
                (*room)->InsertBefore(f, (*room)->GetTailPosition(), true);
            }
        }
        for (auto& route : routes) {
            doc->AddRoute(std::move(route), true);
        }
        RecordCurrentSolution();
        ui.ClearRecords();
        // A run that never ends fails the test instead of hanging it.
        ASSERT_TRUE(doc->SetTimeLimit(60.0));
        ui.timeLimitChoices.assign(1, ETimeLimitChoice::abort);
    }

    // Makes the distance table asymmetric (each entry scaled by a factor from 1.0 to 1.5) and
    // marks it so; the recorded distance and cost follow.
    void MakeAsymmetric(int seed) {
        setseed(seed);
        const int n = doc->GetTotalNumberOfFacilities();
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                doc->SetDistance(i, j, doc->GetDistance(i, j) * uniform(1.0, 1.5));
            }
        }
        doc->SetAsymmetric(1);
        RecordCurrentSolution();
    }

    // The facilities of every route, as sets, in route order.
    std::vector<std::set<const CFacility*>> RouteMembers() const {
        std::vector<std::set<const CFacility*>> members;
        for (int r = 0; r < doc->GetNumberOfRoutes(); ++r) {
            const auto& list = doc->GetRoute(r)->GetFacilities();
            members.emplace_back(list.begin(), list.end());
        }
        return members;
    }

    const CAlgoStat& Record() const { return doc->GetCurrentSolution(); }
    const CAlgoStat& LastRow() const { return *doc->GetAlgorithmStatistics().back(); }

    // The fields of the last refresh of a status window (empty when it was never shown).
    std::vector<SStatusField> LastFields(const std::string& title) const {
        for (auto it = ui.statusUpdates.rbegin(); it != ui.statusUpdates.rend(); ++it) {
            if (it->title == title) {
                return it->fields;
            }
        }
        return {};
    }
    static std::string Field(const std::vector<SStatusField>& fields, const std::string& label) {
        for (const SStatusField& field : fields) {
            if (field.label == label) {
                return field.value;
            }
        }
        return "<no field " + label + ">";
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
