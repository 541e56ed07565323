#include "batch/statistics_output.h"

#include <string>

#include "model/tramlet_doc.h"
#include "runs/statistics_text.h"

namespace {

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                quoted += escape;
            } else {
                quoted += static_cast<char>(c);
            }
        }
    }
    return quoted + "\"";
}

} // namespace

void PrintStatistics(std::FILE* out, const CTramletDoc& document, bool json) {
    const CAlgoStatList& statistics = document.GetAlgorithmStatistics();
    if (!json) {
        std::fputs(FormatStatisticsTable(statistics).c_str(), out);
        return;
    }
    std::fprintf(out, "[\n");
    for (size_t i = 0; i < statistics.size(); ++i) {
        const CAlgoStat& s = *statistics[i];
        std::fprintf(
            out,
            "  {\"number\": %d, \"algorithm\": %s, \"distance\": %.6f, \"penalty\": %.6f, \"cost\": %.6f, "
            "\"best_distance\": %.6f, \"best_cost\": %.6f, \"routes\": %d, \"routed\": %d, "
            "\"run_time\": %.6f, \"count\": %d, \"iterations\": %d, \"parameter\": %.6f, "
            "\"delta_objective\": %.6f, \"lower_bound\": %.6f, \"gap\": %.6f, \"seed\": %u, "
            "\"run_status\": %d}%s\n",
            s.m_lAlgoNumber, JsonString(s.m_strAlgoName).c_str(), s.m_dDistance, s.m_dPenalty, s.m_dCost,
            s.m_dBestDistance, s.m_dBestCost, s.m_lNumberOfRoutes, s.m_lNumberOfRoutedFacilities,
            s.m_dRunTime, s.m_lCount, s.m_lIterations, s.m_dParameter, s.m_dDeltaObjective, s.m_dLowerBound,
            s.m_dGap, s.m_uSeed, s.m_lRunStatus, i + 1 < statistics.size() ? "," : "");
    }
    std::fprintf(out, "]\n");
}
