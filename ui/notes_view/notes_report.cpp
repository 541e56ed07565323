#include "ui/notes_view/notes_report.h"

#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

// Block 1: the project and its geography.
void AddGeographyLines(const CTramletDoc& document, std::vector<std::string>& lines) {
    const CLonLatRect& limits = document.GetWorldLimits();
    lines.push_back(FormatString("Project Name = %s", document.GetDocTitle().c_str()));
    lines.push_back(FormatString("Map Projection = %s", document.GetMapProjection().GetName()));
    bool geographic = document.IsGeographicProjection();
    if (geographic) {
        lines.push_back(FormatString("Minimum Longitude = %d", limits.m_west));
        lines.push_back(FormatString("Maximum Longitude = %d", limits.m_east));
        lines.push_back(FormatString("Minimum Latitude = %d", limits.m_south));
        lines.push_back(FormatString("Maximum Latitude = %d", limits.m_north));
    } else {
        lines.push_back(FormatString("Minimum x coordinate = %d", limits.m_west));
        lines.push_back(FormatString("Maximum x coordinate = %d", limits.m_east));
        lines.push_back(FormatString("Minimum y coordinate = %d", limits.m_south));
        lines.push_back(FormatString("Maximum y coordinate = %d", limits.m_north));
    }
    lines.push_back(FormatString("Distance Norm = %s", document.GetDistanceNormName()));
    if (geographic) {
        lines.push_back(FormatString("World Radius = %.1lf", document.GetWorldRadius()));
    }
    lines.push_back(FormatString("Distance Factor = %.3lf", document.GetDistanceFactor()));
}

// numerator / denominator, or 0.0 when the denominator is 0.
double DivideOrZero(double numerator, double denominator) {
    return denominator == 0.0 ? 0.0 : numerator / denominator;
}

// Block 2: the fleet, the quantities and their averages.
void AddFleetLines(const CTramletDoc& document, std::vector<std::string>& lines) {
    int customers = document.GetNumberOfCustomers();
    int suppliers = document.GetNumberOfSuppliers();
    int vehicles = document.GetNumberOfVehicles();
    int capacity = document.GetVehicleCapacity();
    int demand = document.GetTotalQuantity(FT_CUSTOMER);
    int supply = document.GetTotalQuantity(FT_SUPPLIER);
    double fleetCapacity = static_cast<double>(vehicles) * capacity;
    lines.push_back(FormatString("Number of Depots = %d", document.GetNumberOfDepots()));
    lines.push_back(FormatString("Number of Customers = %d", customers));
    lines.push_back(FormatString("Number of Suppliers = %d", suppliers));
    lines.push_back(FormatString("Number of Vehicles = %d", vehicles));
    lines.push_back(FormatString("Vehicle Capacity = %d", capacity));
    lines.push_back(FormatString("Infeasibility Penalty = %.2lf", document.GetInfeasibilityPenalty()));
    lines.push_back(FormatString("Total Demand = %d", demand));
    lines.push_back(FormatString("Total Supply = %d", supply));
    lines.push_back(FormatString("Average Facility Demand = %.2lf", DivideOrZero(demand, customers)));
    lines.push_back(FormatString("Average Facility Supply = %.2lf", DivideOrZero(supply, suppliers)));
    lines.push_back(FormatString("Average Vehicle Demand Utilization (%%) = %.2lf",
                                 DivideOrZero(demand * 100.0, fleetCapacity)));
    lines.push_back(FormatString("Average Vehicle Supply Utilization (%%) = %.2lf",
                                 DivideOrZero(supply * 100.0, fleetCapacity)));
    lines.push_back(FormatString("Average Vehicle Demand Slack = %.2lf",
                                 vehicles == 0 ? 0.0 : capacity - DivideOrZero(demand, vehicles)));
    lines.push_back(FormatString("Average Vehicle Supply Slack = %.2lf",
                                 vehicles == 0 ? 0.0 : capacity - DivideOrZero(supply, vehicles)));
}

// Block 3: the current statistics record.
void AddRecordLines(const CAlgoStat& record, std::vector<std::string>& lines) {
    lines.push_back(FormatString("Algorithm = %s", record.m_strAlgoName.c_str()));
    lines.push_back(FormatString("Distance = %.2lf", record.m_dDistance));
    lines.push_back(FormatString("Best Distance = %.2lf", record.m_dBestDistance));
    lines.push_back(FormatString("Distance Penalty (%%) = %.3lf", record.m_dPenalty));
    lines.push_back(FormatString("Number of Routes = %d", record.m_lNumberOfRoutes));
    lines.push_back(FormatString("Number of Routed Facilities = %d", record.m_lNumberOfRoutedFacilities));
    lines.push_back(FormatString("Cost = %.2lf", record.m_dCost));
    lines.push_back(FormatString("Best Cost = %.2lf", record.m_dBestCost));
    lines.push_back(FormatString("Lower Bound = %.2lf", record.m_dLowerBound));
    lines.push_back(FormatString("Best Lower Bound = %.2lf", record.m_dBestLowerBound));
    lines.push_back(FormatString("Gap (%%) = %.3lf", record.m_dGap));
    lines.push_back(FormatString("Best Gap (%%) = %.3lf", record.m_dBestGap));
    lines.push_back(FormatString("Run Time = %.2lf", record.m_dRunTime));
    lines.push_back(FormatString("Iterations = %d", record.m_lIterations));
    lines.push_back(FormatString("Count = %d", record.m_lCount));
    lines.push_back(FormatString("Delta Objective = %.2lf", record.m_dDeltaObjective));
    lines.push_back(FormatString("Parameter = %.3lf", record.m_dParameter));
    lines.push_back(FormatString("Seed = %u", record.m_uSeed));
}

// Block 4: the common parameters and the file names.
void AddParameterLines(const CTramletDoc& document, const std::string& outputLogFileName,
                       std::vector<std::string>& lines) {
    lines.push_back(FormatString("Project Data File = %s", document.GetPathName().c_str()));
    lines.push_back(FormatString("Data Version = %u", document.GetDataVersion()));
    lines.push_back(FormatString("Report Level = %d", document.GetReportLevel()));
    lines.push_back(FormatString("Maximum Iterations = %d", document.GetMaxIterations()));
    lines.push_back(FormatString("Seed = %u", static_cast<unsigned>(document.GetSeed())));
    lines.push_back(FormatString("Time Limit = %.2lf", document.GetTimeLimit()));
    lines.push_back(FormatString("Tolerance = %.4lf", document.GetTolerance()));
    lines.push_back(FormatString("Output Log File = %s", outputLogFileName.c_str()));
    lines.push_back(FormatString("Map Data File = %s", document.GetMapFileName().c_str()));
    lines.push_back(FormatString("Distance Data File = %s", document.GetDistanceFileName().c_str()));
}

} // namespace

std::vector<std::string> FormatNotesLines(const CTramletDoc& document, const std::string& outputLogFileName) {
    std::vector<std::string> lines;
    AddGeographyLines(document, lines);
    AddFleetLines(document, lines);
    lines.emplace_back();
    AddRecordLines(document.GetCurrentSolution(), lines);
    lines.emplace_back();
    AddParameterLines(document, outputLogFileName, lines);
    return lines;
}

std::vector<std::string> FormatNotesPrintHeader(const std::string& appName, const std::string& appVersion,
                                                const std::string& appDate, const std::string& projectTitle,
                                                const std::string& today) {
    return {
        FormatString("Created by %s, Version %s %s", appName.c_str(), appVersion.c_str(), appDate.c_str()),
        FormatString("Project %s on %s", projectTitle.c_str(), today.c_str()), std::string()};
}
