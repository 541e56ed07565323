#include "optimisation/assignment_costs.h"

#include <algorithm>

#include "framework/containers/double_matrix.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "optimisation/optimisation_strings.h"

bool CanDisplayAssignmentCosts(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfVehicles() > 1 &&
           document.GetNumberOfDepots() > 0 &&
           document.GetNumberOfCustomers() + document.GetNumberOfSuppliers() > 0;
}

std::string AssignmentCostsTitle(EGAPSEEDMODE mode) {
    const std::string variant = LoadOptimisationString(
        mode == GAP_SEED_RAYS ? IDS_ASSIGNMENT_COSTS_SEED_RAYS : IDS_ASSIGNMENT_COSTS_SEED_POINTS);
    return FormatString(LoadOptimisationString(IDS_ASSIGNMENT_COSTS_TITLE).c_str(), variant.c_str());
}

CAssignmentCostGrid MakeAssignmentCostGrid(const CTramletDoc& document, const CDoubleMatrix& costs) {
    CAssignmentCostGrid grid;
    std::vector<std::string> header(1);
    for (int v = 0; v < costs.GetNumberColumns(); ++v) {
        header.push_back(FormatString("v%d", v + 1));
    }
    grid.push_back(header);
    for (int g = 0; g < costs.GetNumberRows(); ++g) {
        std::vector<std::string> row{document.GetFacility(g)->GetLabel()};
        for (int v = 0; v < costs.GetNumberColumns(); ++v) {
            row.push_back(costs[g][v] >= GAP_NO_COST ? std::string() : FormatString("%.2lf", costs[g][v]));
        }
        grid.push_back(row);
    }
    return grid;
}

CAssignmentCostGrid ComputeAssignmentCostGrid(const CTramletDoc& document, EGAPSEEDMODE mode) {
    CDoubleMatrix costs;
    if (mode == GAP_SEED_RAYS) {
        ComputeSeedRayCosts(document, costs);
    } else {
        ComputeSeedPointCosts(document, costs);
    }
    return MakeAssignmentCostGrid(document, costs);
}

std::vector<std::string> FormatAssignmentCostLines(const CAssignmentCostGrid& grid) {
    size_t width = 0;
    for (const auto& row : grid) {
        for (const std::string& cell : row) {
            width = std::max(width, cell.size());
        }
    }
    std::vector<std::string> lines;
    for (const auto& row : grid) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            const std::string padding(width - row[c].size(), ' ');
            line += c == 0 ? row[c] + padding : "  " + padding + row[c];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(line);
    }
    return lines;
}
