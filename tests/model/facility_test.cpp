#include <gtest/gtest.h>

#include "tests/support/project_fixture.h"

namespace {

class FacilityValidationTest : public ProjectFixture {
protected:
    // Decodes a text attribute of f into out and gives the message shown, or "" when accepted.
    template <typename T>
    std::string Refusal(const CFacility& f, int attribute, const std::string& text, T& out) {
        bool ok = f.DecodeAttribute(attribute, text, out);
        std::vector<std::string> messages = TakeMessages();
        if (ok) {
            return messages.empty() ? std::string() : "accepted with message " + messages[0];
        }
        return messages.size() == 1 ? messages[0] : std::string("<no single message>");
    }
    std::string Refusal(const CFacility& f, int attribute, const std::string& text) {
        std::string out;
        return Refusal(f, attribute, text, out);
    }
};

TEST_F(FacilityValidationTest, LabelAndNameRulesAndUniqueLabelsOverAllTypes) {
    CFacility f(doc.get(), FT_CUSTOMER);
    auto label = [&](const std::string& text) { return Refusal(f, FA_LABEL, text); };
    EXPECT_EQ(label("A_1bcdg"), "");
    EXPECT_EQ(label("abcdefgh"), "Invalid Customer label \"abcdefgh\" with length 8 outside range [1, 7]");
    EXPECT_EQ(label("a b"), "Invalid character \" \" in Customer label \"a b\"");
    EXPECT_EQ(label(""), "Invalid empty (null) Customer label");
    // A label is unique over all types, but a facility may keep its own.
    CFacility* customer = AddCustomer("x1", 10, 10, 5);
    EXPECT_EQ(Refusal(CFacility(doc.get(), FT_DEPOT), FA_LABEL, "x1"), "Invalid duplicate Depot label x1");
    EXPECT_EQ(Refusal(*customer, FA_LABEL, "x1"), "");

    CFacility s(doc.get(), FT_SUPPLIER);
    s.SetLabelText("s9");
    auto name = [&](const std::string& text) { return Refusal(s, FA_NAME, text); };
    EXPECT_EQ(name("North Plant" + std::string(52, 'n')), "");
    EXPECT_EQ(name(std::string(64, 'n')), "Invalid facility name \"" + std::string(64, 'n') +
                                              "\" with length 64 outside range [1, 63] for Supplier s9");
    EXPECT_EQ(name(""), "Invalid empty (null) facility name for Supplier s9");
}

TEST_F(FacilityValidationTest, NumbersAgainstWorldLimitsCapacityAndSizeRange) {
    CFacility f(doc.get(), FT_CUSTOMER);
    f.SetLabelText("c1");
    int out = 0;
    auto refusal = [&](int attribute, const std::string& text) { return Refusal(f, attribute, text, out); };
    EXPECT_EQ(refusal(FA_X, "10000"), "");
    EXPECT_EQ(out, 10000);
    EXPECT_EQ(refusal(FA_Y, "-1"),
              "Invalid y coordinate -1 for Customer c1 outside world y range [0, 10000]");
    EXPECT_EQ(refusal(FA_X, "12abc"),
              "Invalid x coordinate 12abc for Customer c1 outside world x range [0, 10000]");
    EXPECT_EQ(refusal(FA_QUANTITY, "100"), "");
    EXPECT_EQ(refusal(FA_QUANTITY, "-3"), "Invalid quantity -3 for Customer c1 outside range [0, 100]");
    EXPECT_EQ(refusal(FA_SIZE, "1000"), "");
    EXPECT_EQ(refusal(FA_SIZE, "0"), "Invalid size 0 for Customer c1 outside range [1, 1000]");
    EXPECT_EQ(refusal(FA_SHAPE, "Triangle"), "");
    EXPECT_EQ(out, SHAPE_TRIANGLE);
    EXPECT_EQ(refusal(FA_SHAPE, "oval"), "Invalid shape oval for Customer c1");
    EXPECT_EQ(refusal(FA_LABEL, "c1"),
              "Internal error: unknown scalar data item with value \"c1\" to validate");
    CPRGB color;
    EXPECT_EQ(Refusal(f, FA_COLOR, "plaid", color), "Invalid color plaid for Customer c1");
    EXPECT_EQ(Refusal(f, FA_COLOR, "RED", color), "");
    EXPECT_EQ(color.GetColorIndex(), COLOR_RED);
}

TEST_F(FacilityValidationTest, RaisingARoutedQuantityIsLimitedByTheRouteLoadAndMovesTheTotals) {
    CFacility* depot = AddDepot("d1", 0, 0);
    CFacility* c1 = AddCustomer("c1", 10, 0, 30);
    CFacility* c2 = AddCustomer("c2", 20, 0, 50);
    CRoute* route = AddRoute({depot, c1, c2, depot});
    int out = 0;
    EXPECT_TRUE(c1->DecodeAttribute(FA_QUANTITY, "50", out));
    EXPECT_EQ(out, 50);
    EXPECT_FALSE(c1->DecodeAttribute(FA_QUANTITY, "51", out));
    EXPECT_EQ(TakeMessages(),
              std::vector<std::string>{
                  "Invalid quantity 51 violates vehicle capacity 100, valid range is [0, 50]"});
    // A changed quantity moves the total and the route load.
    EXPECT_TRUE(doc->ChangeFacilityQuantity(c1, 45));
    EXPECT_EQ(doc->GetTotalQuantity(FT_CUSTOMER), 95);
    EXPECT_EQ(route->GetQuantity(FT_CUSTOMER), 95);
    RecordCurrentSolution();
    EXPECT_NO_THROW(doc->CheckSolution(true));
}

TEST_F(FacilityValidationTest, ARefusalFromAFileLineCarriesTheLineAndReachesTheLogs) {
    CFacility f(doc.get(), FT_CUSTOMER);
    int out = 0;
    EXPECT_FALSE(f.DecodeAttribute(FA_SIZE, "0", out, "c1 1 2 3 circle 0 red x"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(StripTimeStamp(ui.messages[0].text), "Invalid size 0 for Customer  outside range [1, 1000] in "
                                                   "document data line\r\nc1 1 2 3 circle 0 red x");
    EXPECT_NE(ExecutionLog().find("Invalid size 0 for Customer"), std::string::npos);
    // Without a data line (an edit) the message box is all.
    const std::string before = ExecutionLog();
    EXPECT_FALSE(f.DecodeAttribute(FA_SIZE, "2000", out));
    EXPECT_EQ(ExecutionLog(), before);
    EXPECT_EQ(ui.messages.back().icon, EMessageIcon::exclamation);
}

using FacilityTest = ProjectFixture;

TEST_F(FacilityTest, SetLabelMovesTheLabelTableEntryAndViewLocationsHaveNorthUp) {
    CFacility* c = AddCustomer("c1", 1, 1, 1);
    ASSERT_TRUE(c->SetLabel("k7"));
    EXPECT_EQ(doc->FindFacilityByLabel(FT_CUSTOMER, "k7"), c);
    EXPECT_EQ(doc->FindFacilityByLabel(FT_CUSTOMER, "c1"), nullptr);
    // The old label is free again.
    std::string out;
    EXPECT_TRUE(CFacility(doc.get(), FT_SUPPLIER).DecodeAttribute(FA_LABEL, "c1", out));
    EXPECT_FALSE(c->SetLabel("bad-label"));
    EXPECT_EQ(c->GetLabel(), "k7");
    CFacility* north = AddCustomer("c2", 1, 10000, 1);
    EXPECT_LT(north->GetViewLocation().y, c->GetViewLocation().y);
}

TEST_F(FacilityTest, RectanglesFollowLocationSizeAndQuantity) {
    CFacility f(doc.get(), FT_CUSTOMER);
    f.SetSize(3);
    f.SetViewLocation(CIntPoint{100, 200});
    EXPECT_EQ(f.GetSymbolRect(), (CIntRect{97, 197, 104, 204}));
    // Quantity size: min(view width, height) / 20 * quantity / capacity = 500 * 50 / 100.
    f.SetQuantity(50);
    EXPECT_EQ(f.GetQuantitySize(), 250);
    EXPECT_EQ(f.GetQuantityRect(), (CIntRect{-150, -50, 351, 451}));
    f.SetQuantity(0);
    EXPECT_EQ(f.GetQuantitySize(), 1);
}

TEST_F(FacilityTest, DataItemsAreValidatedInOrderAndStopAtTheFirstRefusal) {
    CFacility read(doc.get(), FT_SUPPLIER);
    // Name (item 8) is validated before x (item 2): the bad name is reported, x is never looked at.
    std::vector<std::string> items = {"s1", "99999", "1", "2", "circle", "3", "red", "bad#name"};
    EXPECT_FALSE(read.DecodeDataItems(items, "line"));
    EXPECT_EQ(TakeMessages(),
              std::vector<std::string>{"Invalid character \"#\" in facility name \"bad#name\" for "
                                       "Supplier s1 in document data line\r\nline"});
    EXPECT_EQ(read.GetLabel(), "s1");
    EXPECT_EQ(read.GetWorldLocation(), CLonLatPoint());
}

} // namespace
