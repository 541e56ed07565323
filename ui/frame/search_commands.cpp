// The Algorithms menu's Ruin and Recreate Search and its settings dialog; the settings are the
// program's own, remembered between sessions.

#include "app/tramlet_app.h"
#include "model/tramlet_doc.h"
#include "runs/run_frame.h"
#include "search/search_command.h"
#include "ui/dialogs/search/search_settings_dialog.h"
#include "ui/frame/algorithm_rules.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"

void AddSearchCommands(CMainFrame& frame) {
    CCommandTable& c = frame.GetCommands();
    CMainFrame* f = &frame;
    c.Add({ID_ALGO_SEARCH, "Ruin and Recreate &Search",
           "Search near-optimal routes by ruining and recreating them, within the time limit",
           [f] { return IsCommandAllowed(*f, CanRunAlgorithm); },
           [f] {
               RunRuinRecreateSearch(*f->GetDocument(), LoadSearchSettings());
               f->RedrawAllViews();
           },
           nullptr, "Search"});
    c.Add({ID_ALGO_SEARCH_SETTINGS, "Search Se&ttings...",
           "Set the iterations, ruin size and fleet rule of Ruin and Recreate Search",
           [f] { return !f->GetApp().IsAlgorithmRunning(); },
           [f] {
               CSearchSettingsDialog dialog(LoadSearchSettings(), f);
               if (dialog.exec() == QDialog::Accepted) {
                   SaveSearchSettings(dialog.Settings());
               }
           }});
}
