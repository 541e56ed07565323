#pragma once

#include <glpk.h>

#include <vector>

#include "framework/application/sable_win_app.h"
#include "framework/containers/double_matrix.h"
#include "framework/containers/double_vector.h"
#include "framework/containers/long_vector.h"

// A linear program for GLPK: rows A x (sense) b as in CSimplexTableau, columns 0 <= x <= upper
// (no upper bound when upper is empty).
struct SReferenceLp {
    CDoubleMatrix matrix;
    CLongVector senses;
    CDoubleVector rightHandSides;
    CDoubleVector costs;
    CDoubleVector upper;
    bool maximize = false;
};

// GLPK's answer: its solution status (GLP_OPT, GLP_NOFEAS, GLP_UNBND, ...) and, when optimal,
// the objective, row duals and reduced costs.
struct SReferenceSolution {
    int status = 0;
    double objective = 0.0;
    CDoubleVector duals;
    CDoubleVector reducedCosts;
};

// Solves the program with GLPK's primal simplex (no presolve, quiet) through the binding of app.
SReferenceSolution SolveWithGlpk(CSableWinApp& app, const SReferenceLp& lp);

// A matrix from its rows.
CDoubleMatrix MatrixOf(const std::vector<std::vector<double>>& rows);
