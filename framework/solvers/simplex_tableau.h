#pragma once

#include <vector>

#include "framework/containers/double_matrix.h"
#include "framework/containers/double_vector.h"
#include "framework/containers/long_vector.h"
#include "framework/export.h"
#include "framework/solvers/optimization_algorithm.h"

// The sense of a constraint row.
enum EROWSENSE {
    ROW_LESS_EQUAL = 0,    // a x <= b
    ROW_EQUAL = 1,         // a x  = b
    ROW_GREATER_EQUAL = 2, // a x >= b
};

// Linear programming by the two-phase full-tableau simplex method:
//   minimise (or maximise) c x  subject to  A x (<=, =, >=) b row by row,  x >= 0.
//
// Rows with a negative right-hand side are negated first. Phase 1 minimises the sum of the
// artificial variables of the = and >= rows from the basis of slacks and artificials; a positive
// minimum (beyond the tolerance, scaled by 1 + the sum of |b|) means OPT_INFEASIBLE. Artificials
// left in the basis at zero are pivoted out on any other column; a row where none is left is
// redundant and keeps its artificial basic at zero (its dual value is 0). Phase 2 minimises the
// objective over the remaining columns; a column that may enter without a row to leave means
// OPT_UNBOUNDED. Both phases enter the column of the most negative reduced cost (Dantzig's
// rule) and leave by the lowest ratio, ties to the lowest basic column. Against cycling, a run
// of 50 degenerate pivots (the leaving row at zero) hands the choice to Bland's rule (the first
// column with a negative reduced cost enters) until a pivot improves the objective; Bland's rule
// cannot cycle and every improving pivot leaves all earlier bases behind, so degenerate problems
// end. Every pivot is one iteration.
//
// Tolerance (default 1e-9): reduced costs above -tolerance count as non-negative, and pivot
// entries must exceed it. At OPT_OPTIMAL the solution x, the dual values y (one per row, the
// change of the objective per unit increase of b_i, in the objective's own direction) and the
// reduced costs d = c - A'y are given; otherwise they are empty.
class SABLEKIT_API CSimplexTableau : public COptimizationAlgorithm {
public:
    CSimplexTableau();

    // Sets the problem: the m x n matrix, m row senses (EROWSENSE), m right-hand sides and n
    // objective coefficients. Solve refuses dimensions that do not agree, an empty matrix, an
    // unknown sense or a value that is not finite.
    void SetProblem(const CDoubleMatrix& matrix, const CLongVector& senses,
                    const CDoubleVector& rightHandSides, const CDoubleVector& costs, bool maximize = false);
    const CDoubleMatrix& GetMatrix() const { return m_matrix; }
    const CLongVector& GetSenses() const { return m_senses; }
    const CDoubleVector& GetRightHandSides() const { return m_rightHandSides; }
    const CDoubleVector& GetCosts() const { return m_costs; }
    bool IsMaximize() const { return m_maximize; }

    const CDoubleVector& GetDualValues() const { return m_dualValues; }
    const CDoubleVector& GetReducedCosts() const { return m_reducedCosts; }
    // The rows found redundant in the last run (0-based).
    const std::vector<int>& GetRedundantRows() const { return m_redundantRows; }

    const char* GetName() const override { return "Simplex Tableau"; }

protected:
    bool CheckData() override;
    EOPTIMIZATIONSTATUS Run() override;
    void WriteResults(std::FILE* file) const override;

private:
    CDoubleMatrix m_matrix;
    CLongVector m_senses;
    CDoubleVector m_rightHandSides;
    CDoubleVector m_costs;
    bool m_maximize = false;

    CDoubleVector m_dualValues;
    CDoubleVector m_reducedCosts;
    std::vector<int> m_redundantRows;
};
