#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/containers/double_matrix.h"
#include "framework/containers/long_matrix.h"
#include "tests/support/app_fixture.h"

namespace {

using MatrixTest = AppFixture;

// Element (i, j) = 10 i + j, so every element tells where it came from.
CLongMatrix Numbered(int rows, int columns) {
    CLongMatrix m(rows, columns);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            m[i][j] = 10 * i + j;
        }
    }
    return m;
}

std::vector<std::vector<int>> Rows(const CLongMatrix& m) {
    std::vector<std::vector<int>> rows;
    for (int i = 0; i < m.GetNumberRows(); ++i) {
        rows.emplace_back(m[i], m[i] + m.GetNumberColumns());
    }
    return rows;
}

CDoubleMatrix FromRows(const std::vector<std::vector<double>>& rows) {
    CDoubleMatrix m(static_cast<int>(rows.size()), static_cast<int>(rows[0].size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = 0; j < rows[i].size(); ++j) {
            m[static_cast<int>(i)][j] = rows[i][j];
        }
    }
    return m;
}

TEST_F(MatrixTest, SetSizeZeroesTheElementsRefusesBadDimensionsOrGrowthAndCopyNeedsEqualDimensions) {
    CLongMatrix m = Numbered(2, 3);
    EXPECT_TRUE(m.SetSize(3, 2, 5));
    EXPECT_EQ(Rows(m), (std::vector<std::vector<int>>{{0, 0}, {0, 0}, {0, 0}}));
    EXPECT_EQ(m.GetGrowth(), 5);

    m[2][1] = 7;
    EXPECT_FALSE(m.SetSize(0, 4));
    EXPECT_FALSE(m.SetSize(4, -1));
    EXPECT_FALSE(m.SetSize(2, 2, -1));
    EXPECT_EQ(m.GetNumberRows(), 3);
    EXPECT_EQ(m.GetNumberColumns(), 2);
    EXPECT_EQ(m[2][1], 7);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Invalid requested dimensions [0, 4] for matrix size",
                                                    "Invalid requested dimensions [4, -1] for matrix size",
                                                    "Invalid extra size growth [-1] for matrix size"}));

    EXPECT_TRUE(m.SetSize(0, 0));
    EXPECT_TRUE(m.IsEmpty());

    // Copy needs equal dimensions while assignment takes them over.
    ui.ClearRecords();
    CLongMatrix source = Numbered(2, 3);
    CLongMatrix target(2, 3);
    EXPECT_TRUE(target.Copy(source));
    EXPECT_EQ(target, source);

    CLongMatrix other(2, 2);
    other[0][0] = 9;
    EXPECT_FALSE(other.Copy(source));
    EXPECT_EQ(other[0][0], 9);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Invalid dimensions of matrix [2, 2] or source [2, 3] for matrix copy"});

    other = source;
    EXPECT_EQ(Rows(other), Rows(source));
    other.Clear();
    EXPECT_EQ(other.GetNumberRows(), 0);
    EXPECT_EQ(other.GetNumberColumns(), 0);
}

TEST_F(MatrixTest, DeletingRowsAndColumnsClosesTheGapAndInsertingOpensOne) {
    CLongMatrix m = Numbered(3, 4);
    m.DeleteRow(1);
    EXPECT_EQ(Rows(m), (std::vector<std::vector<int>>{{0, 1, 2, 3}, {20, 21, 22, 23}}));
    m.DeleteColumn(0);
    EXPECT_EQ(Rows(m), (std::vector<std::vector<int>>{{1, 2, 3}, {21, 22, 23}}));
    m.DeleteColumn(2);
    EXPECT_EQ(Rows(m), (std::vector<std::vector<int>>{{1, 2}, {21, 22}}));

    CLongMatrix square = Numbered(4, 4);
    square.DeleteRowAndColumn(2);
    EXPECT_EQ(Rows(square), (std::vector<std::vector<int>>{{0, 1, 3}, {10, 11, 13}, {30, 31, 33}}));
    square.DeleteRowAndColumn(2);
    square.DeleteRowAndColumn(0);
    EXPECT_EQ(Rows(square), (std::vector<std::vector<int>>{{11}}));
    // Removing the last row or column leaves the empty matrix, not a 0 x n one.
    square.DeleteRowAndColumn(0);
    EXPECT_EQ(square.GetNumberColumns(), 0);
    CLongMatrix row = Numbered(1, 3);
    row.DeleteRow(0);
    EXPECT_EQ(row.GetNumberColumns(), 0);
    // Inserting keeps the other elements in place.
    m = Numbered(3, 3);
    m.InsertRowAndColumn(1, -1);
    EXPECT_EQ(Rows(m), (std::vector<std::vector<int>>{
                           {0, -1, 1, 2}, {-1, -1, -1, -1}, {10, -1, 11, 12}, {20, -1, 21, 22}}));
    m.InsertRowAndColumn(4, 5);
    EXPECT_EQ(m[4][4], 5);
    EXPECT_EQ(m[3][3], 22);
    EXPECT_EQ(m[3][4], 5);
    CDoubleMatrix empty;
    empty.InsertRowAndColumn(0, 2.5);
    ASSERT_EQ(empty.GetNumberRows(), 1);
    EXPECT_EQ(empty[0][0], 2.5);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MatrixTest, IndexErrorsShowTheBoundsAndThrowLeavingTheMatrixAlone) {
    CLongMatrix m = Numbered(2, 3);
    EXPECT_THROW(m.DeleteRow(2), std::invalid_argument);
    EXPECT_THROW(m.DeleteColumn(-1), std::invalid_argument);
    EXPECT_THROW(m.DeleteRowAndColumn(2), std::invalid_argument);
    EXPECT_THROW(m.InsertRowAndColumn(3), std::invalid_argument);
    EXPECT_EQ(m, Numbered(2, 3));
    std::vector<std::string> expected = {
        "Invalid row [2-2] and column  [0-2] bounds for matrix with dimensions [2, 3] for matrix DeleteRow "
        "operation",
        "Invalid row [0-1] and column  [-1--1] bounds for matrix with dimensions [2, 3] for matrix "
        "DeleteColumn "
        "operation",
        "Invalid row [2-2] and column  [2-2] bounds for matrix with dimensions [2, 3] for matrix "
        "DeleteRowAndColumn operation",
        "Invalid row [3-3] and column  [3-3] bounds for matrix with dimensions [2, 3] for matrix "
        "InsertRowAndColumn operation",
    };
    EXPECT_EQ(Messages(), expected);
}

TEST_F(MatrixTest, InvertNeedsPivotingAndGivesTheInverse) {
    // A zero in the first pivot position forces a row exchange.
    CDoubleMatrix a = FromRows({{0, 1, 2}, {1, 0, 3}, {4, -3, 8}});
    CDoubleMatrix inverse(3, 3);
    ASSERT_TRUE(a.Invert(inverse));
    // Known inverse of this matrix.
    CDoubleMatrix expected = FromRows({{-4.5, 7, -1.5}, {-2, 4, -1}, {1.5, -2, 0.5}});
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(inverse[i][j], expected[i][j], 1e-12) << i << "," << j;
        }
    }
    EXPECT_NEAR(a.Determinant(), -2.0, 1e-12);

    // Inverting into itself works too.
    CDoubleMatrix b = FromRows({{4, 7}, {2, 6}});
    ASSERT_TRUE(b.Invert(b));
    EXPECT_NEAR(b[0][0], 0.6, 1e-12);
    EXPECT_NEAR(b[0][1], -0.7, 1e-12);
    EXPECT_NEAR(b[1][0], -0.2, 1e-12);
    EXPECT_NEAR(b[1][1], 0.4, 1e-12);

    // Rows of very different scale are not mistaken for singular ones.
    CDoubleMatrix scaled = FromRows({{1e10, 2e10}, {3e-10, 1e-10}});
    EXPECT_NEAR(scaled.Determinant(), -5.0, 1e-9);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MatrixTest, SingularAndMisshapenMatricesAreRefused) {
    CDoubleMatrix singular = FromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    CDoubleMatrix inverse(3, 3);
    inverse[0][0] = 42.0;
    EXPECT_FALSE(singular.Invert(inverse));
    EXPECT_EQ(inverse[0][0], 42.0);
    EXPECT_EQ(singular.Determinant(), 0.0);
    CDoubleMatrix zeroRow = FromRows({{0, 0}, {1, 1}});
    CDoubleMatrix inverse2(2, 2);
    EXPECT_FALSE(zeroRow.Invert(inverse2));

    CDoubleMatrix wide(2, 3);
    EXPECT_FALSE(wide.Invert(wide));
    EXPECT_FALSE(singular.Invert(wide));
    EXPECT_THROW(wide.Determinant(), std::invalid_argument);
    std::vector<std::string> expected = {
        "LU Decomposition on a singular matrix",
        "LU Decomposition on a singular matrix",
        "Invalid dimensions of matrix [2, 3] or inverse [2, 3] for matrix inversion",
        "Invalid dimensions of matrix [3, 3] or inverse [2, 3] for matrix inversion",
        "Invalid dimensions of matrix [2, 3] for matrix determinant",
    };
    EXPECT_EQ(Messages(), expected);
    EXPECT_EQ(CDoubleMatrix().Determinant(), 1.0);
}

} // namespace
