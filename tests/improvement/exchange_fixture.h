#pragma once

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/random/random.h"
#include "improvement/exchange_improvement.h"
#include "model/tramlet_doc.h"
#include "tests/model/project_fixture.h"

// Projects for the within-route improvements: hand-made distance tables, routes read back as
// label sequences, and random projects with a plain starting solution.
class ExchangeFixture : public ProjectFixture {
protected:
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

    // The route's labels, space separated ("d1 c1 c2 d1").
    static std::string Sequence(const CRoute* route) {
        std::string text;
        for (const CFacility* f : route->GetFacilities()) {
            text += (text.empty() ? "" : " ") + f->GetLabel();
        }
        return text;
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
};

// A scripted user interface that lets a test look at the project while the run pauses.
class CPauseWatchingUserInterface : public CScriptedUserInterface {
public:
    explicit CPauseWatchingUserInterface(std::function<void()> watch) : m_watch(std::move(watch)) {}
    EPauseChoice ShowPauseDialog() override {
        m_watch();
        return CScriptedUserInterface::ShowPauseDialog();
    }

private:
    std::function<void()> m_watch;
};
