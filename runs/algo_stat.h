#pragma once

#include <memory>
#include <string>
#include <vector>

class CRoute;

// Best distance and best cost of a project before its first complete solution.
constexpr double ALGOSTAT_UNSET_VALUE = 9999999999.99;

// The statistics record of one algorithm run. The document keeps one as the current record
// (it carries the best-so-far values from run to run) and appends copies of it to the
// statistics list. Statistics are never stored in project files.
class CAlgoStat {
public:
    CAlgoStat() = default;
    CAlgoStat(const CAlgoStat& other) = default;
    CAlgoStat& operator=(const CAlgoStat& other) = default;
    virtual ~CAlgoStat() = default;

    // Copies every field of other (the record of a run, or a snapshot's record).
    void Copy(const CAlgoStat& other) { *this = other; }

    // The values of a new or reset project: the seed, distance, best distance, cost and best
    // cost at ALGOSTAT_UNSET_VALUE, the counters, penalty, step value, run time and delta
    // objective at 0. Best lower bound and best gap keep their values.
    void ResetForProject(unsigned seed);

    // The best-so-far rules after a run: best distance, best lower bound and best gap move
    // only for a complete solution (every customer and supplier routed), best cost for any;
    // penalty (%) and gap (%) are computed again. Comparisons are strict.
    void UpdateBestValues(bool complete);

    // The five lines of the record in the output log.
    std::string FormatOutputLogRecord() const;
    // The record as a row of the printed statistics list (no line end).
    std::string FormatStatisticsRow() const;
    // The record as a tab-separated row (ends in "\n").
    std::string FormatStatisticsTabRow() const;

    std::string m_strAlgoName;
    int m_lAlgoNumber = 0;
    int m_lIterations = 0;
    int m_lCount = 0;
    int m_lNumberOfRoutes = 0;
    int m_lNumberOfRoutedFacilities = 0;
    int m_lExchangeCounter1 = 0;
    int m_lExchangeCounter2 = 0;
    int m_lGenerationCounter = 0;
    unsigned m_uSeed = 0;
    int m_lRunStatus = 0;
    double m_dStepValue = 0.0;
    double m_dExchangeSavings1 = 0.0;
    double m_dExchangeSavings2 = 0.0;
    double m_dDistance = 0.0;
    double m_dBestDistance = 0.0;
    double m_dPenalty = 0.0;
    double m_dDeltaObjective = 0.0;
    double m_dCost = 0.0;
    double m_dBestCost = 0.0;
    double m_dParameter = 0.0;
    double m_dLowerBound = 0.0;
    double m_dBestLowerBound = 0.0;
    double m_dGap = 0.0;
    double m_dBestGap = 100.0;
    double m_dRunTime = 0.0;
};

// The statistics list of a project: one owned record per recorded run, numbered from 1.
using CAlgoStatList = std::vector<std::unique_ptr<CAlgoStat>>;

// A saved solution: a statistics record, owned deep copies of the routes in document order,
// and for every customer and every supplier (document order) the index of its route or -1.
// The document fills and restores it (SaveRouteSnapshot / RestoreRouteSnapshot).
struct CRouteSnapshot {
    // Out of line, so that holders of a snapshot need not see the route class.
    CRouteSnapshot();
    ~CRouteSnapshot();
    CRouteSnapshot(CRouteSnapshot&&) noexcept;
    CRouteSnapshot& operator=(CRouteSnapshot&&) noexcept;

    CAlgoStat m_stat;
    std::vector<std::unique_ptr<CRoute>> m_routes;
    std::vector<int> m_customerRoutes;
    std::vector<int> m_supplierRoutes;
};
