#include "ui/roads/road_network_command.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <optional>

#include "framework/application/sable_win_app.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "roads/osm_road_network.h"
#include "roads/road_network_setup.h"
#include "ui/frame/command_table.h"
#include "ui/frame/main_frame.h"

namespace {

const char* const kSettingsKey = "RoadNetwork/Extract";

// Loads the chosen extract under a wait cursor and tells the user how it went.
void LoadChosenExtract(const std::string& path) {
    CUserInterface& ui = GetUserInterface();
    std::string failure;
    ui.BeginWaitCursor();
    const bool available = InstallRoadNetwork(path, &failure);
    ui.EndWaitCursor();
    if (!available) {
        ui.MessageBox(failure + "\nThe Transportation_Network norm is not available.",
                      EMessageIcon::exclamation, EMessageButtons::ok);
        return;
    }
    const SRoadNetworkFigures figures = GetInstalledRoadNetwork()->GetFigures();
    ui.MessageBox(
        FormatString("The road network \"%s\" is loaded: %zu nodes, %zu road segments, %zu addresses "
                     "and places, %.0lf MB.",
                     path.c_str(), figures.nodes, figures.segments, figures.addresses,
                     static_cast<double>(figures.memoryBytes) / (1024.0 * 1024.0)),
        EMessageIcon::information, EMessageButtons::ok);
}

// The Distances menu of the main window, or null.
QMenu* FindDistancesMenu(CMainFrame& frame) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->menu() != nullptr && action->text() == "&Distances") {
            return action->menu();
        }
    }
    return nullptr;
}

} // namespace

std::string GetRoadNetworkSetting() {
    return QSettings().value(kSettingsKey).toString().toStdString();
}

void SetRoadNetworkSetting(const std::string& path) {
    QSettings().setValue(kSettingsKey, QString::fromStdString(path));
}

void AddRoadNetworkCommand(CMainFrame& frame) {
    QAction* action = frame.GetCommands().Add(
        {ID_DISTANCES_ROAD_NETWORK, "Road &Network...", "Choose the OpenStreetMap extract of road distances",
         [] { return CSableWinApp::GetApp() != nullptr && !CSableWinApp::GetApp()->IsAlgorithmRunning(); },
         [] {
             std::optional<std::string> path = GetUserInterface().OpenFileDialog(
                 "Road Network", "OpenStreetMap Extracts (*.osm *.pbf *.bz2 *.gz)", "osm");
             if (path) {
                 SetRoadNetworkSetting(*path);
                 LoadChosenExtract(*path);
             }
         }});
    if (QMenu* menu = FindDistancesMenu(frame)) {
        menu->addSeparator();
        menu->addAction(action);
    }
}
