#pragma once

#include <string>

#include "roads/address_index.h"
#include "roads/road_graph.h"

// What a road network extract holds for Tramlet: the road graph and the address index.
struct SRoadNetworkData {
    CRoadGraph graph;
    CAddressIndex addresses;
};

// Reads an OpenStreetMap extract (.osm XML or .osm.pbf, optionally .osm.bz2 or .osm.gz) in two
// passes: the ways a vehicle may use (roads/road_types.h) and the addressed buildings first,
// then the positions of their nodes, the addressed nodes and the named places. Throws
// CRoadNetworkError when the file cannot be read or holds no road a vehicle may use.
SRoadNetworkData ReadOsmExtract(const std::string& path);
