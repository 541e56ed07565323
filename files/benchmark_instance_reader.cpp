#include "files/benchmark_instance_reader.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <map>

#include "files/text_items.h"
#include "files/text_line_reader.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

[[noreturn]] void Fail(const std::string& message) {
    throw SBenchmarkInstanceError{message};
}

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
    explicit CInstanceParser(SBenchmarkInstance& instance) : m_instance(instance) {}

    void Read(CTextLineReader& reader);
    void Finish();

private:
    void ReadKeyword(const std::string& key, const std::string& value);
    void StartSection(const std::string& name);
    void ReadSectionLine(const std::vector<std::string>& items);
    void CloseSection();
    SBenchmarkNode& Node(int id, const char* what);

    SBenchmarkInstance& m_instance;
    ESection m_section = ESection::none;
    bool m_closed = false; // the section's -1 has been read
};

SBenchmarkNode& CInstanceParser::Node(int id, const char* what) {
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
        const int largest = 2 * TRAMLET_MAX_FACILITIES_PER_TYPE + 1;
        if (m_instance.dimension < 2 || m_instance.dimension > largest) {
            Fail(FormatString("DIMENSION %d is not between 2 and %d", m_instance.dimension, largest));
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
        SBenchmarkNode& node = Node(ParseWhole(items[0]), "coordinates for node");
        node.x = ParseNumber(items[1]);
        node.y = ParseNumber(items[2]);
        if (std::fabs(node.x) > 1e9 || std::fabs(node.y) > 1e9) {
            Fail(FormatString("the coordinates of node %s are too large", items[0].c_str()));
        }
        node.hasCoordinates = true;
        break;
    }
    case ESection::demand:
    case ESection::pickup: {
        if (items.size() != 2) {
            Fail("a quantity line needs a node id and a quantity");
        }
        const int id = ParseWhole(items[0]);
        SBenchmarkNode& node = Node(id, m_section == ESection::demand ? "the demand line names node"
                                                                      : "the pickup line names node");
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
    SBenchmarkInstance& in = m_instance;
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
        SBenchmarkNode& node = in.nodes[static_cast<std::size_t>(id - 1)];
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
    const auto backhauls =
        std::count_if(in.nodes.begin(), in.nodes.end(), [](const SBenchmarkNode& n) { return n.backhaul; });
    const long linehauls = in.dimension - 1 - static_cast<long>(backhauls);
    // The limit and message of every other path that creates facilities.
    if (linehauls > TRAMLET_MAX_FACILITIES_PER_TYPE || backhauls > TRAMLET_MAX_FACILITIES_PER_TYPE) {
        const bool customers = linehauls > TRAMLET_MAX_FACILITIES_PER_TYPE;
        Fail(FormatString(
            "Invalid number of %s facilities %ld out of range [%d, %d]", customers ? "Customer" : "Supplier",
            customers ? linehauls : static_cast<long>(backhauls), 0, TRAMLET_MAX_FACILITIES_PER_TYPE));
    }
    if (in.nodes[static_cast<std::size_t>(in.depots[0] - 1)].backhaul) {
        Fail(FormatString("the depot %d is also a backhaul", in.depots[0]));
    }
}

} // namespace

void ReadBenchmarkInstance(CTextLineReader& reader, SBenchmarkInstance& instance) {
    CInstanceParser parser(instance);
    parser.Read(reader);
    parser.Finish();
}
