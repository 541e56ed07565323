#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "construction/crossover.h"
#include "framework/containers/double_matrix.h"
#include "framework/containers/long_matrix.h"
#include "tests/support/project_fixture.h"

namespace {

// Routes as "customer-supplier" label pairs, checking that each is depot, customer, supplier, depot.
std::vector<std::string> Pairs(CTramletDoc& doc) {
    std::vector<std::string> pairs;
    for (CRoute* route : doc.GetRoutes()) {
        const std::vector<CFacility*> v(route->GetFacilities().begin(), route->GetFacilities().end());
        EXPECT_TRUE(v.size() == 4u && v[0]->IsDepot() && v[3] == v[0] && v[1]->IsCustomer() &&
                    v[2]->IsSupplier());
        pairs.push_back(v.size() == 4u ? v[1]->GetLabel() + "-" + v[2]->GetLabel() : "?");
    }
    EXPECT_NO_THROW(doc.CheckSolution(true));
    return pairs;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The matrix report as the framework writes it, for comparing with the output log.
template <class Matrix> std::string Report(const Matrix& m, const char* format, int width) {
    std::FILE* file = std::tmpfile();
    m.Write(file, format, width, 80, true);
    std::string text(static_cast<size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    EXPECT_EQ(std::fread(text.data(), 1, text.size(), file), text.size());
    std::fclose(file);
    return text;
}

const char* const kMissingLibrary = "libno-such-glpk-for-crossovers.so";

class CrossoverTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        unsetenv("TRAMLET_GLPK_LIBRARY");
        doc->SetReportLevel(REPORT_STANDARD);
        doc->SetTimeLimit(60.0);
    }
    void TearDown() override {
        unsetenv("TRAMLET_GLPK_LIBRARY");
        ProjectFixture::TearDown();
    }
    static void WithoutGlpk() { setenv("TRAMLET_GLPK_LIBRARY", kMissingLibrary, 1); }
    std::string UseOutputLog() {
        std::string path = home->File("crossovers.log");
        app->SetOutputLogFileName(path);
        return path;
    }

    // Three customers, five suppliers around the depot at the origin, two vehicles. The pairs of
    // largest savings are c2-s2 (2000), then c1-s1 (1905) and c3-s3 (1820).
    void MakeThreeCustomersFiveSuppliers() {
        d = AddDepot("d", 0, 0);
        c1 = AddCustomer("c1", 1000, 0, 10);
        c2 = AddCustomer("c2", 0, 1000, 20);
        c3 = AddCustomer("c3", -1000, 0, 30);
        s1 = AddSupplier("s1", 1000, 100, 15);
        s2 = AddSupplier("s2", 0, 1100, 25);
        s3 = AddSupplier("s3", -1000, -200, 35);
        AddSupplier("s4", 100, 0, 5);
        AddSupplier("s5", 0, -500, 5);
        doc->SetNumberOfVehicles(2);
        ui.ClearRecords();
    }

    CFacility* d = nullptr;
    CFacility *c1 = nullptr, *c2 = nullptr, *c3 = nullptr;
    CFacility *s1 = nullptr, *s2 = nullptr, *s3 = nullptr;
};

TEST_F(CrossoverTest, LinearProgramPairsThreeCustomersAndFiveSuppliersOnTwoVehicles) {
    MakeThreeCustomersFiveSuppliers();
    AddRoute({d, c3, s3, d}); // made by another algorithm: deleted first
    std::string log = UseOutputLog();

    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    // Column order: customer c1's column comes before c2's.
    EXPECT_EQ(Pairs(*doc), (std::vector<std::string>{"c1-s1", "c2-s2"}));
    const CAlgoStat& record = *doc->GetAlgorithmStatistics().back();
    EXPECT_EQ(record.m_strAlgoName, "Extreme Crossovers");
    EXPECT_EQ(record.m_lCount, 4); // the step count at Standard: routed facilities
    EXPECT_NEAR(record.m_dDistance, 1000.0 + 100.0 + 1000.0 * std::sqrt(1.01) + 1000.0 + 100.0 + 1100.0,
                1e-6);
    EXPECT_NEAR(record.m_dCost, record.m_dDistance + doc->GetPenalty(), 1e-6);
    EXPECT_TRUE(Messages().empty());

    // The report window followed each route: the supplier appended to the customer.
    ASSERT_FALSE(ui.statusUpdates.empty());
    const auto& fields = ui.statusUpdates.back().fields;
    EXPECT_EQ(ui.statusUpdates.back().title, "Add Facility Report");
    EXPECT_EQ(fields[2].label + " " + fields[2].value, "Append Facility = s2");
    EXPECT_EQ(fields[4].label + " " + fields[4].value, "Anchor Facility = c2");
    EXPECT_EQ(fields[7].label + " " + fields[7].value, "Append Distance = 100.00");
    EXPECT_EQ(ui.closedStatusWindows.back(), "Add Facility Report");

    // The chosen pairs in the output log, then the record.
    std::string text = ReadWholeFile(log);
    const std::string block = "Route 1 :\tc1\ts1\nQuantity (demand)(supply) = 10\t15\n\n"
                              "Route 2 :\tc2\ts2\nQuantity (demand)(supply) = 20\t25\n\n";
    EXPECT_NE(text.find("\n" + block + "Algo. No. = "), std::string::npos) << text;
    EXPECT_NE(text.find("Algo. No. =         1   Algorithm     = Extreme Crossovers"), std::string::npos);
    EXPECT_EQ(text.find("Fractional"), std::string::npos);

    // GLPK was loaded by the first run only. A large tolerance (every column value is within 2
    // of 1) never puts a facility on two routes.
    ASSERT_TRUE(doc->SetTolerance(2.0));
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(Pairs(*doc), (std::vector<std::string>{"c1-s1", "c2-s2"}));
    EXPECT_EQ(Count(ExecutionLog(), "Loaded GLPK MIP solver DLL libglpk.so.40\n"), 1u);
    EXPECT_EQ(Count(ExecutionLog(), "Executing Extreme Crossovers algorithm\n"), 2u);
}

TEST_F(CrossoverTest, GreedyRuleWithoutGlpkChoosesByLargestSavings) {
    MakeThreeCustomersFiveSuppliers();
    WithoutGlpk();
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    // Customers are fewer: each customer keeps its best supplier, the largest savings go first.
    EXPECT_EQ(Pairs(*doc), (std::vector<std::string>{"c2-s2", "c1-s1"}));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{std::string("Unable to load GLPK MIP solver DLL ") + kMissingLibrary +
                                        "\nAll GLPK MIP solver functions are unavailable"}));
}

TEST_F(CrossoverTest, CustomerAboveCapacityHasNoColumnAndStaysUnpaired) {
    d = AddDepot("d", 0, 0);
    c1 = AddCustomer("c1", 1000, 0, 40);
    c2 = AddCustomer("c2", 0, 3000, 150); // above the capacity of 100: the best savings by far
    s1 = AddSupplier("s1", 1000, 100, 10);
    s2 = AddSupplier("s2", 0, 3100, 10);
    doc->SetNumberOfVehicles(5);
    doc->SetReportLevel(REPORT_DEBUG);
    std::string log = UseOutputLog();
    ui.ClearRecords();

    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(Pairs(*doc), (std::vector<std::string>{"c1-s1"}));

    // The Debug matrices: c2's row stays empty in both; c1 takes s1 only.
    CDoubleMatrix fractional(2, 2);
    fractional[0][0] = 1.0;
    CLongMatrix integer(2, 2);
    integer[0][0] = 1;
    std::string text = ReadWholeFile(log);
    std::string expected = "\n\nFractional Crossover Facility Assignments\n\n" +
                           Report(fractional, "%8.6lf  ", 10) +
                           "\n\nInteger Crossover Facility Assignments\n\n" + Report(integer, "%3d  ", 5) +
                           "Route 1 :\tc1\ts1\nQuantity (demand)(supply) = 40\t10\n\n";
    EXPECT_NE(text.find(expected + "Algo. No. = "), std::string::npos) << text;
}

TEST_F(CrossoverTest, NegativeSavingsAreBuiltByTheGreedyRuleButNotByTheLinearProgram) {
    // Every pair but c1-s1 saves less than nothing; s2 loses least with c1.
    d = AddDepot("d", 0, 0);
    c1 = AddCustomer("c1", 1000, 0, 10);
    c2 = AddCustomer("c2", 0, 1000, 10);
    s1 = AddSupplier("s1", 1000, 100, 10);
    s2 = AddSupplier("s2", 0, -1000, 10);
    for (auto [a, b, distance] : {std::tuple{c1, s2, 3000.0}, {c2, s1, 5000.0}, {c2, s2, 5000.0}}) {
        doc->SetDistance(a->GetIndex(), b->GetIndex(), distance);
        doc->SetDistance(b->GetIndex(), a->GetIndex(), distance);
    }
    doc->SetNumberOfVehicles(2);
    WithoutGlpk();
    ui.ClearRecords();
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    // Equal counts: the suppliers are scanned; s2's first partner c1 goes to s1, so s2 is paired
    // afresh with c2 and the result may not be optimal.
    EXPECT_EQ(Pairs(*doc), (std::vector<std::string>{"c1-s1", "c2-s2"}));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "The greedy solution of extreme crossover routes may not be optimal.");
    EXPECT_EQ(ui.messages[1].icon, EMessageIcon::information);

    // With the library found on the next attempt, the pair of negative savings is left out.
    unsetenv("TRAMLET_GLPK_LIBRARY");
    ui.ClearRecords();
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(Pairs(*doc), (std::vector<std::string>{"c1-s1"}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CrossoverTest, GreedyRuleScansSuppliersOnEqualCountsAndCustomersWhenFewer) {
    WithoutGlpk();
    d = AddDepot("d", 0, 0);
    c1 = AddCustomer("c1", 1000, 0, 10);
    c2 = AddCustomer("c2", 0, 1000, 10);
    s1 = AddSupplier("s1", 1000, 50, 10);
    s2 = AddSupplier("s2", 750, 650, 10);
    // Both suppliers save most with c1; c2 saves most with s2.
    ui.ClearRecords();
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(Pairs(*doc), (std::vector<std::string>{"c1-s1", "c2-s2"}));
    ASSERT_EQ(Messages().size(), 2u); // the load failure, then: s2 lost c1
    EXPECT_EQ(Messages()[1], "The greedy solution of extreme crossover routes may not be optimal.");

    // A third supplier far out makes the customers fewer: each keeps its first partner.
    AddSupplier("s3", -3000, -3000, 10);
    ui.ClearRecords();
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(Pairs(*doc), (std::vector<std::string>{"c1-s1", "c2-s2"}));
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(CrossoverTest, NoEligibleSupplierBuildsNothingWithoutAMessage) {
    // A customer on a route of its own and a supplier above the capacity.
    d = AddDepot("d", 0, 0);
    c1 = AddCustomer("c1", 1000, 0, 10);
    AddSupplier("s1", 1000, 100, 200);
    AddRoute({d, c1, d});
    // The greedy rule has nothing to do: only the load failure is shown.
    WithoutGlpk();
    ui.ClearRecords();
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(Messages().size(), 1u);

    // Nor has the linear program, once the library is found.
    unsetenv("TRAMLET_GLPK_LIBRARY");
    AddRoute({d, c1, d});
    doc->SetReportLevel(REPORT_DEBUG);
    std::string log = UseOutputLog();
    ui.ClearRecords();
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_TRUE(Messages().empty());
    // The problem without columns was solved all the same: no assignment in its Debug matrix.
    CLongMatrix none(1, 1);
    EXPECT_NE(
        ReadWholeFile(log).find("\n\nInteger Crossover Facility Assignments\n\n" + Report(none, "%3d  ", 5)),
        std::string::npos);

    // Nothing fits a vehicle at all: the warning, and the empty run is recorded.
    doc->ChangeFacilityQuantity(c1, 150);
    ui.ClearRecords();
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"No facilities that can be included on a route exist"}));
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 3u);
}

TEST_F(CrossoverTest, CommandsAreEnabledOnlyWithTheFacilitiesTheyNeed) {
    EXPECT_EQ(RunExtremeCrossovers(*doc), ERunResult::refused);
    d = AddDepot("d", 0, 0);
    AddCustomer("c1", 10, 0, 1);
    EXPECT_FALSE(CanRunExtremeCrossovers(*doc));
    EXPECT_FALSE(CanRunExtremeSavings(*doc));
    AddCustomer("c2", 0, 10, 1);
    EXPECT_FALSE(CanRunExtremeCrossovers(*doc));
    EXPECT_TRUE(CanRunExtremeSavings(*doc));
    AddSupplier("s1", 10, 10, 1);
    EXPECT_TRUE(CanRunExtremeCrossovers(*doc));
}

TEST_F(CrossoverTest, ExtremeSavingsNeedsGlpkAndBuildsNothing) {
    MakeThreeCustomersFiveSuppliers();
    CRoute* route = AddRoute({d, c3, s3, d});
    WithoutGlpk();
    EXPECT_FALSE(RunExtremeSavings(*doc));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{std::string("Unable to load GLPK MIP solver DLL ") + kMissingLibrary +
                                            "\nAll GLPK MIP solver functions are unavailable",
                                        "A MIP solver must be installed to execute this algorithm"}));
    EXPECT_EQ(ui.messages[1].icon, EMessageIcon::exclamation);

    unsetenv("TRAMLET_GLPK_LIBRARY");
    ui.ClearRecords();
    EXPECT_TRUE(RunExtremeSavings(*doc));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Extreme savings algorithm has not yet been implemented"}));
    EXPECT_NE(ExecutionLog().find("Extreme savings algorithm has not yet been implemented"),
              std::string::npos);
    ASSERT_EQ(doc->GetNumberOfRoutes(), 1);
    EXPECT_EQ(doc->GetRoute(0), route);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
}

} // namespace
