#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>

#include "tests/model/project_fixture.h"

namespace {

// Labels of a route's entries, in order.
std::vector<std::string> Labels(const CRoute& route) {
    std::vector<std::string> labels;
    for (const CFacility* f : route.GetFacilities()) {
        labels.push_back(f->GetLabel());
    }
    return labels;
}

std::string Written(void (*write)(const CRoute&, std::FILE*), const CRoute& route) {
    CTempFolder folder;
    std::string path = folder.File("out.txt");
    std::FILE* file = std::fopen(path.c_str(), "w");
    write(route, file);
    std::fclose(file);
    return ReadWholeFile(path);
}

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
    EXPECT_EQ(Labels(route), (std::vector<std::string>{"d", "c1", "c2", "s1", "d"}));
    EXPECT_EQ(route.GetQuantity(FT_CUSTOMER), 70);
    EXPECT_EQ(route.GetCount(FT_SUPPLIER), 1);
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
    EXPECT_TRUE(route.IsEmpty());
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
    CRoute empty(doc.get());
    EXPECT_EQ(empty.GetFirst(position), nullptr);
    EXPECT_EQ(empty.GetLast(position), nullptr);
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
    EXPECT_EQ(Labels(*route), (std::vector<std::string>{"d", "c2", "c3", "c1", "s1", "d"}));
    route->MoveBefore(c3, route->Find(c3), route->Find(c2));
    EXPECT_EQ(Labels(*route), (std::vector<std::string>{"d", "c3", "c2", "c1", "s1", "d"}));

    // Chain c3, c2 (up to c1, not included) goes after s1 reversed.
    route->MoveChainAfter(route->Find(c3), c1, route->Find(s1));
    EXPECT_EQ(Labels(*route), (std::vector<std::string>{"d", "c1", "s1", "c2", "c3", "d"}));
    EXPECT_EQ(route->GetCount(FT_CUSTOMER), 3);
    EXPECT_EQ(route->GetQuantity(FT_CUSTOMER), 120);
    EXPECT_EQ(c2->GetRoute(), route);
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
    std::string text = Written([](const CRoute& r, std::FILE* f) { r.WriteReport(f); }, route);
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

TEST_F(RouteTest, DataLinesGiveCountsColourAndEveryEntry) {
    CRoute* route = AddRoute({d, c1, s1, d});
    std::string text = Written([](const CRoute& r, std::FILE* f) { r.WriteDataLines(f); }, *route);
    EXPECT_EQ(text, "    1\t    1\tdark_gray\n"
                    "       Depot\t   d\n"
                    "    Customer\t  c1\n"
                    "    Supplier\t  s1\n"
                    "       Depot\t   d\n");
}

// Reads a route from item lists as the route file reader hands them over.
class RouteReadingTest : public RouteTest {
protected:
    bool Read(CRoute& route, const std::vector<std::string>& header,
              const std::vector<std::vector<std::string>>& entries) {
        if (!route.DecodeDataHeader(header, "header")) {
            return false;
        }
        bool closed = false;
        for (const auto& items : entries) {
            if (!route.AddDataEntry(items, "entry", closed)) {
                return false;
            }
            if (closed) {
                break;
            }
        }
        return closed && route.FinishDataLines("last");
    }
    std::unique_ptr<CRoute> NewRoute() {
        auto route = std::make_unique<CRoute>(doc.get());
        route->SetLabel("1");
        return route;
    }
    std::string LastMessage() {
        auto messages = TakeMessages();
        return messages.empty() ? std::string() : messages.back();
    }
};

TEST_F(RouteReadingTest, AGoodRouteWithTypeNamesInAnyCase) {
    auto route = NewRoute();
    ASSERT_TRUE(
        Read(*route, {"2", "1", "navy"},
             {{"DEPOT", "d"}, {"customer", "c1"}, {"Customer", "c2"}, {"supplier", "s1"}, {"Depot", "d"}}));
    EXPECT_EQ(Labels(*route), (std::vector<std::string>{"d", "c1", "c2", "s1", "d"}));
    EXPECT_EQ(route->GetColor().GetColorIndex(), COLOR_NAVY);
    EXPECT_EQ(c1->GetRoute(), route.get());
    EXPECT_EQ(d->GetRoute(), nullptr);
    route->Clear();
}

TEST_F(RouteReadingTest, HeaderRefusals) {
    auto route = NewRoute();
    EXPECT_FALSE(route->DecodeDataHeader({"4", "0", "navy"}, "4 0 navy"));
    EXPECT_EQ(LastMessage(),
              "Invalid number of Customer facilities 4 out of range [0, 3] on route 1 in document data "
              "line\r\n4 0 navy");
    EXPECT_FALSE(route->DecodeDataHeader({"1", "x", "navy"}, "l"));
    EXPECT_EQ(LastMessage(),
              "Invalid number of Supplier facilities x out of range [0, 2] on route 1 in document data "
              "line\r\nl");
    // Palette colours 0 to 7 and RGB values are refused.
    EXPECT_FALSE(route->DecodeDataHeader({"1", "1", "blue"}, "l"));
    EXPECT_EQ(LastMessage(), "Invalid color blue for route 1 in document data line\r\nl");
    EXPECT_FALSE(route->DecodeDataHeader({"1", "1", "000000127"}, "l"));
    EXPECT_EQ(LastMessage(), "Invalid color 000000127 for route 1 in document data line\r\nl");
    EXPECT_TRUE(route->DecodeDataHeader({"1", "1", "silver"}, "l"));
}

TEST_F(RouteReadingTest, EntryRefusals) {
    auto route = NewRoute();
    bool closed = false;
    ASSERT_TRUE(route->DecodeDataHeader({"1", "1", "navy"}, "h"));
    EXPECT_FALSE(route->AddDataEntry({"Customer", "c1"}, "e", closed));
    EXPECT_EQ(LastMessage(),
              "Invalid Customer c1 first facility in route before depot facility on route 1 in document "
              "data line\r\ne");
    EXPECT_FALSE(route->AddDataEntry({"Truck", "d"}, "e", closed));
    EXPECT_EQ(LastMessage(), "Invalid facility type Truck on route 1 in document data line\r\ne");
    EXPECT_FALSE(route->AddDataEntry({"Depot", "c1"}, "e", closed));
    EXPECT_EQ(LastMessage(),
              "Invalid Depot label c1 or label not found on route 1 in document data line\r\ne");
    ASSERT_TRUE(route->AddDataEntry({"Depot", "d"}, "e", closed));
    ASSERT_TRUE(route->AddDataEntry({"Supplier", "s1"}, "e", closed));
    EXPECT_FALSE(route->AddDataEntry({"Customer", "c1"}, "e", closed));
    EXPECT_EQ(LastMessage(), "Invalid Customer c1 after Supplier on route 1 in document data line\r\ne");
    // s1 is on this route already.
    EXPECT_FALSE(route->AddDataEntry({"Supplier", "s1"}, "e", closed));
    EXPECT_EQ(LastMessage(),
              "Duplicate route assignment for Supplier s1 to routes 1 and 1 in document data line\r\ne");
    route->Clear();
}

TEST_F(RouteReadingTest, ChecksAfterTheClosingDepot) {
    auto route = NewRoute();
    EXPECT_FALSE(Read(*route, {"3", "0", "navy"},
                      {{"Depot", "d"}, {"Customer", "c1"}, {"Customer", "c2"}, {"Depot", "d"}}));
    EXPECT_EQ(LastMessage(),
              "Invalid number of Customer data records specified 3 <> 2 number of Customer data records "
              "read on route 1 in document data line\r\nlast");
    route->Clear();

    auto heavy = NewRoute();
    EXPECT_FALSE(
        Read(*heavy, {"3", "0", "navy"},
             {{"Depot", "d"}, {"Customer", "c1"}, {"Customer", "c2"}, {"Customer", "c3"}, {"Depot", "d"}}));
    EXPECT_EQ(LastMessage(),
              "Invalid total Customer quantity 120 out of range [0, 100] on route 1 in document data "
              "line\r\nlast");
    heavy->Clear();

    CFacility* other = AddDepot("e", 5, 5);
    auto open = NewRoute();
    EXPECT_FALSE(
        Read(*open, {"1", "0", "navy"}, {{"Depot", "d"}, {"Customer", "c1"}, {"Depot", other->GetLabel()}}));
    EXPECT_EQ(LastMessage(),
              "Different origin d and destination e Depot facilities on route 1 in document data "
              "line\r\nlast");
    open->Clear();
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
