// Extreme Crossovers against GLPK: the problem handed to the solvers, their settings, and the
// solver failures, reached by replacing bound entry points with stand-ins that forward to GLPK.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "construction/crossover.h"
#include "framework/strings/format.h"
#include "tests/support/project_fixture.h"

namespace {

// What the stand-ins saw and what they answer.
struct SSolverScript {
    CSableWinApp* app = nullptr;
    decltype(&::glp_simplex) simplex = nullptr;
    decltype(&::glp_intopt) intopt = nullptr;
    decltype(&::glp_delete_prob) deleteProb = nullptr;
    decltype(&::glp_get_status) getStatus = nullptr;
    decltype(&::glp_mip_status) mipStatus = nullptr;
    int simplexReturns = 0; // 0: forward to GLPK
    int statusReturns = 0;  // 0: GLPK's status
    int intoptReturns = 0;
    int mipStatusReturns = 0;
    int deletes = 0;
    int intoptCalls = 0;
    glp_smcp smcp{};
    glp_iocp iocp{};
    // The problem as loaded when the simplex method was called: rows as "name type upper",
    // columns as "name type: rows".
    std::string problemName, objectiveName;
    int direction = 0;
    std::vector<std::string> rows, columns;
    std::vector<double> costs;
};
SSolverScript script;

int Simplex(glp_prob* lp, const glp_smcp* parameters) {
    CSableWinApp& app = *script.app;
    script.smcp = *parameters;
    script.problemName = app.m_pfn_glp_get_prob_name(lp);
    script.objectiveName = app.m_pfn_glp_get_obj_name(lp);
    script.direction = app.m_pfn_glp_get_obj_dir(lp);
    for (int i = 1; i <= app.m_pfn_glp_get_num_rows(lp); ++i) {
        script.rows.push_back(FormatString("%s %d %g", app.m_pfn_glp_get_row_name(lp, i),
                                           app.m_pfn_glp_get_row_type(lp, i),
                                           app.m_pfn_glp_get_row_ub(lp, i)));
    }
    for (int j = 1; j <= app.m_pfn_glp_get_num_cols(lp); ++j) {
        script.costs.push_back(app.m_pfn_glp_get_obj_coef(lp, j));
        int index[8];
        double value[8];
        const int n = app.m_pfn_glp_get_mat_col(lp, j, index, value);
        std::vector<int> rows(index + 1, index + 1 + n);
        std::sort(rows.begin(), rows.end());
        std::string column =
            FormatString("%s %d:", app.m_pfn_glp_get_col_name(lp, j), app.m_pfn_glp_get_col_type(lp, j));
        for (int row : rows) {
            column += FormatString(" %d", row);
        }
        script.columns.push_back(column);
    }
    if (script.simplexReturns != 0) {
        return script.simplexReturns;
    }
    glp_smcp quiet = *parameters;
    quiet.msg_lev = GLP_MSG_OFF;
    return script.simplex(lp, &quiet);
}

int Status(glp_prob* lp) {
    return script.statusReturns != 0 ? script.statusReturns : script.getStatus(lp);
}

int Intopt(glp_prob* lp, const glp_iocp* parameters) {
    ++script.intoptCalls;
    script.iocp = *parameters;
    if (script.intoptReturns != 0) {
        return script.intoptReturns;
    }
    glp_iocp quiet = *parameters;
    quiet.msg_lev = GLP_MSG_OFF;
    return script.intopt(lp, &quiet);
}

int MipStatus(glp_prob* lp) {
    return script.mipStatusReturns != 0 ? script.mipStatusReturns : script.mipStatus(lp);
}

void DeleteProb(glp_prob* lp) {
    ++script.deletes;
    script.deleteProb(lp);
}

class CrossoverSolverTest : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        unsetenv("TRAMLET_GLPK_LIBRARY");
        ASSERT_EQ(app->LoadGPLKFunctionPointers(), 1);
        script = SSolverScript();
        script.app = app.get();
        script.simplex = app->m_pfn_glp_simplex;
        script.intopt = app->m_pfn_glp_intopt;
        script.deleteProb = app->m_pfn_glp_delete_prob;
        script.getStatus = app->m_pfn_glp_get_status;
        script.mipStatus = app->m_pfn_glp_mip_status;
        app->m_pfn_glp_simplex = Simplex;
        app->m_pfn_glp_get_status = Status;
        app->m_pfn_glp_intopt = Intopt;
        app->m_pfn_glp_mip_status = MipStatus;
        app->m_pfn_glp_delete_prob = DeleteProb;
        doc->SetReportLevel(REPORT_STANDARD);
        doc->SetTimeLimit(12.5);

        d = AddDepot("d", 0, 0);
        c1 = AddCustomer("c1", 1000, 0, 10);
        c2 = AddCustomer("c2", 0, 1000, 150); // above the capacity
        c3 = AddCustomer("c3", -1000, 0, 10);
        s1 = AddSupplier("s1", 1000, 100, 10);
        s2 = AddSupplier("s2", -1000, 100, 10);
        doc->SetNumberOfVehicles(3);
        AddRoute({d, c1, d});
        ui.ClearRecords();
    }
    void TearDown() override {
        ProjectFixture::TearDown();
        script = SSolverScript();
    }

    // A failed run: its message, no routes, no record, run status -1, the problem deleted.
    void ExpectFailedRun(const std::string& message) {
        EXPECT_EQ(RunExtremeCrossovers(*doc), ERunResult::failed);
        EXPECT_EQ(Messages(), (std::vector<std::string>{message}));
        EXPECT_NE(ExecutionLog().find(message), std::string::npos);
        EXPECT_EQ(doc->GetRoutedCount(), 0);
        EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
        EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
        EXPECT_EQ(script.deletes, 1);
        EXPECT_FALSE(doc->IsAlgorithmRunning());
        EXPECT_EQ(ui.closedStatusWindows.back(), "Add Facility Report");
    }

    CFacility *d = nullptr, *c1 = nullptr, *c2 = nullptr, *c3 = nullptr, *s1 = nullptr, *s2 = nullptr;
};

TEST_F(CrossoverSolverTest, ProblemHasTheRowsColumnsAndSettingsOfThePairing) {
    doc->SetPathName("/projects/north/My Project.tramlet");
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(script.problemName, "My Project");
    EXPECT_EQ(script.objectiveName, "obj");
    EXPECT_EQ(script.direction, GLP_MAX);

    // Rows: customers, suppliers, then the vehicle count K = min(2, 2, 3), all upper bounds.
    // Columns of the eligible pairs only (c2 has none), customers outside, suppliers inside,
    // each in its customer's, its supplier's and the vehicle row.
    const int up = GLP_UP, lo = GLP_LO;
    EXPECT_EQ(script.rows,
              (std::vector<std::string>{FormatString("c001 %d 1", up), FormatString("c002 %d 1", up),
                                        FormatString("c003 %d 1", up), FormatString("s001 %d 1", up),
                                        FormatString("s002 %d 1", up), FormatString("vc %d 2", up)}));
    EXPECT_EQ(script.columns, (std::vector<std::string>{FormatString("x001001 %d: 1 4 6", lo),
                                                        FormatString("x001002 %d: 1 5 6", lo),
                                                        FormatString("x003001 %d: 3 4 6", lo),
                                                        FormatString("x003002 %d: 3 5 6", lo)}));
    EXPECT_NEAR(script.costs[0], ComputeCrossoverSavings(*doc, d, c1, s1), 1e-9);
    EXPECT_NEAR(script.costs[1], 1000.0 + std::hypot(1000.0, 100.0) - std::hypot(2000.0, 100.0), 1e-9);

    // Time limits in milliseconds; most fractional branching and four cut classes.
    EXPECT_EQ(script.smcp.tm_lim, 12500);
    EXPECT_EQ(script.iocp.tm_lim, 12500);
    const glp_iocp& io = script.iocp;
    EXPECT_EQ((std::vector<int>{io.br_tech, io.mir_cuts, io.gmi_cuts, io.cov_cuts, io.clq_cuts}),
              (std::vector<int>{GLP_BR_MFV, GLP_ON, GLP_ON, GLP_ON, GLP_ON}));
    glp_iocp defaults;
    app->m_pfn_glp_init_iocp(&defaults);
    EXPECT_EQ(io.presolve, defaults.presolve);
    EXPECT_EQ(io.bt_tech, defaults.bt_tech);

    EXPECT_EQ(doc->GetRoutedCount(), 4);
    EXPECT_EQ(script.deletes, 1);
}

TEST_F(CrossoverSolverTest, ProjectWithoutFileNamesTheProblemAfterTheApplication) {
    ASSERT_EQ(RunExtremeCrossovers(*doc), ERunResult::recorded);
    EXPECT_EQ(script.problemName, "Tramlet");
}

TEST_F(CrossoverSolverTest, SolverFailuresEndTheRun) {
    struct SCase {
        int simplex, status, intopt, mipStatus;
        const char* message;
    };
    const SCase cases[] = {
        {GLP_ETMLIM, 0, 0, 0,
         "The libglpk.so.40 LP solver could not find the optimal solution within the 12.500000 seconds time "
         "limit"},
        {GLP_EFAIL, 0, 0, 0,
         "The libglpk.so.40 LP solver terminated with the general error condition 5 and no solution was "
         "found"},
        {0, GLP_NOFEAS, 0, 0,
         "The libglpk.so.40 LP solver could not find the optimal solution and terminated with status code 4"},
        {0, 0, GLP_ETMLIM, 0,
         "The libglpk.so.40 MIP solver could not find the optimal solution within the 12.500000 seconds time "
         "limit"},
        {0, 0, GLP_ENOPFS, 0,
         "The libglpk.so.40 MIP solver terminated with the general error condition 10 and no solution was "
         "found"},
        {0, 0, 0, GLP_FEAS,
         "The libglpk.so.40 MIP solver could not find the optimal solution and terminated with status code "
         "2"},
    };
    for (const SCase& failure : cases) {
        SCOPED_TRACE(failure.message);
        ui.ClearRecords();
        script.deletes = script.intoptCalls = 0;
        script.simplexReturns = failure.simplex;
        script.statusReturns = failure.status;
        script.intoptReturns = failure.intopt;
        script.mipStatusReturns = failure.mipStatus;
        ExpectFailedRun(failure.message);
        // A simplex failure ends the run before the integer optimiser.
        EXPECT_EQ(script.intoptCalls, failure.simplex != 0 || failure.status != 0 ? 0 : 1);
    }
}

TEST_F(CrossoverSolverTest, AbortAtThePauseAfterARouteDeletesEverything) {
    doc->SetReportLevel(REPORT_DETAILED);
    ui.pauseChoices.push_back(EPauseChoice::abort);
    EXPECT_EQ(RunExtremeCrossovers(*doc), ERunResult::aborted);
    EXPECT_EQ(ui.pauses, 1);
    EXPECT_EQ(doc->GetRoutedCount(), 0);
    EXPECT_TRUE(doc->GetAlgorithmStatistics().empty());
    EXPECT_EQ(doc->GetCurrentSolution().m_lRunStatus, -1);
    EXPECT_EQ(script.deletes, 1);
}

} // namespace
