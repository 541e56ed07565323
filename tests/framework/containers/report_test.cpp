#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

#include "framework/containers/double_matrix.h"
#include "framework/containers/double_vector.h"
#include "framework/containers/float_vector.h"
#include "framework/containers/long_matrix.h"
#include "framework/containers/long_vector.h"
#include "tests/support/app_fixture.h"

namespace {

using ContainerReportTest = AppFixture;

TEST_F(ContainerReportTest, MatrixReportPrintsBlocksOfColumnsWithOneBasedIndicesAndTheInfinityByte) {
    CDoubleMatrix m(3, 25);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 25; ++j) {
            m[i][j] = i * 100 + j;
        }
    }
    m[1][13] = DBL_MAX;
    m[0][24] = HUGE_VAL;
    m[2][24] = -1.0;
    // Width 8 and line length 50: six columns per block, the fifth block holds column 25 only.
    std::string expected =
        // block 1
        "        "
        "     1       2       3       4       5       6  \n\n"
        "     1     0.0     1.0     2.0     3.0     4.0     5.0  \n"
        "     2   100.0   101.0   102.0   103.0   104.0   105.0  \n"
        "     3   200.0   201.0   202.0   203.0   204.0   205.0  \n"
        // block 2
        "        "
        "     7       8       9      10      11      12  \n\n"
        "     1     6.0     7.0     8.0     9.0    10.0    11.0  \n"
        "     2   106.0   107.0   108.0   109.0   110.0   111.0  \n"
        "     3   206.0   207.0   208.0   209.0   210.0   211.0  \n"
        // block 3, with the largest double at row 2, column 14
        "        "
        "    13      14      15      16      17      18  \n\n"
        "     1    12.0    13.0    14.0    15.0    16.0    17.0  \n"
        "     2   112.0  "
        "     \xEC  "
        " 114.0   115.0   116.0   117.0  \n"
        "     3   212.0   213.0   214.0   215.0   216.0   217.0  \n"
        // block 4
        "        "
        "    19      20      21      22      23      24  \n\n"
        "     1    18.0    19.0    20.0    21.0    22.0    23.0  \n"
        "     2   118.0   119.0   120.0   121.0   122.0   123.0  \n"
        "     3   218.0   219.0   220.0   221.0   222.0   223.0  \n"
        // block 5, with infinity at row 1
        "        "
        "    25  \n\n"
        "     1  "
        "     \xEC  "
        "\n"
        "     2   124.0  \n"
        "     3    -1.0  \n"
        // end of the report
        "\n";
    std::string written =
        CaptureOutput([&](std::FILE* file) { EXPECT_TRUE(m.Write(file, "%6.1lf  ", 8, 50, true)); });
    EXPECT_EQ(written, expected);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ContainerReportTest, MatrixReportOfPartOfTheMatrixPrintsTheRealIndices) {
    CLongMatrix m(3, 5);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 5; ++j) {
            m[i][j] = (i + 1) * (j % 2 == 0 ? 1 : -10);
        }
    }
    // Rows 1 and 2, columns 3 to the last, indices from 0; "%ld" takes the value as a long.
    std::string expected = "       3    4  \n\n"
                           "  1  -20    2  \n"
                           "  2  -30    3  \n"
                           "\n";
    EXPECT_EQ(CaptureOutput([&](std::FILE* file) { m.Write(file, "%3ld  ", 5, 12, false, 1, -1, 3, -1); }),
              expected);
    EXPECT_EQ(CaptureOutput([&](std::FILE* file) { m.Write(file, "%3d  ", 5, 12, false, 1, 2, 3, 4); }),
              expected);
}

TEST_F(ContainerReportTest, VectorReportPrintsIndexLinesAndValueLines) {
    CDoubleVector v{1.5, -2.25, 1000.0, DBL_MAX, 0.0};
    // Width 11 and line length 25: two entries per line.
    std::string expected = "        1          2  \n"
                           "    1.500     -2.250  \n"
                           "        3          4  \n"
                           " 1000.000  "
                           "        \xEC  "
                           "\n"
                           "        5  \n"
                           "    0.000  \n"
                           "\n";
    EXPECT_EQ(CaptureOutput([&](std::FILE* file) { EXPECT_TRUE(v.Write(file, "%9.3lf  ", 11, 25, true)); }),
              expected);

    CFloatVector f{0.5f, 2.0f, 3.0f};
    EXPECT_EQ(CaptureOutput([&](std::FILE* file) { f.Write(file, "%5.2f", 5, 7, false, 1, 2); }),
              "  1  \n 2.00\n  2  \n 3.00\n\n");
}

TEST_F(ContainerReportTest, ReportsRefuseBadWidthsLineLengthsFormatsAndRanges) {
    CDoubleMatrix m(2, 2);
    CLongVector v{1, 2, 3};
    std::string written = CaptureOutput([&](std::FILE* file) {
        EXPECT_FALSE(m.Write(file, "%8.2lf", 2, 80, true));
        EXPECT_FALSE(m.Write(file, "%8.2lf", 10, 6, true));
        EXPECT_FALSE(m.Write(file, "%8.2lf", 10, 9, true)); // not one field per line
        EXPECT_FALSE(m.Write(file, "%s", 10, 80, true));    // would read a double as a text
        EXPECT_FALSE(v.Write(file, "%5d", 5, 6, true));
        EXPECT_FALSE(v.Write(file, "%8.2lf", 10, 80, true)); // a real format for whole numbers
        EXPECT_FALSE(v.Write(file, "%d %d", 10, 80, true));
    });
    EXPECT_EQ(written, "");
    std::vector<std::string> expected = {
        "Invalid format \"%8.2lf\" or format length 2 less than 3 or line length 80 less than 7 for writing "
        "matrix",
        "Invalid format \"%8.2lf\" or format length 10 less than 3 or line length 6 less than 7 for writing "
        "matrix",
        "Invalid format \"%8.2lf\" or format length 10 less than 3 or line length 9 less than 7 for writing "
        "matrix",
        "Invalid format \"%s\" or format length 10 less than 3 or line length 80 less than 7 for writing "
        "matrix",
        "Invalid format \"%5d\" or format length 5 less than 3 or line length 6 less than 7 for writing "
        "vector",
        "Invalid format \"%8.2lf\" or format length 10 less than 3 or line length 80 less than 7 for writing "
        "vector",
        "Invalid format \"%d %d\" or format length 10 less than 3 or line length 80 less than 7 for writing "
        "vector",
    };
    EXPECT_EQ(Messages(), expected);

    // Ranges outside raise an invalid argument.
    ui.ClearRecords();
    m.SetSize(3, 25);
    CDoubleVector d{1.0, 2.0};
    written = CaptureOutput([&](std::FILE* file) {
        EXPECT_THROW(m.Write(file, "%8.2lf  ", 10, 80, true, 0, 3), std::invalid_argument);
        EXPECT_THROW(m.Write(file, "%8.2lf  ", 10, 80, true, 0, -1, 5, 2), std::invalid_argument);
        EXPECT_THROW(CDoubleMatrix().Write(file, "%8.2lf  ", 10, 80, true), std::invalid_argument);
        EXPECT_THROW(d.Write(file, "%8.2lf  ", 10, 80, true, -2), std::invalid_argument);
    });
    EXPECT_EQ(written, "");
    expected = {
        "Invalid row [0-3] and column  [0-24] bounds for matrix with dimensions [3, 25] for matrix Write "
        "operation",
        "Invalid row [0-2] and column  [5-2] bounds for matrix with dimensions [3, 25] for matrix Write "
        "operation",
        "Invalid row [0--1] and column  [0--1] bounds for matrix with dimensions [0, 0] for matrix Write "
        "operation",
        "Invalid range of indices [-2, 1] for vector Write operation",
    };
    EXPECT_EQ(Messages(), expected);
}

} // namespace
