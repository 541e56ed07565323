#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/geography/lon_lat.h"
#include "model/distances/route_preferences.h"

// The road network behind the "Transportation_Network" norm and the address lookup of the
// facility dialog. Any component that returns a road distance for two positions (and can find an
// address) serves; the program installs at most one at start and probes it once.

// A position in fractional degrees.
struct SGeoPosition {
    double latitude = 0.0;
    double longitude = 0.0;
};

// The five texts of an address.
struct SPostalAddress {
    std::string street;
    std::string city;
    std::string region; // state or region
    std::string postalCode;
    std::string country;
};

// What a provider throws when it cannot start or cannot calculate a route; the text is shown.
class CRoadNetworkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CRoadNetworkProvider {
public:
    virtual ~CRoadNetworkProvider();

    // Opens a session (loads the network); throws CRoadNetworkError when it cannot.
    virtual void Start() = 0;
    // Ends the session. Called once for every successful Start.
    virtual void Quit() noexcept = 0;
    // The road distance from one position to the other; throws CRoadNetworkError when there is none.
    virtual double GetRoadDistance(const SGeoPosition& from, const SGeoPosition& to,
                                   const CMapPointRoutePreferences& preferences) = 0;
    // The road distances between one position and several others, handed to store(k, distance)
    // in the order of the others: from origin to others[k], or with towardOrigin from others[k] to
    // origin. Throws CRoadNetworkError at the first one it cannot calculate, after storing those
    // before it. The default asks GetRoadDistance for each pair; a provider that can should answer
    // with one search from the origin.
    virtual void GetRoadDistances(const SGeoPosition& origin, const std::vector<SGeoPosition>& others,
                                  bool towardOrigin, const CMapPointRoutePreferences& preferences,
                                  const std::function<void(std::size_t, double)>& store);
    // The distance from positions[i] to positions[j] for every i before j, handed to
    // store(i, j, distance) row after row (j rising in each row). Throws CRoadNetworkError at the
    // first one it cannot calculate, after storing those before it. The default asks
    // GetRoadDistances once per row; a provider may calculate rows side by side.
    virtual void GetRoadDistanceRows(const std::vector<SGeoPosition>& positions,
                                     const CMapPointRoutePreferences& preferences,
                                     const std::function<void(std::size_t, std::size_t, double)>& store);
    // The position of an address, or nothing when no usable result is found.
    virtual std::optional<SGeoPosition> FindAddress(const SPostalAddress& address) = 0;
};

// Installs the provider (not owned; null removes it) and probes it once by starting and quitting
// it. Returns whether the road network is available afterwards.
bool SetRoadNetworkProvider(CRoadNetworkProvider* provider);
CRoadNetworkProvider* GetRoadNetworkProvider();
// The outcome of the probe: the "Transportation_Network" norm and the address lookup are offered
// only when it is true.
bool IsMapPointAvailable();

// The message shown when a road distance is needed and no road network is available.
extern const char* const kRoadNetworkNotAvailableMessage;

// A started session with the installed provider, quit again when the object ends. Every failure
// is shown through DisplayErrorMessage and raises a user exception.
class CRoadNetworkSession {
public:
    CRoadNetworkSession();
    ~CRoadNetworkSession();
    CRoadNetworkSession(const CRoadNetworkSession&) = delete;
    CRoadNetworkSession& operator=(const CRoadNetworkSession&) = delete;

    // A road distance; an error of the provider, or a negative or non-finite result, is refused.
    double GetRoadDistance(const SGeoPosition& from, const SGeoPosition& to,
                           const CMapPointRoutePreferences& preferences);
    // The distances between origin and each of others (see CRoadNetworkProvider::GetRoadDistances),
    // each checked as above before it is stored; the first failure is shown and raises a user
    // exception after the distances before it have been stored.
    void GetRoadDistances(const SGeoPosition& origin, const std::vector<SGeoPosition>& others,
                          bool towardOrigin, const CMapPointRoutePreferences& preferences,
                          const std::function<void(std::size_t, double)>& store);
    // Every distance from a position to those behind it (see
    // CRoadNetworkProvider::GetRoadDistanceRows), checked and reported as above.
    void GetRoadDistanceRows(const std::vector<SGeoPosition>& positions,
                             const CMapPointRoutePreferences& preferences,
                             const std::function<void(std::size_t, std::size_t, double)>& store);
    std::optional<SGeoPosition> FindAddress(const SPostalAddress& address);

private:
    CRoadNetworkProvider* m_provider = nullptr;
};

// Whether the facility dialog offers the address lookup.
bool IsAddressLookupOffered(bool geographicProjection);

// The find command of the facility dialog: checks the city and the state or region, asks the road
// network for the address and gives its position packed as degrees, minutes and seconds. Returns
// false after its message when there is no result (packedLocation is then unchanged).
bool LookupAddress(const SPostalAddress& address, CLonLatPoint& packedLocation);
