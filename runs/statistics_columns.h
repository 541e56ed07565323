#pragma once

#include <string>

#include "runs/algo_stat.h"

// The columns of the statistics list view and the text of each cell.
enum ESTATISTICSCOLUMN {
    SC_NUMBER = 0,
    SC_ALGORITHM,
    SC_DISTANCE,
    SC_BEST_DISTANCE,
    SC_PENALTY,
    SC_ROUTES,
    SC_ROUTED,
    SC_COST,
    SC_BEST_COST,
    SC_LOWER_BOUND,
    SC_BEST_LOWER_BOUND,
    SC_GAP,
    SC_BEST_GAP,
    SC_RUN_TIME,
    SC_ITERATIONS,
    SC_COUNT,
    SC_DELTA_OBJECTIVE,
    SC_PARAMETER,
    SC_SEED,
    SC_COLUMN_COUNT,
};

struct SStatisticsColumn {
    const char* caption;
    int width; // in characters
};

// Caption and width of a column.
const SStatisticsColumn& GetStatisticsColumn(int column);

// The cell text of a record in a column. A row appended after a run prints Iterations and
// Delta Objective narrower than a view filled from the whole list.
std::string FormatStatisticsCell(const CAlgoStat& record, int column, bool appendedRow = false);
