#include "files/project_summary.h"

#include "framework/application/sable_win_app.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "runs/runs_strings.h"

namespace {

double Ratio(double numerator, double denominator) {
    return denominator != 0.0 ? numerator / denominator : 0.0;
}

} // namespace

std::vector<std::string> GetProjectSummaryLines(const CTramletDoc& document) {
    std::vector<std::string> lines;
    auto add = [&lines](std::string line) { lines.push_back(std::move(line)); };
    auto value = [](unsigned id) { return LoadRunsString(id); };

    add(FormatString("Project Name = %s", document.GetDocTitle().c_str()));
    add(FormatString("Map Projection = %s", GetMapProjectionName(document.GetMapProjectionType())));
    const CLonLatRect& limits = document.GetWorldLimits();
    if (document.IsGeographicProjection()) {
        add(FormatString("Minimum Longitude = %ld", static_cast<long>(limits.m_west)));
        add(FormatString("Maximum Longitude = %ld", static_cast<long>(limits.m_east)));
        add(FormatString("Minimum Latitude = %ld", static_cast<long>(limits.m_south)));
        add(FormatString("Maximum Latitude = %ld", static_cast<long>(limits.m_north)));
    } else {
        add(FormatString("Minimum x coordinate = %d", limits.m_west));
        add(FormatString("Maximum x coordinate = %d", limits.m_east));
        add(FormatString("Minimum y coordinate = %d", limits.m_south));
        add(FormatString("Maximum y coordinate = %d", limits.m_north));
    }
    add(FormatString("Distance Norm = %s", document.GetDistanceNormName()));
    if (document.IsGeographicProjection()) {
        add(FormatString("World Radius = %.1lf", document.GetWorldRadius()));
    }
    add(FormatString("Distance Factor = %.3lf", document.GetDistanceFactor()));

    const int customers = document.GetNumberOfCustomers();
    const int suppliers = document.GetNumberOfSuppliers();
    const int vehicles = document.GetNumberOfVehicles();
    const int capacity = document.GetVehicleCapacity();
    const int demand = document.GetTotalQuantity(FT_CUSTOMER);
    const int supply = document.GetTotalQuantity(FT_SUPPLIER);
    const double fleet = static_cast<double>(vehicles) * capacity;
    add(FormatString("Number of Depots = %d", document.GetNumberOfDepots()));
    add(FormatString("Number of Customers = %d", customers));
    add(FormatString("Number of Suppliers = %d", suppliers));
    add(FormatString("Number of Vehicles = %d", vehicles));
    add(FormatString("Vehicle Capacity = %d", capacity));
    add(FormatString("Infeasibility Penalty = %.2lf", document.GetInfeasibilityPenalty()));
    add(FormatString("Total Demand = %d", demand));
    add(FormatString("Total Supply = %d", supply));
    add(FormatString("Average Facility Demand = %.2lf", Ratio(demand, customers)));
    add(FormatString("Average Facility Supply = %.2lf", Ratio(supply, suppliers)));
    add(FormatString("Average Vehicle Demand Utilization (%%) = %.2lf", Ratio(demand * 100.0, fleet)));
    add(FormatString("Average Vehicle Supply Utilization (%%) = %.2lf", Ratio(supply * 100.0, fleet)));
    add(FormatString("Average Vehicle Demand Slack = %.2lf", capacity - Ratio(demand, vehicles)));
    add(FormatString("Average Vehicle Supply Slack = %.2lf", capacity - Ratio(supply, vehicles)));

    add(std::string());
    const CAlgoStat& record = document.GetCurrentSolution();
    add(FormatString(value(IDS_VALUE_ALGORITHM).c_str(), record.m_strAlgoName.c_str()));
    add(FormatString(value(IDS_VALUE_DISTANCE).c_str(), record.m_dDistance));
    add(FormatString(value(IDS_VALUE_BEST_DISTANCE).c_str(), record.m_dBestDistance));
    add(FormatString(value(IDS_VALUE_DISTANCE_PENALTY).c_str(), record.m_dPenalty));
    add(FormatString("Number of Routes = %d", record.m_lNumberOfRoutes));
    add(FormatString("Number of Routed Facilities = %d", record.m_lNumberOfRoutedFacilities));
    add(FormatString(value(IDS_VALUE_COST).c_str(), record.m_dCost));
    add(FormatString(value(IDS_VALUE_BEST_COST).c_str(), record.m_dBestCost));
    add(FormatString(value(IDS_VALUE_LOWER_BOUND).c_str(), record.m_dLowerBound));
    add(FormatString(value(IDS_VALUE_BEST_LOWER_BOUND).c_str(), record.m_dBestLowerBound));
    add(FormatString(value(IDS_VALUE_GAP).c_str(), record.m_dGap));
    add(FormatString(value(IDS_VALUE_BEST_GAP).c_str(), record.m_dBestGap));
    add(FormatString(value(IDS_VALUE_RUN_TIME).c_str(), record.m_dRunTime));
    add(FormatString(value(IDS_VALUE_ITERATIONS).c_str(), record.m_lIterations));
    add(FormatString(value(IDS_VALUE_COUNT).c_str(), record.m_lCount));
    add(FormatString(value(IDS_VALUE_DELTA_OBJECTIVE).c_str(), record.m_dDeltaObjective));
    add(FormatString(value(IDS_VALUE_PARAMETER).c_str(), record.m_dParameter));
    add(FormatString("Seed = %u", record.m_uSeed));

    add(std::string());
    CSableWinApp* app = CSableWinApp::GetApp();
    std::string outputLog = app != nullptr ? app->GetOutputLogFileName() : std::string();
    add(FormatString("Project Data File = %s", document.GetPathName().c_str()));
    add(FormatString("Data Version = %u", document.GetDataVersion()));
    add(FormatString("Report Level = %d", document.GetReportLevel()));
    add(FormatString("Maximum Iterations = %d", document.GetMaxIterations()));
    add(FormatString("Seed = %u", static_cast<unsigned>(document.GetSeed())));
    add(FormatString("Time Limit = %.2lf", document.GetTimeLimit()));
    add(FormatString("Tolerance = %.4lf", document.GetTolerance()));
    add(FormatString("Output Log File = %s", outputLog.c_str()));
    add(FormatString("Map Data File = %s", document.GetMapFileName().c_str()));
    add(FormatString("Distance Data File = %s", document.GetDistanceFileName().c_str()));
    return lines;
}

std::string FormatProjectSummary(const CTramletDoc& document) {
    std::string text;
    for (const std::string& line : GetProjectSummaryLines(document)) {
        text += line;
        text += '\n';
    }
    return text;
}
