#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>

#include "tests/support/project_fixture.h"

namespace {

// Depot d at the origin, customers c1..c3 and suppliers s1, s2 on a line.
class RouteTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        d = AddDepot("d", 0, 0);
        c1 = AddCustomer("c1", 10, 0, 30);
        c2 = AddCustomer("c2", 20, 0, 40);
        c3 = AddCustomer("c3", 30, 0, 50);
        s1 = AddSupplier("s1", 0, 10, 20);
        s2 = AddSupplier("s2", 0, 20, 60);
        ui.ClearRecords();
    }
    CFacility *d, *c1, *c2, *c3, *s1, *s2;
};

TEST_F(RouteTest, TotalsAndRouteFieldsFollowInsertionsAndRemovals) {
    CRoute route(doc.get());
    route.AddFacility(d, false);
    CRoute::POSITION closing = route.AddFacility(d, false);
    route.InsertBefore(c2, closing, true);
    route.InsertAfterFacility(c1, d, true);
    route.InsertAfter(s1, route.Find(c2), true);
    EXPECT_EQ(RouteLabels(&route), (std::vector<std::string>{"d", "c1", "c2", "s1", "d"}));
    EXPECT_EQ(route.GetQuantity(FT_CUSTOMER), 70);
    EXPECT_EQ(route.GetCount(FT_DEPOT), 2);
    EXPECT_EQ(c1->GetRoute(), &route);
    EXPECT_EQ(d->GetRoute(), nullptr);
    EXPECT_EQ(route.GetResidualCapacity(FT_CUSTOMER), 30);

    EXPECT_TRUE(route.RemoveFacility(c1, true));
    EXPECT_EQ(c1->GetRoute(), nullptr);
    EXPECT_EQ(route.GetQuantity(FT_CUSTOMER), 40);
    EXPECT_FALSE(route.RemoveFacility(c3, true));

    route.AdjustQuantity(FT_CUSTOMER, 5);
    int computed[3];
    route.GetQuantities(computed);
    EXPECT_EQ(computed[FT_CUSTOMER], 40); // from the list, not from the adjusted total
    EXPECT_EQ(route.GetQuantity(FT_CUSTOMER), 45);

    route.Clear();
    EXPECT_EQ(c2->GetRoute(), nullptr);
    EXPECT_EQ(route.GetCount(FT_DEPOT), 0);
    EXPECT_TRUE(IsRectEmpty(route.GetBoundingRect()));
}

TEST_F(RouteTest, IterationFromBothEndsPredecessorAndBoundingRectangle) {
    CRoute* route = AddRoute({d, c1, s1, d});
    CRoute::POSITION position;
    std::vector<std::string> forward;
    for (CFacility* f = route->GetFirst(position); f != nullptr; f = route->GetNext(position)) {
        forward.push_back(f->GetLabel());
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"d", "c1", "s1", "d"}));
    std::vector<std::string> backward;
    for (CFacility* f = route->GetLast(position); f != nullptr; f = route->GetPrevious(position)) {
        backward.push_back(f->GetLabel());
    }
    EXPECT_EQ(backward, (std::vector<std::string>{"d", "s1", "c1", "d"}));
    EXPECT_EQ(route->GetPredecessor(s1), c1);
    EXPECT_EQ(route->GetPredecessor(d), nullptr);
    EXPECT_EQ(route->GetPredecessor(c3), nullptr);
    EXPECT_EQ(CRoute(doc.get()).GetLast(position), nullptr);
    // The bounding rectangle is the union of the symbols, and moving a routed facility widens it.
    EXPECT_EQ(route->GetBoundingRect(),
              UnionRect(d->GetSymbolRect(), UnionRect(c1->GetSymbolRect(), s1->GetSymbolRect())));
    c1->SetViewLocation(CIntPoint{5000, 5000});
    EXPECT_EQ(route->GetBoundingRect().right, 5000 + c1->GetSize() + 1);
}

TEST_F(RouteTest, DistanceIsTheSumOfTheLinksAndMovesKeepTotalsWithChainsArrivingReversed) {
    CRoute* route = AddRoute({d, c1, c2, c3, s1, d});
    // 10 + 10 + 10 + hypot(30, 10) + 10
    EXPECT_NEAR(route->ComputeDistance(), 40.0 + std::hypot(30.0, 10.0), 1e-9);
    EXPECT_DOUBLE_EQ(route->GetDistance(), route->ComputeDistance());
    route->MoveAfter(c1, route->Find(c1), route->Find(c3));
    EXPECT_EQ(RouteLabels(route), (std::vector<std::string>{"d", "c2", "c3", "c1", "s1", "d"}));
    route->MoveBefore(c3, route->Find(c3), route->Find(c2));
    EXPECT_EQ(RouteLabels(route), (std::vector<std::string>{"d", "c3", "c2", "c1", "s1", "d"}));

    // Chain c3, c2 (up to c1, not included) goes after s1 reversed.
    route->MoveChainAfter(route->Find(c3), c1, route->Find(s1));
    EXPECT_EQ(RouteLabels(route), (std::vector<std::string>{"d", "c1", "s1", "c2", "c3", "d"}));
    EXPECT_EQ(route->GetQuantity(FT_CUSTOMER), 120);
    EXPECT_EQ(c3->GetRoute(), route);
}

TEST_F(RouteTest, BestInsertionKeepsCustomersBeforeSuppliersTakesTheEarliestTieAndRespectsCapacity) {
    CFacility *p = nullptr, *s = nullptr;
    double cost = 0.0;
    // c3 sits beyond c1 on the x axis: the cheapest customer link is (c1, s1).
    CRoute* mixed = AddRoute({d, c1, s1, s2, d});
    mixed->FindBestInsertion(c3, p, s, cost);
    EXPECT_EQ(p, c1);
    EXPECT_EQ(s, s1);
    EXPECT_NEAR(cost, 20.0 + std::hypot(30.0, 10.0) - std::hypot(10.0, 10.0), 1e-9);
    doc->DeleteRoute(mixed);

    // A supplier next to c1 still goes after the last customer.
    CFacility* near = AddSupplier("s3", 10, 1, 1);
    CFacility* twin = AddCustomer("c4", 10, 0, 1); // at c1: links (d, c1) and (c1, c2) cost the same
    CRoute* route = AddRoute({d, c1, c2, d});
    route->FindBestInsertion(near, p, s, cost);
    EXPECT_EQ(p, c2);
    EXPECT_EQ(s, d);
    route->FindBestInsertion(twin, p, s, cost);
    EXPECT_EQ(p, d);
    EXPECT_EQ(s, c1);
    EXPECT_NEAR(cost, 0.0, 1e-9);

    // 70 + 50 > 100; a route of the depot alone has no link.
    route->FindBestInsertion(c3, p, s, cost);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(cost, DBL_MAX);
    CRoute single(doc.get());
    single.AddFacility(d, false);
    p = c1;
    single.FindBestInsertion(s1, p, s, cost);
    EXPECT_EQ(p, nullptr);
}

TEST_F(RouteTest, ReportPutsFifteenLabelsOnALine) {
    CRoute route(doc.get());
    route.SetLabel("3");
    route.AddFacility(d, false);
    for (int k = 0; k < 14; ++k) {
        route.AddFacility(k % 2 == 0 ? c1 : c2, false);
    }
    route.AddFacility(d, false);
    route.SetDistance(12.5);
    const std::string text = CaptureOutput([&](std::FILE* file) { route.WriteReport(file); });
    std::string expected =
        "Route =       3: distance =       12.500, # customers =    14, total demand =          490, "
        "# suppliers =     0, total supply            0\nFacilities:\n";
    expected += "      d  ";
    for (int k = 0; k < 14; ++k) {
        expected += k % 2 == 0 ? "     c1  " : "     c2  ";
    }
    expected += "\n      d\n";
    EXPECT_EQ(text, expected);
}

// Reads a route from item lists as the route file reader hands them over (whole route files
// are read with the text project import): the header line "h", the entry lines "e", the checks
// after the closing depot at the line "last".
class RouteReadingTest : public RouteTest {
protected:
    using Entries = std::vector<std::vector<std::string>>;
    // The message of the refusal, "" when the route was read.
    std::string Refusal(const std::vector<std::string>& header, const Entries& entries) {
        CRoute route(doc.get());
        route.SetLabel("1");
        bool closed = false;
        bool read = route.DecodeDataHeader(header, "h");
        for (std::size_t i = 0; read && !closed && i < entries.size(); ++i) {
            read = route.AddDataEntry(entries[i], "e", closed);
        }
        read = read && closed && route.FinishDataLines("last");
        route.Clear();
        std::vector<std::string> messages = TakeMessages();
        return read ? "" : messages.empty() ? "<none>" : messages.back();
    }
    std::string LastMessage() {
        auto messages = TakeMessages();
        return messages.empty() ? std::string() : messages.back();
    }
};

TEST_F(RouteReadingTest, HeaderEntriesAndTheWholeRouteAreCheckedWithTheirMessages) {
    AddDepot("e", 5, 5);
    const Entries good = {{"Depot", "d"}, {"Customer", "c1"}, {"Supplier", "s1"}, {"Depot", "d"}};
    const std::string on = " on route 1 in document data line\r\n";
    struct SCase {
        std::vector<std::string> header;
        Entries entries;
        std::string message;
    };
    const SCase cases[] = {
        {{"1", "1", "silver"}, good, ""},
        {{"4", "0", "navy"}, good, "Invalid number of Customer facilities 4 out of range [0, 3]" + on + "h"},
        {{"1", "x", "navy"}, good, "Invalid number of Supplier facilities x out of range [0, 2]" + on + "h"},
        // Palette colours 0 to 7 and RGB values are refused.
        {{"1", "1", "blue"}, good, "Invalid color blue for route 1 in document data line\r\nh"},
        {{"1", "1", "000000127"}, good, "Invalid color 000000127 for route 1 in document data line\r\nh"},
        {{"1", "1", "navy"},
         {{"Customer", "c1"}},
         "Invalid Customer c1 first facility in route before depot facility" + on + "e"},
        {{"1", "1", "navy"}, {{"Truck", "d"}}, "Invalid facility type Truck" + on + "e"},
        {{"1", "1", "navy"}, {{"Depot", "c1"}}, "Invalid Depot label c1 or label not found" + on + "e"},
        {{"0", "2", "navy"},
         {{"Depot", "d"}, {"Supplier", "s1"}, {"Supplier", "s1"}},
         "Duplicate route assignment for Supplier s1 to routes 1 and 1 in document data line\r\ne"},
        {{"3", "0", "navy"},
         {{"Depot", "d"}, {"Customer", "c1"}, {"Customer", "c2"}, {"Customer", "c3"}, {"Depot", "d"}},
         "Invalid total Customer quantity 120 out of range [0, 100]" + on + "last"},
        {{"1", "0", "navy"},
         {{"Depot", "d"}, {"Customer", "c1"}, {"Depot", "e"}},
         "Different origin d and destination e Depot facilities" + on + "last"},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(Refusal(c.header, c.entries), c.message);
    }
    EXPECT_EQ(c1->GetRoute(), nullptr);
}

TEST_F(RouteReadingTest, RouteLabels) {
    CRoute* existing = AddRoute({d, c1, d});
    CRoute fresh(doc.get());
    std::string out;
    EXPECT_FALSE(fresh.DecodeLabel(existing->GetLabel(), out));
    EXPECT_EQ(LastMessage(), "Invalid duplicate Route label 1");
    EXPECT_FALSE(fresh.DecodeLabel("r-2", out));
    EXPECT_EQ(LastMessage(), "Invalid character \"-\" in Route label \"r-2\"");
    EXPECT_FALSE(fresh.DecodeLabel("", out));
    EXPECT_EQ(LastMessage(), "Invalid empty (null) Route label");
    EXPECT_TRUE(existing->DecodeLabel("1", out));
    CFacility* found = nullptr;
    EXPECT_FALSE(fresh.DecodeFacilityReference(RA_LABEL, "d", found));
    EXPECT_EQ(LastMessage(), "Internal error: unknown scalar data item with value \"d\" to validate");
}

} // namespace
