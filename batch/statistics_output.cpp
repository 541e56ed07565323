#include "batch/statistics_output.h"

#include <optional>
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

// The gap of a distance to the reference value in percent.
double ReferenceGap(double distance, double reference) {
    return (distance - reference) * 100.0 / reference;
}

namespace {

// The records as a JSON array. "distance_penalty_percent" is the statistics list's
// "Dist. Penalty" column; "infeasibility_penalty" the penalty cost added to the distance.
void PrintJsonRecords(std::FILE* out, const CAlgoStatList& statistics, std::optional<double> reference) {
    std::fprintf(out, "  \"records\": [");
    for (size_t i = 0; i < statistics.size(); ++i) {
        const CAlgoStat& s = *statistics[i];
        std::fprintf(
            out,
            "%s\n    {\"number\": %d, \"algorithm\": %s, \"distance\": %.6f, \"distance_penalty_percent\": "
            "%.6f, "
            "\"infeasibility_penalty\": %.6f, \"cost\": %.6f, \"best_distance\": %.6f, \"best_cost\": %.6f, "
            "\"routes\": %d, \"routed\": %d, \"run_time\": %.6f, \"count\": %d, \"iterations\": %d, "
            "\"parameter\": %.6f, \"delta_objective\": %.6f, \"lower_bound\": %.6f, \"gap\": %.6f, "
            "\"seed\": %u, \"run_status\": %d",
            i == 0 ? "" : ",", s.m_lAlgoNumber, JsonString(s.m_strAlgoName).c_str(), s.m_dDistance,
            s.m_dPenalty, s.m_dCost - s.m_dDistance, s.m_dCost, s.m_dBestDistance, s.m_dBestCost,
            s.m_lNumberOfRoutes, s.m_lNumberOfRoutedFacilities, s.m_dRunTime, s.m_lCount, s.m_lIterations,
            s.m_dParameter, s.m_dDeltaObjective, s.m_dLowerBound, s.m_dGap, s.m_uSeed, s.m_lRunStatus);
        if (reference) {
            std::fprintf(out, ", \"reference_gap_percent\": %.6f", ReferenceGap(s.m_dDistance, *reference));
        }
        std::fprintf(out, "}");
    }
    std::fprintf(out, "%s],\n", statistics.empty() ? "" : "\n  ");
}

// The current routes: labels in order (depots included), distance, delivery and pickup loads.
void PrintJsonRoutes(std::FILE* out, CTramletDoc& document) {
    std::fprintf(out, "  \"routes\": [");
    const CTramletDoc::RouteArray routes = document.GetRoutes();
    for (size_t i = 0; i < routes.size(); ++i) {
        CRoute* route = routes[i];
        std::string labels;
        for (const CFacility* f : route->GetFacilities()) {
            labels += (labels.empty() ? "" : ", ") + JsonString(f->GetLabel());
        }
        std::fprintf(
            out,
            "%s\n    {\"label\": %s, \"facilities\": [%s], \"distance\": %.6f, \"delivery_load\": %d, "
            "\"pickup_load\": %d}",
            i == 0 ? "" : ",", JsonString(route->GetLabel()).c_str(), labels.c_str(),
            route->ComputeDistance(), route->GetQuantity(FT_CUSTOMER), route->GetQuantity(FT_SUPPLIER));
    }
    std::fprintf(out, "%s],\n", routes.empty() ? "" : "\n  ");
}

// The project's figures and the totals of the current routes.
void PrintJsonProject(std::FILE* out, CTramletDoc& document, std::optional<double> reference) {
    double distance = 0.0;
    double penalty = 0.0;
    double cost = 0.0;
    if (document.GetNumberOfRoutes() > 0) {
        document.GetDistancePenaltyCost(distance, penalty, cost);
    }
    std::fprintf(out,
                 "  \"project\": {\"name\": %s, \"path\": %s, \"customers\": %d, \"suppliers\": %d, "
                 "\"depots\": %d, \"vehicles\": %d, \"capacity\": %d, \"penalty_per_unit\": %.6f, "
                 "\"distance_norm\": %s, \"total_delivery\": %d, \"total_pickup\": %d},\n",
                 JsonString(document.GetDocTitle()).c_str(), JsonString(document.GetPathName()).c_str(),
                 document.GetNumberOfCustomers(), document.GetNumberOfSuppliers(),
                 document.GetNumberOfFacilities(FT_DEPOT), document.GetNumberOfVehicles(),
                 document.GetVehicleCapacity(), document.GetInfeasibilityPenalty(),
                 JsonString(document.GetDistanceNormName()).c_str(), document.GetTotalQuantity(FT_CUSTOMER),
                 document.GetTotalQuantity(FT_SUPPLIER));
    std::fprintf(out, "  \"distance\": %.6f,\n  \"infeasibility_penalty\": %.6f,\n  \"cost\": %.6f,\n",
                 distance, penalty, cost);
    if (reference) {
        std::fprintf(out, "  \"reference_value\": %.6f,\n  \"reference_gap_percent\": %.6f\n", *reference,
                     document.GetNumberOfRoutes() > 0 ? ReferenceGap(distance, *reference) : 0.0);
    } else {
        std::fprintf(out, "  \"reference_value\": null,\n  \"reference_gap_percent\": null\n");
    }
}

} // namespace

void PrintStatistics(std::FILE* out, CTramletDoc& document, bool json, std::optional<double> reference) {
    const CAlgoStatList& statistics = document.GetAlgorithmStatistics();
    if (!json) {
        std::fputs(FormatStatisticsTable(statistics).c_str(), out);
        return;
    }
    std::fprintf(out, "{\n");
    PrintJsonRecords(out, statistics, reference);
    PrintJsonRoutes(out, document);
    PrintJsonProject(out, document, reference);
    std::fprintf(out, "}\n");
}
