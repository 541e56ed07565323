#pragma once

#include "framework/containers/double_matrix.h"
#include "framework/containers/double_vector.h"
#include "framework/export.h"
#include "framework/solvers/optimization_algorithm.h"

// Euclidean minisum location: the point x minimising  f(x) = sum of w_i |x - a_i|  over the
// given points a_i (the rows of a k x d matrix, any dimension d >= 1) with weights w_i >= 0, not
// all zero.
//
// Hyperboloid approximation: f is smoothed to  f_e(x) = sum of w_i sqrt(|x - a_i|^2 + e^2),
// which is differentiable everywhere, and minimised by Weiszfeld-type steps
//   x <- sum(w_i a_i / h_i) / sum(w_i / h_i),   h_i = sqrt(|x - a_i|^2 + e^2),
// that are defined even on a given point. The smoothing e starts at the spread of the points
// (the largest coordinate range) and is divided by 10 whenever a step moves x by at most
// max(tolerance x spread, e / 1000); the run is optimal when a step moves x by at most
// tolerance x spread with e at or below tolerance x spread.
// Each step is one iteration; the start is the weighted centroid.
//
// The optimum may lie on a given point, where f has a kink: a point a_k is optimal exactly when
// the pull of the others, |sum over i != k of w_i (a_i - a_k) / |a_i - a_k||, is at most w_k.
// That test is made before the iterations on the heaviest point and after them on the point
// nearest to x; when it holds the solution is that point itself.
//
// Tolerance (default 1e-9) is relative to the spread (at least 1e-15). The solution is x; the objective value
// is the unsmoothed f(x); GetOptimalPoint gives the index of the given point where x lies, or -1.
class SABLEKIT_API CEuclideanLocation : public COptimizationAlgorithm {
public:
    CEuclideanLocation();

    // Sets the points (one per row) and their weights. Solve refuses a weight count other than
    // the number of points, an empty matrix, a negative weight, all weights zero and values that
    // are not finite.
    void SetPoints(const CDoubleMatrix& points, const CDoubleVector& weights);
    const CDoubleMatrix& GetPoints() const { return m_points; }
    const CDoubleVector& GetWeights() const { return m_weights; }

    int GetOptimalPoint() const { return m_optimalPoint; }
    // The smoothing at the end of the last run.
    double GetSmoothing() const { return m_smoothing; }

    const char* GetName() const override { return "Euclidean Minisum Location (Hyperboloid Approximation)"; }

protected:
    bool CheckData() override;
    EOPTIMIZATIONSTATUS Run() override;
    void WriteResults(std::FILE* file) const override;

private:
    CDoubleMatrix m_points;
    CDoubleVector m_weights;
    int m_optimalPoint = -1;
    double m_smoothing = 0.0;

    // The weighted sum of distances from x.
    double SumOfDistances(const CDoubleVector& x) const;
    // Whether given point k satisfies the optimality condition of a kink.
    bool IsOptimalGivenPoint(int k) const;
    // Makes given point k the solution.
    void TakeGivenPoint(int k);
};
