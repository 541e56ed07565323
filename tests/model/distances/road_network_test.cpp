#include <gtest/gtest.h>

#include "framework/exceptions/user_exception.h"
#include "model/distances/distance_data.h"
#include "model/distances/road_network.h"
#include "model/distances/route_preferences.h"
#include "tests/model/distances/distance_fixture.h"

namespace {

using RoadNetworkTest = DistanceFixture;

// Three facilities at whole degrees: (lat 1, lon 2), (lat 3, lon 1), (lat 0, lon 0).
const std::vector<CLonLatPoint> kPlaces = {{20000, 10000}, {10000, 30000}, {0, 0}};

TEST_F(RoadNetworkTest, TransportationNetworkUsesTheRoadDistanceWithoutTheFactor) {
    ASSERT_TRUE(SetRoadNetworkProvider(&network));
    SDistanceSettings settings = Geographic(DN_TRANSPORTATION_NETWORK, 3.0);
    settings.routePreferences.m_routeMethod = 1;
    settings.routePreferences.m_preferences[2] = 0.25;
    CDistanceData data;
    data.ComputeAllDistances(kPlaces, settings);

    // Each pair once, from the earlier to the later facility, in fractional degrees.
    ASSERT_EQ(network.requests.size(), 3u);
    EXPECT_DOUBLE_EQ(network.requests[0].first.longitude, 2.0);
    EXPECT_DOUBLE_EQ(network.requests[0].second.latitude, 3.0);
    EXPECT_EQ(network.lastPreferences, settings.routePreferences);
    EXPECT_DOUBLE_EQ(data.GetDistance(1, 0), 210.0);
    EXPECT_DOUBLE_EQ(data.GetDistance(0, 2), 121.0);
    EXPECT_DOUBLE_EQ(data.GetDistance(2, 1), 311.0);
    // One session, quit again.
    EXPECT_EQ(network.starts, 2);
    EXPECT_EQ(network.running, 0);

    // The progress window counts all n(n-1)/2 links and is closed.
    ASSERT_EQ(ui.closedStatusWindows.size(), 1u);
    EXPECT_EQ(ui.statusUpdates.front().title,
              "Using MapPoint to calculate all link distances over the transportation network");
    EXPECT_EQ(ui.statusUpdates.front().fields[0].value, "0 of 3");
    EXPECT_EQ(ui.statusUpdates.back().fields[0].value, "3 of 3");

    // A depot's row and column alone, same direction rule.
    network.requests.clear();
    data.SetDistance(0, 1, 7.0);
    data.ComputeFacilityDistances(1, kPlaces, settings);
    ASSERT_EQ(network.requests.size(), 2u);
    EXPECT_DOUBLE_EQ(network.requests[0].second.latitude, 3.0);
    EXPECT_DOUBLE_EQ(network.requests[1].first.latitude, 3.0);
    EXPECT_DOUBLE_EQ(data.GetDistance(1, 0), 210.0);
}

TEST_F(RoadNetworkTest, WithoutRoadNetworkTheComputationIsRefused) {
    CDistanceData data;
    data.SetSize(3);
    data.SetDistance(0, 1, 4.0);
    EXPECT_THROW(data.ComputeAllDistances(kPlaces, Geographic(DN_TRANSPORTATION_NETWORK)), CUserException);
    EXPECT_THROW(data.ComputeFacilityDistances(2, kPlaces, Geographic(DN_TRANSPORTATION_NETWORK)),
                 CUserException);
    EXPECT_EQ(data.GetDistance(0, 1), 4.0);
    EXPECT_EQ(Messages(), (std::vector<std::string>(2, kRoadNetworkNotAvailableMessage)));
    EXPECT_TRUE(ui.statusUpdates.empty());

    // A network that failed its probe at start stays unavailable.
    network.refuseStart = true;
    EXPECT_FALSE(SetRoadNetworkProvider(&network));
    EXPECT_FALSE(IsMapPointAvailable());
    EXPECT_THROW(data.ComputeAllDistances(kPlaces, Geographic(DN_TRANSPORTATION_NETWORK)), CUserException);
    EXPECT_EQ(network.starts, 1);
}

TEST_F(RoadNetworkTest, FailureMidwayKeepsTheDistancesComputedBefore) {
    ASSERT_TRUE(SetRoadNetworkProvider(&network));
    CDistanceData data;
    data.SetSize(3);
    data.SetDistance(1, 2, 99.0);
    network.failAtRequest = 2;
    EXPECT_THROW(data.ComputeAllDistances(kPlaces, Geographic(DN_TRANSPORTATION_NETWORK)), CUserException);
    EXPECT_DOUBLE_EQ(data.GetDistance(2, 0), 121.0);
    EXPECT_EQ(data.GetDistance(1, 2), 99.0);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"No route between the two positions"}));
    EXPECT_EQ(network.running, 0);
    EXPECT_EQ(ui.closedStatusWindows.size(), 1u);

    // A negative road distance is refused rather than stored.
    network.failAtRequest = -1;
    network.returnNegative = true;
    EXPECT_THROW(data.ComputeFacilityDistances(2, kPlaces, Geographic(DN_TRANSPORTATION_NETWORK)),
                 CUserException);
    EXPECT_EQ(data.GetDistance(1, 2), 99.0);
    EXPECT_EQ(Messages().back(),
              "Invalid road distance -5.000000 from [1.000000, 2.000000] to [0.000000, 0.000000]");
}

TEST_F(RoadNetworkTest, AddressLookupChecksTheAddressAndPacksTheResult) {
    SPostalAddress address;
    address.street = "Champ de Mars";
    address.region = "Ile-de-France";
    CLonLatPoint location(1, 2);
    // Not offered, and refused, while no road network is available.
    EXPECT_FALSE(IsAddressLookupOffered(true));
    address.city = "Paris";
    EXPECT_FALSE(LookupAddress(address, location));
    ASSERT_TRUE(SetRoadNetworkProvider(&network));
    EXPECT_TRUE(IsAddressLookupOffered(true));
    EXPECT_FALSE(IsAddressLookupOffered(false));

    address.city = " ";
    EXPECT_FALSE(LookupAddress(address, location));
    address.city = "Paris";
    address.region.clear();
    EXPECT_FALSE(LookupAddress(address, location));
    address.region = "Ile-de-France";
    EXPECT_FALSE(LookupAddress(address, location));
    EXPECT_EQ(network.lastAddress.street, "Champ de Mars");
    EXPECT_EQ(location, CLonLatPoint(1, 2));
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              kRoadNetworkNotAvailableMessage,
                              "Geocoding requires a valid city",
                              "Geocoding requires a valid state or region",
                              "No location found for this address",
                          }));

    // 48.8583 N 2.2945 E is 48 51' 30" and 2 17' 40".
    network.foundPosition = SGeoPosition{48.8583, 2.2945};
    EXPECT_TRUE(LookupAddress(address, location));
    EXPECT_EQ(location, CLonLatPoint(21740, 485130));
    network.foundPosition = SGeoPosition{-33.8675, -151.5};
    EXPECT_TRUE(LookupAddress(address, location));
    EXPECT_EQ(location, CLonLatPoint(-1513000, -335203));
    EXPECT_EQ(network.running, 0);
}

TEST(RoutePreferencesTest, ValidRanges) {
    const double good[4] = {1.0, 0.001, 0.5, 1.0};
    const double zero[4] = {0.5, 0.0, 0.5, 0.5};
    const double above[4] = {0.5, 0.5, 1.01, 0.5};
    EXPECT_TRUE(CMapPointRoutePreferences::Validate(2, good));
    EXPECT_FALSE(CMapPointRoutePreferences::Validate(3, good));
    EXPECT_FALSE(CMapPointRoutePreferences::Validate(-1, good));
    EXPECT_FALSE(CMapPointRoutePreferences::Validate(0, zero));
    // A refused set keeps the old values.
    CMapPointRoutePreferences preferences;
    EXPECT_FALSE(preferences.Set(1, above));
    EXPECT_EQ(preferences, CMapPointRoutePreferences());
}

} // namespace
