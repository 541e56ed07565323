#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "runs/algo_stat.h"
#include "runs/statistics_text.h"

namespace {

// A complete Savings run as the statistics list would hold it.
CAlgoStat SavingsRecord() {
    CAlgoStat record;
    record.m_lAlgoNumber = 1;
    record.m_strAlgoName = "Savings (Greedy Serial)";
    record.m_dDistance = record.m_dBestDistance = record.m_dCost = record.m_dBestCost = 1234.5;
    record.m_lNumberOfRoutes = 3;
    record.m_lNumberOfRoutedFacilities = 12;
    record.m_dRunTime = 0.25;
    record.m_lIterations = 1;
    record.m_dParameter = 0.25;
    record.m_uSeed = 12345;
    record.m_dGap = 100.0;
    return record;
}

std::string Padded(const std::string& name) {
    return name + std::string(63 - name.size(), ' ');
}

// A project's record after a run with the given values and the best-so-far update.
void RecordRun(CAlgoStat& record, double distance, double cost, bool complete, double lowerBound = 0.0) {
    record.m_dDistance = distance;
    record.m_dCost = cost;
    record.m_dLowerBound = lowerBound;
    record.UpdateBestValues(complete);
}

} // namespace

TEST(AlgoStatBestValues, FirstCompleteSolutionSetsTheBestsAndEqualRunsChangeNothing) {
    CAlgoStat record;
    record.m_dBestLowerBound = 80.0; // outlives a project reset, as the best gap does
    record.ResetForProject(12345);
    EXPECT_EQ(record.m_dBestDistance, 9999999999.99);
    EXPECT_EQ(record.m_dBestLowerBound, 80.0);
    EXPECT_EQ(record.m_dBestGap, 100.0);

    RecordRun(record, 200.0, 200.0, true);
    EXPECT_EQ(record.m_dBestDistance, 200.0);
    EXPECT_EQ(record.m_dBestCost, 200.0);
    EXPECT_EQ(record.m_dPenalty, 0.0);

    RecordRun(record, 200.0, 200.0, true);
    EXPECT_EQ(record.m_dPenalty, 0.0);
    RecordRun(record, 220.0, 1220.0, true);
    EXPECT_EQ(record.m_dBestDistance, 200.0);
    EXPECT_EQ(record.m_dBestCost, 200.0);
    EXPECT_DOUBLE_EQ(record.m_dPenalty, 10.0);
}

TEST(AlgoStatBestValues, IncompleteSolutionsOnlyImproveBestCost) {
    CAlgoStat record;
    record.ResetForProject(1);
    RecordRun(record, 100.0, 100.0, true, 90.0);
    EXPECT_EQ(record.m_dBestLowerBound, 90.0);
    EXPECT_DOUBLE_EQ(record.m_dGap, 10.0);
    EXPECT_DOUBLE_EQ(record.m_dBestGap, 10.0);

    RecordRun(record, 60.0, 80.0, false, 79.0);
    EXPECT_EQ(record.m_dBestDistance, 100.0);
    EXPECT_EQ(record.m_dBestCost, 80.0);
    EXPECT_EQ(record.m_dBestLowerBound, 90.0);
    EXPECT_DOUBLE_EQ(record.m_dPenalty, -40.0);
    EXPECT_DOUBLE_EQ(record.m_dGap, 1.25);
    EXPECT_DOUBLE_EQ(record.m_dBestGap, 10.0);

    // Zero distance and cost give zero percentages, not NaN.
    CAlgoStat empty;
    empty.ResetForProject(1);
    RecordRun(empty, 0.0, 0.0, true);
    EXPECT_EQ(empty.m_dPenalty, 0.0);
    EXPECT_EQ(empty.m_dGap, 0.0);
    EXPECT_EQ(empty.m_dBestGap, 0.0);
}

TEST(AlgoStatText, OutputLogRecordHasFiveLinesAndTheFixedWidthRowLinesUpWithHeaderAndUnderline) {
    CAlgoStat record = SavingsRecord();
    record.m_dParameter = 7.9; // printed truncated
    EXPECT_EQ(record.FormatOutputLogRecord(),
              "Algo. No. =         1   Algorithm     = " + Padded("Savings (Greedy Serial)") +
                  "\n"
                  "Distance  =   1234.50   Best Distance =   1234.50   Penalty (%) =   0.00\n"
                  "Low Bound =      0.00   Best Bound    =      0.00   Gap (%)     = 100.00\n"
                  "Run Time  =      0.25   Replications  =         1   Count       =      0\n"
                  "Delta Obj =      0.00   Parameter     =         7   Seed        =  12345\n\n");

    std::string row = SavingsRecord().FormatStatisticsRow();
    EXPECT_EQ(row,
              "  1  " + Padded("Savings (Greedy Serial)") +
                  "        1234.50        1234.50           0.00        3       12  "
                  "      1234.50        1234.50      0.25      1      0           0.00      0.250  12345");
    const std::string header = GetStatisticsHeader();
    const std::string underline = GetStatisticsUnderline();
    ASSERT_EQ(header.size(), row.size());
    ASSERT_EQ(underline.size(), row.size());
    // The gaps between the underlined columns are gaps in the header and in the row too, and
    // every header caption stands over an underlined column.
    for (size_t i = 0; i < row.size(); ++i) {
        if (underline[i] == ' ') {
            EXPECT_EQ(row[i], ' ') << "column character " << i;
            EXPECT_EQ(header[i], ' ') << "column character " << i;
        } else {
            EXPECT_EQ(underline[i], '_') << "column character " << i;
        }
    }
}

TEST(AlgoStatText, ClipboardTextHasTheTabFormWithCrLfLines) {
    CAlgoStat second = SavingsRecord();
    second.m_lAlgoNumber = 2;
    second.m_strAlgoName = "Two Exchange";
    second.m_dDistance = second.m_dBestDistance = second.m_dCost = second.m_dBestCost = 1200.0;
    second.m_lCount = 4;
    second.m_dDeltaObjective = -34.5;
    second.m_dParameter = 0.0;
    std::string secondRow = "  2\t" + Padded("Two Exchange") +
                            "\t      1200.00\t      1200.00\t         0.00\t      3\t     12\t      1200.00\t"
                            "      1200.00\t    0.25\t    1\t    4\t       -34.50\t    0.000\t12345";
    EXPECT_EQ(second.FormatStatisticsTabRow(), secondRow + "\n");

    CAlgoStatList list;
    list.push_back(std::make_unique<CAlgoStat>(SavingsRecord()));
    list.push_back(std::make_unique<CAlgoStat>(second));
    std::string text = FormatStatisticsClipboardText(list, "Tramlet", "1.0.0", "December 7, 2026", "demo",
                                                     "Monday, December 7, 2026");
    std::string start = "Created by Tramlet, Version 1.0.0 December 7, 2026\r\n"
                        "Project demo on Monday, December 7, 2026\r\n"
                        "  #\tAlgorithm" +
                        std::string(54, ' ') + "\t     Distance\tBest Distance\t";
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_NE(text.find("\r\n___\t" + std::string(63, '_') + "\t_____________\t"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - secondRow.size() - 2), secondRow + "\r\n");
    size_t lines = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_EQ(text[i - 1], '\r');
            ++lines;
        }
    }
    EXPECT_EQ(lines, 6u);
}
