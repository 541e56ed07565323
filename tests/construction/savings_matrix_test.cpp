#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "construction/savings_display.h"
#include "construction/savings_matrix.h"
#include "construction/savings_shortcuts.h"
#include "tests/construction/savings_fixture.h"

namespace {

constexpr double kMinusInfinity = -9999999999.99;

// Customers c1 (0,30) and c2 (0,60), supplier s1 (0,100), all with quantity 40, and supplier s2
// above the capacity.
class SavingsMatrixTest : public SavingsFixture {
protected:
    void SetUp() override {
        SavingsFixture::SetUp();
        c1 = AddCustomer("c1", 0, 30, 40);
        c2 = AddCustomer("c2", 0, 60, 40);
        s1 = AddSupplier("s1", 0, 100, 40);
        s2 = AddSupplier("s2", 0, 50, 120);
    }
    CFacility *c1 = nullptr, *c2 = nullptr, *s1 = nullptr, *s2 = nullptr;
    static std::vector<double> Row(const CDoubleMatrix& m, int row) {
        std::vector<double> values;
        for (int j = 0; j < m.GetNumberColumns(); ++j) {
            values.push_back(m[row][j]);
        }
        return values;
    }
};

TEST_F(SavingsMatrixTest, SymmetricTableHoldsTheJoinsThatMayBeMade) {
    doc->SetCrossoverPenaltyFactor(0.0);
    CDoubleMatrix m;
    ComputeSavingsMatrix(*doc, m);
    ASSERT_EQ(m.GetNumberRows(), 4);
    ASSERT_EQ(m.GetNumberColumns(), 4);
    // c1-c2: d(c1,o) + d(o,c2) - d(c1,c2) = 30 + 60 - 30, mirrored; c2-s1: 60 + 100 - 40. A
    // supplier never comes before a customer, s2 exceeds the capacity, and the diagonal of a
    // symmetric table is never written.
    constexpr double x = kMinusInfinity;
    EXPECT_EQ(Row(m, 0), (std::vector<double>{0, 60, 60, x}));
    EXPECT_EQ(Row(m, 1), (std::vector<double>{60, 0, 120, x}));
    EXPECT_EQ(Row(m, 2), (std::vector<double>{x, x, 0, x}));
    EXPECT_EQ(Row(m, 3), (std::vector<double>{x, x, x, 0}));

    // The crossover factor scales customer-to-supplier savings only.
    doc->SetCrossoverPenaltyFactor(0.25);
    ComputeSavingsMatrix(*doc, m);
    EXPECT_EQ(Row(m, 1), (std::vector<double>{60, 0, 90, x * 0.75}));
    EXPECT_EQ(Row(m, 2), (std::vector<double>{x, x, 0, x}));
    doc->SetCrossoverPenaltyFactor(1.0);
    ComputeSavingsMatrix(*doc, m);
    EXPECT_DOUBLE_EQ(m[1][2], 0.0);
}

TEST_F(SavingsMatrixTest, AsymmetricTableComputesEachDirectionAndClosesTheDiagonal) {
    doc->SetCrossoverPenaltyFactor(0.0);
    doc->SetDistance(c1->GetIndex(), c2->GetIndex(), 50.0);
    doc->SetDistance(c2->GetIndex(), c1->GetIndex(), 10.0);
    doc->SetAsymmetric(1);
    CDoubleMatrix m;
    ComputeSavingsMatrix(*doc, m);
    EXPECT_DOUBLE_EQ(m[0][1], 30.0 + 60.0 - 50.0);
    EXPECT_DOUBLE_EQ(m[1][0], 60.0 + 30.0 - 10.0);
    EXPECT_DOUBLE_EQ(m[0][0], kMinusInfinity);
    EXPECT_DOUBLE_EQ(m[2][2], kMinusInfinity);
}

TEST_F(SavingsMatrixTest, CustomersThatDoNotFitOneVehicleTogetherAreNoPair) {
    AddCustomer("c3", 0, 90, 70);
    CDoubleMatrix m;
    ComputeSavingsMatrix(*doc, m);
    // c3 is now customer 2 and s1 moved to row 3.
    EXPECT_DOUBLE_EQ(m[0][2], kMinusInfinity); // 40 + 70 > 100
    EXPECT_DOUBLE_EQ(m[2][1], kMinusInfinity);
    EXPECT_GT(m[2][3], 0.0); // c3 alone fits, so it may precede s1
}

TEST_F(SavingsMatrixTest, DebugReportWritesTheMatrixToTheOutputLog) {
    const std::string log = home->File("savings.log");
    app->SetOutputLogFileName(log);
    doc->SetReportLevel(4);
    CDoubleMatrix m;
    ComputeSavingsMatrix(*doc, m);
    EXPECT_EQ(ReadWholeFile(log).find("Savings Matrix"), std::string::npos);
    doc->SetReportLevel(5);
    ComputeSavingsMatrix(*doc, m);
    const std::string text = ReadWholeFile(log);
    EXPECT_NE(text.find("\n\nSavings Matrix\n\n"), std::string::npos);
    // Column headings from 1, then row 2: c2 to c1, the unwritten diagonal, c2 to s1 and the minus
    // infinity of s2 scaled by the factor like every customer-to-supplier entry.
    EXPECT_NE(text.find(std::string(17, ' ') + "1         2         3         4  \n\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("       2     60.00      0.00     90.00  -7499999999.99  \n"), std::string::npos)
        << text;
}

TEST_F(SavingsMatrixTest, DisplayShowsJoinableCellsWithFacilityHeadings) {
    doc->SetCrossoverPenaltyFactor(1.0);
    ASSERT_TRUE(CanDisplaySavings(*doc));
    SSavingsDisplay display = GetSavingsDisplay(*doc);
    EXPECT_EQ(display.labels, (Labels{"c1", "c2", "s1", "s2", "d"}));
    ASSERT_EQ(display.cells.size(), 5u);
    EXPECT_EQ(display.cells[0], (Labels{"", "60.00", "0.00", "", ""}));
    EXPECT_EQ(display.cells[1], (Labels{"60.00", "", "0.00", "", ""}));
    // Supplier rows have no customer columns; s2 fits no vehicle, so even the crossover factor
    // of 1 leaves its cells empty.
    for (size_t row = 2; row < 5; ++row) {
        EXPECT_EQ(display.cells[row], Labels(5, "")) << row;
    }
    EXPECT_EQ(FormatSavingsDisplay(display).substr(0, 30), "\tc1\tc2\ts1\ts2\td\nc1\t\t60.00\t0.00\t");

    doc->SetIsAlgorithmRunning(true);
    EXPECT_FALSE(CanDisplaySavings(*doc));
    doc->SetIsAlgorithmRunning(false);
    doc->DeleteFacility(c2);
    doc->DeleteFacility(s1);
    doc->DeleteFacility(s2);
    EXPECT_FALSE(CanDisplaySavings(*doc)); // one customer only
}

TEST(SortedRouteShortcutsTest, KeepsTheLargestSavingsInInsertionOrderAmongEquals) {
    auto shortcut = [](int index, double savings) { return CRouteShortcut(0, 0, index, 0, 0, savings); };
    CSortedRouteShortcuts list;
    list.RemoveAll(0);
    EXPECT_EQ(list.Insert(shortcut(1, 5.0)), -1);
    EXPECT_TRUE(list.IsEmpty());

    list.RemoveAll(3);
    EXPECT_EQ(list.Insert(shortcut(1, 5.0)), 0);
    EXPECT_EQ(list.Insert(shortcut(2, 5.0)), 1);  // equal: behind the earlier one
    EXPECT_EQ(list.Insert(shortcut(3, 7.0)), 0);  // larger: in front
    EXPECT_EQ(list.Insert(shortcut(4, 5.0)), -1); // equal to the last of a full list
    EXPECT_EQ(list.Insert(shortcut(5, 6.0)), 1);  // pushes the last one out
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list[0].GetFromIndex(), 3);
    EXPECT_EQ(list[1].GetFromIndex(), 5);
    EXPECT_EQ(list[2].GetFromIndex(), 1);
    EXPECT_EQ(list.Insert(shortcut(6, 1.0)), -1);
    list.RemoveAll(2);
    EXPECT_TRUE(list.IsEmpty());
}

} // namespace
