#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/distances/road_network.h"

// The address lookup over an extract: the addresses tagged addr:* on nodes and buildings, the
// named places (place=city, town, village, ...) and the named roads.
//
// An address is found as follows (texts compared without regard to letter case and spacing):
// - the city must name a place or be the addr:city of some address; the state or region must
//   be one that the city's places and addresses name (addr:state, addr:province, is_in:state,
//   is_in:province, is_in:region), or any when none of them names one (an extract is often one
//   region whose entries carry none); entries naming another region are passed over;
// - without a street the position is the place (the largest kind first), else the mean of the
//   city's addresses;
// - a street ("12 Harbour Road" or "Harbour Road 12") is looked up among the city's addresses:
//   the house number itself, else the house on that street whose number is nearest; a postal
//   code, when both sides have one, must agree; a street with no addresses is taken from the
//   named road nearest to the city within 25 km;
// - the country is not compared.
class CAddressIndex {
public:
    struct SEntry {
        std::string street; // kept normalised
        std::string houseNumber;
        std::string city;
        std::string postalCode;
        std::string region;
        SGeoPosition position;
    };
    struct SPlace {
        std::string name;
        std::string region;
        int rank = 0; // 0 city, 1 town, 2 village, ... (smaller is larger)
        SGeoPosition position;
    };
    struct SNamedRoad {
        std::string name;
        SGeoPosition position; // a node halfway along the way
    };

    void AddEntry(SEntry entry);
    void AddPlace(SPlace place);
    void AddNamedRoad(SNamedRoad road);
    std::size_t GetNumberEntries() const { return m_entries.size() + m_places.size(); }
    std::size_t GetMemoryBytes() const;

    std::optional<SGeoPosition> Find(const SPostalAddress& address) const;

    // Lower case, single spaces, no leading or trailing space.
    static std::string Normalise(const std::string& text);
    // The rank of a place= value, or nothing when it is not a settlement.
    static std::optional<int> GetPlaceRank(const std::string& place);

private:
    // Whether the city's places and addresses name the region, or none of them names any.
    bool IsCityInRegion(const std::string& city, const std::string& region) const;
    std::optional<SGeoPosition> FindCity(const std::string& city, const std::string& region) const;
    std::optional<SGeoPosition> FindStreet(const SPostalAddress& address, const std::string& city,
                                           const std::string& region, const SGeoPosition& cityPosition) const;

    std::vector<SEntry> m_entries;
    std::vector<SPlace> m_places;
    std::vector<SNamedRoad> m_roads;
};
