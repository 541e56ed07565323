// Hostile and mistaken files: what no reader may accept, and what a refusal must leave alone.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "files/archive/binary_project_file.h"
#include "files/text_project_export.h"
#include "runs/evaluate.h"
#include "tests/files/archive/file_size_limit.h"
#include "tests/files/text_project_fixture.h"
#include "tests/support/project_fixture.h"

namespace {

class HostileArchiveTest : public ProjectFixture {
protected:
    // A small project with one route, its cost recorded.
    void BuildProject() {
        CFacility* c1 = AddCustomer("c1", 1000, 2000, 10);
        CFacility* s1 = AddSupplier("s1", 8000, 1000, 15);
        CFacility* d1 = AddDepot("d1", 5000, 5000);
        AddRoute({d1, c1, s1, d1});
        RecordCurrentSolution();
        doc->SetDocTitle("Hostile");
        ui.ClearRecords();
    }
    // Stores the project, lets damage change the stored document, and opens the bytes again.
    std::vector<std::string> RefusedReopen(const std::function<void(CTramletDoc&)>& damage) {
        CTramletDoc damaged;
        damaged.MakeActive();
        EXPECT_TRUE(LoadBinaryProject(damaged, StoreBinaryProject(*doc), "p.tramlet"));
        damage(damaged);
        const std::string bytes = StoreBinaryProject(damaged);
        ui.ClearRecords();
        CTramletDoc opened;
        opened.MakeActive();
        EXPECT_FALSE(LoadBinaryProject(opened, bytes, "p.tramlet"));
        EXPECT_EQ(opened.GetTotalNumberOfFacilities(), 0);
        doc->MakeActive();
        return TakeMessages();
    }
};

TEST_F(HostileArchiveTest, RandomFacilitiesBeyondWhatAReaderTakesAreRefusedBeforeAnyIsAdded) {
    SRandomFacilitiesRequest request;
    request.number[FT_CUSTOMER] = TRAMLET_MAX_FACILITIES_PER_TYPE + 1;
    request.number[FT_DEPOT] = 1;
    request.maxQuantity[0] = request.maxQuantity[1] = 30;
    EXPECT_FALSE(doc->AddRandomFacilities(request));
    EXPECT_EQ(TakeMessages(),
              (std::vector<std::string>{"Invalid number of Customer facilities 501 out of range "
                                        "[0, 500]",
                                        "Unsuccessful in adding randomly 502 new facilities"}));
    EXPECT_EQ(doc->GetTotalNumberOfFacilities(), 0);

    request.number[FT_CUSTOMER] = 2;
    request.maxQuantity[0] = doc->GetVehicleCapacity() + 1;
    EXPECT_FALSE(doc->AddRandomFacilities(request));
    EXPECT_EQ(TakeMessages().front(), "Invalid maximum Customer quantity 101 outside range [1, 100]");
    EXPECT_EQ(doc->GetTotalNumberOfFacilities(), 0);
}

TEST_F(HostileArchiveTest, StoredValuesOutsideTheProgramsRangesAreRefusedAsArchiveErrors) {
    BuildProject();
    const std::string archiveError =
        "Could not read from binary project file \"p.tramlet\"\nThe archive reported "
        "error 1: unexpected file format";
    struct SCase {
        const char* what;
        std::function<void(CTramletDoc&)> damage;
        std::string message;
    };
    const SCase cases[] = {
        {"vehicles",
         [](CTramletDoc& d) { d.NumberOfVehiclesParameter().SetRaw(INT_MIN, INT_MIN, INT_MAX, 1, "V"); },
         "Invalid number of vehicles -2147483648 out of valid range [1, 500]"},
        {"capacity", [](CTramletDoc& d) { d.VehicleCapacityParameter().SetRawValue(0); },
         "Invalid vehicle capacity 0 out of range [1, 32767]"},
        {"penalty", [](CTramletDoc& d) { d.InfeasibilityPenaltyParameter().SetRawValue(std::nan("")); },
         "Invalid Infeasibility Penalty real parameter value nan outside range [0.000000, "
         "2147483647.000000]"},
        {"iterations", [](CTramletDoc& d) { d.MaxIterationsParameter().SetRaw(0, -5, 5, 0, "I"); },
         "Invalid maximum number of iterations 0 outside range [1,32767]"},
        {"location", [](CTramletDoc& d) { d.GetFacility(0)->SetWorldLocationOnly(CLonLatPoint(INT_MIN, 0)); },
         "Invalid x coordinate -2147483648 for Customer c1 outside world x range [0, 10000]"},
        {"label", [](CTramletDoc& d) { d.GetFacility(2)->SetLabelText("c1"); },
         "Invalid duplicate Customer label c1"},
    };
    for (const SCase& c : cases) {
        std::vector<std::string> messages = RefusedReopen(c.damage);
        ASSERT_EQ(messages.size(), 2u) << c.what;
        EXPECT_EQ(messages[0], c.message) << c.what;
        EXPECT_EQ(messages[1], archiveError) << c.what;
    }
}

TEST_F(HostileArchiveTest, AChangedPenaltyOrFleetIsWhatEvaluateChecksAgainst) {
    BuildProject();
    ASSERT_TRUE(doc->SetInfeasibilityPenalty(10.0));
    ASSERT_TRUE(doc->SetNumberOfVehicles(1));
    AddCustomer("c2", 3000, 3000, 7); // unrouted: its demand is penalised
    EXPECT_TRUE(EvaluateSolution(*doc));
    EXPECT_TRUE(TakeMessages().empty());
    double distance = 0.0;
    double penalty = 0.0;
    double cost = 0.0;
    doc->GetDistancePenaltyCost(distance, penalty, cost);
    EXPECT_DOUBLE_EQ(penalty, 70.0);
    EXPECT_DOUBLE_EQ(doc->GetCurrentSolution().m_dCost, cost);
}

TEST_F(HostileArchiveTest, AFailedExportLeavesThePreviousExportWholeAndNoTemporaryFile) {
    BuildProject();
    CTempFolder target;
    const std::string path = target.File("e.dat");
    ASSERT_TRUE(ExportTextProject(*doc, path));
    SRandomFacilitiesRequest request;
    request.number[FT_CUSTOMER] = 200;
    request.maxQuantity[0] = 5;
    ASSERT_TRUE(doc->AddRandomFacilities(request));
    ui.ClearRecords();
    bool exported = true;
    {
        CFileSizeLimit limit(2048); // the customers now need more than 10 kB
        exported = ExportTextProject(*doc, path);
    }
    EXPECT_FALSE(exported);
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"Could not write to Export Customer Data file \"" +
                                                        target.File("e.cus") +
                                                        "\"\nThe operating system returned error code 27: "
                                                        "File too large"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target.Path()), {}),
              5); // dat cus sup dep rou
    std::unique_ptr<CTramletDoc> previous = OpenTextProject(path);
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(previous->GetNumberOfCustomers(), 1);
    doc->MakeActive();

    EXPECT_FALSE(ExportTextProject(*doc, target.File("e.cus")));
    EXPECT_FALSE(ExportTextProject(*doc, ""));
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"Invalid export file name " + target.File("e.cus") +
                                                            ": the extension .cus is that of a data file the "
                                                            "export writes beside it",
                                                        "Invalid empty export file name"}));
}

TEST_F(HostileArchiveTest, ASaveNeitherReplacesAProtectedFileNorLeavesOldTemporaryFiles) {
    BuildProject();
    CTempFolder target;
    const std::string path = target.File("p.tramlet");
    WriteWholeFile(path, "old");
    WriteWholeFile(path + ".Ab12Z9", "left by a killed save");
    WriteWholeFile(path + ".notes", "kept");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(doc->OnSaveDocument(path));
    EXPECT_EQ(TakeMessages(),
              (std::vector<std::string>{"Could not write to binary project file \"" + path +
                                        "\"\nThe operating system returned error code 13: the "
                                        "file is write-protected"}));
    EXPECT_EQ(ReadWholeFile(path), "old");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    ASSERT_TRUE(doc->OnSaveDocument(path));
    EXPECT_FALSE(std::filesystem::exists(path + ".Ab12Z9"));
    EXPECT_TRUE(std::filesystem::exists(path + ".notes"));
}

class HostileTextTest : public TextProjectFixture {};

TEST_F(HostileTextTest, RelativeFileNamesSurviveAnExportToAnotherFolder) {
    WriteFile("m.map", "1 3 Integer\n3 blue green\n0 0\n10000 0\n5000 8000\n");
    SetLine("[map_file_name]", "[map_file_name]\tm.map");
    WriteScalar();
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    std::filesystem::create_directory("other");
    doc = std::make_unique<CTramletDoc>();
    const bool imported = ImportTextProject(*doc, "p.dat");
    const bool exported = imported && ExportTextProject(*doc, "other/q.dat");
    std::unique_ptr<CTramletDoc> again = exported ? OpenTextProject("other/q.dat") : nullptr;
    std::filesystem::current_path(working);
    ASSERT_TRUE(exported);
    ASSERT_NE(again, nullptr) << (Messages().empty() ? "" : Messages().back());
    EXPECT_EQ(again->GetMapFileName(), Path("m.map"));
    EXPECT_EQ(again->GetGeoMap().GetSize(), 1);
}

TEST_F(HostileTextTest, DataFilesThatAreNotRegularFilesAreRefusedWithoutWaiting) {
    const std::string fifo = Path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& name : {std::string("/dev/zero"), fifo, folder.Path().string()}) {
        SetLine("[customer_file_name]", "[customer_file_name]\t" + name);
        std::vector<std::string> messages = RefusedImport();
        ASSERT_FALSE(messages.empty()) << name;
        EXPECT_NE(messages[0].find("Could not read from Import Customer Data file \"" + name + "\""),
                  std::string::npos)
            << messages[0];
        EXPECT_NE(messages[0].find("not a regular file"), std::string::npos) << messages[0];
    }
    ui.ClearRecords();
    EXPECT_FALSE(ImportPath(fifo));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Could not read from Import Data file \"" + fifo +
                                                    "\"\nThe operating system returned error code 22: not a "
                                                    "regular file"}));
}

TEST_F(HostileTextTest, AFileThatIsNoScalarDataFileIsRefusedByItsFirstLineAlone) {
    WriteFile("passwd.dat", "root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1:daemon:/usr/sbin\n[seed]\t1\n");
    ui.ClearRecords();
    EXPECT_FALSE(ImportPath(Path("passwd.dat")));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"The file " + Path("passwd.dat") +
                                        " is not a project scalar data file: its first data line "
                                        "\r\nroot:x:0:0:root:/root:/bin/bash\r\ndoes not start with "
                                        "a key in square brackets"}));
    EXPECT_EQ(ExecutionLog().find("daemon"), std::string::npos);
}

} // namespace
