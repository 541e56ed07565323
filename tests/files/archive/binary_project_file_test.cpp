// Save and Open of binary project files.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/archive/binary_project_file.h"
#include "files/text_project_import.h"
#include "framework/archive/safe_file.h"
#include "framework/colours/shape.h"
#include "runs/algo_stat.h"
#include "tests/files/archive/file_size_limit.h"
#include "tests/support/project_fixture.h"
#include "tests/support/batch_runner.h"

namespace {

// Two projects hold the same stored data when they store the same bytes (the layout test checks
// what the bytes hold). Besides, the objects of the opened one refer to each other only.
void ExpectSameProject(CTramletDoc& a, CTramletDoc& b) {
    EXPECT_EQ(StoreBinaryProject(a), StoreBinaryProject(b));
    ASSERT_EQ(a.GetTotalNumberOfFacilities(), b.GetTotalNumberOfFacilities());
    for (int i = 0; i < b.GetTotalNumberOfFacilities(); ++i) {
        const CFacility* g = b.GetFacility(i);
        EXPECT_EQ(g->GetIndex(), i);
        EXPECT_EQ(b.FindFacilityByLabel(g->GetType(), g->GetLabel()), g) << i;
        if (g->GetRoute() != nullptr) {
            EXPECT_EQ(b.GetRoute(g->GetRoute()->GetIndex()), g->GetRoute()) << i;
        }
    }
    for (int k = 0; k < b.GetNumberOfRoutes(); ++k) {
        const CRoute* s = b.GetRoute(k);
        EXPECT_EQ(s->GetDocument(), &b);
        EXPECT_EQ(b.FindRouteByLabel(s->GetLabel()), s);
        // The depot at both ends is one object of the project.
        EXPECT_EQ(s->GetFacilities().front(), s->GetFacilities().back());
        for (const CFacility* f : s->GetFacilities()) {
            EXPECT_TRUE(b.ContainsFacility(f)) << k;
        }
    }
}

class BinaryProjectFileTest : public ProjectFixture {
protected:
    // A project with something in every stored field.
    void BuildRichProject() {
        CFacility* c1 = AddCustomer("c1", 1000, 2000, 10);
        CFacility* c2 = AddCustomer("c2", 2000, 7000, 20);
        CFacility* c3 = AddCustomer("c3", 9000, 9000, 30);
        CFacility* s1 = AddSupplier("s1", 8000, 1000, 15);
        CFacility* s2 = AddSupplier("s2", 500, 500, 25);
        CFacility* d1 = AddDepot("d1", 5000, 5000);
        CFacility* d2 = AddDepot("d2", 100, 9900);
        AddCustomer("c4", 4000, 4000, 5); // not routed
        AddRoute({d1, c1, c2, s1, d1});
        CRoute* r2 = AddRoute({d2, c3, s2, d2});
        r2->SetColor(CPRGB(0x00102030));
        c2->SetShape(SHAPE_DIAMOND);
        c2->SetSize(12);
        c2->SetColor(CPRGB(0x00A0B0C0));
        // An edited link in one direction only.
        doc->SetDistance(c1->GetIndex(), s1->GetIndex(), 1234.5);
        doc->SetAsymmetric(1);
        ASSERT_TRUE(doc->SetNumberOfVehicles(4));
        ASSERT_TRUE(doc->SetVehicleCapacity(80));
        ASSERT_TRUE(doc->SetInfeasibilityPenalty(250.0));
        ASSERT_TRUE(doc->SetSeed(77));
        ASSERT_TRUE(doc->SetReportLevel(2));
        ASSERT_TRUE(doc->SetTimeLimit(45.0));
        ASSERT_TRUE(doc->SetTolerance(0.01));
        ASSERT_TRUE(doc->SetMaxIterations(7));
        doc->SetChainLength(4);
        doc->SetStartingAngle(90);
        doc->SetRandomizationDepth(3);
        doc->SetCrossoverPenaltyFactor(0.5);
        const double preferences[4] = {0.1, 0.2, 0.3, 0.4};
        ASSERT_TRUE(doc->GetRoutePreferences().Set(1, preferences));
        doc->SetDistanceNorm(DN_RECTILINEAR);
        doc->SetDistanceFactor(1.5);
        doc->SetDocTitle("Round Trip");
        doc->m_author = "Author";
        doc->m_subject = "Subject";
        doc->m_keywords = "vrpb backhauls";
        doc->m_description = std::string(300, 'd'); // a string in the 16-bit length form
        doc->m_manager = "Manager";
        doc->m_company = "Company";
        doc->m_category = "Category";
        doc->SetMapFileName("region.map");
        doc->GetGeoMap().Add(CMapPolygon(COLOR_BLUE, COLOR_GREEN, {{0, 0}, {10000, 0}, {5000, 8000}}));
        ui.ClearRecords();
    }

    CTempFolder folder;
};

TEST_F(BinaryProjectFileTest, ASavedProjectOpensAgainWithEverythingAndOnlyTheInitialLoadRecord) {
    BuildRichProject();
    doc->SetModifiedFlag(true);
    const std::string path = folder.File("rich.tramlet");
    ASSERT_TRUE(doc->OnSaveDocument(path));
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_FALSE(doc->IsModified());

    std::unique_ptr<CTramletDoc> opened = OpenProjectFile(path);
    ASSERT_NE(opened, nullptr) << (Messages().empty() ? "" : Messages().front());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(app->GetDocument(), opened.get());
    EXPECT_EQ(opened->GetPathName(), path);
    EXPECT_FALSE(opened->IsModified());
    ExpectSameProject(*doc, *opened);
    EXPECT_EQ(StoreBinaryProject(*opened), ReadFileBytes(path));
    EXPECT_EQ(opened->GetDistance(0, 4), 1234.5);

    const auto& statistics = opened->GetAlgorithmStatistics();
    ASSERT_EQ(statistics.size(), 1u);
    EXPECT_EQ(statistics[0]->m_strAlgoName, "Initial Load");
    double distance = 0.0;
    double penalty = 0.0;
    double cost = 0.0;
    doc->GetDistancePenaltyCost(distance, penalty, cost);
    EXPECT_DOUBLE_EQ(statistics[0]->m_dDistance, distance);
    EXPECT_DOUBLE_EQ(statistics[0]->m_dCost, cost);
    EXPECT_EQ(statistics[0]->m_lNumberOfRoutedFacilities, 5);
    // Quantity symbols follow the capacity read after the facilities: 10000 / 20 * 10 / 80.
    EXPECT_EQ(opened->GetFacility(0)->GetQuantitySize(), 62);
}

TEST_F(BinaryProjectFileTest, AnImportedExampleSavedAsArchiveOpensAsTheSameProject) {
    for (const char* name : {"harbour", "prairie", "random200"}) {
        std::unique_ptr<CTramletDoc> imported =
            OpenTextProject(std::string(EXAMPLES_DIR) + "/" + name + "/" + name + ".dat");
        ASSERT_NE(imported, nullptr) << name;
        const std::string path = folder.File(std::string(name) + ".tramlet");
        ASSERT_TRUE(imported->OnSaveDocument(path)) << name;
        std::unique_ptr<CTramletDoc> opened = OpenProjectFile(path);
        ASSERT_NE(opened, nullptr) << name << ": " << (Messages().empty() ? "" : Messages().front());
        ExpectSameProject(*imported, *opened);
        // The shipped copy is the same project; opening it writes the summary to the output log,
        // then the "Initial Load" record (at report level Standard).
        const std::string log = folder.File(std::string(name) + ".log");
        app->SetOutputLogFileName(log);
        std::unique_ptr<CTramletDoc> shipped =
            OpenProjectFile(std::string(EXAMPLES_DIR) + "/" + name + "/" + name + ".tramlet");
        app->ForgetOutputLogFileName();
        ASSERT_NE(shipped, nullptr) << name;
        const std::string written = ReadFileBytes(log);
        const std::size_t summary = written.find("Project Name = " + shipped->GetDocTitle());
        EXPECT_NE(summary, std::string::npos) << written;
        if (shipped->GetNumberOfRoutes() > 0) {
            const std::size_t record = written.find("Initial Load");
            EXPECT_TRUE(record != std::string::npos && record > summary) << written;
        }
        // It names its map beside it.
        shipped->SetMapFileName(opened->GetMapFileName());
        ExpectSameProject(*opened, *shipped);
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(BinaryProjectFileTest, ASaveThatFailsHalfWayLeavesTheOldFileAndReportsTheFileError) {
    BuildRichProject();
    const std::string path = folder.File("keep.tramlet");
    ASSERT_TRUE(doc->OnSaveDocument(path));
    const std::string old = ReadFileBytes(path);

    SRandomFacilitiesRequest request;
    request.number[FT_CUSTOMER] = 150;
    request.number[FT_SUPPLIER] = 50;
    request.maxQuantity[0] = request.maxQuantity[1] = 5;
    ASSERT_TRUE(doc->AddRandomFacilities(request));
    doc->SetModifiedFlag(true);
    ui.ClearRecords();
    bool saved = true;
    {
        CFileSizeLimit limit(64 * 1024); // the project now needs more than 300 kB
        saved = doc->OnSaveDocument(path);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"Could not write to binary project file \"" + path +
                                                        "\"\nThe operating system returned error code 27: "
                                                        "File too large"}));
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    EXPECT_FALSE(doc->OnSaveDocument(folder.File("missing/folder/p.tramlet")));
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"Could not write to binary project file \"" +
                                                        folder.File("missing/folder/p.tramlet") +
                                                        "\"\nThe operating system returned error code 2: "
                                                        "No such file or directory"}));
    EXPECT_EQ(doc->GetPathName(), path);
}

TEST_F(BinaryProjectFileTest, OpenImportsDatFilesRefusesARenamedScalarFileAndReportsAMissingFile) {
    std::filesystem::copy(std::string(EXAMPLES_DIR) + "/harbour", folder.Path() / "harbour");
    std::filesystem::rename(folder.Path() / "harbour" / "harbour.dat",
                            folder.Path() / "harbour" / "harbour.DAT");
    std::unique_ptr<CTramletDoc> imported =
        OpenProjectFile((folder.Path() / "harbour" / "harbour.DAT").string());
    ASSERT_NE(imported, nullptr) << (Messages().empty() ? "" : Messages().front());
    // An import records no row.
    EXPECT_TRUE(imported->GetAlgorithmStatistics().empty());
    imported.reset();

    // A scalar data file renamed to .tramlet is refused by Open; the Import command (importing
    // status) reads any path as text.
    std::string text = ReadFileBytes((folder.Path() / "harbour" / "harbour.DAT").string());
    text.erase(0, text.find('['));
    const std::string renamed = (folder.Path() / "harbour" / "renamed.tramlet").string();
    WriteFileSafely(renamed, text);
    EXPECT_EQ(OpenProjectFile(renamed), nullptr);
    EXPECT_EQ(TakeMessages(),
              (std::vector<std::string>{"Illegal attempt to open the ASCII text file " + renamed +
                                        " with the Open command.  \nUse the Import command "
                                        "instead."}));
    app->SetIsImporting();
    imported = OpenProjectFile(renamed);
    app->SetIsIdle();
    ASSERT_NE(imported, nullptr) << (Messages().empty() ? "" : Messages().front());
    EXPECT_EQ(imported->GetNumberOfRoutes(), 3);
    imported.reset();
    doc->MakeActive();

    const std::string missing = folder.File("none.tramlet");
    EXPECT_EQ(OpenProjectFile(missing), nullptr);
    EXPECT_EQ(app->GetDocument(), doc.get());
    EXPECT_EQ(TakeMessages(),
              (std::vector<std::string>{"Could not read from binary project file \"" + missing +
                                        "\"\nThe operating system returned error code 2: "
                                        "No such file or directory"}));
}

TEST_F(BinaryProjectFileTest, SaveOfAnImportedProjectAsksForABinaryFileInsteadOfOverwritingTheText) {
    std::filesystem::copy(std::string(EXAMPLES_DIR) + "/harbour", folder.Path() / "harbour");
    const std::string dat = (folder.Path() / "harbour" / "harbour.dat").string();
    const std::string text = ReadFileBytes(dat);
    std::unique_ptr<CTramletDoc> imported = OpenProjectFile(dat);
    ASSERT_NE(imported, nullptr);

    // Cancelled: nothing is written.
    EXPECT_FALSE(OnFileSave(*imported));
    EXPECT_EQ(ReadFileBytes(dat), text);

    ui.fileDialogPaths.push_back(folder.File("saved"));
    EXPECT_TRUE(OnFileSave(*imported));
    EXPECT_EQ(imported->GetPathName(), folder.File("saved.tramlet"));
    EXPECT_EQ(ReadFileBytes(dat), text);
    // Now it has a binary file: Save writes there without asking.
    imported->SetChainLength(9);
    EXPECT_TRUE(OnFileSave(*imported));
    std::unique_ptr<CTramletDoc> opened = OpenProjectFile(folder.File("saved.tramlet"));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->GetChainLength(), 9);
}

TEST_F(BinaryProjectFileTest, TheBatchProgramSavesAndOpensBinaryProjects) {
    const std::string dat = std::string(EXAMPLES_DIR) + "/harbour/harbour.dat";
    SBatchRun run = RunBatchProgram(folder, dat + " --save batch.tramlet --quiet");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    run = RunBatchProgram(folder, "batch.tramlet");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("Initial Load"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("50106.83"), std::string::npos) << run.out;
    run = RunBatchProgram(folder, "none.tramlet");
    EXPECT_NE(run.status, 0);
    EXPECT_NE((run.out + run.err).find("Could not read from binary project file"), std::string::npos);
}

} // namespace
