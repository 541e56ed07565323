#include "tests/framework/solvers/glpk_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/solvers/simplex_tableau.h"

SReferenceSolution SolveWithGlpk(CSableWinApp& app, const SReferenceLp& lp) {
    EXPECT_EQ(app.LoadGPLKFunctionPointers(), 1);
    int m = lp.matrix.GetNumberRows();
    int n = lp.matrix.GetNumberColumns();
    glp_prob* problem = app.glp_create_prob();
    app.m_pfn_glp_set_obj_dir(problem, lp.maximize ? GLP_MAX : GLP_MIN);
    app.m_pfn_glp_add_rows(problem, m);
    app.m_pfn_glp_add_cols(problem, n);
    for (int i = 0; i < m; ++i) {
        int type = lp.senses[i] == ROW_LESS_EQUAL ? GLP_UP : lp.senses[i] == ROW_EQUAL ? GLP_FX : GLP_LO;
        app.m_pfn_glp_set_row_bnds(problem, i + 1, type, lp.rightHandSides[i], lp.rightHandSides[i]);
    }
    std::vector<int> ia{0};
    std::vector<int> ja{0};
    std::vector<double> ar{0.0};
    for (int j = 0; j < n; ++j) {
        bool bounded = !lp.upper.IsEmpty();
        app.m_pfn_glp_set_col_bnds(problem, j + 1, bounded ? GLP_DB : GLP_LO, 0.0,
                                   bounded ? lp.upper[j] : 0.0);
        app.m_pfn_glp_set_obj_coef(problem, j + 1, lp.costs[j]);
        for (int i = 0; i < m; ++i) {
            if (lp.matrix[i][j] != 0.0) {
                ia.push_back(i + 1);
                ja.push_back(j + 1);
                ar.push_back(lp.matrix[i][j]);
            }
        }
    }
    app.m_pfn_glp_load_matrix(problem, static_cast<int>(ar.size()) - 1, ia.data(), ja.data(), ar.data());
    glp_smcp control;
    app.m_pfn_glp_init_smcp(&control);
    control.msg_lev = GLP_MSG_OFF;
    EXPECT_EQ(app.m_pfn_glp_simplex(problem, &control), 0);
    SReferenceSolution solution;
    solution.status = app.m_pfn_glp_get_status(problem);
    if (solution.status == GLP_OPT) {
        solution.objective = app.m_pfn_glp_get_obj_val(problem);
        solution.duals.SetSize(m);
        for (int i = 0; i < m; ++i) {
            solution.duals[i] = app.m_pfn_glp_get_row_dual(problem, i + 1);
        }
        solution.reducedCosts.SetSize(n);
        for (int j = 0; j < n; ++j) {
            solution.reducedCosts[j] = app.m_pfn_glp_get_col_dual(problem, j + 1);
        }
    }
    app.glp_delete_prob(problem);
    return solution;
}

CDoubleMatrix MatrixOf(const std::vector<std::vector<double>>& rows) {
    CDoubleMatrix matrix(static_cast<int>(rows.size()), static_cast<int>(rows[0].size()));
    for (int i = 0; i < matrix.GetNumberRows(); ++i) {
        std::copy(rows[static_cast<size_t>(i)].begin(), rows[static_cast<size_t>(i)].end(), matrix[i]);
    }
    return matrix;
}
