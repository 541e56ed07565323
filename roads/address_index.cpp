#include "roads/address_index.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <limits>

#include "roads/road_graph.h"

namespace {

constexpr double kNamedRoadReachMetres = 25000.0;

// Whether an entry's region (empty when it has none) admits the region asked for.
bool RegionAdmits(const std::string& entryRegion, const std::string& region) {
    return entryRegion.empty() || entryRegion == region;
}

// A postal code without spaces.
std::string SquashPostalCode(const std::string& code) {
    std::string squashed;
    for (char c : code) {
        if (c != ' ') {
            squashed += c;
        }
    }
    return squashed;
}

// Whether a word is a house number: a digit first ("12", "12a", "12-14").
bool IsHouseNumber(const std::string& word) {
    return !word.empty() && std::isdigit(static_cast<unsigned char>(word[0]));
}

// Splits a normalised street text into its house number (first or last word) and street name.
std::pair<std::string, std::string> SplitStreet(const std::string& street) {
    const std::size_t first = street.find(' ');
    if (first != std::string::npos && IsHouseNumber(street.substr(0, first))) {
        return {street.substr(0, first), street.substr(first + 1)};
    }
    const std::size_t last = street.rfind(' ');
    if (last != std::string::npos && IsHouseNumber(street.substr(last + 1))) {
        return {street.substr(last + 1), street.substr(0, last)};
    }
    return {std::string(), street};
}

double Metres(const SGeoPosition& a, const SGeoPosition& b) {
    return GetGroundMetres(a.latitude, a.longitude, b.latitude, b.longitude);
}

} // namespace

std::string CAddressIndex::Normalise(const std::string& text) {
    std::string normal;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isspace(u)) {
            if (!normal.empty() && normal.back() != ' ') {
                normal += ' ';
            }
        } else {
            normal += static_cast<char>(std::tolower(u));
        }
    }
    if (!normal.empty() && normal.back() == ' ') {
        normal.pop_back();
    }
    return normal;
}

std::optional<int> CAddressIndex::GetPlaceRank(const std::string& place) {
    static const std::array<const char*, 9> kPlaces = {"city",   "town",     "village",
                                                       "suburb", "quarter",  "neighbourhood",
                                                       "hamlet", "locality", "isolated_dwelling"};
    for (std::size_t k = 0; k < kPlaces.size(); ++k) {
        if (place == kPlaces[k]) {
            return static_cast<int>(k);
        }
    }
    return std::nullopt;
}

void CAddressIndex::AddEntry(SEntry entry) {
    entry.street = Normalise(entry.street);
    entry.houseNumber = Normalise(entry.houseNumber);
    entry.city = Normalise(entry.city);
    entry.postalCode = SquashPostalCode(Normalise(entry.postalCode));
    entry.region = Normalise(entry.region);
    m_entries.push_back(std::move(entry));
}

void CAddressIndex::AddPlace(SPlace place) {
    place.name = Normalise(place.name);
    place.region = Normalise(place.region);
    m_places.push_back(std::move(place));
}

void CAddressIndex::AddNamedRoad(SNamedRoad road) {
    road.name = Normalise(road.name);
    m_roads.push_back(std::move(road));
}

std::size_t CAddressIndex::GetMemoryBytes() const {
    std::size_t bytes = m_entries.capacity() * sizeof(SEntry) + m_places.capacity() * sizeof(SPlace) +
                        m_roads.capacity() * sizeof(SNamedRoad);
    for (const SEntry& entry : m_entries) {
        bytes += entry.street.capacity() + entry.city.capacity(); // the longer texts, beyond short buffers
    }
    for (const SNamedRoad& road : m_roads) {
        bytes += road.name.capacity();
    }
    return bytes;
}

std::optional<SGeoPosition> CAddressIndex::FindCity(const std::string& city,
                                                    const std::string& region) const {
    const SPlace* best = nullptr;
    for (const SPlace& place : m_places) {
        if (place.name == city && RegionAdmits(place.region, region) &&
            (best == nullptr || place.rank < best->rank)) {
            best = &place;
        }
    }
    if (best != nullptr) {
        return best->position;
    }
    SGeoPosition sum;
    int count = 0;
    for (const SEntry& entry : m_entries) {
        if (entry.city == city && RegionAdmits(entry.region, region)) {
            sum.latitude += entry.position.latitude;
            sum.longitude += entry.position.longitude;
            ++count;
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    return SGeoPosition{sum.latitude / count, sum.longitude / count};
}

std::optional<SGeoPosition> CAddressIndex::FindStreet(const SPostalAddress& address, const std::string& city,
                                                      const std::string& region,
                                                      const SGeoPosition& cityPosition) const {
    const auto [houseNumber, street] = SplitStreet(Normalise(address.street));
    const std::string postalCode = SquashPostalCode(Normalise(address.postalCode));
    const long wanted = std::atol(houseNumber.c_str());
    const SEntry* best = nullptr;
    long bestGap = std::numeric_limits<long>::max();
    for (const SEntry& entry : m_entries) {
        if (entry.street != street || entry.city != city || !RegionAdmits(entry.region, region) ||
            (!postalCode.empty() && !entry.postalCode.empty() && entry.postalCode != postalCode)) {
            continue;
        }
        if (!houseNumber.empty() && entry.houseNumber == houseNumber) {
            return entry.position;
        }
        const long gap = std::labs(std::atol(entry.houseNumber.c_str()) - wanted);
        if (gap < bestGap) {
            bestGap = gap;
            best = &entry;
        }
    }
    if (best != nullptr) {
        return best->position;
    }
    const SNamedRoad* nearest = nullptr;
    double nearestMetres = kNamedRoadReachMetres;
    for (const SNamedRoad& road : m_roads) {
        if (road.name == street && Metres(road.position, cityPosition) <= nearestMetres) {
            nearestMetres = Metres(road.position, cityPosition);
            nearest = &road;
        }
    }
    if (nearest == nullptr) {
        return std::nullopt;
    }
    return nearest->position;
}

bool CAddressIndex::IsCityInRegion(const std::string& city, const std::string& region) const {
    bool tagged = false;
    for (const SPlace& place : m_places) {
        if (place.name == city && !place.region.empty()) {
            if (place.region == region) {
                return true;
            }
            tagged = true;
        }
    }
    for (const SEntry& entry : m_entries) {
        if (entry.city == city && !entry.region.empty()) {
            if (entry.region == region) {
                return true;
            }
            tagged = true;
        }
    }
    return !tagged;
}

std::optional<SGeoPosition> CAddressIndex::Find(const SPostalAddress& address) const {
    const std::string city = Normalise(address.city);
    const std::string region = Normalise(address.region);
    if (!IsCityInRegion(city, region)) {
        return std::nullopt;
    }
    const std::optional<SGeoPosition> cityPosition = FindCity(city, region);
    if (!cityPosition || Normalise(address.street).empty()) {
        return cityPosition;
    }
    return FindStreet(address, city, region, *cityPosition);
}
