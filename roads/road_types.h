#pragma once

#include <optional>
#include <string_view>

// Which OpenStreetMap ways a vehicle may use, and how they map onto the four road types of the
// route preferences (CMapPointRoutePreferences, indices 0 to 3 for its road types 1, 3, 4 and 6):
//
//   index  road type                     highway=                                   speed
//   0      motorways and trunk roads     motorway, trunk and their _link ways       100 km/h
//   1      primary and secondary roads   primary, secondary and their _link ways     70 km/h
//   2      tertiary roads                tertiary, tertiary_link                      50 km/h
//   3      residential and smaller       unclassified, residential, living_street,    30 km/h
//                                        service, road
//
// Every other highway value (footway, path, cycleway, track, pedestrian, steps, construction, ...)
// is left out, and so is a way tagged area=yes, or access, vehicle, motor_vehicle or motorcar
// with no or private.
//
// Direction: oneway=yes, true or 1 is open from the first node to the last, oneway=-1 or reverse
// the other way; motorways and roundabouts (junction=roundabout) are one-way unless oneway=no.

constexpr int NUMBER_ROAD_TYPES = 4;

// The speed of each road type in km/h.
constexpr double kRoadTypeSpeeds[NUMBER_ROAD_TYPES] = {100.0, 70.0, 50.0, 30.0};

// In which directions a way may be driven.
enum class EWayDirection {
    both,
    forward,  // from its first node to its last
    backward, // from its last node to its first
};

// The tags of a way that decide whether and how it is driven; an absent tag is empty.
struct SWayTags {
    std::string_view highway;
    std::string_view oneway;
    std::string_view junction;
    std::string_view area;
    std::string_view access;
    std::string_view vehicle;
    std::string_view motorVehicle;
    std::string_view motorcar;
};

// The road type (0 to 3) of a way a vehicle may use, or nothing for any other way.
std::optional<int> ClassifyRoadType(const SWayTags& tags);

// The directions in which a way of the given highway value may be driven.
EWayDirection GetWayDirection(const SWayTags& tags);
