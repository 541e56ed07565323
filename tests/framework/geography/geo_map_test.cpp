#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/colours/color.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/geography/geo_map.h"
#include "framework/strings/format.h"
#include "tests/support/app_fixture.h"

namespace {

class GeoMapTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        CIntRect view;
        plane.Initialize(CLonLatRect(0, 0, 10000, 8000), WORLDRADIUS_KM, view);
        // 10 to 20 degrees east, 40 to 50 degrees north.
        earth.Initialize(CLonLatRect(100000, 400000, 200000, 500000), WORLDRADIUS_KM, view);
    }

    // Writes the map file and imports it; returns the messages shown.
    std::vector<std::string> ImportText(const std::string& text, const CMapProjection& projection) {
        WriteWholeFile(path, text);
        ui.ClearRecords();
        try {
            map.Import(path, projection);
        } catch (const CUserException&) {
            EXPECT_TRUE(map.IsEmpty()) << "a refused map is left empty";
        }
        return Messages();
    }
    std::vector<std::string> Refused(const std::string& text, const CMapProjection& projection) {
        std::vector<std::string> messages = ImportText(text, projection);
        EXPECT_TRUE(map.IsEmpty());
        return messages;
    }

    CTempFolder folder;
    std::string path = folder.File("coast.map");
    COrthogonalProjection plane;
    CMercatorProjection earth;
    CGeoMap map;
};

TEST_F(GeoMapTest, IntegerRectangularMapWithCommentsBetweenAnyLinesReads) {
    std::vector<std::string> messages = ImportText("; a background map\n"
                                                   "2 7\n"
                                                   "; first object\n"
                                                   "3 red BLUE\n"
                                                   "0 0\n"
                                                   "; between vertices\n"
                                                   "10000 0\n"
                                                   "5000 8000\n"
                                                   "4 Dark_Gray silver\r\n"
                                                   "1 2\r\n"
                                                   "3 4\r\n"
                                                   "5 6\r\n"
                                                   "7 8\r\n"
                                                   "; trailing comment\n",
                                                   plane);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(map.GetSize(), 2);
    EXPECT_EQ(map.GetNumberOfPoints(), 7);
    const CMapPolygon& first = map.GetPolygon(0);
    EXPECT_EQ(first.GetBoundaryColor(), COLOR_RED);
    EXPECT_EQ(first.GetAreaColor(), COLOR_BLUE);
    // View coordinates: north up.
    EXPECT_EQ(first.GetVertices(), (std::vector<CIntPoint>{{0, 8000}, {10000, 8000}, {5000, 0}}));
    EXPECT_EQ(map.GetPolygon(1).GetBoundaryColor(), COLOR_DARK_GRAY);
    EXPECT_EQ(map.GetPolygon(1).GetAreaColor(), COLOR_SILVER);
    EXPECT_EQ(map.GetPolygon(1).GetVertex(3), (CIntPoint{7, 7992}));
}

TEST_F(GeoMapTest, FractionalAndIntegerModesAgreeInBothKindsOfProject) {
    ImportText("1 3 FRACTIONAL\n3 green yellow\n1.4 2.6\n-0.0 7999.5\n9999.49 0.2\n", plane);
    ASSERT_EQ(map.GetSize(), 1);
    EXPECT_EQ(map.GetPolygon(0).GetVertices(), (std::vector<CIntPoint>{{1, 7997}, {0, 1}, {9999, 8000}}));

    // The same triangle as packed and as fractional degrees (12d30m = 12.5, 45d15m = 45.25).
    ImportText("1 3 integer\n3 black white\n123000 451500\n100000 400000\n200000 500000\n", earth);
    ASSERT_EQ(map.GetSize(), 1);
    CGeoMap packed = map;
    ImportText("1 3 Fractional\n3 black white\n12.5 45.25\n10 40\n20.0 50.0\n", earth);
    ASSERT_EQ(map.GetSize(), 1);
    EXPECT_EQ(map, packed);
    EXPECT_EQ(map.GetPolygon(0).GetVertex(1), (CIntPoint{0, earth.GetViewLimits().bottom}));
    EXPECT_EQ(map.GetPolygon(0).GetVertex(2), (CIntPoint{earth.GetViewLimits().right, 0}));
}

TEST_F(GeoMapTest, HeaderObjectAndVertexRefusalsLeaveTheMapEmpty) {
    CIntPoint south = earth.WorldToView(CLonLatPoint(150000, 300000));
    const CIntRect& limits = earth.GetViewLimits();
    EXPECT_GT(south.y, limits.bottom); // a valid coordinate outside the world is outside the view
    const std::string items = "Invalid number of items read ";
    const struct {
        std::string text;
        const CMapProjection* projection;
        std::string message;
    } cases[] = {
        {"2 5\n", &plane, "Invalid number of objects 2 or number of points 5 in map file " + path},
        {"0 3\n", &plane, "Invalid number of objects 0 or number of points 3 in map file " + path},
        {"; only\n3\n", &plane, items + "1 different from required number 2 on data line\r\n3"},
        {"\n", &plane, items + "0 different from required number 2 on data line\r\n"},
        {"1 3 Decimal\n3 red red\n0 0\n1 1\n2 2\n", &plane,
         "Invalid map coordinate mode Decimal different from {integer, fractional} in map file " + path},
        {"1 3\n3 red\n", &plane, items + "2 different from required number 3 on data line\r\n3 red"},
        {"1 3\n2 red blue\n", &plane,
         "Invalid number of polygon vertex points 2 out of valid range [3, 3] in data line\r\n\"2 red "
         "blue\""},
        // The second object may only use the points the first left.
        {"2 7\n3 red blue\n0 0\n1 1\n2 2\n5 red blue\n", &plane,
         "Invalid number of polygon vertex points 5 out of valid range [3, 4] in data line\r\n\"5 red "
         "blue\""},
        {"1 3\n3 red mauve\n", &plane, "Invalid boundary or area color mauve in data line\r\n3 red mauve"},
        {"1 3\n3 255000000 red\n", &plane,
         "Invalid boundary or area color 255000000 in data line\r\n3 255000000 red"},
        {"1 3\n3 red blue\n0 0\n1\n", &plane, items + "1 different from required number 2 on data line\r\n1"},
        {"1 3\n3 red blue\n0 0\n1 1\n10001 5\n", &plane,
         "Invalid map vertex (10001, 7995) outside view limits (0, 0) to (10000, 8000) in data line\r\n10001 "
         "5"},
        {"1 3\n3 red blue\n150000 456000\n", &earth,
         "Invalid minutes in packed longitude/latitude 456000 out of valid range [0, 59] in document data "
         "line\r\n150000 456000"},
        {"1 3 fractional\n3 red blue\n15.0 95.0\n", &earth,
         "Invalide latitude or longitude 95.0 out of valid range [-90, 90] in document data line\r\n15.0 "
         "95.0"},
        {"1 3\n3 red blue\n150000 300000\n", &earth,
         FormatString("Invalid map vertex (%d, %d) outside view limits (0, 0) to (%d, %d) in data "
                      "line\r\n150000 300000",
                      south.x, south.y, limits.right, limits.bottom)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Refused(c.text, *c.projection), std::vector<std::string>{c.message}) << c.text;
    }
}

TEST_F(GeoMapTest, EarlyEndOfFileOrAMissingFileIsRefusedAndAnEarlierMapIsGone) {
    ImportText("1 3\n3 red blue\n0 0\n1 1\n2 2\n", plane);
    ASSERT_EQ(map.GetSize(), 1);
    std::string message = "Error reading map file past end-of-file in map file " + path;
    for (const char* text : {"1 3\n3 red blue\n0 0\n; a comment is no vertex\n1 1\n",
                             "2 6\n3 red blue\n0 0\n1 1\n2 2\n", "; nothing but comments\n", ""}) {
        EXPECT_EQ(Refused(text, plane), std::vector<std::string>{message}) << text;
    }
    // Refusals are logged.
    EXPECT_NE(ExecutionLog().find(message), std::string::npos);

    map.Add(CMapPolygon(1, 1, {{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_THROW(map.Import(folder.File("absent.map"), plane), CFileException);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_THROW(CGeoMap::CheckMapFile(folder.File("absent.map")), CFileException);
    // The header check reads only the first data line.
    WriteWholeFile(path, "; header only\n1 3 fractional\n");
    EXPECT_NO_THROW(CGeoMap::CheckMapFile(path));
    WriteWholeFile(path, "2 5\n");
    ui.ClearRecords();
    EXPECT_THROW(CGeoMap::CheckMapFile(path), CUserException);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Invalid number of objects 2 or number of points 5 in map file " + path});
}

TEST_F(GeoMapTest, ExportedMapsImportAgain) {
    ImportText("2 7\n3 red blue\n0 0\n10000 0\n5000 8000\n4 olive teal\n1 2\n3 4\n5 6\n7 8\n", plane);
    ASSERT_EQ(map.GetSize(), 2);
    CGeoMap original = map;
    std::string exported = folder.File("exported.map");
    original.Export(exported, plane);
    map.Import(exported, plane);
    EXPECT_EQ(map, original);
    EXPECT_EQ(ReadWholeFile(exported).substr(0, 14), "2 7 Integer\n3 ");

    ImportText("1 4 fractional\n4 red blue\n10 40\n20 40\n17.123 48.456\n12.5 45.25\n", earth);
    ASSERT_EQ(map.GetSize(), 1);
    original = map;
    original.Export(exported, earth);
    map.Import(exported, earth);
    ASSERT_EQ(map.GetSize(), 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_LE(std::abs(map.GetPolygon(0).GetVertex(i).x - original.GetPolygon(0).GetVertex(i).x), 1);
        EXPECT_LE(std::abs(map.GetPolygon(0).GetVertex(i).y - original.GetPolygon(0).GetVertex(i).y), 1);
    }
    EXPECT_THROW(original.Export(folder.File("no/such/folder/x.map"), earth), CFileException);
}

} // namespace
