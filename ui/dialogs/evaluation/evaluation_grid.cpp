// The evaluation dialog's grid: the routes of the evaluated solution and their facilities.

#include "ui/dialogs/evaluation/evaluation_grid.h"

#include "framework/strings/format.h"
#include "model/route.h"
#include "model/tramlet_doc.h"
#include "ui/dialogs/grid/grid_dialog.h"

namespace {

// The route's facilities by label, in visiting order.
std::string FacilitySequence(const CRoute& route) {
    std::string sequence;
    for (const CFacility* f : route.GetFacilities()) {
        sequence += (sequence.empty() ? "" : " - ") + f->GetLabel();
    }
    return sequence;
}

} // namespace

std::vector<std::vector<std::string>> BuildEvaluationTable(const CTramletDoc& document) {
    std::vector<std::vector<std::string>> table = {
        {"", "Distance", "# Customers", "Demand", "# Suppliers", "Supply", "Facilities"}};
    double distance = 0.0;
    int customers = 0, demand = 0, suppliers = 0, supply = 0;
    for (const CRoute* route : document.GetRoutes()) {
        table.push_back({"Route " + route->GetLabel(), FormatString("%.2lf", route->GetDistance()),
                         std::to_string(route->GetNumberOfCustomers()),
                         std::to_string(route->GetQuantity(FT_CUSTOMER)),
                         std::to_string(route->GetNumberOfSuppliers()),
                         std::to_string(route->GetQuantity(FT_SUPPLIER)), FacilitySequence(*route)});
        distance += route->GetDistance();
        customers += route->GetNumberOfCustomers();
        demand += route->GetQuantity(FT_CUSTOMER);
        suppliers += route->GetNumberOfSuppliers();
        supply += route->GetQuantity(FT_SUPPLIER);
    }
    table.push_back({"All Routes", FormatString("%.2lf", distance), std::to_string(customers),
                     std::to_string(demand), std::to_string(suppliers), std::to_string(supply), ""});
    return table;
}

CTextGridModel* BuildEvaluationModel(const CTramletDoc& document) {
    return CTextGridModel::FromTable(BuildEvaluationTable(document));
}
