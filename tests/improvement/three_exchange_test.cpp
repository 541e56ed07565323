#include "improvement/three_exchange.h"

#include "framework/parameters/long_parameter.h"
#include "improvement/chain_exchange.h"
#include "improvement/two_exchange.h"
#include "tests/improvement/improvement_fixture.h"

namespace {

const std::string kTwoReport = "Two Exchange Facility Report";
const std::string kThreeReport = "Three Exchange Facility Report";

class ThreeExchangeTest : public ImprovementFixture {
protected:
    // d1 c1 ... c5 d1 of length 36 where no two-exchange saves anything, but reversing c1 c2 and
    // c3 c4 in place (links (d1, c2), (c1, c4), (c3, c5) for (d1, c1), (c2, c3), (c4, c5)) saves 12.
    void MakeDoubleReversalRoute() {
        d1 = AddDepot("d1", 0, 0);
        for (int k = 0; k < 5; ++k) {
            c[k] = AddCustomer("c" + std::to_string(k + 1), 10 * k, 10, 10);
        }
        FillDistances(20.0);
        SetBothWays(d1, c[0], 10.0);
        SetBothWays(c[1], c[2], 10.0);
        SetBothWays(c[3], c[4], 10.0);
        SetBothWays(d1, c[1], 6.0);
        SetBothWays(c[0], c[3], 6.0);
        SetBothWays(c[2], c[4], 6.0);
        SetBothWays(c[0], c[1], 2.0);
        SetBothWays(c[2], c[3], 2.0);
        SetBothWays(c[4], d1, 2.0);
        route = AddRoute({d1, c[0], c[1], c[2], c[3], c[4], d1});
        RecordCurrentSolution();
        ui.ClearRecords();
    }
    // d1 c1 c2 c3 d1 with every entry 10 but d(d1, c2) = d(c3, c1) = 5, marked asymmetric: moving
    // c1 behind c3 (segments c1 and c2 c3 exchanged) saves 10.
    void MakeSegmentExchangeRoute() {
        d1 = AddDepot("d1", 0, 0);
        for (int k = 0; k < 3; ++k) {
            c[k] = AddCustomer("c" + std::to_string(k + 1), 10 * k, 10, 10);
        }
        FillDistances(10.0);
        SetDistance(d1, c[1], 5.0);
        SetDistance(c[2], c[0], 5.0);
        doc->SetAsymmetric(1);
        route = AddRoute({d1, c[0], c[1], c[2], d1});
        RecordCurrentSolution();
        ui.ClearRecords();
    }

    CFacility* d1 = nullptr;
    CFacility* c[5] = {};
    CRoute* route = nullptr;
};

TEST_F(ThreeExchangeTest, ReversesBothSegmentsWhenNoTwoExchangeIsLeftAndShowsBothWindows) {
    MakeDoubleReversalRoute();
    SExchangeWindows windows;
    TwoExchangeCandidate two;
    EXPECT_FALSE(CTwoExchange(*doc, windows.two).Scan(two));
    ThreeExchangeCandidate three;
    ASSERT_TRUE(CThreeExchange(*doc, windows.three).Scan(three));
    EXPECT_EQ(three.form, THREE_EXCHANGE_REVERSALS);
    EXPECT_DOUBLE_EQ(three.savings, 12.0);

    ASSERT_EQ(OnThreeExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c2 c1 c4 c3 c5 d1");
    const CAlgoStat& row = LastRow();
    EXPECT_EQ(row.m_strAlgoName, "Three Exchange");
    EXPECT_EQ(row.m_lCount, 1);
    EXPECT_EQ(row.m_lExchangeCounter1, 0);
    EXPECT_EQ(row.m_lExchangeCounter2, 1);
    EXPECT_DOUBLE_EQ(row.m_dDeltaObjective, 12.0);
    EXPECT_DOUBLE_EQ(row.m_dDistance, 24.0);
    EXPECT_EQ(row.m_dParameter, 0.0);
    EXPECT_NE(ExecutionLog().find("Executing Three Exchange algorithm\n"), std::string::npos);
    EXPECT_NO_THROW(doc->CheckSolution(true));

    // Both status windows were shown and closed.
    ASSERT_GE(ui.statusUpdates.size(), 3u);
    EXPECT_EQ(ui.statusUpdates[0].title, kTwoReport);
    EXPECT_EQ(ui.statusUpdates[1].title, kThreeReport);
    auto fields = LastFields(kThreeReport);
    EXPECT_EQ(Field(fields, "Number of Exchanges"), "1");
    EXPECT_EQ(Field(fields, "New Link 1 Origin"), "Depot d1");
    EXPECT_EQ(Field(fields, "New Link 1 Destination"), "Customer c2");
    EXPECT_EQ(Field(fields, "New Link 2 Origin"), "Customer c1");
    EXPECT_EQ(Field(fields, "New Link 2 Destination"), "Customer c4");
    EXPECT_EQ(Field(fields, "New Link 3 Origin"), "Customer c3");
    EXPECT_EQ(Field(fields, "New Link 3 Destination"), "Customer c5");
    EXPECT_EQ(Field(fields, "Exchange Savings"), "12.00");
    EXPECT_EQ(Field(fields, "Total Distance"), "24.00");
    EXPECT_EQ(Field(LastFields(kTwoReport), "Number of Exchanges"), "0");
    EXPECT_EQ(ui.closedStatusWindows, (std::vector<std::string>{kTwoReport, kThreeReport}));
}

TEST_F(ThreeExchangeTest, AsymmetricDistancesAllowNoDoubleReversal) {
    MakeDoubleReversalRoute();
    doc->SetAsymmetric(1);
    ASSERT_EQ(OnThreeExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c1 c2 c3 c4 c5 d1");
    EXPECT_EQ(LastRow().m_lCount, 0);
}

TEST_F(ThreeExchangeTest, ExchangesSegmentsOnAnAsymmetricTable) {
    MakeSegmentExchangeRoute();
    SExchangeWindows windows;
    ThreeExchangeCandidate three;
    ASSERT_TRUE(CThreeExchange(*doc, windows.three).Scan(three));
    EXPECT_EQ(three.form, THREE_EXCHANGE_SEGMENTS);
    EXPECT_EQ(three.a.facility, d1);
    EXPECT_EQ(three.b.facility, c[0]);
    EXPECT_EQ(three.c.facility, c[2]);

    ASSERT_EQ(OnThreeExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c2 c3 c1 d1");
    EXPECT_EQ(LastRow().m_lCount, 1);
    EXPECT_DOUBLE_EQ(LastRow().m_dDeltaObjective, 10.0);
    EXPECT_DOUBLE_EQ(LastRow().m_dDistance, 30.0);
    auto fields = LastFields(kThreeReport);
    EXPECT_EQ(Field(fields, "New Link 1 Origin"), "Depot d1");
    EXPECT_EQ(Field(fields, "New Link 1 Destination"), "Customer c2");
    EXPECT_EQ(Field(fields, "New Link 2 Origin"), "Customer c3");
    EXPECT_EQ(Field(fields, "New Link 2 Destination"), "Customer c1");
    EXPECT_EQ(Field(fields, "New Link 3 Origin"), "Customer c1");
    EXPECT_EQ(Field(fields, "New Link 3 Destination"), "Depot d1");
}

TEST_F(ThreeExchangeTest, SegmentsOfDifferentTypesAreNeverExchanged) {
    // Exchanging c1 with s1 would save 18 on this asymmetric table; no other change saves.
    d1 = AddDepot("d1", 0, 0);
    c[0] = AddCustomer("c1", 0, 10, 10);
    CFacility* s1 = AddSupplier("s1", 10, 0, 10);
    CFacility* s2 = AddSupplier("s2", 10, 10, 10);
    FillDistances(10.0);
    SetDistance(d1, s1, 1.0);
    SetDistance(s1, c[0], 1.0);
    doc->SetAsymmetric(1);
    route = AddRoute({d1, c[0], s1, s2, d1});
    RecordCurrentSolution();
    ASSERT_EQ(OnThreeExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c1 s1 s2 d1");
    EXPECT_EQ(LastRow().m_lCount, 0);
}

TEST_F(ThreeExchangeTest, DebugPausesAfterTheStepWithThreeDisplayRoutes) {
    MakeDoubleReversalRoute();
    ASSERT_TRUE(doc->SetReportLevel(REPORT_DEBUG));
    CPauseSpyInterface spy;
    spy.document = doc.get();
    spy.ownRoutes = 1;
    SetUserInterface(&spy);
    ERunResult result = OnThreeExchange(*doc);
    SetUserInterface(&ui);
    ASSERT_EQ(result, ERunResult::recorded);
    ASSERT_EQ(spy.seen.size(), 1u);
    EXPECT_EQ(spy.seen[0].lastRoutes, (std::vector<Sequence>{{"d1", "c1"}, {"c2", "c3"}, {"c4", "c5"}}));
    EXPECT_EQ(doc->GetNumberOfRoutes(), 1);
    EXPECT_EQ(doc->GetSpecifiedCount(FT_ROUTE), 1);
}

// Random projects with a plain starting solution: the exchanges keep every route's facilities
// and its depot-customers-suppliers-depot order, never lengthen it, and keep the recorded
// distance equal to the routes' distance.
class ExchangeRandomProjectTest : public ImprovementFixture,
                                  public ::testing::WithParamInterface<std::tuple<int, bool>> {
protected:
    void SetUp() override {
        ImprovementFixture::SetUp();
        MakeRandomProject(40, 20, std::get<0>(GetParam()));
        if (std::get<1>(GetParam())) {
            MakeAsymmetric(std::get<0>(GetParam()));
        }
        members = RouteMembers();
        before = doc->GetTotalDistance(false);
    }
    void ExpectSoundResult(ERunResult result) {
        ASSERT_EQ(result, ERunResult::recorded);
        EXPECT_EQ(RouteMembers(), members);
        EXPECT_NO_THROW(doc->CheckSolution(true));
        const double after = doc->GetTotalDistance(false);
        EXPECT_LE(after, before + 1e-9);
        EXPECT_NEAR(before - after, LastRow().m_dDeltaObjective, 1e-6);
        EXPECT_NEAR(LastRow().m_dDistance, after, 1e-6);
    }
    std::vector<std::set<const CFacility*>> members;
    double before = 0.0;
};

TEST_P(ExchangeRandomProjectTest, TwoExchange) {
    ExpectSoundResult(OnTwoExchange(*doc));
    if (doc->GetAsymmetric() != 0) {
        EXPECT_EQ(LastRow().m_lCount, 0);
    } else {
        EXPECT_GT(LastRow().m_lCount, 0);
    }
}

TEST_P(ExchangeRandomProjectTest, ThreeExchange) {
    ExpectSoundResult(OnThreeExchange(*doc));
    const CAlgoStat& row = LastRow();
    EXPECT_GT(row.m_lCount, 0);
    EXPECT_EQ(row.m_lCount, row.m_lExchangeCounter1 + row.m_lExchangeCounter2);
    if (doc->GetAsymmetric() != 0) {
        EXPECT_EQ(row.m_lExchangeCounter1, 0);
    } else {
        EXPECT_GT(row.m_lExchangeCounter1, 0);
    }
}

TEST_P(ExchangeRandomProjectTest, ChainExchangeOfLengthsOneToThree) {
    for (int length = 1; length <= 3; ++length) {
        doc->SetChainLength(length);
        ExpectSoundResult(OnChainExchange(*doc));
        EXPECT_EQ(LastRow().m_dParameter, static_cast<double>(length));
        before = doc->GetTotalDistance(false);
    }
}

TEST_F(ThreeExchangeTest, StepsOnAnAsymmetricTableAreSegmentExchanges) {
    MakeRandomProject(40, 20, 11);
    MakeAsymmetric(11);
    const auto members = RouteMembers();
    SExchangeWindows windows;
    CThreeExchange improvement(*doc, windows.three);
    ThreeExchangeCandidate three;
    int steps = 0;
    while (improvement.Scan(three) && steps < 1000) {
        EXPECT_EQ(three.form, THREE_EXCHANGE_SEGMENTS);
        improvement.Apply(three);
        ++steps;
    }
    EXPECT_GT(steps, 0);
    EXPECT_EQ(RouteMembers(), members);
    EXPECT_NO_THROW(doc->CheckSolution(true));
}

TEST_F(ThreeExchangeTest, ToleranceZeroStillComesToAnEnd) {
    // Savings of the order of the rounding noise (a change and its undoing both "saving" 1e-13)
    // are never accepted, so every step really shortens its route.
    MakeRandomProject(40, 20, 5);
    ASSERT_TRUE(doc->SetTolerance(0.0));
    SExchangeWindows windows;
    CTwoExchange two(*doc, windows.two);
    CThreeExchange three(*doc, windows.three);
    int steps = 0;
    for (bool found = true; found && steps < 5000;) {
        if ((found = two.FindBest())) {
            two.ApplyBest();
        } else if ((found = three.FindBest())) {
            three.ApplyBest();
        }
        steps += found ? 1 : 0;
    }
    EXPECT_GT(steps, 0);
    EXPECT_LT(steps, 5000);
}

INSTANTIATE_TEST_SUITE_P(SeedsAndTables, ExchangeRandomProjectTest,
                         ::testing::Combine(::testing::Values(7, 2026), ::testing::Bool()));

} // namespace
