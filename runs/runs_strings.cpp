#include "runs/runs_strings.h"

namespace {

const StringTable kRunsStringTable = {
    {IDS_VALUE_DISTANCE, "Distance = %.2lf"},
    {IDS_VALUE_BEST_DISTANCE, "Best Distance = %.2lf"},
    {IDS_VALUE_DELTA_OBJECTIVE, "Delta Objective = %.2lf"},
    {IDS_VALUE_COST, "Cost = %.2lf"},
    {IDS_VALUE_BEST_COST, "Best Cost = %.2lf"},
    {IDS_VALUE_PARAMETER, "Parameter = %.3lf"},
    {IDS_VALUE_LOWER_BOUND, "Lower Bound = %.2lf"},
    {IDS_VALUE_BEST_LOWER_BOUND, "Best Lower Bound = %.2lf"},
    {IDS_VALUE_GAP, "Gap (%%) = %.3lf"},
    {IDS_VALUE_BEST_GAP, "Best Gap (%%) = %.3lf"},
    {IDS_ALGO_INITIAL_LOAD, "Initial Load"},
    {IDS_ALGO_EVALUATE, "Evaluate"},
    {IDS_ALGO_SWEEP, "Sweep"},
    {IDS_ALGO_TWO_EXCHANGE, "Two Exchange"},
    {IDS_ALGO_CHAIN_EXCHANGE, "Chain Exchange"},
    {IDS_ALGO_THREE_EXCHANGE, "Three Exchange"},
    {IDS_ALGO_MOVE_FACILITY, "Move Facility"},
    {IDS_ALGO_SWAP_FACILITY, "Swap Facility"},
    {IDS_ALGO_CHEAPEST_INSERTION, "Cheapest Insertion"},
    {IDS_ALGO_MANUAL_CONSTRUCTION, "Manual Construction"},
    {IDS_ALGO_NEAREST_NEIGHBOR, "Nearest Neighbor"},
    {IDS_ALGO_SAVINGS_GREEDY_PARALLEL, "Savings (Greedy Parallel)"},
    {IDS_ALGO_SAVINGS_GREEDY_SERIAL, "Savings (Greedy Serial)"},
    {IDS_ALGO_PRICIEST_INSERTION, "Priciest Insertion"},
    {IDS_ALGO_ALL_ALGORITHMS, "All Algorithm Combinations"},
    {IDS_ALGO_SELECT_SHEET_TITLE, "Select Algorithm and Specify Parameters"},
    {IDS_ALGO_ALL_IMPROVEMENTS, "All Improvement Algorithms"},
    {IDS_ALGO_EXTREME_CROSSOVERS, "Extreme Crossovers"},
    {IDS_ALGO_SET_PARTITIONING_BOUND, "Set Partitioning with Pricing Bound"},
    {IDS_ALGO_SET_PARTITIONING_NO_REVISITS_BOUND, "Set Partitioning with Pricing without Revisits Bound"},
    {IDS_ALGO_SET_PARTITIONING, "Set Parititioning with Pricing"},
    {IDS_ALGO_SET_PARTITIONING_NO_REVISITS, "Set Partitioning with Pricing No Revisits"},
    {IDS_ALGO_GAP_SEED_POINTS, "Generalized Assignment with Seed Points"},
    {IDS_ALGO_GAP_SEED_RAYS, "Generalized Assignment with Seed Rays"},
    {IDS_ALGO_SAVINGS_RANDOMIZED_SERIAL, "Savings (Randomized Serial)"},
    {IDS_ALGO_SAVINGS_RANDOMIZED_PARALLEL, "Savings (Randomized Parallel)"},
    {IDS_ALGO_GLPSOL_MIP_SOLUTION, "glpsol VRPB MIP Solution"},
    {IDS_ALGO_CPLEX_MIP_SOLUTION, "cplex VRPB MIP Solution"},
    {IDS_ALGO_GUROBI_MIP_SOLUTION, "gurobi VRPB MIP Solution"},
    {IDS_STATS_HEADER_1, "  #  Algorithm                                                             "
                         "Distance  Best Distance  Dist. Penalty  #Routes  #Routed  "},
    {IDS_STATS_HEADER_2,
     "         Cost      Best Cost  Run Time  Iter.  Count   Delta Object  Parameter   Seed"},
    {IDS_STATS_TAB_HEADER, "  #\tAlgorithm                                                      \t     "
                           "Distance\tBest Distance\tDist. Penalty\t#Routes\t#Routed\t         Cost\t    "
                           "Best Cost\tRun Time\tIter.\tCount\t Delta Object\tParameter\t Seed\n"},
    {IDS_STATS_UNDERLINE_1, "___  _______________________________________________________________  "
                            "_____________  _____________  _____________  _______  _______  "},
    {IDS_STATS_UNDERLINE_2,
     "_____________  _____________  ________  _____  _____  _____________  _________  _____"},
    {IDS_STATS_TAB_UNDERLINE, "___\t_______________________________________________________________\t________"
                              "_____\t_____________\t_____________\t_______\t_______\t_____________\t________"
                              "_____\t________\t_____\t_____\t_____________\t_________\t_____\n"},
    {IDS_STATS_ROW_1, "%3d  %-*s  %13.2lf  %13.2lf  %13.2lf  %7d  %7d  "},
    {IDS_STATS_ROW_2, "%13.2lf  %13.2lf  %8.2lf  %5d  %5d  %13.2lf  %9.3lf  %5d"},
    {IDS_STATS_TAB_ROW, "%3d\t%-*s\t%13.2lf\t%13.2lf\t%13.2lf\t%7d\t%7d\t%13.2lf\t%13.2lf\t%8.2lf\t%5d\t%"
                        "5d\t%13.2lf\t%9.3lf\t%5d\n"},
    {IDS_RECORD_LINE_1, "Algo. No. = %9d   Algorithm     = %-*s\n"},
    {IDS_RECORD_LINE_2, "Distance  = %9.2lf   Best Distance = %9.2lf   Penalty (%%) = %6.2lf\n"},
    {IDS_RECORD_LINE_3, "Low Bound = %9.2lf   Best Bound    = %9.2lf   Gap (%%)     = %6.2lf\n"},
    {IDS_RECORD_LINE_4, "Run Time  = %9.2lf   Replications  = %9d   Count       = %6d\n"},
    {IDS_RECORD_LINE_5, "Delta Obj = %9.2lf   Parameter     = %9d   Seed        = %6u\n\n"},
    {IDS_VALUE_ALGORITHM, "Algorithm = %s"},
    {IDS_VALUE_RUN_TIME, "Run Time = %.2lf"},
    {IDS_VALUE_ITERATIONS, "Iterations = %d"},
    {IDS_VALUE_DISTANCE_PENALTY, "Distance Penalty (%%) = %.3lf"},
    {IDS_VALUE_COUNT, "Count = %d"},
};

} // namespace

const StringTable* GetRunsStringTable() {
    return &kRunsStringTable;
}

std::string LoadRunsString(unsigned id) {
    if (HasResourceString(id)) {
        return LoadResourceString(id);
    }
    auto it = kRunsStringTable.find(id);
    return it != kRunsStringTable.end() ? std::string(it->second) : std::string();
}
