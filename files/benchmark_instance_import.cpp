#include "files/benchmark_instance_import.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <strings.h>
#include <vector>

#include "files/benchmark_instance_reader.h"
#include "files/text_line_reader.h"
#include "framework/application/sable_win_app.h"
#include "framework/colours/color.h"
#include "framework/colours/shape.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

CFacility* AddNode(CTramletDoc& document, int type, int id, CLonLatPoint location, int quantity) {
    CPRGB color;
    color.SetColorIndex(type == FT_CUSTOMER ? COLOR_RED : type == FT_SUPPLIER ? COLOR_GREEN : COLOR_BLUE);
    const std::string label = std::to_string(id);
    auto facility =
        std::make_unique<CFacility>(&document, type, location, CIntPoint{location.x(), location.y()},
                                    type == FT_DEPOT ? 0 : quantity, 5, SHAPE_CIRCLE, color, label, label);
    if (facility->GetLabel() != label) {
        ThrowUserException();
    }
    facility->UpdateViewLocation();
    return document.AddFacility(std::move(facility), false);
}

// Whole-number locations of the nodes: the coordinates, times a power of ten when they span
// less than the least world extent (1000), rounded; without coordinates, a circle for the display.
// exact tells whether the locations are the coordinates themselves (whole numbers, unscaled).
std::vector<CLonLatPoint> NodeLocations(const SBenchmarkInstance& in, bool& exact) {
    double lowX = 0.0, highX = 0.0, lowY = 0.0, highY = 0.0, largest = 0.0;
    for (const SBenchmarkNode& node : in.nodes) {
        lowX = std::min(lowX, node.x);
        highX = std::max(highX, node.x);
        lowY = std::min(lowY, node.y);
        highY = std::max(highY, node.y);
        largest = std::max({largest, std::fabs(node.x), std::fabs(node.y)});
    }
    double scale = 1.0;
    while (std::min(highX - lowX, highY - lowY) * scale < 1000.0 && (largest + 1.0) * scale * 10.0 <= 1e9 &&
           scale < 1e6) {
        scale *= 10.0;
    }
    std::vector<CLonLatPoint> locations;
    exact = scale == 1.0;
    const double pi = std::acos(-1.0);
    for (int i = 0; i < in.dimension; ++i) {
        const SBenchmarkNode& node = in.nodes[static_cast<std::size_t>(i)];
        if (!node.hasCoordinates) {
            const double angle = 2.0 * pi * i / in.dimension;
            locations.emplace_back(static_cast<int>(5000 + 4000 * std::cos(angle)),
                                   static_cast<int>(5000 + 4000 * std::sin(angle)));
            exact = false;
            continue;
        }
        exact = exact && node.x == std::round(node.x) && node.y == std::round(node.y);
        locations.emplace_back(static_cast<int>(std::lround(node.x * scale)),
                               static_cast<int>(std::lround(node.y * scale)));
    }
    return locations;
}

// Fills the document from the instance: facilities in the order customers, suppliers, depot
// (each by node id), fleet, distances.
void BuildDocument(CTramletDoc& document, const SBenchmarkInstance& in, const std::string& path) {
    bool wholeNumbers = false;
    const std::vector<CLonLatPoint> locations = NodeLocations(in, wholeNumbers);
    int west = 0, south = 0, east = 1, north = 1;
    for (const CLonLatPoint& p : locations) {
        west = std::min(west, p.x());
        south = std::min(south, p.y());
        east = std::max(east, p.x() + 1);
        north = std::max(north, p.y() + 1);
    }
    east = std::max(east, west + 1000);
    north = std::max(north, south + 1000);
    document.OnNewDocument(CLonLatRect(west, south, east, north));
    document.InitializeFleetParameters(true);
    document.SetPathName(path);
    document.SetDocTitle(in.name);
    const int depot = in.depots[0];
    std::vector<CFacility*> byNode(static_cast<std::size_t>(in.dimension), nullptr);
    for (int type : {FT_CUSTOMER, FT_SUPPLIER}) {
        for (int id = 1; id <= in.dimension; ++id) {
            const SBenchmarkNode& node = in.nodes[static_cast<std::size_t>(id - 1)];
            if (id != depot && node.backhaul == (type == FT_SUPPLIER)) {
                byNode[static_cast<std::size_t>(id - 1)] =
                    AddNode(document, type, id, locations[static_cast<std::size_t>(id - 1)], node.demand);
            }
        }
    }
    byNode[static_cast<std::size_t>(depot - 1)] =
        AddNode(document, FT_DEPOT, depot, locations[static_cast<std::size_t>(depot - 1)], 0);
    if (!document.SetVehicleCapacity(in.capacity) ||
        (in.vehicles > 0 && !document.SetNumberOfVehicles(in.vehicles))) {
        ThrowUserException();
    }
    document.ResizeDistanceMatrix();
    if (in.weightType != "EXPLICIT" && wholeNumbers) {
        document.SetDistanceNorm(DN_EUCLIDEAN);
        document.ComputeAllDistances();
    } else {
        document.SetDistanceNorm(DN_EXTERNALLY_SPECIFIED);
        const auto n = static_cast<std::size_t>(in.dimension);
        for (std::size_t from = 0; from < n; ++from) {
            for (std::size_t to = 0; to < n; ++to) {
                const SBenchmarkNode& a = in.nodes[from];
                const SBenchmarkNode& b = in.nodes[to];
                const double distance = from == to                    ? 0.0
                                        : in.weightType == "EXPLICIT" ? in.matrix[from * n + to]
                                                                      : std::hypot(a.x - b.x, a.y - b.y);
                document.SetDistance(byNode[from]->GetIndex(), byNode[to]->GetIndex(), distance);
            }
        }
        document.GetDistanceData().UpdateAsymmetryFlag();
    }
    document.ResetCurrentSolution();
}

bool HasExtension(const std::string& path, const char* extension) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return false;
    }
    return strcasecmp(path.c_str() + dot, extension) == 0;
}

} // namespace

bool ImportBenchmarkInstance(CTramletDoc& document, const std::string& path) {
    document.MakeActive();
    CTextLineReader reader;
    bool success = false;
    try {
        reader.Open(path);
        SBenchmarkInstance instance;
        ReadBenchmarkInstance(reader, instance);
        BuildDocument(document, instance, path);
        success = true;
    } catch (const SBenchmarkInstanceError& error) {
        DisplayErrorMessage(
            FormatString("%s, line %d: %s", path.c_str(), reader.GetLineNumber(), error.message.c_str()));
    } catch (const CUserException&) {
        // The message has been shown.
    } catch (const CFileException& error) {
        DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(false, "Benchmark Instance", error));
    } catch (const std::bad_alloc&) {
        DisplayErrorMessage(
            FormatString("Could not read from Benchmark Instance file \"%s\": out of memory", path.c_str()));
    }
    if (!success) {
        document.Clear();
        document.SetPathName(std::string());
    } else {
        document.SetModifiedFlag(false);
    }
    return success;
}

std::unique_ptr<CTramletDoc> OpenBenchmarkInstance(const std::string& path) {
    CSableWinApp* app = CSableWinApp::GetApp();
    CSableDocument* previous = app != nullptr ? app->GetDocument() : nullptr;
    auto document = std::make_unique<CTramletDoc>();
    if (ImportBenchmarkInstance(*document, path)) {
        return document;
    }
    document.reset();
    if (app != nullptr) {
        app->SetDocument(previous);
    }
    return nullptr;
}

bool IsBenchmarkInstanceFileName(const std::string& path) {
    return HasExtension(path, ".vrpb");
}

bool CameFromBenchmarkInstance(const CTramletDoc& document) {
    return IsBenchmarkInstanceFileName(document.GetPathName());
}
