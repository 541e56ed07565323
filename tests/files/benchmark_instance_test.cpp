#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "files/benchmark_instance_import.h"
#include "files/solution_file.h"
#include "model/tramlet_doc.h"
#include "tests/support/app_fixture.h"

namespace {

namespace fs = std::filesystem;

// The shared folder of the classic instances, empty when absent.
fs::path BenchmarkFolder() {
    if (const char* named = std::getenv("TRAMLET_VRPB_DIR")) {
        return fs::is_directory(named) ? fs::path(named) : fs::path();
    }
    const fs::path root = fs::path(EXAMPLES_DIR).parent_path();
    for (const fs::path& candidate : {root.parent_path() / "shared" / "benchmarks" / "vrpb",
                                      root.parent_path().parent_path() / "shared" / "benchmarks" / "vrpb"}) {
        if (fs::is_directory(candidate)) {
            return candidate;
        }
    }
    return {};
}

// A1's published best tour (LKH-3, 229885.65), in the solution convention.
const char* const kA1BestTour =
    "Route #1: 13 25 12 10 3\nRoute #2: 23 19 6\nRoute #3: 15 8 2\nRoute #4: 11\n"
    "Route #5: 16 14 4\nRoute #6: 9 20 17 5\nRoute #7: 21 7 18\nRoute #8: 24 22 1\n"
    "Cost 229885.65\n";

// Three nodes with an asymmetric matrix; the depot is node 2, node 3 a backhaul.
const char* const kExplicit =
    "NAME : tiny\nTYPE : VRPB\nDIMENSION : 3\nVEHICLES : 2\nCAPACITY : 10\n"
    "EDGE_WEIGHT_TYPE : EXPLICIT\nEDGE_WEIGHT_FORMAT : FULL_MATRIX\n"
    "EDGE_WEIGHT_SECTION\n10000 4 7\n5 10000 9\n1 2 10000\n"
    "DEMAND_SECTION\n1 3\n2 0\n3 6\nBACKHAUL_SECTION\n3 -1\nDEPOT_SECTION\n2\n-1\nEOF\n";

class BenchmarkInstanceTest : public AppFixture {
protected:
    std::unique_ptr<CTramletDoc> Open(const std::string& text) {
        const std::string path = home->File("t.vrpb");
        WriteWholeFile(path, text);
        auto doc = std::make_unique<CTramletDoc>();
        opened = ImportBenchmarkInstance(*doc, path);
        return doc;
    }
    bool opened = false;
};

} // namespace

TEST_F(BenchmarkInstanceTest, A1BestTourReadBackEvaluatesToThePublishedValue) {
    const fs::path folder = BenchmarkFolder();
    if (folder.empty()) {
        GTEST_SKIP() << "benchmark instances absent";
    }
    auto doc = std::make_unique<CTramletDoc>();
    ASSERT_TRUE(ImportBenchmarkInstance(*doc, (folder / "A1.vrpb").string()));
    EXPECT_EQ(doc->GetNumberOfCustomers(), 20);
    EXPECT_EQ(doc->GetNumberOfSuppliers(), 5);
    EXPECT_EQ(doc->GetVehicleCapacity(), 1550);
    EXPECT_EQ(doc->GetFacility(FT_SUPPLIER, 0)->GetLabel(), "2");
    const std::string tour = home->File("A1.sol");
    WriteWholeFile(tour, kA1BestTour);
    ASSERT_EQ(ReadSolutionFile(*doc, tour), ERunResult::recorded);
    EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, 229885.65, 0.005);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 8);
    EXPECT_EQ(doc->GetAlgorithmStatistics().back()->m_strAlgoName, "Read Solution");
    // Written and read back: the same routes and distance.
    EXPECT_EQ(FormatSolution(*doc), kA1BestTour);
    ASSERT_TRUE(WriteSolutionFile(*doc, home->File("again.sol")));
    ASSERT_EQ(ReadSolutionFile(*doc, home->File("again.sol")), ERunResult::recorded);
    EXPECT_EQ(FormatSolution(*doc), kA1BestTour);
}

TEST_F(BenchmarkInstanceTest, ExplicitMatrixKeepsDirectionAndAnyDepot) {
    auto doc = Open(kExplicit);
    ASSERT_TRUE(opened) << (Messages().empty() ? "" : Messages()[0]);
    const CFacility* customer = doc->GetFacility(FT_CUSTOMER, 0);
    const CFacility* supplier = doc->GetFacility(FT_SUPPLIER, 0);
    const CFacility* depot = doc->GetFacility(FT_DEPOT, 0);
    EXPECT_EQ(customer->GetLabel(), "1");
    EXPECT_EQ(supplier->GetLabel(), "3");
    EXPECT_EQ(depot->GetLabel(), "2");
    EXPECT_EQ(doc->GetDistance(customer->GetIndex(), depot->GetIndex()), 4.0);
    EXPECT_EQ(doc->GetDistance(depot->GetIndex(), customer->GetIndex()), 5.0);
    EXPECT_EQ(doc->GetDistance(supplier->GetIndex(), customer->GetIndex()), 1.0);
    EXPECT_EQ(doc->GetDistance(customer->GetIndex(), supplier->GetIndex()), 7.0);
    EXPECT_TRUE(doc->GetAsymmetric());
    // Numbered in file order with the depot skipped: node 3 is solution node 2.
    const std::string solution = home->File("s.sol");
    WriteWholeFile(solution, "Route #1: 1 2\n");
    ASSERT_EQ(ReadSolutionFile(*doc, solution), ERunResult::recorded);
    EXPECT_EQ(doc->GetCurrentSolution().m_dDistance, 5.0 + 7.0 + 2.0);
}

TEST_F(BenchmarkInstanceTest, SmallFractionalCoordinatesAndPickupQuantities) {
    auto doc =
        Open("NAME : small\nDIMENSION : 4\nVEHICLES : 2\nCAPACITY : 100\nEDGE_WEIGHT_TYPE : EUC_2D\n"
             "NODE_COORD_SECTION\n1 0 0\n2 3.5 4\n3 -2 7\n4 10 1\nPICKUP_SECTION\n1 0\n2 0\n3 0\n4 20\n"
             "DEMAND_SECTION\n1 0\n2 30\n3 40\n4 0\nDEPOT_SECTION\n1 -1\nEOF\n");
    ASSERT_TRUE(opened) << (Messages().empty() ? "" : Messages()[0]);
    ASSERT_EQ(doc->GetNumberOfSuppliers(), 1);
    EXPECT_EQ(doc->GetFacility(FT_SUPPLIER, 0)->GetQuantity(), 20);
    const std::string solution = home->File("s.sol");
    WriteWholeFile(solution, "Route #1: 1 2 3\n");
    ASSERT_EQ(ReadSolutionFile(*doc, solution), ERunResult::recorded);
    EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance,
                std::hypot(3.5, 4) + std::hypot(5.5, 3) + std::hypot(12, 6) + std::hypot(10, 1), 1e-9);
}

TEST_F(BenchmarkInstanceTest, MalformedFilesNameTheLineAndLeaveNothing) {
    auto replace = [](std::string text, const std::string& from, const std::string& to) {
        return text.replace(text.find(from), from.size(), to);
    };
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {replace(kExplicit, "DEPOT_SECTION\n2\n-1\n", ""), "line 18: missing DEPOT_SECTION"},
        {replace(kExplicit, "3 -1", "3 4 -1"), "line 17: backhaul node 4 does not exist (DIMENSION is 3)"},
        {replace(kExplicit, "3 6\n", "3 6\n7 1\n"),
         "line 16: the demand line names node 7 does not exist (DIMENSION is 3)"},
        {replace(kExplicit, "CAPACITY : 10", "CAPACITY : 0"),
         "line 5: CAPACITY 0 is not between 1 and 32767"},
        {replace(kExplicit, "1 2 10000\n", "1 2\n"),
         "line 12: EDGE_WEIGHT_SECTION ends after 8 of 9 distances"},
        {replace(kExplicit, "5 10000 9", "5 x 9"), "line 10: \"x\" is not a number"},
    };
    for (const auto& c : cases) {
        auto doc = Open(c.text);
        EXPECT_FALSE(opened);
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(Messages().back(), home->File("t.vrpb") + ", " + c.message);
        EXPECT_EQ(doc->GetTotalNumberOfFacilities(), 0);
    }
}

TEST_F(BenchmarkInstanceTest, BadSolutionFilesAreRefusedWithTheirLine) {
    auto doc = Open(kExplicit);
    ASSERT_TRUE(opened);
    const std::string solution = home->File("s.sol");
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"Route #1: 1 3\n", "line 1: node 3 is unknown (the project has nodes 1 to 2)"},
        {"Route #1: 1\nRoute #2: 2 1\n", "line 2: node 1 is served twice"},
        {"Route #1: 1\nTour 2\n", "line 2: \"Tour 2\" is neither a route nor the cost"},
    };
    for (const auto& c : cases) {
        WriteWholeFile(solution, c.text);
        EXPECT_EQ(ReadSolutionFile(*doc, solution), ERunResult::failed);
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(Messages().back(), solution + ", " + c.message);
        EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    }
}
