#include "model/distances/road_network.h"

#include <cctype>
#include <cmath>

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"

namespace {

CRoadNetworkProvider* g_provider = nullptr;
bool g_available = false;

bool IsBlank(const std::string& text) {
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

void ShowLookupMessage(const char* text) {
    GetUserInterface().MessageBox(text, EMessageIcon::exclamation, EMessageButtons::ok);
}

} // namespace

const char* const kRoadNetworkNotAvailableMessage =
    "No road network is available to calculate link distances over the transportation network";

CRoadNetworkProvider::~CRoadNetworkProvider() = default;

void CRoadNetworkProvider::GetRoadDistances(const SGeoPosition& origin,
                                            const std::vector<SGeoPosition>& others, bool towardOrigin,
                                            const CMapPointRoutePreferences& preferences,
                                            const std::function<void(std::size_t, double)>& store) {
    for (std::size_t k = 0; k < others.size(); ++k) {
        store(k, towardOrigin ? GetRoadDistance(others[k], origin, preferences)
                              : GetRoadDistance(origin, others[k], preferences));
    }
}

bool SetRoadNetworkProvider(CRoadNetworkProvider* provider) {
    g_provider = provider;
    g_available = false;
    if (provider != nullptr) {
        try {
            provider->Start();
            provider->Quit();
            g_available = true;
        } catch (const CRoadNetworkError&) {
            // Not available: the norm and the address lookup are simply not offered.
        }
    }
    return g_available;
}

CRoadNetworkProvider* GetRoadNetworkProvider() {
    return g_provider;
}

bool IsMapPointAvailable() {
    return g_available && g_provider != nullptr;
}

CRoadNetworkSession::CRoadNetworkSession() {
    if (!IsMapPointAvailable()) {
        DisplayErrorMessage(kRoadNetworkNotAvailableMessage);
        ThrowUserException();
    }
    try {
        g_provider->Start();
    } catch (const CRoadNetworkError& error) {
        DisplayErrorMessage(error.what());
        ThrowUserException();
    }
    m_provider = g_provider;
}

CRoadNetworkSession::~CRoadNetworkSession() {
    if (m_provider != nullptr) {
        m_provider->Quit();
    }
}

void CRoadNetworkProvider::GetRoadDistanceRows(
    const std::vector<SGeoPosition>& positions, const CMapPointRoutePreferences& preferences,
    const std::function<void(std::size_t, std::size_t, double)>& store) {
    for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
        const std::vector<SGeoPosition> after(positions.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                              positions.end());
        GetRoadDistances(positions[i], after, false, preferences,
                         [&](std::size_t k, double distance) { store(i, i + 1 + k, distance); });
    }
}

namespace {

// Refuses a negative or non-finite road distance with its message and a user exception.
void CheckRoadDistance(double distance, const SGeoPosition& from, const SGeoPosition& to) {
    if (!std::isfinite(distance) || distance < 0.0) {
        DisplayErrorMessage(FormatString("Invalid road distance %lf from [%lf, %lf] to [%lf, %lf]", distance,
                                         from.latitude, from.longitude, to.latitude, to.longitude));
        ThrowUserException();
    }
}

} // namespace

double CRoadNetworkSession::GetRoadDistance(const SGeoPosition& from, const SGeoPosition& to,
                                            const CMapPointRoutePreferences& preferences) {
    double distance = 0.0;
    try {
        distance = m_provider->GetRoadDistance(from, to, preferences);
    } catch (const CRoadNetworkError& error) {
        DisplayErrorMessage(error.what());
        ThrowUserException();
    }
    CheckRoadDistance(distance, from, to);
    return distance;
}

void CRoadNetworkSession::GetRoadDistances(const SGeoPosition& origin,
                                           const std::vector<SGeoPosition>& others, bool towardOrigin,
                                           const CMapPointRoutePreferences& preferences,
                                           const std::function<void(std::size_t, double)>& store) {
    try {
        m_provider->GetRoadDistances(origin, others, towardOrigin, preferences,
                                     [&](std::size_t k, double distance) {
                                         CheckRoadDistance(distance, towardOrigin ? others.at(k) : origin,
                                                           towardOrigin ? origin : others.at(k));
                                         store(k, distance);
                                     });
    } catch (const CRoadNetworkError& error) {
        DisplayErrorMessage(error.what());
        ThrowUserException();
    }
}

void CRoadNetworkSession::GetRoadDistanceRows(
    const std::vector<SGeoPosition>& positions, const CMapPointRoutePreferences& preferences,
    const std::function<void(std::size_t, std::size_t, double)>& store) {
    try {
        m_provider->GetRoadDistanceRows(positions, preferences,
                                        [&](std::size_t i, std::size_t j, double distance) {
                                            CheckRoadDistance(distance, positions.at(i), positions.at(j));
                                            store(i, j, distance);
                                        });
    } catch (const CRoadNetworkError& error) {
        DisplayErrorMessage(error.what());
        ThrowUserException();
    }
}

std::optional<SGeoPosition> CRoadNetworkSession::FindAddress(const SPostalAddress& address) {
    try {
        return m_provider->FindAddress(address);
    } catch (const CRoadNetworkError& error) {
        DisplayErrorMessage(error.what());
        ThrowUserException();
    }
}

bool IsAddressLookupOffered(bool geographicProjection) {
    return geographicProjection && IsMapPointAvailable();
}

bool LookupAddress(const SPostalAddress& address, CLonLatPoint& packedLocation) {
    if (IsBlank(address.city)) {
        ShowLookupMessage("Geocoding requires a valid city");
        return false;
    }
    if (IsBlank(address.region)) {
        ShowLookupMessage("Geocoding requires a valid state or region");
        return false;
    }
    try {
        CRoadNetworkSession session;
        std::optional<SGeoPosition> position = session.FindAddress(address);
        bool usable = position.has_value() && std::isfinite(position->latitude) &&
                      std::isfinite(position->longitude) && std::fabs(position->latitude) <= MAX_LATITUDE &&
                      std::fabs(position->longitude) <= MAX_LONGITUDE;
        if (!usable) {
            ShowLookupMessage("No location found for this address");
            return false;
        }
        CLonLatPoint location(FracDegToDegMinSec(position->longitude),
                              FracDegToDegMinSec(position->latitude));
        packedLocation = location;
        return true;
    } catch (const CUserException&) {
        // The message has been shown; the dialog stays open.
        return false;
    }
}
