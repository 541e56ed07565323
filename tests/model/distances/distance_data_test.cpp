#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/exceptions/user_exception.h"
#include "model/distances/distance_data.h"
#include "model/distances/distance_validation.h"
#include "tests/model/distances/distance_fixture.h"

namespace {

using DistanceDataTest = DistanceFixture;

// A matrix whose entry (i, j) is 10 i + j, so every entry tells where it came from.
CDistanceData NumberedMatrix(int n) {
    CDistanceData data;
    data.SetSize(n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            data.SetDistance(i, j, 10.0 * i + j);
        }
    }
    return data;
}

TEST_F(DistanceDataTest, InsertAndRemoveFacilityKeepTheOtherEntries) {
    CDistanceData data = NumberedMatrix(3);
    data.InsertFacility(1);
    ASSERT_EQ(data.GetNumberFacilities(), 4);
    const double expected[4][4] = {{0, 0, 1, 2}, {0, 0, 0, 0}, {10, 0, 11, 12}, {20, 0, 21, 22}};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(data.GetDistance(i, j), expected[i][j]) << i << "," << j;
        }
    }
    data.RemoveFacility(1);
    EXPECT_EQ(data.GetMatrix(), NumberedMatrix(3).GetMatrix());
    // A depot appended at the end, then the first customer deleted.
    data.InsertFacility(3);
    data.RemoveFacility(0);
    EXPECT_EQ(data.GetDistance(1, 0), 21.0);
    EXPECT_EQ(data.GetDistance(2, 2), 0.0);
    EXPECT_THROW(data.InsertFacility(4), std::invalid_argument);
    // Resize keeps the leading entries.
    data.Resize(4);
    EXPECT_EQ(data.GetDistance(1, 0), 21.0);
    EXPECT_EQ(data.GetDistance(3, 2), 0.0);
}

TEST_F(DistanceDataTest, FacilityDistancesChangeOnlyItsRowAndColumn) {
    CDistanceData data = NumberedMatrix(3);
    // A depot joins as facility 3.
    data.ComputeFacilityDistances(3, {{0, 0}, {3, 4}, {6, 8}, {0, 4}}, Planar(DN_EUCLIDEAN, 2.0));
    ASSERT_EQ(data.GetNumberFacilities(), 4);
    EXPECT_EQ(data.GetDistance(3, 0), 8.0);
    EXPECT_EQ(data.GetDistance(0, 3), 8.0);
    EXPECT_EQ(data.GetDistance(3, 2), 2.0 * std::hypot(6.0, 4.0));
    EXPECT_EQ(data.GetDistance(2, 1), 21.0);
    EXPECT_THROW(data.ComputeFacilityDistances(4, {{0, 0}, {3, 4}}, Planar(DN_EUCLIDEAN)),
                 std::invalid_argument);
}

TEST_F(DistanceDataTest, LinkEditSetsFlagAndSymmetricDistancesClearsIt) {
    CDistanceData data;
    data.ComputeAllDistances({{0, 0}, {3, 4}, {6, 8}}, Planar(DN_EUCLIDEAN));
    EXPECT_FALSE(data.IsSymmetricDistancesEnabled());

    EXPECT_EQ(data.EditLink(0, 2, "12.5", "9", false, 5000.0, 0.001), ELinkEditResult::stored);
    EXPECT_EQ(data.GetDistance(0, 2), 12.5);
    EXPECT_EQ(data.GetDistance(2, 0), 9.0);
    EXPECT_TRUE(data.IsSymmetricDistancesEnabled());
    EXPECT_EQ(data.GetAsymmetricFlag(), 1);
    data.SetDistance(2, 1, 1.0);

    // No leaves everything as it is.
    ui.answers.push_back(EMessageAnswer::no);
    EXPECT_FALSE(data.OnSymmetricDistances());
    EXPECT_EQ(data.GetDistance(2, 0), 9.0);
    EXPECT_EQ(Messages(), std::vector<std::string>{"This command will make all distances distances symmetric "
                                                   "based on the upper triangular distance matrix.\r\nDo "
                                                   "you wish to continue?"});

    ui.answers.push_back(EMessageAnswer::yes);
    EXPECT_TRUE(data.OnSymmetricDistances());
    EXPECT_EQ(data.GetDistance(0, 2), 12.5);
    EXPECT_EQ(data.GetDistance(2, 0), 12.5);
    EXPECT_EQ(data.GetDistance(2, 1), 5.0);
    EXPECT_FALSE(data.IsSymmetricDistancesEnabled());
}

TEST_F(DistanceDataTest, LinkEditWithinToleranceOneValueAndRefusals) {
    CDistanceData data;
    data.ComputeAllDistances({{0, 0}, {300, 400}}, Planar(DN_EUCLIDEAN));
    // 500.4 is within 0.001 x 500 of the stored value: nothing changes.
    EXPECT_EQ(data.EditLink(0, 1, "500.4", "500", false, 5000.0, 0.001), ELinkEditResult::unchanged);
    EXPECT_EQ(data.GetDistance(0, 1), 500.0);
    EXPECT_EQ(data.EditLink(0, 1, "-1", "500", false, 5000.0, 0.001), ELinkEditResult::refused);
    EXPECT_EQ(data.EditLink(0, 1, "500", "5000.5", false, 5000.0, 0.001), ELinkEditResult::refused);
    EXPECT_EQ(data.GetDistance(1, 0), 500.0);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Invalid facility-to-facility distance -1 outside range [0.00, 5000.00]",
                              "Invalid facility-to-facility distance 5000.5 outside range [0.00, 5000.00]",
                          }));
    // A dialog's refusal is a message box only: nothing reaches the execution log.
    EXPECT_EQ(ExecutionLog().find("facility-to-facility"), std::string::npos);
    // One value for both directions keeps the matrix symmetric.
    EXPECT_EQ(data.EditLink(1, 0, "650", "1", true, 5000.0, 0.001), ELinkEditResult::stored);
    EXPECT_EQ(data.GetDistance(0, 1), 650.0);
    EXPECT_FALSE(data.IsAsymmetric());
    EXPECT_THROW(data.EditLink(1, 1, "0", "0", true, 5000.0, 0.001), std::invalid_argument);
    EXPECT_EQ(FormatLinkDialogTitle("Customer", "c1", "Depot", "d9"),
              "Edit Link from Customer c1 to Depot d9");
    EXPECT_EQ(FormatLinkDialogLabel("Supplier", "s2", "Customer", "c1"), "From Supplier s2 to Customer c1:");
}

TEST_F(DistanceDataTest, DistanceFactorAndRadiusRanges) {
    double value = -1.0;
    EXPECT_TRUE(DecodeDistance("0", value, 100.0, "c1 0 12"));
    EXPECT_EQ(value, 0.0);
    EXPECT_FALSE(DecodeDistance("nan", value, 100.0, "c1 nan"));
    EXPECT_EQ(value, 0.0);
    // A distance read from a file line is reported with the line, and logged.
    const std::string expected = "Invalid facility-to-facility distance nan outside range [0.00, 100.00] in "
                                 "document data line\r\nc1 nan";
    EXPECT_NE(ExecutionLog().find(expected), std::string::npos);
    // The limits are accepted; the messages beyond them are checked with the text project import.
    EXPECT_TRUE(DecodeDistanceFactor("9", value));
    EXPECT_TRUE(DecodeWorldRadius("1000.0", value));
    EXPECT_FALSE(DecodeDistanceFactor("0.99", value));
    EXPECT_FALSE(DecodeWorldRadius("inf", value));
    EXPECT_EQ(value, 1000.0);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  expected,
                  "Invalid distance adjustment factor 0.99 out of valid range [1.000000, 9.000000]",
                  "Invalid world radius inf less than 1000.000000",
              }));
    // Framework items are shown after a beep and not logged.
    EXPECT_GE(ui.beeps, 1);
    EXPECT_EQ(ExecutionLog().find("adjustment"), std::string::npos);
}

TEST_F(DistanceDataTest, AllDistancesGridCellsAndFlag) {
    double value = 7.0;
    EXPECT_TRUE(DecodeDistanceCell("0", value));
    EXPECT_EQ(value, 0.0);
    EXPECT_FALSE(DecodeDistanceCell("-0.5", value));
    EXPECT_FALSE(DecodeDistanceCell("", value));
    EXPECT_EQ(Messages(), std::vector<std::string>(2, "Please enter a nonnegative distance"));

    CDistanceData data = NumberedMatrix(3);
    EXPECT_TRUE(data.UpdateAsymmetryFlag());
    data.MakeSymmetric();
    EXPECT_FALSE(data.UpdateAsymmetryFlag());
    // A difference far below any tolerance still counts once the grid closes.
    data.SetDistance(2, 1, data.GetDistance(1, 2) + 1e-9);
    EXPECT_TRUE(data.UpdateAsymmetryFlag());
    EXPECT_FALSE(data.HasAsymmetricPair(0.001));
}

TEST_F(DistanceDataTest, DebugReportGoesToTheOutputLog) {
    CTempFolder folder;
    const std::string log = folder.File("run.log");
    app->SetOutputLogFileName(log);
    const std::string header = ReadWholeFile(log);

    CDistanceData data;
    SDistanceSettings settings = Planar(DN_EUCLIDEAN);
    settings.reportLevel = 4;
    data.ComputeAllDistances({{0, 0}, {3, 4}}, settings);
    EXPECT_EQ(ReadWholeFile(log), header);

    settings.reportLevel = 5;
    data.ComputeAllDistances({{0, 0}, {3, 4}}, settings);
    const std::string added = ReadWholeFile(log).substr(header.size());
    EXPECT_EQ(added.rfind("\n\nDistances\n\n", 0), 0u);
    EXPECT_NE(added.find("    5.00"), std::string::npos);
    EXPECT_NE(added.find("    0.00"), std::string::npos);
}

} // namespace
