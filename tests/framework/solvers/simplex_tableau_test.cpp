#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "framework/solvers/simplex_tableau.h"
#include "tests/framework/solvers/glpk_reference.h"
#include "tests/support/app_fixture.h"

namespace {

using SimplexTableauTest = AppFixture;

SReferenceLp MakeLp(const std::vector<std::vector<double>>& rows, CLongVector senses, CDoubleVector b,
                    CDoubleVector c, bool maximize) {
    return SReferenceLp{MatrixOf(rows), senses, b, c, {}, maximize};
}

// A random program with a known feasible point x0 (so never infeasible) and the row
// sum x <= sum x0 + 5 (so never unbounded); rows of every sense with integer coefficients.
SReferenceLp RandomLp(unsigned seed, int m, int n, bool maximize) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> coefficient(-5, 5);
    std::uniform_real_distribution<double> value(0.0, 3.0);
    SReferenceLp lp{
        CDoubleMatrix(m + 1, n), CLongVector(m + 1), CDoubleVector(m + 1), CDoubleVector(n), {}, maximize};
    lp.senses[m] = ROW_LESS_EQUAL;
    lp.rightHandSides[m] = 5.0;
    for (int j = 0; j < n; ++j) {
        double x0 = value(random);
        lp.matrix[m][j] = 1.0;
        lp.rightHandSides[m] += x0;
        lp.costs[j] = coefficient(random);
        for (int i = 0; i < m; ++i) {
            lp.matrix[i][j] = coefficient(random);
            lp.rightHandSides[i] += lp.matrix[i][j] * x0; // the activity of x0
        }
    }
    for (int i = 0; i < m; ++i) {
        lp.senses[i] = static_cast<int>(random() % 3);
        lp.rightHandSides[i] += lp.senses[i] == ROW_LESS_EQUAL ? value(random)
                                : lp.senses[i] == ROW_EQUAL    ? 0.0
                                                               : -value(random);
    }
    return lp;
}

CSimplexTableau MakeSolver(const SReferenceLp& lp) {
    CSimplexTableau simplex;
    simplex.SetProblem(lp.matrix, lp.senses, lp.rightHandSides, lp.costs, lp.maximize);
    return simplex;
}

void ExpectNear(const CDoubleVector& actual, const CDoubleVector& expected, const char* what) {
    ASSERT_EQ(actual.GetSize(), expected.GetSize()) << what;
    for (int k = 0; k < actual.GetSize(); ++k) {
        EXPECT_NEAR(actual[k], expected[k], 1e-6) << what << " " << k;
    }
}

// x >= 0 satisfies every row.
void ExpectFeasible(const SReferenceLp& lp, const CDoubleVector& x) {
    ASSERT_EQ(x.GetSize(), lp.costs.GetSize());
    for (int i = 0; i < lp.matrix.GetNumberRows(); ++i) {
        double activity = 0.0;
        for (int j = 0; j < x.GetSize(); ++j) {
            EXPECT_GE(x[j], 0.0);
            activity += lp.matrix[i][j] * x[j];
        }
        double excess = activity - lp.rightHandSides[i];
        EXPECT_TRUE(lp.senses[i] == ROW_LESS_EQUAL ? excess <= 1e-7
                    : lp.senses[i] == ROW_EQUAL    ? std::fabs(excess) <= 1e-7
                                                   : excess >= -1e-7)
            << "row " << i << " excess " << excess;
    }
}

TEST_F(SimplexTableauTest, RandomProgramsAgreeWithGlpkOnObjectiveDualsAndReducedCosts) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        for (bool maximize : {false, true}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + (maximize ? " max" : " min"));
            SReferenceLp lp =
                RandomLp(seed, 3 + static_cast<int>(seed % 6), 4 + static_cast<int>(seed % 7), maximize);
            SReferenceSolution reference = SolveWithGlpk(*app, lp);
            ASSERT_EQ(reference.status, GLP_OPT);
            CSimplexTableau simplex = MakeSolver(lp);
            ASSERT_EQ(simplex.Solve(), OPT_OPTIMAL);
            EXPECT_NEAR(simplex.GetObjectiveValue(), reference.objective, 1e-6);
            ExpectFeasible(lp, simplex.GetSolution()); // ties in the costs allow other optimal points
            ExpectNear(simplex.GetDualValues(), reference.duals, "dual");
            ExpectNear(simplex.GetReducedCosts(), reference.reducedCosts, "reduced cost");
        }
    }
}

struct STextbookCase {
    const char* name;
    SReferenceLp lp;
    EOPTIMIZATIONSTATUS status;
    int glpkStatus;
    double objective;
    std::vector<int> redundantRows;
};

TEST_F(SimplexTableauTest, DegenerateRedundantInfeasibleAndUnboundedCasesAgreeWithGlpk) {
    const int le = ROW_LESS_EQUAL, eq = ROW_EQUAL, ge = ROW_GREATER_EQUAL;
    const std::vector<STextbookCase> cases = {
        // Beale's example cycles under the largest-coefficient rule.
        {"Beale",
         MakeLp({{0.25, -8, -1, 9}, {0.5, -12, -0.5, 3}, {0, 0, 1, 0}}, {le, le, le}, {0, 0, 1},
                {-0.75, 20, -0.5, 6}, false),
         OPT_OPTIMAL,
         GLP_OPT,
         -1.25,
         {}},
        {"redundant equalities",
         MakeLp({{1, 1, 1}, {2, 2, 2}, {1, -1, 0}}, {eq, eq, ge}, {4, 8, 1}, {1, 2, 3}, false),
         OPT_OPTIMAL,
         GLP_OPT,
         4.0,
         {1}},
        {"negative right-hand sides",
         MakeLp({{-1, -1}, {1, -1}}, {le, eq}, {-3, -1}, {3, 1}, false),
         OPT_OPTIMAL,
         GLP_OPT,
         5.0,
         {}},
        {"infeasible",
         MakeLp({{1, 1}, {1, 1}}, {le, ge}, {1, 2}, {1, 1}, false),
         OPT_INFEASIBLE,
         GLP_NOFEAS,
         0.0,
         {}},
        {"unbounded",
         MakeLp({{1, -1}, {-1, 1}}, {le, le}, {1, 1}, {1, 1}, true),
         OPT_UNBOUNDED,
         GLP_UNBND,
         0.0,
         {}},
    };
    for (const STextbookCase& test : cases) {
        SCOPED_TRACE(test.name);
        SReferenceSolution reference = SolveWithGlpk(*app, test.lp);
        EXPECT_EQ(reference.status, test.glpkStatus);
        CSimplexTableau simplex = MakeSolver(test.lp);
        EXPECT_EQ(simplex.Solve(), test.status);
        EXPECT_EQ(simplex.GetRedundantRows(), test.redundantRows);
        if (test.status == OPT_OPTIMAL) {
            EXPECT_NEAR(reference.objective, test.objective, 1e-9);
            EXPECT_NEAR(simplex.GetObjectiveValue(), test.objective, 1e-9);
        } else {
            EXPECT_TRUE(simplex.GetSolution().IsEmpty());
        }
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SimplexTableauTest, BadDataIsRefusedWithItsMessage) {
    SReferenceLp lp = RandomLp(3, 6, 9, true);
    lp.senses[1] = 3;
    CSimplexTableau badSense = MakeSolver(lp);
    EXPECT_EQ(badSense.Solve(), OPT_INVALID_DATA);
    lp.costs.Add(1.0);
    CSimplexTableau badSize = MakeSolver(lp);
    EXPECT_EQ(badSize.Solve(), OPT_INVALID_DATA);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Invalid sense 3 of simplex row 2",
                                        "Simplex problem dimensions do not agree: 7 x 9 matrix, 7 senses, "
                                        "7 right-hand sides and 10 costs"}));
}

} // namespace
