#include "improvement/chain_exchange.h"

#include "tests/improvement/improvement_fixture.h"

namespace {

const std::string kThreeReport = "Three Exchange Facility Report";

class ChainExchangeTest : public ImprovementFixture {
protected:
    void AddCustomers(int count) {
        d1 = AddDepot("d1", 0, 0);
        for (int k = 0; k < count; ++k) {
            c[k] = AddCustomer("c" + std::to_string(k + 1), 10 * k, 10, 10);
        }
    }
    void MakeRoute(std::initializer_list<CFacility*> sequence) {
        route = AddRoute(sequence);
        RecordCurrentSolution();
        ui.ClearRecords();
    }

    CFacility* d1 = nullptr;
    CFacility* c[5] = {};
    CRoute* route = nullptr;
};

TEST_F(ChainExchangeTest, MovesOneFacilityAndTheFirstOfEqualMovesStays) {
    // On a line: d1 at 0, c1 at 30, c2 at 10, c3 at 20. Every single move that helps saves 20;
    // the first in scan order (c1 between c2 and c3) is made.
    d1 = AddDepot("d1", 0, 0);
    c[0] = AddCustomer("c1", 30, 0, 10);
    c[1] = AddCustomer("c2", 10, 0, 10);
    c[2] = AddCustomer("c3", 20, 0, 10);
    MakeRoute({d1, c[0], c[1], c[2], d1});

    ASSERT_EQ(OnChainExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c2 c1 c3 d1");
    const CAlgoStat& row = LastRow();
    EXPECT_EQ(row.m_strAlgoName, "Chain Exchange");
    EXPECT_EQ(row.m_lCount, 1);
    EXPECT_EQ(row.m_lExchangeCounter2, 1);
    EXPECT_DOUBLE_EQ(row.m_dDeltaObjective, 20.0);
    EXPECT_DOUBLE_EQ(row.m_dDistance, 60.0);
    EXPECT_DOUBLE_EQ(row.m_dParameter, 1.0);
    EXPECT_EQ(ExecutionLog().find("Executing Chain Exchange"), std::string::npos);
    EXPECT_NO_THROW(doc->CheckSolution(true));

    // The status window: the new links (c2, c1), (c1, c3) and (d1, c2).
    EXPECT_EQ(ui.statusUpdates.front().title, kThreeReport);
    auto fields = LastFields(kThreeReport);
    EXPECT_EQ(Field(fields, "New Link 1 Origin"), "Customer c2");
    EXPECT_EQ(Field(fields, "New Link 1 Destination"), "Customer c1");
    EXPECT_EQ(Field(fields, "New Link 2 Origin"), "Customer c1");
    EXPECT_EQ(Field(fields, "New Link 2 Destination"), "Customer c3");
    EXPECT_EQ(Field(fields, "New Link 3 Origin"), "Depot d1");
    EXPECT_EQ(Field(fields, "New Link 3 Destination"), "Customer c2");
    EXPECT_EQ(Field(fields, "Total Distance"), "60.00");
    EXPECT_TRUE(LastFields("Two Exchange Facility Report").empty());
    EXPECT_EQ(ui.closedStatusWindows, std::vector<std::string>{kThreeReport});
}

TEST_F(ChainExchangeTest, MovesAChainInItsDirectionToAnEarlierPlace) {
    // Asymmetric: d1->c3, c3->c1 and c2->d1 cost 1, every other entry 10. Moving c3 to the
    // front saves 27 (no reversal is involved, so the marked table allows it).
    AddCustomers(3);
    FillDistances(10.0);
    SetDistance(d1, c[2], 1.0);
    SetDistance(c[2], c[0], 1.0);
    SetDistance(c[1], d1, 1.0);
    doc->SetAsymmetric(1);
    MakeRoute({d1, c[0], c[1], c[2], d1});

    SExchangeWindows windows;
    CChainExchange chain(*doc, windows.three);
    ChainExchangeCandidate candidate;
    ASSERT_TRUE(chain.Scan(candidate));
    EXPECT_DOUBLE_EQ(candidate.savings, 27.0);
    EXPECT_EQ(candidate.before, c[1]);
    EXPECT_EQ(candidate.first.facility, c[2]);
    EXPECT_EQ(candidate.last.facility, c[2]);
    EXPECT_EQ(candidate.after, d1);
    EXPECT_EQ(candidate.x.facility, d1);
    EXPECT_EQ(candidate.y, c[0]);

    ASSERT_EQ(OnChainExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c3 c1 c2 d1");
    EXPECT_DOUBLE_EQ(LastRow().m_dDistance, 13.0);
}

TEST_F(ChainExchangeTest, TheLinkJustBeforeTheChainIsACandidate) {
    // Asymmetric: c1->c3, c4->c2 and c2->d1 cost 1, every other entry 10. The chain c3 c4 goes
    // between c1 and c2, the link that ends at its predecessor, and saves 27.
    AddCustomers(4);
    FillDistances(10.0);
    SetDistance(c[0], c[2], 1.0);
    SetDistance(c[3], c[1], 1.0);
    SetDistance(c[1], d1, 1.0);
    doc->SetAsymmetric(1);
    MakeRoute({d1, c[0], c[1], c[2], c[3], d1});
    doc->SetChainLength(2);

    ASSERT_EQ(OnChainExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c1 c3 c4 c2 d1");
    EXPECT_EQ(LastRow().m_lCount, 1);
    EXPECT_DOUBLE_EQ(LastRow().m_dDeltaObjective, 27.0);
}

TEST_F(ChainExchangeTest, MovesAChainOfTwoBehindTheRest) {
    // Every link 10 but (d1, c3) and (c4, c1): the chain c1 c2 goes behind c4 and saves 18.
    AddCustomers(4);
    FillDistances(10.0);
    SetBothWays(d1, c[2], 1.0);
    SetBothWays(c[3], c[0], 1.0);
    MakeRoute({d1, c[0], c[1], c[2], c[3], d1});
    doc->SetChainLength(2);

    ASSERT_EQ(OnChainExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c3 c4 c1 c2 d1");
    EXPECT_EQ(LastRow().m_lCount, 1);
    EXPECT_DOUBLE_EQ(LastRow().m_dDeltaObjective, 18.0);
    EXPECT_DOUBLE_EQ(LastRow().m_dParameter, 2.0);
    EXPECT_NO_THROW(doc->CheckSolution(true));
}

TEST_F(ChainExchangeTest, RouteWithFewerThanTheChainLengthPlusTwoFacilitiesIsSkipped) {
    // (d1, c4) and (c4, c1) cost 1: moving c4 (or c1 c2 c3) to the front would save 9.
    AddCustomers(4);
    FillDistances(10.0);
    SetBothWays(d1, c[3], 1.0);
    SetBothWays(c[3], c[0], 1.0);
    MakeRoute({d1, c[0], c[1], c[2], c[3], d1});

    doc->SetChainLength(3);
    ASSERT_EQ(OnChainExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c1 c2 c3 c4 d1");
    EXPECT_EQ(LastRow().m_lCount, 0);

    doc->SetChainLength(1);
    ASSERT_EQ(OnChainExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(LastRow().m_lCount, 1);
    EXPECT_DOUBLE_EQ(LastRow().m_dDistance, 32.0);
}

TEST_F(ChainExchangeTest, AChainAcrossTheCustomerSupplierBoundaryStaysWhereItIs) {
    // Putting c2 s1 behind s2 would cost 23 instead of 50, but that link follows a supplier.
    d1 = AddDepot("d1", 0, 0);
    c[0] = AddCustomer("c1", 0, 10, 10);
    c[1] = AddCustomer("c2", 10, 10, 10);
    CFacility* s1 = AddSupplier("s1", 10, 0, 10);
    CFacility* s2 = AddSupplier("s2", 20, 0, 10);
    FillDistances(10.0);
    SetDistance(s2, c[1], 1.0);
    SetDistance(s1, d1, 1.0);
    SetDistance(c[0], s2, 1.0);
    doc->SetAsymmetric(1);
    MakeRoute({d1, c[0], c[1], s1, s2, d1});
    doc->SetChainLength(2);

    ASSERT_EQ(OnChainExchange(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteText(route), "d1 c1 c2 s1 s2 d1");
    EXPECT_EQ(LastRow().m_lCount, 0);
}

} // namespace
