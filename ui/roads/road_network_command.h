#pragma once

#include <string>

class CMainFrame;

// The command that chooses the road network extract, at the end of the Distances menu.
constexpr unsigned ID_DISTANCES_ROAD_NETWORK = 32890;

// The extract the program's settings name (empty when none is chosen). The program probes it
// once at start.
std::string GetRoadNetworkSetting();
void SetRoadNetworkSetting(const std::string& path);

// Adds "Road &Network..." to the command table and the Distances menu: asks for an
// OpenStreetMap extract, remembers it in the settings, loads it at once and says whether the
// "Transportation_Network" norm and the address lookup are now available.
void AddRoadNetworkCommand(CMainFrame& frame);
