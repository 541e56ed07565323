#include "framework/solvers/simplex_tableau.h"

#include <cmath>
#include <string>

#include "framework/application/sable_win_app.h"
#include "framework/strings/format.h"

namespace {

enum EColumnKind { structuralColumn, slackColumn, artificialColumn };

// Degenerate pivots in a row after which Bland's rule takes over.
constexpr int kDegeneratePivotsBeforeBland = 50;

// The working tableau: m constraint rows and the reduced-cost row m, n columns and the
// right-hand side in column n. The reduced-cost row holds -z in column n.
struct STableau {
    int rows = 0;
    int columns = 0;
    CDoubleMatrix t;
    std::vector<int> basis;        // the basic column of every row
    std::vector<EColumnKind> kind; // of every column
    std::vector<int> unitColumn;   // the column that started as the unit vector of every row
    std::vector<double> cost;      // phase 2 costs (minimisation)
    std::vector<bool> mayEnter;

    double* Objective() { return t[rows]; }

    // Pivots on (row, column): the column becomes the unit vector of the row.
    void Pivot(int row, int column) {
        double* pivotRow = t[row];
        double inverse = 1.0 / pivotRow[column];
        for (int j = 0; j <= columns; ++j) {
            pivotRow[j] *= inverse;
        }
        pivotRow[column] = 1.0;
        for (int i = 0; i <= rows; ++i) {
            double* other = t[i];
            double factor = other[column];
            if (i == row || factor == 0.0) {
                continue;
            }
            for (int j = 0; j <= columns; ++j) {
                other[j] -= factor * pivotRow[j];
            }
            other[column] = 0.0;
        }
        basis[static_cast<size_t>(row)] = column;
    }

    // The entering column: the first that may enter with a reduced cost below -tolerance
    // (Bland's rule), or the one with the most negative reduced cost, the first of equals
    // (Dantzig's rule); -1 if none.
    int EnteringColumn(double tolerance, bool bland) {
        const double* d = Objective();
        int best = -1;
        for (int j = 0; j < columns; ++j) {
            if (!mayEnter[static_cast<size_t>(j)] || d[j] >= -tolerance) {
                continue;
            }
            if (bland) {
                return j;
            }
            if (best < 0 || d[j] < d[best]) {
                best = j;
            }
        }
        return best;
    }

    // The leaving row of the ratio test, ties broken by the lowest basic column; -1 if none.
    int LeavingRow(int column, double tolerance) {
        int best = -1;
        double bestRatio = 0.0;
        for (int i = 0; i < rows; ++i) {
            double a = t[i][column];
            if (a <= tolerance) {
                continue;
            }
            double ratio = t[i][columns] / a;
            if (best < 0 || ratio < bestRatio - tolerance ||
                (ratio <= bestRatio + tolerance &&
                 basis[static_cast<size_t>(i)] < basis[static_cast<size_t>(best)])) {
                best = i;
                bestRatio = ratio;
            }
        }
        return best;
    }

    // The phase 1 costs: 1 for the artificials, 0 for the other columns.
    std::vector<double> PhaseOneCosts() const {
        std::vector<double> costs(static_cast<size_t>(columns), 0.0);
        for (int j = 0; j < columns; ++j) {
            costs[static_cast<size_t>(j)] = kind[static_cast<size_t>(j)] == artificialColumn ? 1.0 : 0.0;
        }
        return costs;
    }

    // After a feasible phase 1 the artificials still basic stand at zero: each is pivoted out
    // on the first other column with a non-zero entry in its row. Rows without one are
    // redundant; they are returned and keep their artificial.
    std::vector<int> RemoveBasicArtificials(double tolerance) {
        std::vector<int> redundant;
        for (int i = 0; i < rows; ++i) {
            if (kind[static_cast<size_t>(basis[static_cast<size_t>(i)])] != artificialColumn) {
                continue;
            }
            t[i][columns] = 0.0;
            int column = 0;
            while (column < columns && (kind[static_cast<size_t>(column)] == artificialColumn ||
                                        std::fabs(t[i][column]) <= tolerance)) {
                ++column;
            }
            if (column == columns) {
                redundant.push_back(i);
            } else {
                Pivot(i, column);
            }
        }
        return redundant;
    }

    // Fills the reduced-cost row from the given column costs and the current basis.
    void PriceOut(const std::vector<double>& columnCost) {
        double* d = Objective();
        for (int j = 0; j <= columns; ++j) {
            d[j] = j < columns ? columnCost[static_cast<size_t>(j)] : 0.0;
        }
        for (int i = 0; i < rows; ++i) {
            double cb = columnCost[static_cast<size_t>(basis[static_cast<size_t>(i)])];
            if (cb == 0.0) {
                continue;
            }
            for (int j = 0; j <= columns; ++j) {
                d[j] -= cb * t[i][j];
            }
        }
    }
};

// Builds the starting tableau of the problem with rows of negative right-hand side negated
// (rowSign = -1): a slack per <= row, a surplus and an artificial per >= row, an artificial
// per = row. Costs are those of a minimisation (negated for a maximisation).
STableau BuildTableau(const CDoubleMatrix& a, const CLongVector& senses, const CDoubleVector& b,
                      const CDoubleVector& c, bool maximize, std::vector<double>& rowSign) {
    STableau tab;
    int m = a.GetNumberRows();
    int n = a.GetNumberColumns();
    tab.rows = m;
    int columns = n;
    std::vector<int> sense(static_cast<size_t>(m));
    rowSign.assign(static_cast<size_t>(m), 1.0);
    for (int i = 0; i < m; ++i) {
        sense[static_cast<size_t>(i)] = senses[i];
        if (b[i] < 0.0) {
            rowSign[static_cast<size_t>(i)] = -1.0;
            sense[static_cast<size_t>(i)] = ROW_GREATER_EQUAL + ROW_LESS_EQUAL - senses[i];
        }
        columns += sense[static_cast<size_t>(i)] == ROW_GREATER_EQUAL ? 2 : 1;
    }
    tab.columns = columns;
    tab.t.SetSize(m + 1, columns + 1);
    tab.kind.assign(static_cast<size_t>(columns), structuralColumn);
    tab.cost.assign(static_cast<size_t>(columns), 0.0);
    tab.basis.assign(static_cast<size_t>(m), 0);
    tab.unitColumn.assign(static_cast<size_t>(m), 0);
    for (int j = 0; j < n; ++j) {
        tab.cost[static_cast<size_t>(j)] = maximize ? -c[j] : c[j];
    }
    int next = n;
    for (int i = 0; i < m; ++i) {
        double s = rowSign[static_cast<size_t>(i)];
        for (int j = 0; j < n; ++j) {
            tab.t[i][j] = s * a[i][j];
        }
        tab.t[i][columns] = s * b[i];
        int rowSense = sense[static_cast<size_t>(i)];
        if (rowSense != ROW_EQUAL) {
            tab.kind[static_cast<size_t>(next)] = slackColumn;
            tab.t[i][next] = rowSense == ROW_LESS_EQUAL ? 1.0 : -1.0;
            if (rowSense == ROW_LESS_EQUAL) {
                tab.unitColumn[static_cast<size_t>(i)] = next;
            }
            ++next;
        }
        if (rowSense != ROW_LESS_EQUAL) {
            tab.kind[static_cast<size_t>(next)] = artificialColumn;
            tab.t[i][next] = 1.0;
            tab.unitColumn[static_cast<size_t>(i)] = next;
            ++next;
        }
        tab.basis[static_cast<size_t>(i)] = tab.unitColumn[static_cast<size_t>(i)];
    }
    tab.mayEnter.assign(static_cast<size_t>(columns), true);
    return tab;
}

double SumOfMagnitudes(const CDoubleVector& values) {
    double sum = 0.0;
    for (double value : values) {
        sum += std::fabs(value);
    }
    return sum;
}

bool IsFinite(const double* values, int count) {
    for (int k = 0; k < count; ++k) {
        if (!std::isfinite(values[k])) {
            return false;
        }
    }
    return true;
}

} // namespace

CSimplexTableau::CSimplexTableau() : COptimizationAlgorithm(100000, 1e-9) {}

void CSimplexTableau::SetProblem(const CDoubleMatrix& matrix, const CLongVector& senses,
                                 const CDoubleVector& rightHandSides, const CDoubleVector& costs,
                                 bool maximize) {
    m_matrix = matrix;
    m_senses.Copy(senses);
    m_rightHandSides.Copy(rightHandSides);
    m_costs.Copy(costs);
    m_maximize = maximize;
}

bool CSimplexTableau::CheckData() {
    m_dualValues.RemoveAll();
    m_reducedCosts.RemoveAll();
    m_redundantRows.clear();
    int m = m_matrix.GetNumberRows();
    int n = m_matrix.GetNumberColumns();
    if (m == 0 || m_senses.GetSize() != m || m_rightHandSides.GetSize() != m || m_costs.GetSize() != n) {
        DisplayErrorMessage(
            FormatString("Simplex problem dimensions do not agree: %d x %d matrix, %d senses, %d "
                         "right-hand sides and %d costs",
                         m, n, m_senses.GetSize(), m_rightHandSides.GetSize(), m_costs.GetSize()));
        return false;
    }
    for (int i = 0; i < m; ++i) {
        if (m_senses[i] < ROW_LESS_EQUAL || m_senses[i] > ROW_GREATER_EQUAL) {
            DisplayErrorMessage(FormatString("Invalid sense %d of simplex row %d", m_senses[i], i + 1));
            return false;
        }
    }
    if (!IsFinite(m_matrix.GetData(), m * n) || !IsFinite(m_rightHandSides.GetData(), m) ||
        !IsFinite(m_costs.GetData(), n)) {
        DisplayErrorMessage("The simplex problem holds a value that is not a finite number");
        return false;
    }
    return true;
}

EOPTIMIZATIONSTATUS CSimplexTableau::Run() {
    std::vector<double> rowSign;
    STableau tab = BuildTableau(m_matrix, m_senses, m_rightHandSides, m_costs, m_maximize, rowSign);
    const double tolerance = GetTolerance();
    const int m = tab.rows;
    const int n = m_matrix.GetNumberColumns();

    // One phase: pivots until no column may enter. Returns OPT_OPTIMAL, OPT_UNBOUNDED or the
    // limit that ended it. Dantzig's rule gives way to Bland's after a run of degenerate
    // pivots, and comes back with the first pivot that improves the objective.
    auto iterate = [&]() {
        int degenerate = 0;
        for (;;) {
            int column = tab.EnteringColumn(tolerance, degenerate >= kDegeneratePivotsBeforeBland);
            if (column < 0) {
                return OPT_OPTIMAL;
            }
            int row = tab.LeavingRow(column, tolerance);
            if (row < 0) {
                return OPT_UNBOUNDED;
            }
            if (!StartIteration()) {
                return GetLimitStatus();
            }
            degenerate = tab.t[row][tab.columns] <= tolerance ? degenerate + 1 : 0;
            tab.Pivot(row, column);
        }
    };

    // Phase 1: minimise the sum of the artificials.
    tab.PriceOut(tab.PhaseOneCosts());
    EOPTIMIZATIONSTATUS status = iterate();
    if (status != OPT_OPTIMAL) {
        return status; // phase 1 is bounded below, so only a limit ends it early
    }
    if (-tab.Objective()[tab.columns] > tolerance * (1.0 + SumOfMagnitudes(m_rightHandSides))) {
        return OPT_INFEASIBLE;
    }
    m_redundantRows = tab.RemoveBasicArtificials(tolerance);

    // Phase 2: the objective over the columns other than the artificials.
    for (int j = 0; j < tab.columns; ++j) {
        tab.mayEnter[static_cast<size_t>(j)] = tab.kind[static_cast<size_t>(j)] != artificialColumn;
    }
    tab.PriceOut(tab.cost);
    status = iterate();
    if (status != OPT_OPTIMAL) {
        return status;
    }

    m_solution.SetSize(n);
    for (int i = 0; i < m; ++i) {
        int column = tab.basis[static_cast<size_t>(i)];
        if (column < n) {
            m_solution[column] = tab.t[i][tab.columns];
        }
    }
    // The unit column of row i has cost 0, so its reduced cost is -y_i of the solved problem.
    double direction = m_maximize ? -1.0 : 1.0;
    m_dualValues.SetSize(m);
    for (int i = 0; i < m; ++i) {
        m_dualValues[i] = -direction * rowSign[static_cast<size_t>(i)] *
                          tab.Objective()[tab.unitColumn[static_cast<size_t>(i)]];
    }
    m_reducedCosts.SetSize(n);
    m_objectiveValue = 0.0;
    for (int j = 0; j < n; ++j) {
        double d = m_costs[j];
        for (int i = 0; i < m; ++i) {
            d -= m_matrix[i][j] * m_dualValues[i];
        }
        m_reducedCosts[j] = d;
        m_objectiveValue += m_costs[j] * m_solution[j];
    }
    return OPT_OPTIMAL;
}

void CSimplexTableau::WriteResults(std::FILE* file) const {
    WriteVector(file, "Dual values", m_dualValues);
    WriteVector(file, "Reduced costs", m_reducedCosts);
}
