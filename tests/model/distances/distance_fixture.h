#pragma once

#include <cmath>
#include <vector>

#include "model/distances/distance_data.h"
#include "model/distances/road_network.h"
#include "tests/support/app_fixture.h"

// A road network whose route from a to b is 100 per degree of latitude plus 10 per degree of
// longitude, plus 1 towards the south. It can refuse to start, fail at a chosen route or return
// a negative distance, and records what it was asked.
class CFakeRoadNetwork : public CRoadNetworkProvider {
public:
    void Start() override {
        ++starts;
        if (refuseStart) {
            throw CRoadNetworkError("The road network file could not be read");
        }
        ++running;
    }
    void Quit() noexcept override { --running; }
    double GetRoadDistance(const SGeoPosition& from, const SGeoPosition& to,
                           const CMapPointRoutePreferences& preferences) override {
        if (static_cast<int>(requests.size()) == failAtRequest) {
            throw CRoadNetworkError("No route between the two positions");
        }
        requests.push_back({from, to});
        lastPreferences = preferences;
        return returnNegative ? -5.0
                              : 100.0 * std::fabs(from.latitude - to.latitude) +
                                    10.0 * std::fabs(from.longitude - to.longitude) +
                                    (to.latitude < from.latitude ? 1.0 : 0.0);
    }
    std::optional<SGeoPosition> FindAddress(const SPostalAddress& address) override {
        lastAddress = address;
        return foundPosition;
    }

    bool refuseStart = false;
    bool returnNegative = false;
    int failAtRequest = -1;
    int starts = 0;
    int running = 0;
    std::vector<std::pair<SGeoPosition, SGeoPosition>> requests;
    CMapPointRoutePreferences lastPreferences;
    std::optional<SGeoPosition> foundPosition;
    SPostalAddress lastAddress;
};

class DistanceFixture : public AppFixture {
protected:
    void TearDown() override {
        SetRoadNetworkProvider(nullptr);
        AppFixture::TearDown();
    }
    // World limits 3000 x 4000, or 10 W to 10 E and 5 S to 5 N.
    static SDistanceSettings Planar(EDISTANCENORM norm, double factor = 1.0) {
        SDistanceSettings settings;
        settings.norm = norm;
        settings.distanceFactor = factor;
        settings.worldLimits = CLonLatRect(0, 0, 3000, 4000);
        return settings;
    }
    static SDistanceSettings Geographic(EDISTANCENORM norm, double factor = 1.0) {
        SDistanceSettings settings = Planar(norm, factor);
        settings.geographic = true;
        settings.worldLimits = CLonLatRect(-100000, -50000, 100000, 50000);
        return settings;
    }

    CFakeRoadNetwork network;
};
