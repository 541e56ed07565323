#include "roads/road_network_setup.h"

#include <cstdlib>
#include <memory>

#include "roads/osm_road_network.h"

const char* const kRoadNetworkVariable = "TRAMLET_ROAD_NETWORK";

namespace {

std::unique_ptr<COsmRoadNetwork>& InstalledNetwork() {
    static std::unique_ptr<COsmRoadNetwork> network;
    return network;
}

} // namespace

std::string ChooseRoadNetworkPath(const std::string& configured) {
    if (!configured.empty()) {
        return configured;
    }
    const char* variable = std::getenv(kRoadNetworkVariable);
    return variable != nullptr ? std::string(variable) : std::string();
}

bool InstallRoadNetwork(const std::string& path, std::string* failure) {
    RemoveRoadNetwork();
    if (path.empty()) {
        return false;
    }
    auto network = std::make_unique<COsmRoadNetwork>(path);
    try {
        network->Start();
        network->Quit();
    } catch (const CRoadNetworkError& error) {
        if (failure != nullptr) {
            *failure = error.what();
        }
        return false;
    }
    InstalledNetwork() = std::move(network);
    return SetRoadNetworkProvider(InstalledNetwork().get());
}

void RemoveRoadNetwork() {
    if (GetRoadNetworkProvider() == InstalledNetwork().get()) {
        SetRoadNetworkProvider(nullptr);
    }
    InstalledNetwork().reset();
}

COsmRoadNetwork* GetInstalledRoadNetwork() {
    return InstalledNetwork().get();
}
