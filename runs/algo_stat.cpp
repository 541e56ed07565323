#include "runs/algo_stat.h"

#include "framework/strings/format.h"
#include "model/route.h"
#include "runs/runs_strings.h"

namespace {
// Width of the algorithm name in the statistics texts and the output-log record.
constexpr int kNameWidth = 63;
} // namespace

void CAlgoStat::ResetForProject(unsigned seed) {
    m_uSeed = seed;
    m_dDistance = ALGOSTAT_UNSET_VALUE;
    m_dBestDistance = ALGOSTAT_UNSET_VALUE;
    m_dCost = ALGOSTAT_UNSET_VALUE;
    m_dBestCost = ALGOSTAT_UNSET_VALUE;
    m_lIterations = 0;
    m_lCount = 0;
    m_dPenalty = 0.0;
    m_dStepValue = 0.0;
    m_dRunTime = 0.0;
    m_dDeltaObjective = 0.0;
}

void CAlgoStat::UpdateBestValues(bool complete) {
    if (m_dBestDistance > m_dDistance && complete) {
        m_dBestDistance = m_dDistance;
    }
    if (m_dBestCost > m_dCost) {
        m_dBestCost = m_dCost;
    }
    // A best distance or a cost of zero (all facilities at the depot) would divide by zero.
    m_dPenalty = m_dBestDistance != 0.0 ? (m_dDistance - m_dBestDistance) * 100.0 / m_dBestDistance : 0.0;
    if (m_dBestLowerBound < m_dLowerBound && complete) {
        m_dBestLowerBound = m_dLowerBound;
    }
    m_dGap = m_dCost != 0.0 ? (m_dCost - m_dLowerBound) * 100.0 / m_dCost : 0.0;
    if (m_dGap < m_dBestGap && complete) {
        m_dBestGap = m_dGap;
    }
}

std::string CAlgoStat::FormatOutputLogRecord() const {
    std::string text;
    text += FormatString(LoadRunsString(IDS_RECORD_LINE_1).c_str(), m_lAlgoNumber, kNameWidth,
                         m_strAlgoName.c_str());
    text += FormatString(LoadRunsString(IDS_RECORD_LINE_2).c_str(), m_dDistance, m_dBestDistance, m_dPenalty);
    text += FormatString(LoadRunsString(IDS_RECORD_LINE_3).c_str(), m_dLowerBound, m_dBestLowerBound, m_dGap);
    text += FormatString(LoadRunsString(IDS_RECORD_LINE_4).c_str(), m_dRunTime, m_lIterations, m_lCount);
    text += FormatString(LoadRunsString(IDS_RECORD_LINE_5).c_str(), m_dDeltaObjective,
                         static_cast<int>(m_dParameter), m_uSeed);
    return text;
}

std::string CAlgoStat::FormatStatisticsRow() const {
    return FormatString(LoadRunsString(IDS_STATS_ROW_1).c_str(), m_lAlgoNumber, kNameWidth,
                        m_strAlgoName.c_str(), m_dDistance, m_dBestDistance, m_dPenalty, m_lNumberOfRoutes,
                        m_lNumberOfRoutedFacilities) +
           FormatString(LoadRunsString(IDS_STATS_ROW_2).c_str(), m_dCost, m_dBestCost, m_dRunTime,
                        m_lIterations, m_lCount, m_dDeltaObjective, m_dParameter, static_cast<int>(m_uSeed));
}

std::string CAlgoStat::FormatStatisticsTabRow() const {
    return FormatString(LoadRunsString(IDS_STATS_TAB_ROW).c_str(), m_lAlgoNumber, kNameWidth,
                        m_strAlgoName.c_str(), m_dDistance, m_dBestDistance, m_dPenalty, m_lNumberOfRoutes,
                        m_lNumberOfRoutedFacilities, m_dCost, m_dBestCost, m_dRunTime, m_lIterations,
                        m_lCount, m_dDeltaObjective, m_dParameter, static_cast<int>(m_uSeed));
}

CRouteSnapshot::CRouteSnapshot() = default;
CRouteSnapshot::~CRouteSnapshot() = default;
CRouteSnapshot::CRouteSnapshot(CRouteSnapshot&&) noexcept = default;
CRouteSnapshot& CRouteSnapshot::operator=(CRouteSnapshot&&) noexcept = default;
