#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/application/sable_document.h"
#include "framework/parameters/double_parameter.h"
#include "framework/parameters/long_parameter.h"
#include "tests/support/app_fixture.h"

namespace {

// Parameters with an open document, so that modification marking can be observed.
class ParameterTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        document = std::make_unique<CSableDocument>();
        document->SetModifiedFlag(false);
        ui.ClearRecords();
    }
    void TearDown() override {
        document.reset();
        AppFixture::TearDown();
    }

    std::unique_ptr<CSableDocument> document;
};

TEST_F(ParameterTest, LongInitializeRefusesBadBoundsQuietlyAndAValueOutsideLoudly) {
    CLongParameter parameter;
    EXPECT_FALSE(parameter.Initialize(5, 10, 1, 5, "Upside down"));
    EXPECT_FALSE(parameter.Initialize(5, 1, 10, 0, "Default below"));
    EXPECT_FALSE(parameter.Initialize(5, 1, 10, 11, "Default above"));
    EXPECT_FALSE(parameter.Initialize(5, 1, 10, 5, ""));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(parameter.GetUpperBound(), 0);

    EXPECT_FALSE(parameter.Initialize(11, 1, 10, 5, "Vehicles"));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Invalid Vehicles integer parameter value 11 outside range [1, 10]"});
    // The bounds are in place all the same.
    EXPECT_TRUE(parameter.SetValue(10));
    ASSERT_TRUE(parameter.Initialize(7, 1, 10, 5, "Vehicles", 42));
    EXPECT_EQ(parameter.GetHelpContextID(), 42u);
}

TEST_F(ParameterTest, LongSetValueMarksTheDocumentOnlyOnAChangeAndRefusesOutside) {
    CLongParameter parameter;
    ASSERT_TRUE(parameter.Initialize(3, -5, 10, 3, "Count"));
    document->SetModifiedFlag(false);
    EXPECT_TRUE(parameter.SetValue(3));
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(parameter.SetValue(-6));
    EXPECT_FALSE(parameter.SetValue(11));
    EXPECT_EQ(parameter.GetValue(), 3);
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(parameter.SetValue(10));
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Invalid Count integer parameter value -6 outside range [-5, 10]",
                                        "Invalid Count integer parameter value 11 outside range [-5, 10]"}));
    // Shown as an error, not silently: it reaches the execution log too.
    EXPECT_NE(ExecutionLog().find("Invalid Count integer parameter value 11 outside range [-5, 10]"),
              std::string::npos);
}

TEST_F(ParameterTest, LongSetRangeKeepsAFittingValueFallsBackToTheDefaultOrRefuses) {
    CLongParameter parameter;
    ASSERT_TRUE(parameter.Initialize(4, 0, 10, 2, "Count"));
    document->SetModifiedFlag(false);
    EXPECT_TRUE(parameter.SetRange(3, 20, 15));
    EXPECT_EQ(parameter.GetValue(), 4);
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(Messages().empty());

    ASSERT_TRUE(parameter.SetValue(8));
    EXPECT_TRUE(parameter.SetRange(0, 5, 4));
    EXPECT_EQ(parameter.GetValue(), 4);
    EXPECT_FALSE(parameter.SetRange(5, 20, 4));
    EXPECT_FALSE(parameter.SetRange(5, 20, 21));
    EXPECT_FALSE(parameter.SetRange(20, 5, 10));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Invalid Count integer parameter value 8 outside range [0, 5]",
                                        "Invalid Count range [5, 20] or default 4",
                                        "Invalid Count range [5, 20] or default 21",
                                        "Invalid Count range [20, 5] or default 10"}));
    EXPECT_EQ(parameter.GetLowerBound(), 0);
    EXPECT_EQ(parameter.GetUpperBound(), 5);
    EXPECT_EQ(parameter.GetDefault(), 4);
    EXPECT_EQ(parameter.GetValue(), 4);
}

TEST_F(ParameterTest, LongDecodeStoresAFittingNumberWithoutMarkingAndNamesARefusedText) {
    CLongParameter parameter;
    ASSERT_TRUE(parameter.Initialize(4, 0, 100, 2, "Count"));
    document->SetModifiedFlag(false);
    EXPECT_TRUE(parameter.Decode("  57"));
    EXPECT_EQ(parameter.GetValue(), 57);
    EXPECT_TRUE(parameter.Decode("12 trailing"));
    EXPECT_EQ(parameter.GetValue(), 12);
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(parameter.Decode("101"));
    EXPECT_FALSE(parameter.Decode("many"));
    EXPECT_FALSE(parameter.Decode(""));
    // Too large for an int: refused, not wrapped to 1.
    EXPECT_FALSE(parameter.Decode("4294967297"));
    EXPECT_EQ(parameter.GetValue(), 12);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Invalid Count integer parameter value 101 outside range [0, 100]",
                              "Invalid Count integer parameter value many outside range [0, 100]",
                              "Invalid Count integer parameter value  outside range [0, 100]",
                              "Invalid Count integer parameter value 4294967297 outside range [0, 100]"}));
}

TEST_F(ParameterTest, LongWriteCopyResetClearAndEdit) {
    CLongParameter parameter;
    ASSERT_TRUE(parameter.Initialize(-4, -10, 10, 2, "Offset", 9));
    EXPECT_EQ(CaptureOutput([&](std::FILE* file) { parameter.Write(file); }), "Offset = -4\n");
    CLongParameter copy;
    copy.Copy(parameter);
    EXPECT_EQ(copy.GetCaption(), "Offset");
    EXPECT_EQ(copy.GetHelpContextID(), 9u);
    parameter.Reset();
    EXPECT_EQ(parameter.GetValue(), 2);
    parameter.Clear();
    EXPECT_EQ(parameter.GetUpperBound(), 0);
    EXPECT_EQ(parameter.GetCaption(), "");
    EXPECT_EQ(copy.GetValue(), -4); // the copy is independent

    ASSERT_TRUE(parameter.Initialize(4, 1, 50, 2, "Vehicles"));
    document->SetModifiedFlag(false);
    ui.longEdits = {4, 9};
    EXPECT_FALSE(parameter.Edit()); // OK with the same value
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(parameter.Edit());
    EXPECT_EQ(parameter.GetValue(), 9);
    EXPECT_TRUE(document->IsModified());
    EXPECT_FALSE(parameter.Edit()); // cancelled
    EXPECT_EQ(parameter.GetValue(), 9);
    EXPECT_EQ(ui.editTitles, std::vector<std::string>(3, "Edit Vehicles"));
    EXPECT_EQ(ui.editPrompts[0], "Enter a value in the range [1, 50]:");
}

TEST_F(ParameterTest, SeedAndReportLevelHaveTheirRangesCaptionsAndDialogs) {
    CSeed seed;
    ASSERT_TRUE(seed.Initialize(12345));
    EXPECT_EQ(seed.GetUpperBound(), 32767);
    EXPECT_EQ(seed.GetDefault(), 1);
    EXPECT_FALSE(seed.SetValue(32768));
    EXPECT_FALSE(seed.Initialize(-1));
    ui.longEdits = {77, REPORT_SUMMARY};
    EXPECT_TRUE(seed.Edit());
    EXPECT_EQ(seed.GetValue(), 77);
    EXPECT_EQ(ui.editTitles.back(), "Edit Random Number Seed");
    EXPECT_EQ(ui.editPrompts.back(), "Enter a seed in the range [0, 32767]");

    CReportLevel level;
    ASSERT_TRUE(level.Initialize(REPORT_DEBUG));
    EXPECT_EQ(level.GetUpperBound(), 5);
    EXPECT_EQ(level.GetDefault(), REPORT_STANDARD);
    EXPECT_TRUE(level.SetValue(REPORT_NONE));
    EXPECT_FALSE(level.SetValue(6));
    EXPECT_TRUE(level.Edit());
    EXPECT_EQ(level.GetValue(), REPORT_SUMMARY);
    EXPECT_EQ(ui.editTitles.back(), "Report Level");
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "Invalid Seed integer parameter value 32768 outside range [0, 32767]");
    EXPECT_EQ(messages[2], "Invalid Report Level integer parameter value 6 outside range [0, 5]");
}

TEST_F(ParameterTest, DoubleInitializeAndSetValueRefusalsPrintSixDecimalsAndKeepTheValue) {
    CDoubleParameter parameter;
    EXPECT_FALSE(parameter.Initialize(1.0, 2.0, 1.0, 1.5, "Upside down"));
    EXPECT_FALSE(parameter.Initialize(1.0, 0.0, 2.0, 2.5, "Default above"));
    EXPECT_FALSE(parameter.Initialize(1.0, 0.0, 2.0, 1.0, ""));
    EXPECT_FALSE(parameter.Initialize(1.0, 0.0, 2.0, std::nan(""), "No default"));
    EXPECT_TRUE(Messages().empty());

    ASSERT_TRUE(parameter.Initialize(60.0, 0.0, 3600.0, 60.0, "Time Limit", 3));
    EXPECT_EQ(parameter.GetHelpContextID(), 3u);
    document->SetModifiedFlag(false);
    EXPECT_TRUE(parameter.SetValue(60.0));
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(parameter.SetValue(3600.5));
    EXPECT_FALSE(parameter.SetValue(-0.25));
    EXPECT_FALSE(parameter.SetValue(std::nan("")));
    EXPECT_EQ(parameter.GetValue(), 60.0);
    EXPECT_FALSE(document->IsModified());
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0],
              "Invalid Time Limit real parameter value 3600.500000 outside range [0.000000, 3600.000000]");
    EXPECT_EQ(messages[1],
              "Invalid Time Limit real parameter value -0.250000 outside range [0.000000, 3600.000000]");
    EXPECT_TRUE(parameter.SetValue(3600.0));
    EXPECT_TRUE(document->IsModified());
}

TEST_F(ParameterTest, DoubleSetRangeAndDecodeSucceedFallBackOrRefuse) {
    CDoubleParameter parameter;
    ASSERT_TRUE(parameter.Initialize(0.75, 0.0, 1.0, 0.5, "Ratio"));
    EXPECT_TRUE(parameter.SetRange(0.5, 2.0, 1.0));
    EXPECT_EQ(parameter.GetValue(), 0.75);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(parameter.SetRange(1.0, 2.0, 1.5));
    EXPECT_EQ(parameter.GetValue(), 1.5);
    EXPECT_FALSE(parameter.SetRange(1.0, 2.0, 2.5));
    EXPECT_EQ(parameter.GetDefault(), 1.5);

    document->SetModifiedFlag(false);
    EXPECT_TRUE(parameter.Decode("1.25e0"));
    EXPECT_EQ(parameter.GetValue(), 1.25);
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(parameter.Decode("1e3"));
    EXPECT_FALSE(parameter.Decode("nan"));
    EXPECT_FALSE(parameter.Decode("x"));
    EXPECT_EQ(parameter.GetValue(), 1.25);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "Invalid Ratio real parameter value 0.750000 outside range [1.000000, 2.000000]",
                  "Invalid Ratio range [1.000000, 2.000000] or default 2.500000",
                  "Invalid Ratio real parameter value 1e3 outside range [1.000000, 2.000000]",
                  "Invalid Ratio real parameter value nan outside range [1.000000, 2.000000]",
                  "Invalid Ratio real parameter value x outside range [1.000000, 2.000000]"}));
}

TEST_F(ParameterTest, DoubleWriteEditResetAndClear) {
    CDoubleParameter parameter;
    ASSERT_TRUE(parameter.Initialize(0.125, 0.0, 2.5, 1.0, "Tolerance"));
    EXPECT_EQ(CaptureOutput([&](std::FILE* file) { parameter.Write(file); }), "Tolerance = 0.125000\n");
    ui.doubleEdits = {0.125, 2.0};
    EXPECT_FALSE(parameter.Edit());
    EXPECT_TRUE(parameter.Edit());
    EXPECT_EQ(parameter.GetValue(), 2.0);
    EXPECT_FALSE(parameter.Edit()); // cancelled
    EXPECT_EQ(ui.editTitles.back(), "Edit Tolerance");
    EXPECT_EQ(ui.editPrompts.back(), "Enter a value in the range [0.000, 2.500]:");
    parameter.Reset();
    EXPECT_EQ(parameter.GetValue(), 1.0);
    parameter.Clear();
    EXPECT_EQ(parameter.GetUpperBound(), 0.0);
    EXPECT_EQ(parameter.GetCaption(), "");

    // Without a document a change is still stored.
    document.reset();
    EXPECT_TRUE(parameter.Initialize(1.0, 0.0, 5.0, 1.0, "Count"));
    EXPECT_TRUE(parameter.SetValue(4.0));
    EXPECT_EQ(parameter.GetValue(), 4.0);
}

} // namespace
