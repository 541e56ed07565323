#include "framework/containers/double_matrix.h"

#include <cfloat>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "framework/application/sable_win_app.h"
#include "framework/strings/format.h"

namespace {

// The LU decomposition P A = L U of a square matrix, L unit lower triangular and U upper
// triangular sharing one array; row k of P A is row order[k] of A.
struct SLUDecomposition {
    int n = 0;
    std::vector<double> lu;
    std::vector<int> order;
    int sign = 1;

    double& At(int i, int j) {
        return lu[static_cast<size_t>(i) * static_cast<size_t>(n) + static_cast<size_t>(j)];
    }
};

// Partial pivoting on implicitly row-scaled values. The matrix counts as singular when a row
// is all zeros (or not finite) or when no remaining pivot exceeds 64 n rounding units relative
// to its row's largest original element: rank-deficient matrices rarely leave a larger
// residue, and a matrix that close to singular has no inverse worth using.
bool Decompose(const CDoubleMatrix& matrix, SLUDecomposition& out) {
    const int n = matrix.GetNumberRows();
    out.n = n;
    out.lu.assign(matrix.GetData(), matrix.GetData() + static_cast<size_t>(n) * static_cast<size_t>(n));
    out.order.resize(static_cast<size_t>(n));
    out.sign = 1;
    std::vector<double> scale(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        out.order[static_cast<size_t>(i)] = i;
        double largest = 0.0;
        for (int j = 0; j < n; ++j) {
            largest = std::fmax(largest, std::fabs(out.At(i, j)));
        }
        if (!(largest > 0.0) || !std::isfinite(largest)) {
            return false;
        }
        scale[static_cast<size_t>(i)] = 1.0 / largest;
    }
    const double tolerance = 64.0 * n * DBL_EPSILON;
    for (int k = 0; k < n; ++k) {
        int pivot = -1;
        double best = tolerance;
        for (int i = k; i < n; ++i) {
            double scaled = scale[static_cast<size_t>(i)] * std::fabs(out.At(i, k));
            if (scaled > best) {
                best = scaled;
                pivot = i;
            }
        }
        if (pivot < 0) {
            return false;
        }
        if (pivot != k) {
            for (int j = 0; j < n; ++j) {
                std::swap(out.At(pivot, j), out.At(k, j));
            }
            std::swap(out.order[static_cast<size_t>(pivot)], out.order[static_cast<size_t>(k)]);
            std::swap(scale[static_cast<size_t>(pivot)], scale[static_cast<size_t>(k)]);
            out.sign = -out.sign;
        }
        const double diagonal = out.At(k, k);
        for (int i = k + 1; i < n; ++i) {
            double factor = out.At(i, k) / diagonal;
            out.At(i, k) = factor;
            if (factor != 0.0) {
                for (int j = k + 1; j < n; ++j) {
                    out.At(i, j) -= factor * out.At(k, j);
                }
            }
        }
    }
    return true;
}

} // namespace

bool CDoubleMatrix::Invert(CDoubleMatrix& inverse) const {
    if (m_rows != m_columns || inverse.m_rows != m_rows || inverse.m_columns != m_columns) {
        DisplayErrorMessage(
            FormatString("Invalid dimensions of matrix [%ld, %ld] or inverse [%ld, %ld] for matrix inversion",
                         static_cast<long>(m_rows), static_cast<long>(m_columns),
                         static_cast<long>(inverse.m_rows), static_cast<long>(inverse.m_columns)));
        return false;
    }
    SLUDecomposition lu;
    if (!Decompose(*this, lu)) {
        DisplayErrorMessage("LU Decomposition on a singular matrix");
        return false;
    }
    const int n = m_rows;
    std::vector<double> result(static_cast<size_t>(n) * static_cast<size_t>(n));
    std::vector<double> column(static_cast<size_t>(n));
    for (int c = 0; c < n; ++c) {
        // Solve L y = P e_c, then U x = y.
        for (int i = 0; i < n; ++i) {
            double sum = lu.order[static_cast<size_t>(i)] == c ? 1.0 : 0.0;
            for (int j = 0; j < i; ++j) {
                sum -= lu.At(i, j) * column[static_cast<size_t>(j)];
            }
            column[static_cast<size_t>(i)] = sum;
        }
        for (int i = n - 1; i >= 0; --i) {
            double sum = column[static_cast<size_t>(i)];
            for (int j = i + 1; j < n; ++j) {
                sum -= lu.At(i, j) * column[static_cast<size_t>(j)];
            }
            column[static_cast<size_t>(i)] = sum / lu.At(i, i);
        }
        for (int i = 0; i < n; ++i) {
            result[static_cast<size_t>(i) * static_cast<size_t>(n) + static_cast<size_t>(c)] =
                column[static_cast<size_t>(i)];
        }
    }
    inverse.m_data.swap(result);
    return true;
}

double CDoubleMatrix::Determinant() const {
    if (m_rows != m_columns) {
        std::string text = FormatString("Invalid dimensions of matrix [%ld, %ld] for matrix determinant",
                                        static_cast<long>(m_rows), static_cast<long>(m_columns));
        DisplayErrorMessage(text);
        throw std::invalid_argument(text);
    }
    SLUDecomposition lu;
    if (!Decompose(*this, lu)) {
        return 0.0;
    }
    double determinant = lu.sign;
    for (int k = 0; k < m_rows; ++k) {
        determinant *= lu.At(k, k);
    }
    return determinant;
}
