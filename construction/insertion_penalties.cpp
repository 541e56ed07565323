#include "construction/insertion_penalties.h"

#include <algorithm>
#include <iterator>

#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

bool CanDisplayInsertionPenalties(const CTramletDoc& document) {
    const int C = document.GetNumberOfCustomers();
    const int S = document.GetNumberOfSuppliers();
    return !document.IsAlgorithmRunning() && document.GetNumberOfDepots() > 0 && C + S > 2 &&
           document.GetNumberOfRoutes() > 0 &&
           document.GetNumberOfDepots() + C + S > document.GetRoutedCount() + 1;
}

CInsertionPenaltyGrid ComputeInsertionPenaltyGrid(const CTramletDoc& document) {
    const int Q = document.GetVehicleCapacity();
    CInsertionPenaltyGrid grid;

    std::vector<std::string> header{""};
    for (int r = 0; r < document.GetNumberOfRoutes(); ++r) {
        const auto& list = document.GetRoute(r)->GetFacilities();
        for (auto p = list.begin(); p != list.end() && std::next(p) != list.end(); ++p) {
            header.push_back(
                FormatString("(%s-%s)", (*p)->GetLabel().c_str(), (*std::next(p))->GetLabel().c_str()));
        }
    }
    header.push_back("min");
    grid.push_back(std::move(header));

    for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
        for (int k = 0; k < document.GetNumberOfFacilities(type); ++k) {
            const CFacility* f = document.GetFacility(type, k);
            if (f->IsRouted()) {
                continue;
            }
            std::vector<std::string> row{f->GetLabel()};
            bool found = false;
            double smallest = 0.0;
            const int i = f->GetIndex();
            for (int r = 0; r < document.GetNumberOfRoutes(); ++r) {
                const CRoute* route = document.GetRoute(r);
                const bool fits = route->GetQuantity(type) + f->GetQuantity() <= Q;
                const auto& list = route->GetFacilities();
                for (auto p = list.begin(); p != list.end() && std::next(p) != list.end(); ++p) {
                    const CFacility* predecessor = *p;
                    const CFacility* successor = *std::next(p);
                    if (!fits || (!predecessor->IsDepot() && predecessor->GetType() > type)) {
                        row.emplace_back();
                        continue;
                    }
                    const int a = predecessor->GetIndex();
                    const int b = successor->GetIndex();
                    double penalty =
                        document.GetDistance(a, i) + document.GetDistance(i, b) - document.GetDistance(a, b);
                    row.push_back(FormatString("%.2lf", penalty));
                    if (!found || penalty < smallest) {
                        smallest = penalty;
                        found = true;
                    }
                }
            }
            row.push_back(found ? FormatString("%.2lf", smallest) : std::string());
            grid.push_back(std::move(row));
        }
    }
    return grid;
}

std::string FormatInsertionPenaltyGrid(const CInsertionPenaltyGrid& grid) {
    std::vector<size_t> widths;
    for (const auto& row : grid) {
        if (widths.size() < row.size()) {
            widths.resize(row.size(), 0);
        }
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    std::string text;
    for (const auto& row : grid) {
        std::string line;
        for (size_t c = 0; c < widths.size(); ++c) {
            const std::string cell = c < row.size() ? row[c] : std::string();
            if (c > 0) {
                line += "  ";
            }
            std::string padding(widths[c] - cell.size(), ' ');
            line += c == 0 ? cell + padding : padding + cell;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}
