#include "roads/road_types.h"

#include <array>
#include <utility>

namespace {

// The highway values a vehicle may use, with their road types.
constexpr std::array<std::pair<std::string_view, int>, 15> kHighwayRoadTypes = {{
    {"motorway", 0},
    {"motorway_link", 0},
    {"trunk", 0},
    {"trunk_link", 0},
    {"primary", 1},
    {"primary_link", 1},
    {"secondary", 1},
    {"secondary_link", 1},
    {"tertiary", 2},
    {"tertiary_link", 2},
    {"unclassified", 3},
    {"residential", 3},
    {"living_street", 3},
    {"service", 3},
    {"road", 3},
}};

// Whether an access tag closes the way to ordinary vehicles.
bool IsClosed(std::string_view access) {
    return access == "no" || access == "private";
}

} // namespace

std::optional<int> ClassifyRoadType(const SWayTags& tags) {
    if (tags.area == "yes" || IsClosed(tags.access) || IsClosed(tags.vehicle) ||
        IsClosed(tags.motorVehicle) || IsClosed(tags.motorcar)) {
        return std::nullopt;
    }
    for (const auto& [highway, roadType] : kHighwayRoadTypes) {
        if (tags.highway == highway) {
            return roadType;
        }
    }
    return std::nullopt;
}

EWayDirection GetWayDirection(const SWayTags& tags) {
    if (tags.oneway == "yes" || tags.oneway == "true" || tags.oneway == "1") {
        return EWayDirection::forward;
    }
    if (tags.oneway == "-1" || tags.oneway == "reverse") {
        return EWayDirection::backward;
    }
    if (tags.oneway.empty() && (tags.highway == "motorway" || tags.junction == "roundabout")) {
        return EWayDirection::forward;
    }
    return EWayDirection::both;
}
