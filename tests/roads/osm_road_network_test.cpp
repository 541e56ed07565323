#include <gtest/gtest.h>

#include <array>
#include <numbers>
#include <optional>

#include "framework/exceptions/user_exception.h"
#include "model/distances/distance_data.h"
#include "roads/osm_road_network.h"
#include "roads/road_network_setup.h"
#include "tests/support/app_fixture.h"
#include "tests/support/batch_runner.h"

// The hand-drawn network of tests/data/roads/test_town.osm; its comment draws it.
namespace {

const std::string kTown = TEST_DATA_DIR "/roads/test_town.osm";
// One unit of the drawing, 0.01 degree along the equator or a meridian, in km.
const double kUnit = 6371.0 * 0.01 * std::numbers::pi / 180.0;
constexpr SGeoPosition A{0.0, 0.0}, C{0.0, 0.02}, Q{0.0, 0.03};

CMapPointRoutePreferences Preferences(int method, std::array<double, 4> values = {0.5, 0.5, 0.5, 0.5}) {
    CMapPointRoutePreferences preferences;
    EXPECT_TRUE(preferences.Set(method, values.data()));
    return preferences;
}

class RoadsTest : public AppFixture {
protected:
    void TearDown() override {
        RemoveRoadNetwork();
        SetRoadNetworkProvider(nullptr);
        AppFixture::TearDown();
    }
    // Computes data's matrix of packed (longitude, latitude) locations over the network.
    void Compute(const std::vector<CLonLatPoint>& locations, int onlyFacility = -1) {
        SDistanceSettings settings;
        settings.norm = DN_TRANSPORTATION_NETWORK;
        settings.geographic = true;
        settings.worldLimits = CLonLatRect(-100000, -50000, 100000, 50000);
        settings.routePreferences = Preferences(1);
        data.SetSize(static_cast<int>(locations.size()));
        if (onlyFacility >= 0) {
            data.ComputeFacilityDistances(onlyFacility, locations, settings);
        } else {
            data.ComputeAllDistances(locations, settings);
        }
    }

    COsmRoadNetwork town{kTown};
    CDistanceData data;
};

TEST_F(RoadsTest, RouteMethodAndPreferencesChooseTheRoute) {
    struct SCase {
        CMapPointRoutePreferences preferences;
        SGeoPosition from, to;
        double units;
    } cases[] = {
        {Preferences(0), A, C, 4},                       // quickest: the motorway round
        {Preferences(1), A, C, 2},                       // shortest: Harbour Road
        {Preferences(2), A, C, 2},                       // preferred, even preferences: shortest
        {Preferences(2, {1.0, 0.5, 0.5, 0.2}), A, C, 4}, // preferred, motorways favoured
        {Preferences(0, {0.1, 0.5, 0.5, 0.5}), A, C, 2}, // quickest, motorways shunned
        {Preferences(1), C, Q, 1},                       // with the one-way street
        {Preferences(1), Q, C, 3},                       // against it: round by R and S
        {Preferences(1), Q, A, 5},                       // the private road B-S is not used
        {Preferences(1), {0.003, 0.0098}, A, 1},         // snapped to B
    };
    for (const SCase& c : cases) {
        EXPECT_NEAR(town.GetRoadDistance(c.from, c.to, c.preferences), c.units * kUnit, 1e-6)
            << c.from.latitude << "," << c.from.longitude << " to " << c.to.latitude << "," << c.to.longitude;
    }
    EXPECT_EQ(town.GetFigures().nodes, 10u);
    EXPECT_EQ(town.GetFigures().segments, 19u); // the footway and the private road left out
}

TEST_F(RoadsTest, EachPairIsWrittenBothWaysFromTheEarlierFacility) {
    ASSERT_TRUE(SetRoadNetworkProvider(&town));
    const CLonLatPoint packedA(0, 0), packedC(112, 0), packedQ(148, 0);
    Compute({packedC, packedQ, packedA});
    EXPECT_NEAR(data.GetDistance(0, 1), kUnit, 1e-6);
    EXPECT_NEAR(data.GetDistance(1, 2), 5 * kUnit, 1e-6);
    EXPECT_NEAR(data.GetDistance(2, 0), 2 * kUnit, 1e-6);
    EXPECT_EQ(data.GetDistance(1, 0), data.GetDistance(0, 1));
    EXPECT_EQ(data.GetDistance(2, 1), data.GetDistance(1, 2));
    EXPECT_FALSE(data.IsAsymmetric());

    // Q before C: the long way round stands for both directions. One facility's row and column
    // come from a search towards it and one from it.
    Compute({packedQ, packedC, packedA});
    EXPECT_NEAR(data.GetDistance(1, 0), 3 * kUnit, 1e-6);
    Compute({packedQ, packedC, packedA}, 1);
    EXPECT_NEAR(data.GetDistance(0, 1), 3 * kUnit, 1e-6);
    EXPECT_NEAR(data.GetDistance(2, 1), 2 * kUnit, 1e-6);
    EXPECT_EQ(data.GetDistance(0, 2), 0.0);
}

TEST_F(RoadsTest, IslandAndRoadlessPositionsAreRefusedAfterTheDistancesBefore) {
    ASSERT_TRUE(SetRoadNetworkProvider(&town));
    struct SCase {
        CLonLatPoint location;
        std::string message;
    } cases[] = {
        {CLonLatPoint(300, 300), "No road route from [0.000000, 0.000000] to [0.050000, 0.050000]"},
        {CLonLatPoint(1200, 1200), "No road within 5 km of the position [0.200000, 0.200000]"},
    };
    for (const SCase& c : cases) {
        EXPECT_THROW(Compute({CLonLatPoint(0, 0), CLonLatPoint(112, 0), c.location}), CUserException);
        EXPECT_EQ(Messages().back(), c.message);
        EXPECT_NEAR(data.GetDistance(1, 0), 2 * kUnit, 1e-6); // computed before the failure, kept
    }
}

TEST_F(RoadsTest, AddressLookupFindsHousesPlacesStreetsAndBuildings) {
    ASSERT_TRUE(InstallRoadNetwork(kTown));
    const char* const notFound = "No location found for this address";
    struct SCase {
        std::string street, city, region;
        std::optional<CLonLatPoint> found; // packed (longitude, latitude)
        const char* message;
    } cases[] = {
        {"12 Harbour Road", "Testville", "Testshire", CLonLatPoint(40, 4), nullptr},
        {"harbour  road 13", "TESTVILLE", "testshire", CLonLatPoint(40, 4), nullptr}, // nearest number
        {"", "Testville", "Testshire", CLonLatPoint(36, 7), nullptr},                 // the town
        {"Quay Street", "Testville", "Testshire", CLonLatPoint(148, 0), nullptr},     // the named road
        {"3 Mill Lane", "Testville", "Testshire", CLonLatPoint(130, -18), nullptr},   // the building
        {"12 Harbour Road", "Testville", "Elsewhere", std::nullopt, notFound},
        {"Nowhere Street", "Testville", "Testshire", std::nullopt, notFound},
        {"", "", "Testshire", std::nullopt, "Geocoding requires a valid city"},
        {"", "Testville", " ", std::nullopt, "Geocoding requires a valid state or region"},
    };
    for (const SCase& c : cases) {
        SPostalAddress address{c.street, c.city, c.region, "", ""};
        CLonLatPoint location(1, 1);
        EXPECT_EQ(LookupAddress(address, location), c.found.has_value()) << c.street;
        EXPECT_EQ(location, c.found.value_or(CLonLatPoint(1, 1))) << c.street;
        if (c.message != nullptr) {
            EXPECT_EQ(Messages().back(), c.message) << c.street;
        }
    }
}

TEST_F(RoadsTest, MissingOrUnusableExtractLeavesTheNormUnavailable) {
    const std::string roadless =
        "<osm version=\"0.6\"><node id=\"1\" lat=\"0\" lon=\"0\"/>"
        "<node id=\"2\" lat=\"0\" lon=\"1\"/><way id=\"3\"><nd ref=\"1\"/><nd ref=\"2\"/>"
        "<tag k=\"highway\" v=\"footway\"/></way></osm>";
    struct SCase {
        std::optional<std::string> contents;
        std::string failure; // its beginning
    } cases[] = {
        {std::nullopt, "could not be opened"},
        {"<osm><node id=", "could not be read: "},
        {roadless, "holds no road a vehicle may use"},
    };
    for (const SCase& c : cases) {
        const std::string path = home->File("extract.osm");
        std::filesystem::remove(path);
        if (c.contents) {
            WriteWholeFile(path, *c.contents);
        }
        std::string failure;
        EXPECT_FALSE(InstallRoadNetwork(path, &failure));
        EXPECT_FALSE(IsMapPointAvailable());
        EXPECT_EQ(failure.rfind("The road network file \"" + path + "\" " + c.failure, 0), 0u) << failure;
    }
    EXPECT_TRUE(InstallRoadNetwork(kTown));
    EXPECT_TRUE(IsMapPointAvailable());
}

} // namespace

namespace {

// tramlet-batch computes the example town's road distances and exports them as shipped.
TEST(RoadsBatchTest, ExampleTownDistancesAreComputedAndExported) {
    CTempFolder folder;
    const std::string town = std::string(EXAMPLES_DIR) + "/millbrook/millbrook";
    SBatchRun run = RunBatchProgram(folder, town + ".dat --road-network " + town +
                                                ".osm --norm Transportation_Network compute-distances export "
                                                "town.dat --quiet");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(folder.File("town.dist")), ReadWholeFile(town + ".dist"));

    run = RunBatchProgram(folder, town + ".dat --road-network nowhere.osm --norm Transportation_Network "
                                         "compute-distances");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("tramlet-batch: no road network: The road network file \"nowhere.osm\" could not "
                           "be opened\n"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find(kRoadNetworkNotAvailableMessage), std::string::npos) << run.err;
}

} // namespace
