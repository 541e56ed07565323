#pragma once

#include <string>

class COsmRoadNetwork;

// Where the road network extract is configured: this environment variable, unless the program is
// given a file (tramlet-batch --road-network FILE, the desktop program's setting).
extern const char* const kRoadNetworkVariable;

// The extract to use: the configured file when there is one, else the environment variable's
// value, else none (empty).
std::string ChooseRoadNetworkPath(const std::string& configured);

// Installs the road network over the extract at path (none when empty) and probes it once by
// loading it. Returns whether the "Transportation_Network" norm and the address lookup are
// available; when loading fails, failure receives the reason.
bool InstallRoadNetwork(const std::string& path, std::string* failure = nullptr);
// Removes the installed road network (the norm is no longer available) and frees it.
void RemoveRoadNetwork();
// The installed road network, or null.
COsmRoadNetwork* GetInstalledRoadNetwork();
