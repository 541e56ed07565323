#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "optimisation/mip_solution.h"
#include "tests/optimisation/mip_test_support.h"

using Texts = std::vector<std::string>;

namespace {

// One line per arc variable of a cplex or gurobi report.
std::string VariableLines(const std::vector<std::pair<std::string, std::string>>& variables) {
    std::string lines;
    for (const auto& [name, value] : variables) {
        lines += name + std::string(24 - name.size(), ' ') + value + "\n";
    }
    return lines;
}

std::string CplexReport(const std::string& status, const std::string& bound,
                        const std::vector<std::pair<std::string, std::string>>& variables) {
    return "\nMIP - " + status +
           ":  Objective =  1.9950000000e+02\nSolution time =    0.01 sec.  Iterations = 40  "
           "Nodes = 3\n\n" +
           bound + "\nVariable Name           Solution Value\ntotal_length             199.500000\n" +
           VariableLines(variables) + "All other variables in the range 1-40 are 0.\n";
}

} // namespace

// Depot, two customers and a supplier, three vehicles of capacity 100 (nodes: c1 1, c2 2, s1 3,
// E 4). The solution of the reports: vehicle 1 drives d c1 s1 d (120), vehicle 2 d c2 d (80),
// vehicle 3 stays at the depot.
class MipSolutionTest : public MipFixture {
protected:
    void SetUp() override {
        MipFixture::SetUp();
        d = AddDepot("d", 0, 0);
        c1 = AddCustomer("c1", 0, 30, 40);
        c2 = AddCustomer("c2", 40, 0, 50);
        s1 = AddSupplier("s1", 0, -30, 20);
        ASSERT_TRUE(doc->SetNumberOfVehicles(3));
        ui.ClearRecords();
    }

    // A solution already in the project, which every read replaces.
    void AddOldSolution() {
        AddRoute({d, c1, c2, s1, d});
        RecordCurrentSolution();
    }

    // A refused read: its message, no routes, no new record (rows recorded before it).
    void ExpectRefused(ERunResult result, const std::string& message, size_t rows = 0) {
        EXPECT_EQ(result, ERunResult::failed);
        EXPECT_EQ(TakeMessages(), Texts{message});
        EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
        EXPECT_EQ(doc->GetRoutedCount(), 0);
        EXPECT_EQ(doc->GetAlgorithmStatistics().size(), rows);
        EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
        EXPECT_FALSE(doc->IsAlgorithmRunning());
        EXPECT_EQ(ui.abortDialogsShown, ui.abortDialogsClosed);
        for (const CFacility* f : {c1, c2, s1}) {
            EXPECT_FALSE(f->IsRouted()) << f->GetLabel();
        }
    }
    std::string Invalid(const char* solver, const std::string& name = "report.sol") const {
        return std::string("Invalid ") + solver + " solution file " + folder->File(name) +
               " or file does not contain solution or solution does not match current project";
    }

    CFacility *d = nullptr, *c1 = nullptr, *c2 = nullptr, *s1 = nullptr;
};

TEST_F(MipSolutionTest, CplexReportGivesOneRoutePerUsedVehicleWithTheSolversBound) {
    AddOldSolution();
    ASSERT_TRUE(doc->SetReportLevel(REPORT_DETAILED));
    // Values within 0.0001 of 1 count; 0.9998 does not (counting it would give c1 two successors).
    std::string report = CplexReport("Integer optimal solution",
                                     "Current MIP best bound =  1.9000000000e+02 (gap = 9.5, 4.76%)\n",
                                     {{"x(0,1,1)", "1.000000"},
                                      {"x(0,2,2)", "0.999950"},
                                      {"x(0,4,3)", "1.000000"},
                                      {"x(1,2,1)", "0.999800"},
                                      {"x(1,3,1)", "1.000090"},
                                      {"x(2,4,2)", "1.000000"},
                                      {"x(3,4,1)", "1.000000"},
                                      {"ql(1,1)", "40.000000"},
                                      {"x(2,1,3)", "1.000000"}});
    EXPECT_EQ(ReadReport(EMipSolver::cplex, report), ERunResult::recorded)
        << ::testing::PrintToString(Messages());

    EXPECT_EQ(RouteSequences(), (Texts{"d c1 s1 d", "d c2 d"}));
    ASSERT_EQ(doc->GetAlgorithmStatistics().size(), 1u);
    const CAlgoStat& row = *doc->GetAlgorithmStatistics()[0];
    EXPECT_EQ(row.m_strAlgoName, "cplex VRPB MIP Solution");
    EXPECT_DOUBLE_EQ(row.m_dDistance, 200.0);
    EXPECT_DOUBLE_EQ(row.m_dCost, 200.0);
    EXPECT_DOUBLE_EQ(row.m_dDeltaObjective, 0.5);
    EXPECT_DOUBLE_EQ(row.m_dLowerBound, 190.0);
    EXPECT_DOUBLE_EQ(row.m_dBestLowerBound, 190.0);
    EXPECT_EQ(row.m_lIterations, 1);
    EXPECT_EQ(row.m_lCount, 0);
    EXPECT_EQ(row.m_lNumberOfRoutes, 2);
    EXPECT_EQ(row.m_lNumberOfRoutedFacilities, 3);
    EXPECT_EQ(row.m_lRunStatus, 1);
    EXPECT_EQ(ui.pauses, 2) << "one pause per route at Detailed";
    EXPECT_NE(ExecutionLog().find("Executing cplex VRPB MIP Solution algorithm\n"), std::string::npos);
    EXPECT_FALSE(doc->IsAlgorithmRunning());
    EXPECT_EQ(ui.abortDialogsShown, 1);
    EXPECT_EQ(ui.abortDialogsClosed, 1);
}

// Without an accepted status the objective is unknown (the largest double); without the bound
// line the lower bound is 0.
TEST_F(MipSolutionTest, CplexReportWithOtherStatusAndNoBoundStillGivesTheRoutes) {
    std::string report = CplexReport("Time limit exceeded, integer feasible", "",
                                     {{"x(0,1,1)", "1"},
                                      {"x(0,2,2)", "1"},
                                      {"x(1,3,1)", "1"},
                                      {"x(2,4,2)", "1"},
                                      {"x(3,4,1)", "1"},
                                      {"x(0,4,3)", "1"},
                                      {"qb(3,1)", "20"}});
    ASSERT_EQ(ReadReport(EMipSolver::cplex, report), ERunResult::recorded)
        << ::testing::PrintToString(Messages());
    EXPECT_EQ(RouteSequences(), (Texts{"d c1 s1 d", "d c2 d"}));
    const CAlgoStat& row = *doc->GetAlgorithmStatistics()[0];
    EXPECT_DOUBLE_EQ(row.m_dLowerBound, 0.0);
    EXPECT_DOUBLE_EQ(row.m_dDeltaObjective, 200.0 - DBL_MAX);

    // "Aborted, integer feasible" names its objective; "x(...)" without total_length before it
    // (CPLEX leaves out variables at 0) is still an arc.
    std::string aborted =
        "MIP - Aborted, integer feasible:  Objective =  2.0000000000e+02\n"
        "Variable Name           Solution Value\n" +
        VariableLines({{"x(0,2,1)", "1"}, {"x(2,1,1)", "1"}, {"x(1,3,1)", "1"}, {"x(3,4,1)", "1"}});
    ASSERT_EQ(ReadReport(EMipSolver::cplex, aborted), ERunResult::recorded)
        << ::testing::PrintToString(Messages());
    EXPECT_EQ(RouteSequences(), (Texts{"d c2 c1 s1 d"}));
    EXPECT_DOUBLE_EQ(doc->GetAlgorithmStatistics()[1]->m_dDeltaObjective, 40.0 + 50.0 + 60.0 + 30.0 - 200.0);
}

// The objective is total_length's value, the lower bound the distance; the comment lines of newer
// releases before it are passed over, and so are the "\r\n" line ends.
TEST_F(MipSolutionTest, GurobiReportGivesTheRoutesAndItsDistanceAsLowerBound) {
    std::string report =
        "# Solution for model obj\r\n# Objective value = 2.0000000000000000e+02\r\n"
        "total_length 2.0000000000000000e+02\r\nx(0,1,1) 1\r\nx(0,2,1) 0\r\nx(0,4,1) 0\r\n"
        "x(0,1,2) 0\r\nx(0,2,2) 1\r\nx(0,4,3) 1\r\nx(1,3,1) 1\r\nx(2,4,2) 1\r\nx(3,4,1) 1\r\n"
        "x(1,2,3) -0\r\nql(1,1) 40\r\nql(1,2) 0\r\n";
    ASSERT_EQ(ReadReport(EMipSolver::gurobi, report), ERunResult::recorded)
        << ::testing::PrintToString(Messages());
    EXPECT_EQ(RouteSequences(), (Texts{"d c1 s1 d", "d c2 d"}));
    const CAlgoStat& row = *doc->GetAlgorithmStatistics()[0];
    EXPECT_EQ(row.m_strAlgoName, "gurobi VRPB MIP Solution");
    EXPECT_DOUBLE_EQ(row.m_dDeltaObjective, 0.0);
    EXPECT_DOUBLE_EQ(row.m_dLowerBound, 200.0);
    EXPECT_DOUBLE_EQ(row.m_dGap, 0.0);
}

// Arcs that do not form routes of this project: a node or a vehicle beyond it, a chain that
// does not return to the depot, a cycle among the facilities, a facility left twice, an arc
// from a facility no vehicle reaches, a name that is no arc, an arc leaving E, a facility
// that no route serves, no arc at 1 at all.
TEST_F(MipSolutionTest, ArcsThatFormNoRoutesOfThisProjectAreRefused) {
    const std::vector<std::vector<std::string>> cases = {
        {"x(0,1,1)", "x(1,5,1)"},
        {"x(0,1,4)", "x(1,4,4)"},
        {"x(0,1,1)", "x(1,3,1)"},
        {"x(0,1,1)", "x(1,2,1)", "x(2,1,1)"},
        {"x(0,1,1)", "x(1,3,1)", "x(1,4,1)", "x(3,4,1)"},
        {"x(0,1,1)", "x(1,4,1)", "x(2,3,2)", "x(3,4,2)"},
        {"x(0,1,1)", "x(1,4,1)", "y(0,2,2)"},
        {"x(0,1,1)", "x(1,4,1)", "x(0,2)"},
        {"x(4,1,1)", "x(1,3,1)", "x(3,4,1)", "x(0,2,2)", "x(2,4,2)"},
        {"x(0,1,1)", "x(1,3,1)", "x(3,4,1)", "x(0,4,2)"},
        {},
    };
    for (const auto& arcs : cases) {
        AddOldSolution();
        std::string report = "# Objective value = 100\ntotal_length 100\n";
        for (const std::string& arc : arcs) {
            report += arc + " 1\n";
        }
        SCOPED_TRACE(report);
        ExpectRefused(ReadReport(EMipSolver::gurobi, report), Invalid("gurobi"));
    }
}

TEST_F(MipSolutionTest, ReportsWithoutTheirSolversLayoutAreRefused) {
    AddOldSolution();
    ExpectRefused(ReadReport(EMipSolver::cplex, "Variable Name           Solution Value\nx(0,1,1) 1\n"),
                  Invalid("cplex"));
    AddOldSolution();
    ExpectRefused(ReadReport(EMipSolver::gurobi, ""), Invalid("gurobi"));
    AddOldSolution();
    ExpectRefused(ReadReport(EMipSolver::gurobi, "# Objective value = 100\n# no values\n"),
                  Invalid("gurobi"));
    AddOldSolution();
    ExpectRefused(ReadReport(EMipSolver::glpsol, "Problem:    \nRows:       8\n"), Invalid("glpk"));
}

TEST_F(MipSolutionTest, AFileThatCannotBeReadShowsTheFileError) {
    AddOldSolution();
    std::string path = folder->File("missing.sol");
    ExpectRefused(ReadMipSolution(*doc, EMipSolver::cplex, path),
                  "Could not read from cplex solution file \"" + path +
                      "\"\nThe operating system returned error code 2: No such file or directory");
}

// The commands need more than one vehicle; Cancel in the open dialog ends the command with the
// project unchanged.
TEST_F(MipSolutionTest, CommandsNeedTwoVehiclesAndTheirDialogCanBeCancelled) {
    AddOldSolution();
    std::string path = folder->File("report.sol");
    WriteWholeFile(path, "# Objective value = 200\ntotal_length 200\nx(0,2,1) 1\nx(2,4,1) 1\nx(0,1,2) 1\n"
                         "x(1,3,2) 1\nx(3,4,2) 1\n");
    EXPECT_EQ(OnReadGurobiSolution(*doc), ERunResult::refused);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 1);
    ASSERT_TRUE(doc->SetNumberOfVehicles(1));
    ui.fileDialogPaths.push_back(path);
    EXPECT_EQ(OnReadGurobiSolution(*doc), ERunResult::refused);
    EXPECT_EQ(doc->GetNumberOfRoutes(), 1);
    ASSERT_TRUE(doc->SetNumberOfVehicles(2));
    EXPECT_EQ(OnReadGurobiSolution(*doc), ERunResult::recorded);
    EXPECT_EQ(RouteSequences(), (Texts{"d c2 d", "d c1 s1 d"}));
}

// tramlet-batch shows the system's messages and exits with 1 when a model or report file fails,
// and names what the commands need when they are not available.
TEST_F(MipSolutionTest, BatchCommandsFailWithTheSystemsMessages) {
    std::string project = std::string(TEST_DATA_DIR) + "/small/small.dat --quiet ";
    std::string report = MipDataFile("three_facilities.sol");
    SBatchRun other = RunBatch(project + "read-glpsol '" + report + "'");
    EXPECT_EQ(other.status, 1);
    // The system's messages carry the time they were shown.
    EXPECT_NE(other.err.find(": Invalid glpk solution file " + report +
                             " or file does not contain solution or solution does not match current "
                             "project\ntramlet-batch: read-glpsol failed: Invalid glpk solution file "),
              std::string::npos)
        << other.err;
    EXPECT_EQ(other.out, "");

    std::string missing = folder->File("missing.sol");
    SBatchRun unread = RunBatch(project + "read-gurobi '" + missing + "'");
    EXPECT_EQ(unread.status, 1);
    EXPECT_NE(unread.err.find("Could not read from gurobi solution file \"" + missing + "\""),
              std::string::npos)
        << unread.err;

    std::string model = folder->File("missing/model.lp");
    SBatchRun unwritten = RunBatch(project + "write-lp '" + model + "'");
    EXPECT_EQ(unwritten.status, 1);
    EXPECT_NE(unwritten.err.find("Could not write to LP formulation file \"" + model + "\""),
              std::string::npos)
        << unwritten.err;

    SBatchRun alone = RunBatch(project + "--vehicles 1 read-cplex '" + report + "'");
    EXPECT_EQ(alone.status, 1);
    EXPECT_EQ(alone.err,
              "tramlet-batch: read-cplex needs a depot, at least one customer or supplier and more "
              "than one vehicle\ntramlet-batch: read-cplex failed: refused (see above)\n");
}

// The report the real glpsol printed for this project's model (tests/data/mip): the optimum is
// the single route d c1 c2 s1 d of length 160.
TEST_F(MipSolutionTest, GlpsolReportOfTheOptimumGivesItsDistanceAsLowerBound) {
    AddOldSolution();
    ASSERT_EQ(ReadMipSolution(*doc, EMipSolver::glpsol, MipDataFile("three_facilities.sol")),
              ERunResult::recorded)
        << ::testing::PrintToString(Messages());
    EXPECT_EQ(RouteSequences(), (Texts{"d c1 c2 s1 d"}));
    const CAlgoStat& row = *doc->GetAlgorithmStatistics()[0];
    EXPECT_EQ(row.m_strAlgoName, "glpsol VRPB MIP Solution");
    EXPECT_DOUBLE_EQ(row.m_dDistance, 160.0);
    EXPECT_DOUBLE_EQ(row.m_dDeltaObjective, 0.0);
    EXPECT_DOUBLE_EQ(row.m_dLowerBound, 160.0);
    EXPECT_EQ(row.m_lRunStatus, 1);
}

// A solution that is not proven optimal is taken with lower bound 0; any other status text is
// refused.
TEST_F(MipSolutionTest, GlpsolStatusDecidesWhetherTheReportIsTaken) {
    const std::string optimal = ReadWholeFile(MipDataFile("three_facilities.sol"));
    const std::string line = "Status:     INTEGER OPTIMAL\n";
    ASSERT_NE(optimal.find(line), std::string::npos);
    auto withStatus = [&](const std::string& status) {
        std::string report = optimal;
        report.replace(report.find(line), line.size(), status + "\n");
        return report;
    };
    ASSERT_EQ(ReadReport(EMipSolver::glpsol, withStatus("Status:     INTEGER NON-OPTIMAL")),
              ERunResult::recorded);
    EXPECT_EQ(RouteSequences(), (Texts{"d c1 c2 s1 d"}));
    EXPECT_DOUBLE_EQ(doc->GetAlgorithmStatistics()[0]->m_dLowerBound, 0.0);

    for (const char* status :
         {"Status:     INTEGER UNDEFINED", "Status:     INTEGER EMPTY", "Status:     OPTIMAL",
          "Status:    INTEGER OPTIMAL", "Status:     INTEGER OPTIMAL ", "Status"}) {
        SCOPED_TRACE(status);
        AddOldSolution();
        ExpectRefused(ReadReport(EMipSolver::glpsol, withStatus(status)), Invalid("glpk"), 1);
    }
}

// The report of a project with 111 facilities names nodes this project does not have.
TEST_F(MipSolutionTest, GlpsolReportOfAnotherProjectLeavesNoRoutes) {
    AddOldSolution();
    std::string path = MipDataFile("wrapped_names.sol");
    ExpectRefused(ReadMipSolution(*doc, EMipSolver::glpsol, path),
                  "Invalid glpk solution file " + path +
                      " or file does not contain solution or solution does not match current project");
}

class MipWrappedNamesTest : public MipFixture {};

// glpsol prints the values of a column whose name is longer than twelve characters
// (x(100,110,10)) on the next line; the pair is one column.
TEST_F(MipWrappedNamesTest, GlpsolColumnsWithLongNamesAreReadAcrossTheirTwoLines) {
    Texts expected = AddWrappedNamesProject();
    ASSERT_EQ(ReadMipSolution(*doc, EMipSolver::glpsol, MipDataFile("wrapped_names.sol")),
              ERunResult::recorded)
        << ::testing::PrintToString(Messages());
    EXPECT_EQ(RouteSequences(), expected);
    EXPECT_NEAR(doc->GetCurrentSolution().m_dDistance, 199668.656, 0.1);
    EXPECT_EQ(doc->GetRoutedCount(), 110);
}
