#include <gtest/gtest.h>

#include <cmath>

#include "framework/exceptions/user_exception.h"
#include "tests/support/project_fixture.h"

namespace {

std::vector<std::string> Labels(const CTramletDoc& doc) {
    std::vector<std::string> labels;
    for (int i = 0; i < doc.GetTotalNumberOfFacilities(); ++i) {
        labels.push_back(doc.GetFacility(i)->GetLabel());
    }
    return labels;
}

using DocumentTest = ProjectFixture;

TEST_F(DocumentTest, ClearEmptiesTheProjectAndResetsItsValues) {
    AddDepot("d1", 1, 1);
    doc->SetChainLength(4);
    doc->Clear();
    EXPECT_EQ(doc->GetTotalNumberOfFacilities(), 0);
    EXPECT_EQ(doc->GetSpecifiedCount(FT_DEPOT), 0);
    EXPECT_EQ(doc->GetChainLength(), 1);
    EXPECT_EQ(doc->GetDistanceMatrix().GetNumberRows(), 0);
}

TEST_F(DocumentTest, FacilitiesAreNumberedCustomersSuppliersDepots) {
    AddDepot("d1", 0, 0);
    AddSupplier("s1", 0, 40, 5);
    AddCustomer("c1", 30, 0, 5);
    CFacility* unlabelled = AddCustomer("", 60, 0, 5);
    EXPECT_EQ(Labels(*doc), (std::vector<std::string>{"c1", "2", "s1", "d1"}));
    EXPECT_EQ(doc->GetFacility(1)->GetIndex(), 1);
    EXPECT_EQ(doc->FindFacilityByLabel(FT_CUSTOMER, "2"), unlabelled);
    EXPECT_EQ(doc->GetFacility(4), nullptr);
    EXPECT_EQ(doc->GetFacility(-1), nullptr);
    EXPECT_EQ(doc->GetTotalQuantity(FT_CUSTOMER), 10);
    // A total quantity is accepted while the fleet (10 x 100) can carry it.
    EXPECT_TRUE(doc->AdjustTotalQuantity(FT_CUSTOMER, 990));
    EXPECT_FALSE(doc->AdjustTotalQuantity(FT_CUSTOMER, 1));
    // The matrix follows the numbering: d(c1, s1) = 50, d(c1, d1) = 30.
    ASSERT_EQ(doc->GetDistanceMatrix().GetNumberRows(), 4);
    EXPECT_DOUBLE_EQ(doc->GetDistance(0, 2), 50.0);
    EXPECT_DOUBLE_EQ(doc->GetDistance(3, 0), 30.0);
}

TEST_F(DocumentTest, DeletingRenumbersShrinksTheMatrixAndUnroutesOrDropsRoutes) {
    CFacility* c1 = AddCustomer("c1", 30, 0, 5);
    CFacility* c2 = AddCustomer("c2", 60, 0, 7);
    CFacility* c3 = AddCustomer("c3", 90, 0, 9);
    CFacility* s1 = AddSupplier("s1", 0, 40, 5);
    CFacility* d1 = AddDepot("d1", 0, 0);
    CRoute* route = AddRoute({d1, c1, c3, d1});
    doc->SetDistance(s1->GetIndex(), d1->GetIndex(), 123.0); // an edited entry survives
    doc->DeleteFacility(c2);
    EXPECT_EQ(Labels(*doc), (std::vector<std::string>{"c1", "c3", "s1", "d1"}));
    EXPECT_EQ(d1->GetIndex(), 3);
    ASSERT_EQ(doc->GetDistanceMatrix().GetNumberRows(), 4);
    EXPECT_DOUBLE_EQ(doc->GetDistance(2, 3), 123.0);
    EXPECT_DOUBLE_EQ(doc->GetDistance(0, 2), 50.0);
    EXPECT_EQ(doc->GetTotalQuantity(FT_CUSTOMER), 14);
    EXPECT_EQ(doc->FindFacilityByLabel(FT_CUSTOMER, "c2"), nullptr);
    EXPECT_TRUE(doc->IsModified());
    // A routed customer leaves its route; the depot takes all routes with it.
    doc->DeleteFacility(c1);
    EXPECT_EQ(route->GetSize(), 3);
    EXPECT_EQ(route->GetQuantity(FT_CUSTOMER), 9);
    EXPECT_EQ(doc->GetRoutedCount(), 1);
    doc->DeleteFacility(d1);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(c3->GetRoute(), nullptr);
}

TEST_F(DocumentTest, RoutesGetColoursLabelsAndKeepTheirPositions) {
    CFacility* d = AddDepot("d1", 0, 0);
    std::vector<CRoute*> routes;
    for (int k = 0; k < 9; ++k) {
        routes.push_back(AddRoute({d, AddCustomer("c" + std::to_string(k), k, 1, 1), d}));
    }
    // Colours 8 to 14 in turn.
    EXPECT_EQ(routes[6]->GetColor().GetColorIndex(), 14);
    EXPECT_EQ(routes[7]->GetColor().GetColorIndex(), 8);
    EXPECT_EQ(routes[8]->GetLabel(), "9");
    // A route that already has its own colour keeps it.
    auto coloured = std::make_unique<CRoute>(doc.get());
    CPRGB teal;
    teal.SetColorIndex(COLOR_TEAL);
    coloured->SetColor(teal);
    EXPECT_EQ(doc->AddRoute(std::move(coloured), false), 9);
    EXPECT_EQ(doc->GetRoute(9)->GetColor().GetColorIndex(), COLOR_TEAL);
    EXPECT_THROW(doc->AddRoute(nullptr, false), CUserException);

    CFacility* c2 = *std::next(routes[2]->GetFacilities().begin());
    doc->DeleteRoute(routes[2]);
    EXPECT_EQ(c2->GetRoute(), nullptr);
    EXPECT_EQ(routes[3]->GetIndex(), 2);
    EXPECT_EQ(routes[3]->GetLabel(), "3");
    EXPECT_EQ(doc->FindRouteByLabel("3"), routes[3]);

    EXPECT_EQ(doc->RemoveLastRoute(false)->GetColor().GetColorIndex(), COLOR_TEAL);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 8);
}

// Depot d1 at the origin, customers c1 (50) and c2 (40) on the x axis, supplier s1 (20) above d1.
class LineProjectTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        d = AddDepot("d1", 0, 0);
        c1 = AddCustomer("c1", 30, 0, 50);
        c2 = AddCustomer("c2", 60, 0, 40);
        s1 = AddSupplier("s1", 0, 40, 20);
        ui.ClearRecords();
    }
    // Runs the check and gives the messages; ended tells whether it raised the user exception.
    std::vector<std::string> Check(bool checkCost = false) {
        ended = false;
        try {
            doc->CheckSolution(checkCost);
        } catch (const CUserException&) {
            ended = true;
        }
        return TakeMessages();
    }
    CFacility *d, *c1, *c2, *s1;
    bool ended = false;
};

TEST_F(LineProjectTest, DeleteAllRoutesClearsTheRecordedSolution) {
    AddRoute({d, c1, d});
    RecordCurrentSolution();
    ui.answers.push_back(EMessageAnswer::no);
    doc->OnDeleteAllRoutes();
    EXPECT_EQ(doc->GetNumberOfRoutes(), 1);
    EXPECT_EQ(
        TakeMessages(),
        std::vector<std::string>{"This command will delete all current routes.\r\nDo you wish to continue?"});
    doc->OnDeleteAllRoutes();
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(c1->GetRoute(), nullptr);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    EXPECT_EQ(doc->GetCurrentSolution().m_dCost, 0.0);
    EXPECT_TRUE(doc->GetRouteLabelTable().empty());
}

TEST_F(LineProjectTest, SnapshotsBringBackRoutesAndRouteFields) {
    AddRoute({d, c1, s1, d});
    CRouteSnapshot snapshot;
    doc->SaveRouteSnapshot(snapshot);
    EXPECT_EQ(snapshot.m_customerRoutes, (std::vector<int>{0, -1}));
    EXPECT_EQ(snapshot.m_supplierRoutes, (std::vector<int>{0}));

    doc->DeleteAllRoutes();
    AddRoute({d, c2, d});
    AddRoute({d, c1, d});
    doc->RestoreRouteSnapshot(snapshot);
    ASSERT_EQ(doc->GetNumberOfRoutes(), 1);
    CRoute* restored = doc->GetRoute(0);
    EXPECT_EQ(restored->GetSize(), 4);
    EXPECT_EQ(c1->GetRoute(), restored);
    EXPECT_EQ(s1->GetRoute(), restored);
    EXPECT_EQ(c2->GetRoute(), nullptr);
    EXPECT_EQ(doc->GetRoutedCount(), 2);
}

TEST_F(DocumentTest, LoweringTheCapacityDeletesRoutesAndUnroutesWithEachMessageOnce) {
    CFacility* d = AddDepot("d1", 0, 0);
    CFacility* heavy = AddCustomer("c1", 10, 0, 90);
    CFacility* c2 = AddCustomer("c2", 20, 0, 40);
    CFacility* c3 = AddCustomer("c3", 30, 0, 45);
    CFacility* c4 = AddCustomer("c4", 40, 0, 10);
    AddRoute({d, heavy, d});
    AddRoute({d, c2, c3, d}); // demand 85
    CRoute* keep = AddRoute({d, c4, d});
    ui.ClearRecords();
    ui.longEdits.push_back(60);
    doc->OnEditVehicleCapacity();
    EXPECT_GT(ui.redraws, 0);
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{
                                  "New vehicle capacity 60 is smaller than current quantities on one or more "
                                  "routes.  These routes will be deleted.",
                                  "New vehicle capacity 60 is smaller than the quantity of one or more "
                                  "facilties, which can not be included on a route"}));
    ASSERT_EQ(doc->GetNumberOfRoutes(), 1);
    EXPECT_EQ(doc->GetRoute(0), keep);
    EXPECT_EQ(doc->GetRoutedCount(), 1);
    EXPECT_EQ(heavy->GetRoute(), nullptr);
    // Raising or refusing changes nothing else.
    EXPECT_TRUE(doc->SetVehicleCapacity(200));
    EXPECT_FALSE(doc->SetVehicleCapacity(0));
    EXPECT_EQ(doc->GetVehicleCapacity(), 200);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 1);
}

TEST_F(LineProjectTest, PenaltiesForOverloadUnroutedQuantitiesAndRoutesBeyondTheFleet) {
    CFacility* c3 = AddCustomer("c3", 90, 0, 30);
    AddCustomer("c4", 120, 0, 7);
    CRoute* route = AddRoute({d, c1, c2, c3, s1, d});
    // Demand 120 over 100, the supply 20 fits, c4 (7) unrouted; the depot adds nothing.
    EXPECT_DOUBLE_EQ(doc->GetPenalty(), 27000.0);
    double distance = 0.0, penalty = 0.0, cost = 0.0;
    doc->GetDistancePenaltyCost(distance, penalty, cost);
    EXPECT_DOUBLE_EQ(distance, route->GetDistance());
    EXPECT_DOUBLE_EQ(cost, distance + 27000.0);
    EXPECT_DOUBLE_EQ(doc->GetTotalDistance(true), cost);

    // A route beyond the fleet costs its capacity.
    doc->SetNumberOfVehicles(1);
    AddRoute({d, d});
    EXPECT_DOUBLE_EQ(doc->GetPenalty(), 127000.0);

    // With a route array of its own, facilities not listed there count as unrouted.
    CRoute other(doc.get());
    FillRoute(other, {d, c1, d});
    CTramletDoc::RouteArray routes{&other};
    EXPECT_DOUBLE_EQ(doc->GetPenalty(&routes), (40 + 30 + 20 + 7) * 1000.0);
    other.Clear();

    // Without a penalty per unit the cost is the distance.
    doc->SetInfeasibilityPenalty(0.0);
    EXPECT_EQ(doc->GetPenalty(), 0.0);
    EXPECT_DOUBLE_EQ(doc->GetTotalDistance(true), doc->GetTotalDistance(false));
    EXPECT_DOUBLE_EQ(doc->GetTotalDistance(false), distance);
}

TEST_F(LineProjectTest, AConsistentSolutionStoresDistanceAndCost) {
    AddRoute({d, c1, s1, d});
    AddRoute({d, c2, d});
    RecordCurrentSolution();
    doc->GetCurrentSolution().m_dDistance *= 1.0005; // within the tolerance 0.001
    EXPECT_TRUE(Check(true).empty());
    EXPECT_FALSE(ended);
    EXPECT_DOUBLE_EQ(doc->GetCurrentSolution().m_dDistance, 30 + 50 + 40 + 120.0);
    EXPECT_DOUBLE_EQ(doc->GetCurrentSolution().m_dCost, 240.0);
}

TEST_F(LineProjectTest, CapacityIsCheckedBeforeSequencesAndTheDepotTwiceIsAnInvalidSequence) {
    AddRoute({d, c1, c2, s1, d});
    AddRoute({d, d});
    RecordCurrentSolution();
    // With capacity 80 route 1 carries too much: capacity is checked before sequences.
    doc->VehicleCapacityParameter().SetRawValue(80);
    EXPECT_EQ(Check(),
              std::vector<std::string>{"Total Customer quantity 90 exceeds vehicle capacity 80 on route 1"});
    EXPECT_TRUE(ended);
    doc->VehicleCapacityParameter().SetRawValue(100);
    EXPECT_EQ(Check(), std::vector<std::string>{"Invalid facility sequence caused by Depot d1 on route 2"});
    EXPECT_TRUE(ended);
}

TEST_F(LineProjectTest, ABadSequenceNamesItsFirstMisplacedFacility) {
    CRoute* route = AddRoute({d, d});
    struct Case {
        std::initializer_list<CFacility*> sequence;
        std::string culprit;
    } cases[] = {{{d, s1, c1, d}, "c1"}, {{c1, d}, "c1"}, {{d, c1, d, c2}, "c2"}, {{d, c1}, "c1"}};
    for (const Case& c : cases) {
        route->Clear();
        ProjectFixture::FillRoute(*route, c.sequence);
        EXPECT_EQ(Check(), std::vector<std::string>{"Invalid facility sequence caused by Customer " +
                                                    c.culprit + " on route 1"});
    }
    route->Clear();
}

TEST_F(LineProjectTest, TooManyRoutesIsReportedAndTheNextFindingStillEndsTheCheck) {
    doc->SetNumberOfVehicles(1);
    AddRoute({d, c1, d});
    CRoute* second = AddRoute({d, c2, d});
    c2->SetRoute(nullptr);
    EXPECT_EQ(Check(), (std::vector<std::string>{"Number of routes 2 exceeds number of vehicles 1",
                                                 "Routed Customer facility c2 contains no route "
                                                 "information"}));
    EXPECT_TRUE(ended);
    c2->SetRoute(second);
}

TEST_F(LineProjectTest, RouteFieldsAndVisits) {
    CRoute* first = AddRoute({d, c1, d});
    CRoute* second = AddRoute({d, c2, d});
    c1->SetRoute(second);
    EXPECT_EQ(Check(), std::vector<std::string>{"Assignment to route 2 for Customer facility c1 conflicts "
                                                "with information in route 1"});
    c1->SetRoute(first);
    s1->SetRoute(first);
    EXPECT_EQ(Check(), std::vector<std::string>{"Unrouted Supplier facility s1 included in route 1"});
    s1->SetRoute(nullptr);
    second->InsertAfterFacility(c1, d, false);
    EXPECT_EQ(Check(), std::vector<std::string>{
                           "Assignment to route 1 for Customer facility c1 conflicts with information in "
                           "route 2"});
    // Without a route field c1 is a facility on two routes.
    c1->SetRoute(nullptr);
    EXPECT_EQ(Check(), std::vector<std::string>{"Single route Customer facility c1 included in 2 routes"});
    EXPECT_TRUE(ended);
}

TEST_F(LineProjectTest, CountsTotalsAndRecordedValues) {
    AddRoute({d, c1, s1, d});
    RecordCurrentSolution();
    doc->SetTotalQuantity(FT_SUPPLIER, 21);
    EXPECT_EQ(Check(), std::vector<std::string>{
                           "Total computed Supplier quantity 20 different from recorded quantity 21"});
    doc->SetTotalQuantity(FT_SUPPLIER, 20);
    doc->AdjustRoutedCount(1);
    EXPECT_EQ(Check(), std::vector<std::string>{"Invalid total number of routed facilities 2 different "
                                                "from recorded number 3"});
    doc->AdjustRoutedCount(-1);
    doc->GetCurrentSolution().m_dDistance = 100.0;
    EXPECT_EQ(Check(), std::vector<std::string>{"Computed total route distance 120.000000 different from "
                                                "recorded distance 100.000000"});
    EXPECT_EQ(doc->GetCurrentSolution().m_dDistance, 100.0);
    doc->GetCurrentSolution().m_dDistance = 120.0;
    // c2 (40) is unrouted: the cost is 120 + 40000.
    doc->GetCurrentSolution().m_dCost = 120.0;
    EXPECT_TRUE(Check().empty());
    EXPECT_EQ(doc->GetCurrentSolution().m_dCost, 120.0);
    doc->GetCurrentSolution().m_dCost = 500.0;
    EXPECT_EQ(Check(true), std::vector<std::string>{"Computed total route cost 40120.000000 different from "
                                                    "recorded cost 500.000000"});
    EXPECT_TRUE(ended);
    EXPECT_EQ(doc->GetCurrentSolution().m_dCost, 500.0);
}

using RandomFacilitiesTest = ProjectFixture;

TEST_F(RandomFacilitiesTest, LabelsContinueFromTheLargestNumberAndTheNewFacilitiesGetTheirDistances) {
    for (int k = 1; k <= 12; ++k) {
        AddCustomer("c" + std::to_string(k), k, k, 1);
    }
    EXPECT_EQ(doc->GetRandomFacilitiesRanges().maxNumber[FT_CUSTOMER], TRAMLET_MAX_FACILITIES_PER_TYPE - 12);

    SRandomFacilitiesRequest request;
    request.number[FT_CUSTOMER] = 3;
    request.number[FT_SUPPLIER] = 2;
    request.number[FT_DEPOT] = 1;
    request.maxQuantity[FT_CUSTOMER] = 20;
    request.maxQuantity[FT_SUPPLIER] = 5;
    request.seed = 77;
    ASSERT_TRUE(doc->AddRandomFacilities(request));
    CFacility* c13 = doc->FindFacilityByLabel(FT_CUSTOMER, "c13");
    ASSERT_NE(c13, nullptr);
    EXPECT_EQ(c13->GetName(), "cus13");
    CFacility* s1 = doc->FindFacilityByLabel(FT_SUPPLIER, "s1");
    ASSERT_NE(s1, nullptr);
    EXPECT_GE(s1->GetQuantity(), 1);
    EXPECT_LE(s1->GetQuantity(), 5);
    CFacility* depot = doc->FindFacilityByLabel(FT_DEPOT, "d1");
    ASSERT_NE(depot, nullptr);
    EXPECT_EQ(depot->GetQuantity(), 0);
    EXPECT_EQ(doc->GetSpecifiedCount(FT_CUSTOMER), 15);
    ASSERT_EQ(doc->GetDistanceMatrix().GetNumberRows(), doc->GetTotalNumberOfFacilities());
    const CLonLatPoint a = c13->GetWorldLocation();
    const CLonLatPoint b = depot->GetWorldLocation();
    EXPECT_NEAR(doc->GetDistance(c13->GetIndex(), depot->GetIndex()),
                std::hypot(a.m_lon - b.m_lon, a.m_lat - b.m_lat), 1e-6);
}

TEST_F(RandomFacilitiesTest, AFailureLeavesTheProjectAsItWas) {
    AddCustomer("c1", 1, 1, 1);
    AddCustomer("c2", 2, 2, 1);
    doc->SetDistance(0, 1, 42.0);
    doc->SetDistanceNorm(DN_EXTERNALLY_SPECIFIED);
    SRandomFacilitiesRequest request;
    request.number[FT_CUSTOMER] = 2;
    request.maxQuantity[FT_CUSTOMER] = 10;
    request.seed = 3;
    EXPECT_FALSE(doc->AddRandomFacilities(request));
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Unsuccessful in adding randomly 2 new facilities"});
    EXPECT_EQ(doc->GetNumberOfCustomers(), 2);
    ASSERT_EQ(doc->GetDistanceMatrix().GetNumberRows(), 2);
    EXPECT_EQ(doc->GetDistance(0, 1), 42.0);
}

} // namespace
