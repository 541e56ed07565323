#include "files/solution_file.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "files/benchmark_instance_import.h"
#include "files/text_items.h"
#include "files/text_line_reader.h"
#include "framework/application/sable_win_app.h"
#include "framework/archive/safe_file.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

constexpr const char* kSolutionKind = "Solution";

// The node id of a label that is a whole number, else 0.
long NodeIdOf(const CFacility* f) {
    char* end = nullptr;
    const long id = std::strtol(f->GetLabel().c_str(), &end, 10);
    return *end == '\0' ? id : 0;
}

// Refuses the file: the message with the file and line, then a user exception.
[[noreturn]] void Refuse(const std::string& path, int line, const std::string& message) {
    DisplayErrorMessage(FormatString("%s, line %d: %s", path.c_str(), line, message.c_str()));
    ThrowUserException();
}

// Parses the file into routes of node numbers (1-based, as GetSolutionNumbering).
std::vector<std::vector<int>> ParseSolution(CTextLineReader& reader, const std::string& path, int nodes,
                                            double& cost) {
    std::vector<std::vector<int>> routes;
    std::vector<bool> served(static_cast<std::size_t>(nodes) + 1, false);
    std::string line;
    while (reader.ReadLine(line)) {
        std::vector<std::string> items = SplitItems(line);
        if (items.empty()) {
            continue;
        }
        const int number = reader.GetLineNumber();
        if (items[0] == "Cost" && items.size() == 2) {
            char* end = nullptr;
            cost = std::strtod(items[1].c_str(), &end);
            if (*end != '\0') {
                Refuse(path, number, FormatString("\"%s\" is not a number", items[1].c_str()));
            }
            continue;
        }
        if (items[0] != "Route" || items.size() < 2 || items[1].size() < 3 || items[1][0] != '#' ||
            items[1].back() != ':') {
            Refuse(path, number, FormatString("\"%s\" is neither a route nor the cost", line.c_str()));
        }
        std::vector<int> route;
        for (std::size_t i = 2; i < items.size(); ++i) {
            char* end = nullptr;
            const long node = std::strtol(items[i].c_str(), &end, 10);
            if (*end != '\0' || node < 1 || node > nodes) {
                Refuse(path, number,
                       FormatString("node %s is unknown (the project has nodes 1 to %d)", items[i].c_str(),
                                    nodes));
            }
            if (served[static_cast<std::size_t>(node)]) {
                Refuse(path, number, FormatString("node %ld is served twice", node));
            }
            served[static_cast<std::size_t>(node)] = true;
            route.push_back(static_cast<int>(node));
        }
        if (!route.empty()) {
            routes.push_back(std::move(route));
        }
    }
    return routes;
}

} // namespace

std::vector<CFacility*> GetSolutionNumbering(const CTramletDoc& document) {
    std::vector<CFacility*> numbering;
    for (int type : {FT_CUSTOMER, FT_SUPPLIER}) {
        const int count =
            type == FT_CUSTOMER ? document.GetNumberOfCustomers() : document.GetNumberOfSuppliers();
        for (int k = 0; k < count; ++k) {
            numbering.push_back(document.GetFacility(type, k));
        }
    }
    if (CameFromBenchmarkInstance(document)) {
        std::stable_sort(numbering.begin(), numbering.end(),
                         [](const CFacility* a, const CFacility* b) { return NodeIdOf(a) < NodeIdOf(b); });
    }
    return numbering;
}

std::string FormatSolution(CTramletDoc& document) {
    const std::vector<CFacility*> numbering = GetSolutionNumbering(document);
    std::string text;
    int written = 0;
    for (const CRoute* route : document.GetRoutes()) {
        std::string nodes;
        for (const CFacility* f : route->GetFacilities()) {
            auto found = std::find(numbering.begin(), numbering.end(), f);
            if (found != numbering.end()) {
                nodes += " " + std::to_string(found - numbering.begin() + 1);
            }
        }
        if (!nodes.empty()) {
            text += FormatString("Route #%d:", ++written) + nodes + "\n";
        }
    }
    double distance = 0.0;
    double penalty = 0.0;
    double cost = 0.0;
    document.GetDistancePenaltyCost(distance, penalty, cost);
    return text + FormatString("Cost %.2f\n", distance);
}

bool WriteSolutionFile(CTramletDoc& document, const std::string& path) {
    try {
        WriteFileSafely(path, FormatSolution(document));
    } catch (const CFileException& error) {
        DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(true, kSolutionKind, error));
        return false;
    }
    return true;
}

ERunResult ReadSolutionFile(CTramletDoc& document, const std::string& path) {
    SRunOptions options;
    options.name = "Read Solution";
    options.deleteRoutes = true;
    options.writeHeading = false;
    return RunAlgorithm(document, options, [&](CAlgoStat& record) {
        const std::vector<CFacility*> numbering = GetSolutionNumbering(document);
        CTextLineReader reader;
        try {
            reader.Open(path);
        } catch (const CFileException& error) {
            DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(false, kSolutionKind, error));
            ThrowUserException();
        }
        double fileCost = 0.0;
        const std::vector<std::vector<int>> routes =
            ParseSolution(reader, path, static_cast<int>(numbering.size()), fileCost);
        CFacility* depot = document.GetFacility(FT_DEPOT, 0);
        for (const std::vector<int>& nodes : routes) {
            auto route = std::make_unique<CRoute>(&document);
            route->AddFacility(depot, false);
            for (int node : nodes) {
                route->AddFacility(numbering[static_cast<std::size_t>(node - 1)], true);
            }
            route->AddFacility(depot, false);
            route->ComputeDistance();
            document.AddRoute(std::move(route), true);
        }
        double distance = 0.0;
        double penalty = 0.0;
        double cost = 0.0;
        document.GetDistancePenaltyCost(distance, penalty, cost);
        record.m_dDistance = distance;
        record.m_dCost = cost;
        record.m_lCount = static_cast<int>(routes.size());
        record.m_dDeltaObjective = fileCost > 0.0 ? distance - fileCost : 0.0;
    });
}
