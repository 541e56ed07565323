#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/solvers/euclidean_location.h"
#include "tests/framework/solvers/glpk_reference.h"
#include "tests/support/app_fixture.h"

namespace {

struct SLocationCase {
    const char* name;
    std::vector<std::vector<double>> points;
    CDoubleVector weights;
    std::vector<double> optimum;
    int optimalPoint; // -1: not on a given point
};

using EuclideanLocationTest = AppFixture;

TEST_F(EuclideanLocationTest, FindsTheKnownOptimumOfFermatCollinearAndWeightedCases) {
    const double h = std::sqrt(3.0) / 2.0;
    const std::vector<SLocationCase> cases = {
        // The Fermat point of an equilateral triangle is its centre.
        {"equilateral triangle", {{10, 20}, {12, 20}, {11, 20 + 2 * h}}, {1, 1, 1}, {11, 20 + 2 * h / 3}, -1},
        // An angle of 120 degrees or more puts the optimum on its vertex.
        {"obtuse triangle", {{0, 0}, {10, 0}, {5, 1}}, {1, 1, 1}, {5, 1}, 2},
        // On a line the optimum is the weighted median.
        {"collinear", {{0, 0}, {1, 2}, {3, 6}, {4, 8}, {10, 20}}, {1, 1, 1, 1, 1}, {3, 6}, 2},
        {"collinear weighted median",
         {{0, 0}, {1, 2}, {3, 6}, {4, 8}, {10, 20}},
         {1, 1, 1, 2.5, 1},
         {4, 8},
         3},
        // A point at least as heavy as all others together is the optimum.
        {"heavy point", {{0, 0}, {8, 1}, {3, 9}, {7, 7}, {2, 5}}, {1, 1, 1, 1, 4.5}, {2, 5}, 4},
        {"heavy point in 3-D", {{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {0, 0, 4}}, {1, 1, 1, 3.5}, {0, 0, 4}, 3},
    };
    for (const SLocationCase& test : cases) {
        SCOPED_TRACE(test.name);
        CEuclideanLocation location;
        location.SetPoints(MatrixOf(test.points), test.weights);
        ASSERT_EQ(location.Solve(), OPT_OPTIMAL);
        ASSERT_EQ(location.GetSolution().GetSize(), static_cast<int>(test.optimum.size()));
        for (int c = 0; c < location.GetSolution().GetSize(); ++c) {
            EXPECT_NEAR(location.GetSolution()[c], test.optimum[static_cast<size_t>(c)], 1e-7);
        }
        EXPECT_EQ(location.GetOptimalPoint(), test.optimalPoint);
    }
}

TEST_F(EuclideanLocationTest, FermatPointOfAScaleneTriangleSeesEverySideUnder120Degrees) {
    CEuclideanLocation location;
    location.SetPoints(MatrixOf({{0, 0}, {7, 1}, {2, 6}}), CDoubleVector{1, 1, 1});
    ASSERT_EQ(location.Solve(), OPT_OPTIMAL);
    const CDoubleVector& x = location.GetSolution();
    double angles[3];
    const double vertices[3][2] = {{0, 0}, {7, 1}, {2, 6}};
    for (int k = 0; k < 3; ++k) {
        angles[k] = std::atan2(vertices[k][1] - x[1], vertices[k][0] - x[0]);
    }
    for (int k = 0; k < 3; ++k) {
        double between = std::fabs(angles[k] - angles[(k + 1) % 3]);
        between = std::min(between, 2 * M_PI - between);
        EXPECT_NEAR(between, 2 * M_PI / 3, 1e-6);
    }
    EXPECT_EQ(location.GetOptimalPoint(), -1);
    location.SetMaxIterations(3);
    EXPECT_EQ(location.Solve(), OPT_ITERATION_LIMIT);
    EXPECT_EQ(location.GetSolution().GetSize(), 2);
}

TEST_F(EuclideanLocationTest, BadWeightsAreRefusedWithTheirMessage) {
    CEuclideanLocation location;
    location.SetPoints(MatrixOf({{0, 0}, {1, 1}}), CDoubleVector{1, -2});
    EXPECT_EQ(location.Solve(), OPT_INVALID_DATA);
    location.SetPoints(MatrixOf({{0, 0}, {1, 1}}), CDoubleVector{0, 0});
    EXPECT_EQ(location.Solve(), OPT_INVALID_DATA);
    location.SetPoints(MatrixOf({{0, 0}, {1, 1}}), CDoubleVector{1});
    EXPECT_EQ(location.Solve(), OPT_INVALID_DATA);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "Weight -2 of point 2 is negative", "All weights of the location problem are zero",
                  "Location problem has 2 points and 1 weights: they must agree and not be empty"}));
}

} // namespace
