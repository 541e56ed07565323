#include <gtest/gtest.h>

#include "files/text_project_export.h"
#include "files/text_project_import.h"
#include "tests/support/project_fixture.h"

namespace {

// The same project, as far as the text files carry it.
void ExpectSameProject(const CTramletDoc& a, const CTramletDoc& b) {
    EXPECT_EQ(a.GetDocTitle(), b.GetDocTitle());
    EXPECT_EQ(a.GetMapProjectionType(), b.GetMapProjectionType());
    EXPECT_EQ(a.GetWorldLimits(), b.GetWorldLimits());
    EXPECT_EQ(a.GetDistanceNorm().GetNorm(), b.GetDistanceNorm().GetNorm());
    EXPECT_EQ(a.GetDistanceFactor(), b.GetDistanceFactor());
    EXPECT_EQ(a.GetNumberOfVehicles(), b.GetNumberOfVehicles());
    EXPECT_EQ(a.GetVehicleCapacity(), b.GetVehicleCapacity());
    EXPECT_EQ(a.GetInfeasibilityPenalty(), b.GetInfeasibilityPenalty());
    EXPECT_EQ(a.GetReportLevel(), b.GetReportLevel());
    EXPECT_EQ(a.GetSeed(), b.GetSeed());
    EXPECT_EQ(a.GetMaxIterations(), b.GetMaxIterations());
    EXPECT_EQ(a.GetTimeLimit(), b.GetTimeLimit());
    ASSERT_EQ(a.GetTotalNumberOfFacilities(), b.GetTotalNumberOfFacilities());
    for (int i = 0; i < a.GetTotalNumberOfFacilities(); ++i) {
        const CFacility* f = a.GetFacility(i);
        const CFacility* g = b.GetFacility(i);
        EXPECT_EQ(f->GetType(), g->GetType());
        EXPECT_EQ(f->GetLabel(), g->GetLabel());
        EXPECT_EQ(f->GetName(), g->GetName());
        EXPECT_EQ(f->GetWorldLocation(), g->GetWorldLocation());
        EXPECT_EQ(f->GetQuantity(), g->GetQuantity());
        EXPECT_EQ(f->GetSize(), g->GetSize());
        EXPECT_EQ(f->GetShape(), g->GetShape());
        EXPECT_EQ(f->GetColor(), g->GetColor());
        for (int j = 0; j < a.GetTotalNumberOfFacilities(); ++j) {
            EXPECT_NEAR(a.GetDistance(i, j), b.GetDistance(i, j), 0.0005) << i << " " << j;
        }
    }
    ASSERT_EQ(a.GetNumberOfRoutes(), b.GetNumberOfRoutes());
    for (int r = 0; r < a.GetNumberOfRoutes(); ++r) {
        const CRoute* p = a.GetRoute(r);
        const CRoute* q = b.GetRoute(r);
        EXPECT_EQ(p->GetColor(), q->GetColor());
        ASSERT_EQ(p->GetSize(), q->GetSize());
        auto it = q->GetFacilities().begin();
        for (const CFacility* f : p->GetFacilities()) {
            EXPECT_EQ(f->GetLabel(), (*it++)->GetLabel());
        }
    }
}

class ExportTest : public ProjectFixture {
protected:
    void BuildProject() {
        d1 = AddDepot("d1", 5000, 5000);
        c1 = AddCustomer("c1", 1000, 2000, 30);
        c2 = AddCustomer("c2", 9000, 2000, 45);
        s1 = AddSupplier("s1", 5000, 9000, 20);
        AddRoute({d1, c1, c2, s1, d1});
        RecordCurrentSolution();
        doc->SetDocTitle("North Plant");
        doc->SetReportLevel(4);
        doc->SetSeed(99);
        doc->SetMaxIterations(7);
        doc->SetTimeLimit(45.5);
        doc->SetNumberOfVehicles(3);
        ui.ClearRecords();
    }

    std::unique_ptr<CTramletDoc> Reimport(const std::string& path) {
        std::unique_ptr<CTramletDoc> imported = OpenTextProject(path);
        doc->MakeActive();
        return imported;
    }

    CTempFolder folder;
    CFacility* d1 = nullptr;
    CFacility* c1 = nullptr;
    CFacility* c2 = nullptr;
    CFacility* s1 = nullptr;
};

} // namespace

TEST_F(ExportTest, WritesTheScalarAndDataFilesInTheirFormats) {
    BuildProject();
    const std::string path = folder.File("proj.dat");
    ASSERT_TRUE(ExportTextProject(*doc, path));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ReadWholeFile(path), "[data_version]\t20014\n"
                                   "[project_name]\t\"North Plant\"\n"
                                   "[map_projection]\tOrthogonal\n"
                                   "[minimum_x_coordinate]\t0\n"
                                   "[maximum_x_coordinate]\t10000\n"
                                   "[minimum_y_coordinate]\t0\n"
                                   "[maximum_y_coordinate]\t10000\n"
                                   "[distance_norm]\tEuclidean\n"
                                   "[distance_factor]\t1.000\n"
                                   "[number_of_vehicles]\t3\n"
                                   "[vehicle_capacity]\t100\n"
                                   "[infeasibility_penalty]\t1000.000000\n"
                                   "[number_of_customers]\t2\n"
                                   "[customer_file_name]\tproj.cus\n"
                                   "[number_of_suppliers]\t1\n"
                                   "[supplier_file_name]\tproj.sup\n"
                                   "[number_of_depots]\t1\n"
                                   "[depot_file_name]\tproj.dep\n"
                                   "[number_of_routes]\t1\n"
                                   "[route_file_name]\tproj.rou\n"
                                   "[report_level]\t4\n"
                                   "[seed]\t99\n"
                                   "[number_of_iterations]\t7\n"
                                   "[time_limit]\t45.500000\n");
    EXPECT_EQ(ReadWholeFile(folder.File("proj.cus")),
              "     c1\t 1000\t 2000\t   30\t  circle\t    5\t             red\tcusc1\n"
              "     c2\t 9000\t 2000\t   45\t  circle\t    5\t             red\tcusc2\n");
    EXPECT_EQ(ReadWholeFile(folder.File("proj.rou")), "    2\t    1\tdark_gray\n"
                                                      "       Depot\t  d1\n"
                                                      "    Customer\t  c1\n"
                                                      "    Customer\t  c2\n"
                                                      "    Supplier\t  s1\n"
                                                      "       Depot\t  d1\n");
    EXPECT_EQ(doc->GetDataFileName(FT_SUPPLIER), folder.File("proj.sup"));
    EXPECT_EQ(doc->GetDataVersion(), 20014u);
    EXPECT_FALSE(std::filesystem::exists(folder.File("proj.dist")));
    EXPECT_TRUE(app->IsIdle());
}

TEST_F(ExportTest, ExportedProjectImportsAsTheSameProject) {
    BuildProject();
    // A name of several words comes back whole.
    c1->SetName("North Plant Gate 4");
    // The output log is named by the project and reopened with it.
    app->SetOutputLogFileName(folder.File("run log.log"));
    const std::string path = folder.File("round.dat");
    ASSERT_TRUE(ExportTextProject(*doc, path));
    EXPECT_NE(ReadWholeFile(path).find("[output_log_file_name]\t\"run log.log\"\n[report_level]"),
              std::string::npos);
    app->ForgetOutputLogFileName();
    std::unique_ptr<CTramletDoc> imported = Reimport(path);
    EXPECT_EQ(app->GetOutputLogFileName(), folder.File("run log.log"));
    ASSERT_NE(imported, nullptr);
    EXPECT_TRUE(Messages().empty());
    ExpectSameProject(*doc, *imported);
    EXPECT_EQ(imported->GetDataVersion(), 20014u);
    EXPECT_EQ(imported->GetCurrentSolution().m_dDistance, doc->GetCurrentSolution().m_dDistance);
    EXPECT_EQ(imported->GetRoutedCount(), 3);

    // Exporting the imported project again writes the same bytes.
    const std::string again = folder.File("again.dat");
    ASSERT_TRUE(ExportTextProject(*imported, again));
    EXPECT_EQ(ReadWholeFile(folder.File("again.cus")), ReadWholeFile(folder.File("round.cus")));
    EXPECT_EQ(ReadWholeFile(folder.File("again.rou")), ReadWholeFile(folder.File("round.rou")));
}

TEST_F(ExportTest, FileBasedNormsCarryTheirDistancesThroughTheDistanceFile) {
    BuildProject();
    doc->SetDistanceNorm(DN_EXTERNALLY_SPECIFIED);
    const int n = doc->GetTotalNumberOfFacilities();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            doc->SetDistance(i, j, i == j ? 0.0 : 100.0 * i + j + 0.125);
        }
    }
    RecordCurrentSolution();
    const std::string path = folder.File("ext.dat");
    ASSERT_TRUE(ExportTextProject(*doc, path));
    EXPECT_EQ(doc->GetDistanceFileName(), folder.File("ext.dist"));
    std::string scalar = ReadWholeFile(path);
    EXPECT_NE(scalar.find("[distance_norm]\tExternally_Specified\n"), std::string::npos);
    EXPECT_NE(scalar.find("[route_file_name]\text.rou\n[distance_file_name]\text.dist\n[report_level]"),
              std::string::npos);
    std::string distances = ReadWholeFile(folder.File("ext.dist"));
    EXPECT_EQ(distances.substr(0, distances.find('\n', distances.find('\n') + 1) + 1),
              " \tc1\tc2\ts1\td1\nc1\t0.000\t1.125\t2.125\t3.125\n");

    std::unique_ptr<CTramletDoc> imported = Reimport(path);
    ASSERT_NE(imported, nullptr);
    ExpectSameProject(*doc, *imported);
    EXPECT_EQ(imported->GetDistance(3, 0), 300.125);
    EXPECT_EQ(imported->GetAsymmetric(), 1);

    // A computed norm names no distance file.
    doc->SetDistanceNorm(DN_EUCLIDEAN);
    ASSERT_TRUE(ExportTextProject(*doc, path));
    EXPECT_TRUE(doc->GetDistanceFileName().empty());
    EXPECT_EQ(ReadWholeFile(path).find("[distance_file_name]"), std::string::npos);
}

TEST_F(ExportTest, GeographicProjectRoundTripsWithItsMap) {
    std::unique_ptr<CTramletDoc> geo = OpenTextProject(std::string(TEST_DATA_DIR) + "/geo/geo.dat");
    ASSERT_NE(geo, nullptr);
    const std::string path = folder.File("geo.dat");
    ASSERT_TRUE(ExportTextProject(*geo, path));
    std::string scalar = ReadWholeFile(path);
    EXPECT_NE(scalar.find(
                  "[map_projection]\tMercator\n[minimum_longitude]\t-1000000\n[maximum_longitude]\t-800000\n"
                  "[minimum_latitude]\t300000\n[maximum_latitude]\t450000\n[distance_norm]\tGreat_Circle\n"
                  "[world_radius]\t6371.0\n"),
              std::string::npos);
    // The map lies in another folder and keeps its full name.
    EXPECT_NE(scalar.find("[map_file_name]\t" + std::string(TEST_DATA_DIR) + "/geo/geo.map\n"),
              std::string::npos);
    std::unique_ptr<CTramletDoc> imported = OpenTextProject(path);
    ASSERT_NE(imported, nullptr);
    ExpectSameProject(*geo, *imported);
    EXPECT_EQ(imported->GetGeoMap(), geo->GetGeoMap());
    imported.reset();
    geo.reset();
    doc->MakeActive();
}

TEST_F(ExportTest, AFileThatCannotBeWrittenEndsTheExportAndTheCommandAsksForTheFile) {
    BuildProject();
    const std::string path = folder.File("missing/proj.dat");
    EXPECT_FALSE(ExportTextProject(*doc, path));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Could not write to Export Customer Data file \"" +
                                       folder.File("missing/proj.cus") +
                                       "\"\nThe operating system returned error code 2: No such file "
                                       "or directory"});
    EXPECT_TRUE(app->IsIdle());

    // The export command asks for the file.
    EXPECT_FALSE(OnFileExport(*doc));
    ui.fileDialogPaths.push_back(folder.File("asked.dat"));
    EXPECT_TRUE(OnFileExport(*doc));
    EXPECT_TRUE(std::filesystem::exists(folder.File("asked.dat")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("asked.rou")));
}
