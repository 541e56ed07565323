// Ruin and Recreate Search from the Algorithms menu, with the settings the program remembers.

#include <QSettings>

#include "tests/ui/ui_fixture.h"
#include "ui/dialogs/search/search_settings_dialog.h"
#include "ui/frame/command_ids.h"

namespace {

using SearchMenuTest = UiFixture;

TEST_F(SearchMenuTest, MenuRunsTheSearchWithTheRememberedSettings) {
    SSearchSettings settings;
    settings.iterations = 2000;
    settings.fleetRule = EFleetRule::exact;
    SaveSearchSettings(settings);
    const SSearchSettings loaded = LoadSearchSettings();
    EXPECT_EQ(loaded.iterations, 2000);
    EXPECT_EQ(loaded.fleetRule, EFleetRule::exact);

    OpenExample("harbour/harbour.tramlet");
    TriggerFromMenu(ID_ALGO_SEARCH);
    const CAlgoStat& record = *Document().GetAlgorithmStatistics().back();
    EXPECT_EQ(record.m_strAlgoName, "Ruin and Recreate Search");
    EXPECT_LE(record.m_lIterations, 2000);
    EXPECT_EQ(Document().GetNumberOfRoutes(), Document().GetNumberOfVehicles());

    // A stored value out of range reads as its default.
    QSettings().setValue("search/averageRuinSize", 1000);
    EXPECT_EQ(LoadSearchSettings().averageRuinSize, SSearchSettings().averageRuinSize);
}

} // namespace
