#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/exceptions/user_exception.h"
#include "runs/algorithm_parameters.h"
#include "runs/select_algorithm.h"
#include "tests/support/project_fixture.h"

// A project with one depot, two customers and one supplier (N = 4 facilities).
class AlgorithmParametersTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        AddDepot("d1", 0, 0);
        AddCustomer("c1", 0, 30, 40);
        AddCustomer("c2", 40, 0, 50);
        AddSupplier("s1", 0, -30, 20);
        doc->SetModifiedFlag(false);
        ui.ClearRecords();
    }
};

TEST_F(AlgorithmParametersTest, SettersAcceptTheirBoundsAndRefuseOneBeyond) {
    SetAlgorithmStartingAngle(*doc, 359);
    SetAlgorithmRandomizationDepth(*doc, 4);
    SetAlgorithmCrossoverPenaltyFactor(*doc, 1.0);
    EXPECT_TRUE(Messages().empty());

    EXPECT_THROW(SetAlgorithmStartingAngle(*doc, 360), CUserException);
    EXPECT_THROW(SetAlgorithmStartingAngle(*doc, -1), CUserException);
    EXPECT_THROW(SetAlgorithmRandomizationDepth(*doc, 5), CUserException);
    EXPECT_THROW(SetAlgorithmRandomizationDepth(*doc, 0), CUserException);
    EXPECT_THROW(SetAlgorithmCrossoverPenaltyFactor(*doc, 1.5), CUserException);
    EXPECT_EQ(doc->GetStartingAngle(), 359);
    EXPECT_EQ(doc->GetRandomizationDepth(), 4);
    EXPECT_EQ(doc->GetCrossoverPenaltyFactor(), 1.0);
    EXPECT_EQ(
        Messages(),
        (std::vector<std::string>{
            "Invalid algorithm starting angle 360 outside range [0, 359]",
            "Invalid algorithm starting angle -1 outside range [0, 359]",
            "Invalid randomization depth 5 outside range [1, 4]",
            "Invalid randomization depth 0 outside range [1, 4]",
            "Invalid crossover savings penalty factor 1.500000 out of valid range [0.000000, 1.000000]"}));
}

TEST_F(AlgorithmParametersTest, SheetLoadsFromTheProjectAndStoresChangedValues) {
    CSelectAlgorithmSheet sheet(*doc);
    // Applying an unchanged page leaves the project unmodified.
    EXPECT_TRUE(sheet.ApplyPage(SELECT_PAGE_SWEEP));
    EXPECT_FALSE(doc->IsModified());

    sheet.m_startingAngle = 90;
    sheet.m_timeLimit = 60.0;
    sheet.m_seed = 7; // not on the Sweep page
    EXPECT_TRUE(sheet.ApplyPage(SELECT_PAGE_SWEEP));
    EXPECT_EQ(doc->GetStartingAngle(), 90);
    EXPECT_EQ(doc->GetTimeLimit(), 60.0);
    EXPECT_EQ(doc->GetSeed(), 12345);
    EXPECT_TRUE(doc->IsModified());

    sheet.m_randomizationDepth = 4;
    sheet.m_iterationLimit = 100;
    EXPECT_TRUE(sheet.ApplyPage(SELECT_PAGE_SAVINGS));
    EXPECT_EQ(doc->GetRandomizationDepth(), 4);
    EXPECT_EQ(doc->GetSeed(), 7);
    EXPECT_EQ(doc->GetMaxIterations(), 100);
    EXPECT_TRUE(Messages().empty());

    // OK chooses the command of the page and its options.
    sheet.m_parallel = false;
    sheet.m_randomized = true;
    EXPECT_EQ(sheet.GetChosenCommand(SELECT_PAGE_SAVINGS), 2161u);
    sheet.m_routesOnly = true;
    sheet.m_revisitsAllowed = false;
    EXPECT_EQ(sheet.GetChosenCommand(SELECT_PAGE_SET_PARTITIONING), 2140u);
}

TEST_F(AlgorithmParametersTest, SheetKeepsOpenOnFieldsOutOfRange) {
    CSelectAlgorithmSheet sheet(*doc);
    // The factor field takes up to 100, the project only up to 1: refused with the message, and
    // nothing else of the page is stored.
    sheet.m_crossoverPenaltyFactor = 2.0;
    sheet.m_randomizationDepth = 3;
    EXPECT_FALSE(sheet.ApplyPage(SELECT_PAGE_SAVINGS));
    EXPECT_EQ(sheet.GetFailedField(), "");
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Invalid crossover savings penalty factor 2.000000 out of valid "
                                       "range [0.000000, 1.000000]"});
    EXPECT_EQ(doc->GetCrossoverPenaltyFactor(), 0.25);
    EXPECT_EQ(doc->GetRandomizationDepth(), 1);
    EXPECT_FALSE(doc->IsModified());

    sheet.m_crossoverPenaltyFactor = 0.5;
    sheet.m_timeLimit = 40000.0; // the sheet allows at most 32767 s
    EXPECT_FALSE(sheet.ApplyPage(SELECT_PAGE_SAVINGS));
    EXPECT_EQ(sheet.GetFailedField(), "Time Limit:");
    EXPECT_EQ(doc->GetCrossoverPenaltyFactor(), 0.25);

    sheet.m_timeLimit = 30.0;
    sheet.m_chainLength = 3; // customers + suppliers - 1 = 2
    EXPECT_FALSE(sheet.ApplyPage(SELECT_PAGE_CHAIN_EXCHANGE));
    EXPECT_EQ(sheet.GetFailedField(), "Chain Length (>=1):");
    sheet.m_chainLength = 2;
    EXPECT_TRUE(sheet.ApplyPage(SELECT_PAGE_CHAIN_EXCHANGE));
    EXPECT_EQ(doc->GetChainLength(), 2);
}
