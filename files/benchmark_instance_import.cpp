#include "files/benchmark_instance_import.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <map>
#include <new>
#include <set>
#include <strings.h>
#include <vector>

#include "files/text_items.h"
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

// A malformed line: what is wrong with it.
struct SInstanceError {
    std::string message;
};

[[noreturn]] void Fail(const std::string& message) {
    throw SInstanceError{message};
}

// One node of the instance as read.
struct SNode {
    bool hasCoordinates = false;
    double x = 0.0;
    double y = 0.0;
    int demand = 0;
    int pickup = 0;
    bool backhaul = false;
};

// Everything a file holds, before anything goes into the document.
struct SInstance {
    std::string name;
    int dimension = 0;
    int vehicles = 0;
    int capacity = 0;
    std::string weightType;
    std::string weightFormat;
    std::vector<SNode> nodes; // index = node id - 1
    std::vector<int> depots;
    std::vector<double> matrix; // dimension x dimension, row = from
    std::set<std::string> sections;
};

enum class ESection { none, coordinates, demand, pickup, backhaul, depot, weights, ignored };

double ParseNumber(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value)) {
        Fail(FormatString("\"%s\" is not a number", text.c_str()));
    }
    return value;
}

int ParseWhole(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < INT_MIN || value > INT_MAX) {
        Fail(FormatString("\"%s\" is not a whole number", text.c_str()));
    }
    return static_cast<int>(value);
}

// Reads the file line by line into an instance; the reader's line number names the culprit.
class CInstanceParser {
public:
    explicit CInstanceParser(SInstance& instance) : m_instance(instance) {}

    void Read(CTextLineReader& reader);
    void Finish();

private:
    void ReadKeyword(const std::string& key, const std::string& value);
    void StartSection(const std::string& name);
    void ReadSectionLine(const std::vector<std::string>& items);
    void CloseSection();
    SNode& Node(int id, const char* what);

    SInstance& m_instance;
    ESection m_section = ESection::none;
    bool m_closed = false; // the section's -1 has been read
};

SNode& CInstanceParser::Node(int id, const char* what) {
    if (id < 1 || id > m_instance.dimension) {
        Fail(FormatString("%s %d does not exist (DIMENSION is %d)", what, id, m_instance.dimension));
    }
    return m_instance.nodes[static_cast<std::size_t>(id - 1)];
}

void CInstanceParser::Read(CTextLineReader& reader) {
    std::string line;
    while (reader.ReadLine(line)) {
        std::vector<std::string> items = SplitItems(line);
        if (items.empty()) {
            continue;
        }
        const std::string& first = items[0];
        if (first == "EOF") {
            break;
        }
        const std::size_t colon = line.find(':');
        std::string word = first.substr(0, first.find(':'));
        if (word.size() > 8 && word.compare(word.size() - 8, 8, "_SECTION") == 0) {
            CloseSection();
            StartSection(word);
        } else if (colon != std::string::npos && !word.empty() &&
                   std::isalpha(static_cast<unsigned char>(word[0]))) {
            CloseSection();
            std::string key = line.substr(0, colon);
            std::string value = line.substr(colon + 1);
            auto trim = [](std::string& text) {
                text.erase(0, text.find_first_not_of(" \t"));
                text.erase(text.find_last_not_of(" \t") + 1);
            };
            trim(key);
            trim(value);
            ReadKeyword(key, value);
        } else if (m_section == ESection::none) {
            Fail(FormatString("\"%s\" is neither a keyword nor in a section", line.c_str()));
        } else {
            ReadSectionLine(items);
        }
    }
    CloseSection();
}

void CInstanceParser::ReadKeyword(const std::string& key, const std::string& value) {
    if (key == "NAME") {
        m_instance.name = value;
    } else if (key == "DIMENSION") {
        if (m_instance.dimension != 0) {
            Fail("DIMENSION is given twice");
        }
        m_instance.dimension = ParseWhole(value);
        if (m_instance.dimension < 2 || m_instance.dimension > 100000) {
            Fail(FormatString("DIMENSION %d is not between 2 and 100000", m_instance.dimension));
        }
        m_instance.nodes.resize(static_cast<std::size_t>(m_instance.dimension));
    } else if (key == "VEHICLES") {
        m_instance.vehicles = ParseWhole(value);
        if (m_instance.vehicles < 1 || m_instance.vehicles > TRAMLET_MAX_VEHICLES) {
            Fail(FormatString("VEHICLES %d is not between 1 and %d", m_instance.vehicles,
                              TRAMLET_MAX_VEHICLES));
        }
    } else if (key == "CAPACITY") {
        m_instance.capacity = ParseWhole(value);
        if (m_instance.capacity < 1 || m_instance.capacity > 32767) {
            Fail(FormatString("CAPACITY %d is not between 1 and 32767", m_instance.capacity));
        }
    } else if (key == "EDGE_WEIGHT_TYPE") {
        if (value != "EXACT_2D" && value != "EUC_2D" && value != "EXPLICIT") {
            Fail(FormatString("EDGE_WEIGHT_TYPE %s is not supported (EXACT_2D, EUC_2D or EXPLICIT)",
                              value.c_str()));
        }
        m_instance.weightType = value;
    } else if (key == "EDGE_WEIGHT_FORMAT") {
        if (value != "FULL_MATRIX") {
            Fail(FormatString("EDGE_WEIGHT_FORMAT %s is not supported (FULL_MATRIX)", value.c_str()));
        }
        m_instance.weightFormat = value;
    } else if (key == "TYPE") {
        if (value != "VRPB" && value != "CVRP" && value != "VRPSPD" && value != "VRPB-LIB") {
            Fail(FormatString("TYPE %s is not a routing problem with backhauls", value.c_str()));
        }
    }
    // COMMENT, NODE_COORD_TYPE, DISPLAY_DATA_TYPE, SERVICE_TIME and the like are not needed.
}

void CInstanceParser::StartSection(const std::string& name) {
    static const std::map<std::string, ESection> kSections = {
        {"NODE_COORD_SECTION", ESection::coordinates}, {"DEMAND_SECTION", ESection::demand},
        {"LINEHAUL_SECTION", ESection::demand},        {"PICKUP_SECTION", ESection::pickup},
        {"BACKHAUL_SECTION", ESection::backhaul},      {"DEPOT_SECTION", ESection::depot},
        {"EDGE_WEIGHT_SECTION", ESection::weights},    {"DISPLAY_DATA_SECTION", ESection::ignored}};
    auto found = kSections.find(name);
    if (found == kSections.end()) {
        Fail(FormatString("unknown section %s", name.c_str()));
    }
    if (found->second != ESection::ignored && m_instance.dimension == 0) {
        Fail(FormatString("%s comes before DIMENSION", name.c_str()));
    }
    if (!m_instance.sections.insert(name).second) {
        Fail(FormatString("%s is given twice", name.c_str()));
    }
    m_section = found->second;
    m_closed = false;
}

void CInstanceParser::ReadSectionLine(const std::vector<std::string>& items) {
    if (m_closed) {
        Fail(FormatString("\"%s\" follows the closing -1", items[0].c_str()));
    }
    switch (m_section) {
    case ESection::coordinates: {
        if (items.size() < 3) {
            Fail("a coordinate line needs a node id, x and y");
        }
        SNode& node = Node(ParseWhole(items[0]), "coordinates for node");
        node.x = ParseNumber(items[1]);
        node.y = ParseNumber(items[2]);
        node.hasCoordinates = true;
        break;
    }
    case ESection::demand:
    case ESection::pickup: {
        if (items.size() != 2) {
            Fail("a quantity line needs a node id and a quantity");
        }
        const int id = ParseWhole(items[0]);
        SNode& node = Node(id, m_section == ESection::demand ? "the demand line names node" : "the pickup line names node");
        const int quantity = ParseWhole(items[1]);
        if (quantity < 0 || quantity > 32767) {
            Fail(FormatString("quantity %d of node %d is not between 0 and 32767", quantity, id));
        }
        (m_section == ESection::demand ? node.demand : node.pickup) = quantity;
        break;
    }
    case ESection::backhaul:
    case ESection::depot:
        for (const std::string& item : items) {
            if (m_closed) {
                Fail(FormatString("\"%s\" follows the closing -1", item.c_str()));
            }
            const int id = ParseWhole(item);
            if (id == -1) {
                m_closed = true;
            } else if (m_section == ESection::backhaul) {
                Node(id, "backhaul node").backhaul = true;
            } else {
                Node(id, "depot node");
                m_instance.depots.push_back(id);
            }
        }
        break;
    case ESection::weights: {
        const std::size_t needed = static_cast<std::size_t>(m_instance.dimension) * m_instance.dimension;
        for (const std::string& item : items) {
            if (m_instance.matrix.size() == needed) {
                Fail(FormatString("EDGE_WEIGHT_SECTION holds more than %zu distances", needed));
            }
            const double distance = ParseNumber(item);
            if (distance < 0.0) {
                Fail(FormatString("distance %s is negative", item.c_str()));
            }
            m_instance.matrix.push_back(distance);
        }
        break;
    }
    case ESection::none:
    case ESection::ignored:
        break;
    }
}

void CInstanceParser::CloseSection() {
    if (m_section == ESection::weights) {
        const std::size_t needed = static_cast<std::size_t>(m_instance.dimension) * m_instance.dimension;
        if (m_instance.matrix.size() != needed) {
            Fail(FormatString("EDGE_WEIGHT_SECTION ends after %zu of %zu distances", m_instance.matrix.size(),
                              needed));
        }
    }
    m_section = ESection::none;
}

// The checks of the whole file, made at its end.
void CInstanceParser::Finish() {
    SInstance& in = m_instance;
    if (in.dimension == 0) {
        Fail("DIMENSION is missing");
    }
    if (in.capacity == 0) {
        Fail("CAPACITY is missing");
    }
    const bool explicitMatrix = in.weightType == "EXPLICIT";
    if (explicitMatrix && in.weightFormat.empty()) {
        Fail("EDGE_WEIGHT_FORMAT is missing");
    }
    if (in.weightType.empty()) {
        Fail("EDGE_WEIGHT_TYPE is missing");
    }
    for (const char* name : {"DEMAND_SECTION", "DEPOT_SECTION"}) {
        if (!in.sections.count(name) &&
            !(std::string(name) == "DEMAND_SECTION" && in.sections.count("LINEHAUL_SECTION"))) {
            Fail(FormatString("missing %s", name));
        }
    }
    if (!in.sections.count("BACKHAUL_SECTION") && !in.sections.count("PICKUP_SECTION")) {
        Fail("missing BACKHAUL_SECTION");
    }
    if (explicitMatrix ? !in.sections.count("EDGE_WEIGHT_SECTION")
                       : !in.sections.count("NODE_COORD_SECTION")) {
        Fail(FormatString("missing %s", explicitMatrix ? "EDGE_WEIGHT_SECTION" : "NODE_COORD_SECTION"));
    }
    if (in.depots.size() != 1) {
        Fail(FormatString("DEPOT_SECTION names %zu depots instead of one", in.depots.size()));
    }
    const bool anyCoordinates = in.sections.count("NODE_COORD_SECTION") != 0;
    for (int id = 1; id <= in.dimension; ++id) {
        SNode& node = in.nodes[static_cast<std::size_t>(id - 1)];
        if (anyCoordinates && !node.hasCoordinates) {
            Fail(FormatString("NODE_COORD_SECTION gives no coordinates for node %d", id));
        }
        if (node.pickup > 0) {
            if (node.demand > 0) {
                Fail(FormatString("node %d both delivers %d and picks up %d", id, node.demand, node.pickup));
            }
            node.backhaul = true;
            node.demand = node.pickup;
        }
    }
    if (in.nodes[static_cast<std::size_t>(in.depots[0] - 1)].backhaul) {
        Fail(FormatString("the depot %d is also a backhaul", in.depots[0]));
    }
}

CFacility* AddNode(CTramletDoc& document, int type, int id, CLonLatPoint location, int quantity) {
    CPRGB color;
    color.SetColorIndex(type == FT_CUSTOMER ? COLOR_RED : type == FT_SUPPLIER ? COLOR_GREEN : COLOR_BLUE);
    const std::string label = std::to_string(id);
    auto facility =
        std::make_unique<CFacility>(type, location, CIntPoint{location.x(), location.y()},
                                    type == FT_DEPOT ? 0 : quantity, 5, SHAPE_CIRCLE, color, label, label);
    if (facility->GetLabel() != label) {
        ThrowUserException();
    }
    facility->UpdateViewLocation();
    return document.AddFacility(std::move(facility), false);
}

// Whole-number locations of the nodes: the coordinates when they are whole numbers, else the
// coordinates rounded; without coordinates, a circle for the display.
std::vector<CLonLatPoint> NodeLocations(const SInstance& in, bool& wholeNumbers) {
    std::vector<CLonLatPoint> locations;
    wholeNumbers = true;
    const double pi = std::acos(-1.0);
    for (int i = 0; i < in.dimension; ++i) {
        const SNode& node = in.nodes[static_cast<std::size_t>(i)];
        if (!node.hasCoordinates) {
            const double angle = 2.0 * pi * i / in.dimension;
            locations.emplace_back(static_cast<int>(5000 + 4000 * std::cos(angle)),
                                   static_cast<int>(5000 + 4000 * std::sin(angle)));
            wholeNumbers = false;
            continue;
        }
        if (std::fabs(node.x) > 1e9 || std::fabs(node.y) > 1e9) {
            Fail(FormatString("the coordinates of node %d are too large", i + 1));
        }
        wholeNumbers = wholeNumbers && node.x == std::round(node.x) && node.y == std::round(node.y);
        locations.emplace_back(static_cast<int>(std::lround(node.x)), static_cast<int>(std::lround(node.y)));
    }
    return locations;
}

// Fills the document from the instance: facilities in the order customers, suppliers, depot
// (each by node id), fleet, distances.
void BuildDocument(CTramletDoc& document, const SInstance& in, const std::string& path) {
    bool wholeNumbers = false;
    const std::vector<CLonLatPoint> locations = NodeLocations(in, wholeNumbers);
    int west = 0, south = 0, east = 1, north = 1;
    for (const CLonLatPoint& p : locations) {
        west = std::min(west, p.x());
        south = std::min(south, p.y());
        east = std::max(east, p.x() + 1);
        north = std::max(north, p.y() + 1);
    }
    document.OnNewDocument(CLonLatRect(west, south, east, north));
    document.InitializeFleetParameters(true);
    document.SetPathName(path);
    document.SetDocTitle(in.name);
    const int depot = in.depots[0];
    std::vector<CFacility*> byNode(static_cast<std::size_t>(in.dimension), nullptr);
    for (int type : {FT_CUSTOMER, FT_SUPPLIER}) {
        for (int id = 1; id <= in.dimension; ++id) {
            const SNode& node = in.nodes[static_cast<std::size_t>(id - 1)];
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
                const SNode& a = in.nodes[from];
                const SNode& b = in.nodes[to];
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
        SInstance instance;
        CInstanceParser parser(instance);
        parser.Read(reader);
        parser.Finish();
        BuildDocument(document, instance, path);
        success = true;
    } catch (const SInstanceError& error) {
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
