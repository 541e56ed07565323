#include "framework/solvers/euclidean_location.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/application/sable_win_app.h"
#include "framework/strings/format.h"

namespace {

bool AllFinite(const double* values, int count) {
    for (int k = 0; k < count; ++k) {
        if (!std::isfinite(values[k])) {
            return false;
        }
    }
    return true;
}

// The squared distance between x and a row of d coordinates.
double SquaredDistance(const CDoubleVector& x, const double* row, int d) {
    double sum = 0.0;
    for (int c = 0; c < d; ++c) {
        double difference = x[c] - row[c];
        sum += difference * difference;
    }
    return sum;
}

} // namespace

CEuclideanLocation::CEuclideanLocation() : COptimizationAlgorithm(100000, 1e-9) {}

void CEuclideanLocation::SetPoints(const CDoubleMatrix& points, const CDoubleVector& weights) {
    m_points = points;
    m_weights.Copy(weights);
}

bool CEuclideanLocation::CheckData() {
    m_optimalPoint = -1;
    m_smoothing = 0.0;
    int k = m_points.GetNumberRows();
    if (k == 0 || m_weights.GetSize() != k) {
        DisplayErrorMessage(
            FormatString("Location problem has %d points and %d weights: they must agree and not be empty", k,
                         m_weights.GetSize()));
        return false;
    }
    if (!AllFinite(m_points.GetData(), k * m_points.GetNumberColumns()) ||
        !AllFinite(m_weights.GetData(), k)) {
        DisplayErrorMessage("The location problem holds a value that is not a finite number");
        return false;
    }
    double total = 0.0;
    for (int i = 0; i < k; ++i) {
        if (m_weights[i] < 0.0) {
            DisplayErrorMessage(FormatString("Weight %g of point %d is negative", m_weights[i], i + 1));
            return false;
        }
        total += m_weights[i];
    }
    if (total <= 0.0) {
        DisplayErrorMessage("All weights of the location problem are zero");
        return false;
    }
    return true;
}

double CEuclideanLocation::SumOfDistances(const CDoubleVector& x) const {
    int d = m_points.GetNumberColumns();
    double sum = 0.0;
    for (int i = 0; i < m_points.GetNumberRows(); ++i) {
        sum += m_weights[i] * std::sqrt(SquaredDistance(x, m_points[i], d));
    }
    return sum;
}

bool CEuclideanLocation::IsOptimalGivenPoint(int k) const {
    int d = m_points.GetNumberColumns();
    std::vector<double> pull(static_cast<size_t>(d), 0.0);
    double coincident = 0.0; // weight of the points that coincide with a_k, a_k's own included
    for (int i = 0; i < m_points.GetNumberRows(); ++i) {
        double distance = 0.0;
        for (int c = 0; c < d; ++c) {
            double difference = m_points[i][c] - m_points[k][c];
            distance += difference * difference;
        }
        distance = std::sqrt(distance);
        if (distance == 0.0) {
            coincident += m_weights[i];
            continue;
        }
        for (int c = 0; c < d; ++c) {
            pull[static_cast<size_t>(c)] += m_weights[i] * (m_points[i][c] - m_points[k][c]) / distance;
        }
    }
    double norm = 0.0;
    for (double p : pull) {
        norm += p * p;
    }
    return std::sqrt(norm) <= coincident;
}

void CEuclideanLocation::TakeGivenPoint(int k) {
    for (int c = 0; c < m_points.GetNumberColumns(); ++c) {
        m_solution[c] = m_points[k][c];
    }
    m_optimalPoint = k;
}

EOPTIMIZATIONSTATUS CEuclideanLocation::Run() {
    const int k = m_points.GetNumberRows();
    const int d = m_points.GetNumberColumns();
    m_solution.SetSize(d);
    CDoubleVector& x = m_solution;

    // The weighted centroid, the spread and the heaviest point.
    double total = 0.0;
    double spread = 0.0;
    int heaviest = 0;
    for (int i = 0; i < k; ++i) {
        total += m_weights[i];
        heaviest = m_weights[i] > m_weights[heaviest] ? i : heaviest;
        for (int c = 0; c < d; ++c) {
            x[c] += m_weights[i] * m_points[i][c];
        }
    }
    for (int c = 0; c < d; ++c) {
        x[c] /= total;
        double low = m_points[0][c];
        double high = low;
        for (int i = 1; i < k; ++i) {
            low = std::min(low, m_points[i][c]);
            high = std::max(high, m_points[i][c]);
        }
        spread = std::max(spread, high - low);
    }

    EOPTIMIZATIONSTATUS status = OPT_OPTIMAL;
    if (spread == 0.0 || IsOptimalGivenPoint(heaviest)) {
        TakeGivenPoint(spread == 0.0 ? 0 : heaviest);
    } else {
        // A zero tolerance still leaves the smoothing above the rounding error of the coordinates.
        const double accuracy = std::max(GetTolerance(), 1e-15) * spread;
        double& e = m_smoothing;
        e = spread;
        CDoubleVector numerator(d);
        for (;;) {
            if (!StartIteration()) {
                status = GetLimitStatus();
                break;
            }
            // One Weiszfeld step on the smoothed function.
            double denominator = 0.0;
            std::fill(numerator.begin(), numerator.end(), 0.0);
            for (int i = 0; i < k; ++i) {
                double factor = m_weights[i] / std::sqrt(SquaredDistance(x, m_points[i], d) + e * e);
                denominator += factor;
                for (int c = 0; c < d; ++c) {
                    numerator[c] += factor * m_points[i][c];
                }
            }
            double step = 0.0;
            for (int c = 0; c < d; ++c) {
                double next = numerator[c] / denominator;
                step += (next - x[c]) * (next - x[c]);
                x[c] = next;
            }
            // Each smoothing level is solved about as closely as it approximates f.
            if (std::sqrt(step) > std::max(accuracy, 1e-3 * e)) {
                continue;
            }
            if (e <= accuracy) {
                break;
            }
            e = std::max(e / 10.0, accuracy);
        }
        // The kink test on the given point nearest to x.
        int nearest = 0;
        for (int i = 1; i < k; ++i) {
            if (SquaredDistance(x, m_points[i], d) < SquaredDistance(x, m_points[nearest], d)) {
                nearest = i;
            }
        }
        if (IsOptimalGivenPoint(nearest)) {
            TakeGivenPoint(nearest);
            status = OPT_OPTIMAL;
        }
    }
    m_objectiveValue = SumOfDistances(x);
    return status;
}

void CEuclideanLocation::WriteResults(std::FILE* file) const {
    if (m_optimalPoint >= 0) {
        std::fprintf(file, "\nThe optimum lies on point %d\n", m_optimalPoint + 1);
    }
    std::fprintf(file, "Smoothing: %.3g\n", m_smoothing);
}
