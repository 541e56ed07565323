#include "runs/statistics_columns.h"

#include "framework/strings/format.h"

namespace {

const SStatisticsColumn kColumns[SC_COLUMN_COUNT] = {
    {"No.", 3},
    {"Algorithm", 31},
    {"Distance", 13},
    {"Best Distance", 13},
    {"Penalty (%)", 8},
    {"# Routes", 7},
    {"# Routed", 7},
    {"Cost", 13},
    {"Best Cost", 13},
    {"Lower Bound", 13},
    {"Best Lower Bound", 13},
    {"Gap (%)", 13},
    {"Best Gap (%)", 13},
    {"Run Time", 8},
    {"Iterations", 10},
    {"Count", 5},
    {"Delta Objective", 15},
    {"Parameter", 9},
    {"Seed", 5},
};

} // namespace

const SStatisticsColumn& GetStatisticsColumn(int column) {
    static const SStatisticsColumn none = {"", 0};
    return column >= 0 && column < SC_COLUMN_COUNT ? kColumns[column] : none;
}

std::string FormatStatisticsCell(const CAlgoStat& record, int column, bool appendedRow) {
    switch (column) {
    case SC_NUMBER:
        return FormatString("%3d", record.m_lAlgoNumber);
    case SC_ALGORITHM:
        return record.m_strAlgoName;
    case SC_DISTANCE:
        return FormatString("%13.2lf", record.m_dDistance);
    case SC_BEST_DISTANCE:
        return FormatString("%13.2lf", record.m_dBestDistance);
    case SC_PENALTY:
        return FormatString("%8.2lf", record.m_dPenalty);
    case SC_ROUTES:
        return FormatString("%7d", record.m_lNumberOfRoutes);
    case SC_ROUTED:
        return FormatString("%7d", record.m_lNumberOfRoutedFacilities);
    case SC_COST:
        return FormatString("%13.2lf", record.m_dCost);
    case SC_BEST_COST:
        return FormatString("%13.2lf", record.m_dBestCost);
    case SC_LOWER_BOUND:
        return FormatString("%13.2lf", record.m_dLowerBound);
    case SC_BEST_LOWER_BOUND:
        return FormatString("%13.2lf", record.m_dBestLowerBound);
    case SC_GAP:
        return FormatString("%7.2lf", record.m_dGap);
    case SC_BEST_GAP:
        return FormatString("%7.2lf", record.m_dBestGap);
    case SC_RUN_TIME:
        return FormatString("%8.2lf", record.m_dRunTime);
    case SC_ITERATIONS:
        return appendedRow ? FormatString("%5d", record.m_lIterations)
                           : FormatString("%10d", record.m_lIterations);
    case SC_COUNT:
        return FormatString("%5d", record.m_lCount);
    case SC_DELTA_OBJECTIVE:
        return appendedRow ? FormatString("%11.2lf", record.m_dDeltaObjective)
                           : FormatString("%15.2lf", record.m_dDeltaObjective);
    case SC_PARAMETER:
        return FormatString("%9.3lf", record.m_dParameter);
    case SC_SEED:
        return FormatString("%5u", record.m_uSeed);
    default:
        return std::string();
    }
}
