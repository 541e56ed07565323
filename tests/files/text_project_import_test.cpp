#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "framework/colours/shape.h"
#include "framework/random/random.h"
#include "tests/files/text_project_fixture.h"

namespace {

std::vector<std::string> RouteLabels(const CRoute& route) {
    std::vector<std::string> labels;
    for (const CFacility* f : route.GetFacilities()) {
        labels.push_back(f->GetLabel());
    }
    return labels;
}

std::string ToUpper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

} // namespace

using ImportTest = TextProjectFixture;

TEST_F(ImportTest, ReadsEveryPartOfAProject) {
    ASSERT_TRUE(Import());
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(app->IsIdle());
    EXPECT_EQ(app->GetDocument(), doc.get());
    EXPECT_FALSE(doc->IsModified());

    EXPECT_EQ(doc->GetDocTitle(), "Probe");
    EXPECT_EQ(doc->GetDataVersion(), 20014u);
    EXPECT_EQ(doc->GetPathName(), Path("p.dat"));
    EXPECT_EQ(doc->GetWorldLimits(), CLonLatRect(0, 0, 10000, 10000));
    EXPECT_EQ(doc->GetDistanceNorm().GetNorm(), DN_RECTILINEAR);
    EXPECT_EQ(doc->GetDistanceFactor(), 2.0);
    EXPECT_EQ(doc->GetNumberOfVehicles(), 4);
    EXPECT_EQ(doc->GetVehicleCapacity(), 80);
    EXPECT_EQ(doc->GetInfeasibilityPenalty(), 250.0);
    EXPECT_EQ(doc->GetSeed(), 777);
    // The seed item reseeds the generator.
    int first = SableRand();
    SableSrand(777);
    EXPECT_EQ(first, SableRand());
    // Items the file leaves out keep the values of a new import.
    EXPECT_EQ(doc->GetReportLevel(), 3);
    EXPECT_EQ(doc->GetTimeLimit(), 30.0);

    ASSERT_EQ(doc->GetTotalNumberOfFacilities(), 4);
    const CFacility* c2 = doc->GetFacility(FT_CUSTOMER, 1);
    EXPECT_EQ(c2->GetLabel(), "c2");
    EXPECT_EQ(c2->GetName(), "Beta");
    EXPECT_EQ(c2->GetWorldLocation(), CLonLatPoint(4000, 1000));
    EXPECT_EQ(c2->GetQuantity(), 40);
    EXPECT_EQ(c2->GetShape(), SHAPE_CIRCLE);
    EXPECT_EQ(c2->GetColor().GetColorName(), "red");
    EXPECT_EQ(doc->GetTotalQuantity(FT_CUSTOMER), 70);

    ASSERT_EQ(doc->GetNumberOfRoutes(), 1);
    const CRoute* route = doc->GetRoute(0);
    EXPECT_EQ(RouteLabels(*route), (std::vector<std::string>{"d1", "c1", "c2", "s1", "d1"}));
    EXPECT_EQ(route->GetColor().GetColorName(), "navy");
    EXPECT_EQ(doc->GetFacility(FT_CUSTOMER, 0)->GetRoute(), route);
    EXPECT_EQ(doc->GetRoutedCount(), 3);

    // Distances are computed under the norm and factor that were read.
    EXPECT_EQ(doc->GetDistance(0, 1), 6000.0);
    EXPECT_EQ(doc->GetDistance(3, 2), 6000.0);
    const CAlgoStat& current = doc->GetCurrentSolution();
    EXPECT_EQ(current.m_strAlgoName, "Initial Load");
    EXPECT_EQ(current.m_lNumberOfRoutes, 1);
    EXPECT_EQ(current.m_dDistance, 28000.0);
    EXPECT_EQ(current.m_dCost, 28000.0);
    doc->CheckSolution(true);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ImportTest, KeysInUpperCaseReadLikeLowerCaseAndItemsReadButNeverWritten) {
    SetLine("[cost_factor]", "[cost_factor]\t2.5");
    SetLine("[tolerance]", "[tolerance]\t0.25");
    SetLine("[case_name]", "[case_name]\tCase_7");
    for (std::string& line : scalar) {
        std::size_t tab = line.find('\t');
        line = ToUpper(line.substr(0, tab)) + line.substr(tab);
    }
    ASSERT_TRUE(Import());
    EXPECT_EQ(doc->GetVehicleCapacity(), 80);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 1);
    EXPECT_EQ(doc->GetTolerance(), 0.25);
    EXPECT_EQ(doc->GetDocTitle(), "Case_7");
    EXPECT_EQ(doc->GetDistance(0, 1), 6000.0);
}

TEST_F(ImportTest, CommentsAreSkippedAndABlankLineEndsTheScalarData) {
    scalar.insert(scalar.begin(), "; a comment before the first item");
    scalar.insert(scalar.begin() + 5, ";[vehicle_capacity]\t1");
    // Everything after the blank line is left unread: the seed keeps its value.
    scalar.insert(scalar.end() - 1, "   \t");
    ASSERT_TRUE(Import());
    EXPECT_EQ(doc->GetVehicleCapacity(), 80);
    EXPECT_EQ(doc->GetSeed(), 12345);

    // A blank line before the project name leaves the project without one.
    SetLine("[seed]", "[seed]\t777");
    scalar.insert(scalar.begin(), "");
    EXPECT_EQ(RefusedImport(), std::vector<std::string>{kMissingItems});
}

TEST_F(ImportTest, QuotedValuesMayHoldBlanksWhereTheKeyAllowsQuotes) {
    SetLine("[project_name]", "[project_name]\t\"North Plant\"  trailing words");
    ASSERT_TRUE(Import());
    EXPECT_EQ(doc->GetDocTitle(), "North Plant");

    SetLine("[project_name]", "[project_name]\tNorth Plant");
    ASSERT_TRUE(Import());
    EXPECT_EQ(doc->GetDocTitle(), "North");

    WriteFile("my customers.cus", ReadWholeFile(Path("p.cus")));
    SetLine("[customer_file_name]", "[customer_file_name]\t\"my customers.cus\"");
    ASSERT_TRUE(Import());
    EXPECT_EQ(doc->GetDataFileName(FT_CUSTOMER), Path("my customers.cus"));

    // A key without quotes takes the quote as part of its value; one quote alone gives nothing.
    SetLine("[distance_norm]", "[distance_norm]\t\"Euclidean\"");
    EXPECT_EQ(RefusedImport(), (std::vector<std::string>{Completed("Invalid distance norm name \"Euclidean\"",
                                                                   "[distance_norm]\t\"Euclidean\""),
                                                         kMissingItems}));
    SetLine("[distance_norm]", "[distance_norm]\tEuclidean");
    SetLine("[project_name]", "[project_name]\t\"North");
    EXPECT_EQ(RefusedImport(),
              (std::vector<std::string>{
                  Completed("Invalid empty (null) project name", "[project_name]\t\"North"), kMissingItems}));
}

TEST_F(ImportTest, ReadsFilesWithCrLfLineEnds) {
    for (const char* name : {"p.cus", "p.sup", "p.dep", "p.rou"}) {
        std::string text = ReadWholeFile(Path(name));
        std::string crlf;
        for (char c : text) {
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        WriteFile(name, crlf);
    }
    SetLine("[project_name]", "[project_name]\t\"Two Words\"");
    ASSERT_TRUE(Import("\r\n"));
    EXPECT_EQ(doc->GetDocTitle(), "Two Words");
    EXPECT_EQ(doc->GetFacility(FT_CUSTOMER, 1)->GetName(), "Beta");
    EXPECT_EQ(doc->GetFacility(FT_SUPPLIER, 0)->GetColor().GetColorName(), "green");
    EXPECT_EQ(doc->GetRoute(0)->GetColor().GetColorName(), "navy");
    EXPECT_EQ(doc->GetSeed(), 777);
}

TEST_F(ImportTest, DataFileNamesAreCompletedWithTheScalarFileFolder) {
    std::filesystem::create_directory(folder.Path() / "data");
    std::filesystem::rename(Path("p.cus"), Path("data/p.cus"));
    CTempFolder elsewhere;
    std::filesystem::copy_file(Path("p.sup"), elsewhere.File("far.sup"));
    SetLine("[customer_file_name]", "[customer_file_name]\tdata/p.cus");
    SetLine("[supplier_file_name]", "[supplier_file_name]\t" + elsewhere.File("far.sup"));
    ASSERT_TRUE(Import());
    EXPECT_EQ(doc->GetDataFileName(FT_CUSTOMER), Path("data/p.cus"));
    EXPECT_EQ(doc->GetDataFileName(FT_SUPPLIER), elsewhere.File("far.sup"));
    EXPECT_EQ(doc->GetDataFileName(FT_DEPOT), Path("p.dep"));
    EXPECT_EQ(doc->GetNumberOfSuppliers(), 1);
}

TEST_F(ImportTest, UnknownKeysAskWhetherToGoOn) {
    const std::string question = "Unknown scalar data field name [colour] in data line \r\n[colour]\tred \r\n"
                                 "Do you want to continue reading the project scalar data file?";
    scalar.insert(scalar.begin() + 2, "[colour]\tred");
    ui.answers.push_back(EMessageAnswer::yes);
    ASSERT_TRUE(Import());
    EXPECT_EQ(Messages(), std::vector<std::string>{question});
    EXPECT_EQ(ui.messages[0].buttons, EMessageButtons::yesNo);

    ui.answers.push_back(EMessageAnswer::no);
    EXPECT_EQ(RefusedImport(), (std::vector<std::string>{question, kMissingItems}));
}

TEST_F(ImportTest, LimitKeysBelongToTheProjectionReadBeforeThem) {
    // Longitudes while the projection is still Orthogonal are unknown keys.
    scalar.insert(scalar.begin() + 2, "[minimum_longitude]\t-1000000");
    ui.answers.push_back(EMessageAnswer::no);
    std::vector<std::string> messages = RefusedImport();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind("Unknown scalar data field name [minimum_longitude] in data line", 0), 0u);

    // And x limits after a geographic projection.
    scalar.erase(scalar.begin() + 2);
    SetLine("[map_projection]", "[map_projection]\tmercator");
    ui.answers.push_back(EMessageAnswer::no);
    messages = RefusedImport();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind("Unknown scalar data field name [minimum_x_coordinate] in data line", 0), 0u);
}

// One refused scalar item: the lines put first in the file and the expected message.
struct SRefusedItem {
    std::vector<std::string> lines;
    std::string message;
};

TEST_F(ImportTest, EveryRefusedScalarItemShowsItsMessageWithTheDataLine) {
    const std::vector<SRefusedItem> cases = {
        {{"[data_version]\t-1"}, "Invalid data version -1 outside range [0, 2147483647]"},
        {{"[project_name]\tNorth-Plant"}, "Invalid character - in project name North-Plant"},
        {{"[project_name]\t" + std::string(64, 'a')},
         "Invalid project name length 64 outside range [1, 63] for project name " + std::string(64, 'a') +
             "\""},
        {{"[case_name]\t\"quoted\""}, "Invalid character \" in project name \"quoted\""},
        {{"[map_projection]\tLambert"}, "Invalid map projection name Lambert"},
        {{"[minimum_x_coordinate]\t-1073741824"},
         "Invalid minimum x coordinate -1073741824 out of range [-1073741823, 1073741823]"},
        {{"[maximum_y_coordinate]\tten"},
         "Invalid maximum y coordinate ten out of range [-1073741823, 1073741823]"},
        {{"[map_projection]\tAlbers", "[minimum_longitude]\t-1000060"},
         "Invalid seconds in packed longitude/latitude -1000060 out of valid range [0, 59]"},
        {{"[map_projection]\tAlbers", "[minimum_latitude]\t306000"},
         "Invalid minutes in packed longitude/latitude 306000 out of valid range [0, 59]"},
        {{"[map_projection]\tAlbers", "[maximum_longitude]\t-1810000"},
         "Invalid degrees in packed longitude -1810000 out of valid range [-180, 180]"},
        {{"[map_projection]\tAlbers", "[maximum_latitude]\t910000"},
         "Invalid degrees in packed latitude 910000 out of valid range [-90, 90]"},
        {{"[map_projection]\tMercator", "[maximum_longitude]\t1800000"},
         "Invalid maximum longitude 1800000 out of range [-1800000, 1800000]"},
        {{"[map_projection]\tMercator", "[minimum_latitude]\t-900000"},
         "Invalid minimum latitude -900000 out of range [-900000, 900000]"},
        {{"[distance_norm]\tManhattan"}, "Invalid distance norm name Manhattan"},
        {{"[world_radius]\t999.9"}, "Invalid world radius 999.9 less than 1000.000000"},
        {{"[distance_factor]\t9.5"},
         "Invalid distance adjustment factor 9.5 out of valid range [1.000000, 9.000000]"},
        {{"[number_of_vehicles]\t0"}, "Invalid number of vehicles 0 out of valid range [1, 500]"},
        {{"[vehicle_capacity]\t32768"}, "Invalid vehicle capacity 32768 out of range [1, 32767]"},
        {{"[infeasibility_penalty]\t-1"}, "Invalid negative infeasibility penalty -1"},
        {{"[number_of_suppliers]\t501"}, "Invalid number of Supplier facilities 501 out of range [0, 500]"},
        {{"[number_of_routes]\tmany"}, "Invalid number of routes many out of range [0,500]"},
        {{"[depot_file_name]\t\"\""}, "Invalid empty (null) Depot data file name"},
        {{"[report_level]\t6"}, "Invalid report level 6 outside range [0,5]"},
        {{"[seed]\t32768"}, "Invalid seed 32768 out of range [0,32767]"},
        {{"[number_of_iterations]\t0"}, "Invalid maximum number of iterations 0 outside range [1,32767]"},
        {{"[time_limit]\t0.5"}, "Invalid time limit 0.5 outside range [1.00, 360000.00]"},
        {{"[tolerance]\t9.5"}, "Invalid tolerance 9.5 out of range [0,9.00]"},
    };
    const std::vector<std::string> base = scalar;
    for (const SRefusedItem& item : cases) {
        scalar = item.lines;
        scalar.insert(scalar.end(), base.begin(), base.end());
        EXPECT_EQ(RefusedImport(),
                  (std::vector<std::string>{Completed(item.message, item.lines.back()), kMissingItems}))
            << item.lines.back();
        EXPECT_EQ(doc->GetTotalNumberOfFacilities(), 0);
    }
}

TEST_F(ImportTest, ProjectItemRefusalsAreLoggedFrameworkItemRefusalsAreNot) {
    scalar.insert(scalar.begin(), "[vehicle_capacity]\t0");
    RefusedImport();
    EXPECT_NE(ExecutionLog().find("Invalid vehicle capacity 0 out of range [1, 32767] in document data line"),
              std::string::npos);
    scalar.front() = "[distance_factor]\t0.5";
    RefusedImport();
    EXPECT_EQ(ExecutionLog().find("Invalid distance adjustment factor"), std::string::npos);
    EXPECT_NE(ExecutionLog().find(kMissingItems), std::string::npos);
}

TEST_F(ImportTest, FileNamesThatCannotBeReadAreRefused) {
    SetLine("[distance_file_name]", "[distance_file_name]\tnone.dist");
    EXPECT_EQ(RefusedImport(),
              (std::vector<std::string>{
                  Completed("Could not read from Import Distance Data file \"" + Path("none.dist") +
                                "\"\nThe operating system returned error code 2: No such file or "
                                "directory",
                            "[distance_file_name]\tnone.dist"),
                  kMissingItems}));
    RemoveLine("[distance_file_name]");
    SetLine("[route_file_name]", "[route_file_name]\tnone.rou");
    std::vector<std::string> messages = RefusedImport();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind("Could not read from Import Route Data file \"" + Path("none.rou") + "\"", 0),
              0u);
}

TEST_F(ImportTest, IncompleteScalarDataIsRefusedAfterTheLastLine) {
    scalar.insert(scalar.begin() + 3, "[seed]");
    EXPECT_EQ(RefusedImport(), (std::vector<std::string>{"Invalid number of data items read 1 different from "
                                                         "required number 2 on data line \r\n[seed]",
                                                         kMissingItems}));
    scalar.erase(scalar.begin() + 3);

    SetLine("[maximum_x_coordinate]", "[maximum_x_coordinate]\t999");
    EXPECT_EQ(RefusedImport(),
              (std::vector<std::string>{"Invalid x coordinate range 999 out of range [1000, 1073741823]",
                                        kMissingItems}));
    SetLine("[maximum_x_coordinate]", "[maximum_x_coordinate]\t10000");

    RemoveLine("[depot_file_name]");
    EXPECT_EQ(RefusedImport(), std::vector<std::string>{kMissingItems});
}

TEST_F(ImportTest, FacilityNameIsTheRestOfTheDataLine) {
    WriteFile("p.cus",
              "c1 1000 1000 30 circle 20 red North  Plant \t\r\nc2 4000 1000 40 circle 20 red Beta\n");
    ASSERT_TRUE(Import()) << ::testing::PrintToString(Messages());
    EXPECT_EQ(doc->GetFacility(FT_CUSTOMER, 0)->GetName(), "North  Plant");
    EXPECT_EQ(doc->GetFacility(FT_CUSTOMER, 1)->GetName(), "Beta");

    // The words after the seventh item are validated as one name.
    const std::string badName = "c2 4000 1000 40 circle 20 red Beta, Gamma";
    WriteFile("p.cus", "c1 1000 1000 30 circle 20 red Alpha\n" + badName + "\n");
    EXPECT_EQ(RefusedImport(),
              std::vector<std::string>{Completed(
                  "Invalid character \",\" in facility name \"Beta, Gamma\" for Customer c2", badName)});
}

TEST_F(ImportTest, FacilityDataLineRefusals) {
    WriteFile("p.cus", "     c1\t 1000\t 1000\t   30\t  circle\t   20\t             red\tAlpha\n");
    EXPECT_EQ(RefusedImport(), std::vector<std::string>{"Missing or incomplete Customer data line in file " +
                                                        Path("p.cus") + "\n"});

    const std::string shortLine = "c2 4000 1000 40 circle 20 red";
    WriteFile("p.cus", "c1 1000 1000 30 circle 20 red Alpha\n; comment\n" + shortLine + "\n");
    EXPECT_EQ(RefusedImport(),
              std::vector<std::string>{"Invalid number of data items 7 different from required "
                                       "number 8 for Customer data\n" +
                                       shortLine});

    // Values are validated by the facility, with the line.
    const std::string farLine = "c2 40000 1000 40 circle 20 red Beta";
    WriteFile("p.cus", "c1 1000 1000 30 circle 20 red Alpha\n" + farLine + "\n");
    EXPECT_EQ(RefusedImport(),
              std::vector<std::string>{Completed(
                  "Invalid x coordinate 40000 for Customer c2 outside world x range [0, 10000]", farLine)});

    const std::string duplicate = "c1 1000 5000 0 square 30 blue Hub";
    WriteFile("p.cus", "c1 1000 1000 30 circle 20 red Alpha\nc2 4000 1000 40 circle 20 red Beta\n");
    WriteFile("p.dep", duplicate + "\n");
    EXPECT_EQ(RefusedImport(),
              std::vector<std::string>{Completed("Invalid duplicate Depot label c1", duplicate)});
    EXPECT_EQ(doc->GetTotalNumberOfFacilities(), 0);
}

TEST_F(ImportTest, RouteDataLineRefusals) {
    WriteFile("p.rou", "2 1 navy\nDepot d1\ncustomer c1\nCUSTOMER c2\nSupplier s1\nDepot d1\n");
    ASSERT_TRUE(Import());
    EXPECT_EQ(RouteLabels(*doc->GetRoute(0)), (std::vector<std::string>{"d1", "c1", "c2", "s1", "d1"}));

    WriteFile("p.rou", "2 1\n");
    EXPECT_EQ(RefusedImport(),
              std::vector<std::string>{"Invalid number of data items 2 different from required "
                                       "number 3 for route 1 data\n2 1"});
    WriteFile("p.rou", "2 1 navy\nDepot d1\nCustomer c1\n");
    EXPECT_EQ(RefusedImport(),
              std::vector<std::string>{"Missing or incomplete data line for route 1 in route "
                                       "data file " +
                                       Path("p.rou")});
    WriteFile("p.rou", "3 1 navy\nDepot d1\nCustomer c1\nCustomer c2\nSupplier s1\nDepot d1\n");
    SetLine("[number_of_customers]", "[number_of_customers]\t3");
    WriteFile("p.cus", "c1 1000 1000 30 circle 20 red Alpha\nc2 4000 1000 40 circle 20 red Beta\n"
                       "c3 2000 1000 5 circle 20 red Delta\n");
    EXPECT_EQ(RefusedImport(),
              std::vector<std::string>{Completed("Invalid number of Customer data records "
                                                 "specified 3 <> 2 number of Customer data records "
                                                 "read on route 1",
                                                 "Depot d1")});
    // Nothing of the failed route remains: a failed import empties the document.
    EXPECT_EQ(doc->GetTotalNumberOfFacilities(), 0);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_TRUE(doc->GetDocTitle().empty());
    EXPECT_TRUE(app->IsIdle());
}

TEST_F(ImportTest, FileBasedNormsReadTheDistanceFile) {
    SetLine("[distance_norm]", "[distance_norm]\texternally_specified");
    EXPECT_EQ(RefusedImport(), std::vector<std::string>{"No distance file name specified"});

    WriteFile("p.dist", " \tc1\tc2\ts1\td1\n"
                        "c1,0,1,2,3\n"
                        "c2 4 0 5 6\n"
                        "; comment between rows\n"
                        "s1\t7\t8\t0\t9\n"
                        "d1\t10.5\t11\t12\t0\n");
    SetLine("[distance_file_name]", "[distance_file_name]\tp.dist");
    ASSERT_TRUE(Import());
    EXPECT_EQ(doc->GetDistanceFileName(), Path("p.dist"));
    EXPECT_EQ(doc->GetDistance(0, 3), 3.0);
    EXPECT_EQ(doc->GetDistance(3, 0), 10.5);
    EXPECT_EQ(doc->GetAsymmetric(), 1);
    // d1-c1-c2-s1-d1 over the file's distances.
    EXPECT_EQ(doc->GetCurrentSolution().m_dDistance, 10.5 + 1 + 5 + 9);

    WriteFile("p.dist", " \tC1\tc2\ts1\td1\n");
    EXPECT_EQ(RefusedImport(),
              std::vector<std::string>{Completed("Invalid facility label C1 different from "
                                                 "specified facility label c1 for facility 1",
                                                 " \tC1\tc2\ts1\td1")});
    WriteFile("p.dist", " \tc1\tc2\ts1\td1\nc1 0 1 2 3\n");
    EXPECT_EQ(RefusedImport(),
              std::vector<std::string>{"Could not read from Import Distance Data file \"" + Path("p.dist") +
                                       "\"\nThe operating system returned error code 0: attempt "
                                       "to read past end of file"});
}

TEST_F(ImportTest, GeographicProjectWithItsMap) {
    ASSERT_TRUE(ImportPath(std::string(TEST_DATA_DIR) + "/geo/geo.dat"));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(doc->GetMapProjectionType(), MP_MERCATOR);
    EXPECT_EQ(doc->GetWorldLimits(), CLonLatRect(-1000000, 300000, -800000, 450000));
    EXPECT_EQ(doc->GetWorldRadius(), 6371.0);
    EXPECT_EQ(doc->GetMapFileName(), std::string(TEST_DATA_DIR) + "/geo/geo.map");
    ASSERT_EQ(doc->GetGeoMap().GetSize(), 1);
    EXPECT_EQ(doc->GetGeoMap().GetPolygon(0).GetVertexCount(), 4);
    // Great-circle distances: symmetric and a few hundred kilometres apart.
    EXPECT_EQ(doc->GetDistance(0, 1), doc->GetDistance(1, 0));
    EXPECT_GT(doc->GetDistance(0, 1), 500.0);
    EXPECT_LT(doc->GetDistance(0, 1), 2000.0);
    // North is up: the northern customer is drawn above the southern one.
    EXPECT_LT(doc->GetFacility(FT_CUSTOMER, 1)->GetViewLocation().y,
              doc->GetFacility(FT_CUSTOMER, 0)->GetViewLocation().y);
}

TEST_F(ImportTest, ARefusedMapFileEndsTheImport) {
    WriteFile("bad.map", "; two objects cannot share five points\n2 5\n");
    SetLine("[map_file_name]", "[map_file_name]\tbad.map");
    std::vector<std::string> messages = RefusedImport();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind("Invalid number of objects 2 or number of points 5 in map file", 0), 0u);
    EXPECT_EQ(messages[1], kMissingItems);
}

TEST_F(ImportTest, OutputLogItemMakesTheLogOnlyWhenTheImportSucceeds) {
    SetLine("[output_log_file_name]", "[output_log_file_name]\tp.log");
    WriteFile("p.log", "old contents\n");
    WriteFile("p.rou", "9 9 navy\n");
    RefusedImport();
    EXPECT_FALSE(app->HasOutputLogFile());
    EXPECT_EQ(ReadWholeFile(Path("p.log")), "old contents\n");

    WriteFile("p.rou", "2 1 navy\nDepot d1\nCustomer c1\nCustomer c2\nSupplier s1\nDepot d1\n");
    ASSERT_TRUE(Import());
    EXPECT_EQ(app->GetOutputLogFileName(), Path("p.log"));
    std::string log = ReadWholeFile(Path("p.log"));
    EXPECT_EQ(log.rfind("Created by Tramlet, Version 1.0.0 December 7, 2026\nProject Probe on ", 0), 0u);
    EXPECT_NE(log.find("\nProject Name = Probe\nMap Projection = Orthogonal\nMinimum x coordinate = 0\n"),
              std::string::npos);
    EXPECT_NE(log.find("\nAlgorithm = Initial Load\nDistance = 28000.00\n"), std::string::npos);
    EXPECT_NE(log.find("\nOutput Log File = " + Path("p.log") + "\n"), std::string::npos);

    // One that cannot be written is refused.
    SetLine("[output_log_file_name]", "[output_log_file_name]\tnowhere/p.log");
    EXPECT_EQ(RefusedImport(),
              (std::vector<std::string>{
                  Completed("Could not write to output log file \"" + Path("nowhere/p.log") +
                                "\"\nThe operating system returned error code 2: No such file or "
                                "directory",
                            "[output_log_file_name]\tnowhere/p.log"),
                  kMissingItems}));
}

TEST_F(ImportTest, ImportCommandAsksForTheFileAndLogsItAndAMissingFileIsAFileError) {
    WriteScalar();
    EXPECT_EQ(OnFileImport(), nullptr);
    EXPECT_TRUE(app->IsIdle());
    ui.fileDialogPaths.push_back(Path("p.dat"));
    std::unique_ptr<CTramletDoc> imported = OnFileImport();
    ASSERT_NE(imported, nullptr);
    EXPECT_EQ(imported->GetDocTitle(), "Probe");
    EXPECT_NE(ExecutionLog().find(": Importing project from file " + Path("p.dat") + "\n"),
              std::string::npos);
    ui.ClearRecords();
    EXPECT_FALSE(ImportPath(Path("absent.dat")));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Could not read from Import Data file \"" + Path("absent.dat") +
                                       "\"\nThe operating system returned error code 2: No such file or "
                                       "directory"});
    EXPECT_TRUE(app->IsIdle());
}

TEST_F(ImportTest, AFailedOpenLeavesThePreviousProjectInPlace) {
    WriteScalar();
    previous = OpenTextProject(Path("p.dat"));
    ASSERT_NE(previous, nullptr);
    ASSERT_EQ(app->GetDocument(), previous.get());

    WriteFile("q.rou", "2 1 navy\nDepot d1\nCustomer c1\nSupplier s1\nCustomer c2\nDepot d1\n");
    SetLine("[route_file_name]", "[route_file_name]\tq.rou");
    SetLine("[project_name]", "[project_name]\tOther");
    WriteScalar();
    std::unique_ptr<CTramletDoc> failed = OpenTextProject(Path("p.dat"));
    EXPECT_EQ(failed, nullptr);
    EXPECT_EQ(Messages().back(), Completed("Invalid Customer c2 after Supplier on route 1", "Customer c2"));
    EXPECT_EQ(app->GetDocument(), previous.get());
    EXPECT_EQ(CTramletDoc::GetActiveDocument(), previous.get());
    EXPECT_EQ(previous->GetDocTitle(), "Probe");
    EXPECT_EQ(previous->GetTotalNumberOfFacilities(), 4);
    EXPECT_EQ(previous->GetRoute(0)->GetSize(), 5);
    EXPECT_TRUE(app->IsIdle());
}

TEST(TextProjectFileName, OnlyDatExtensionsImport) {
    EXPECT_TRUE(IsTextProjectFileName("/a/b/project.dat"));
    EXPECT_TRUE(IsTextProjectFileName("PROJECT.DAT"));
    EXPECT_FALSE(IsTextProjectFileName("/a/b/project.tramlet"));
    EXPECT_FALSE(IsTextProjectFileName("/a/b.dat/project"));
}
