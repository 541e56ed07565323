// The enable rules of the menu commands in the states where they differ, and the abort button
// during a long run.

#include <QAction>
#include <QTimer>

#include "tests/ui/ui_fixture.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"
#include "ui/platform/abort_dialog.h"

namespace {

struct SRuleCase {
    unsigned id;
    bool enabled;
};

class CommandRulesTest : public UiFixture {
protected:
    void ExpectRules(const char* state, const std::vector<SRuleCase>& cases) {
        for (const SRuleCase& rule : cases) {
            EXPECT_EQ(IsEnabled(rule.id), rule.enabled) << state << ": command " << rule.id;
        }
    }
};

TEST_F(CommandRulesTest, WithoutProjectOnlyFileCommandsAreEnabled) {
    ExpectRules("no project", {{ID_FILE_NEW, true},
                               {ID_FILE_OPEN, true},
                               {ID_FILE_IMPORT, true},
                               {ID_FILE_SAVE, false},
                               {ID_FILE_CLOSE, false},
                               {ID_ALGO_NEAREST_NEIGHBOR, false},
                               {ID_ALGO_EVALUATE, false},
                               {ID_ALGO_ABORT, false},
                               {ID_FACILITY_ADD_DEPOT, false}});
}

TEST_F(CommandRulesTest, AlgorithmsNeedADepotAndCustomersOrSuppliers) {
    NewRandomProject(4, 3, 0);
    ExpectRules("no depot", {{ID_ALGO_NEAREST_NEIGHBOR, false},
                             {ID_ALGO_ALL_ALGORITHMS, false},
                             {ID_ALGO_MANUAL, false},
                             {ID_ALGO_DISPLAY_SAVINGS, false},
                             {ID_ALGO_EXTREME_CROSSOVERS, false},
                             {ID_FACILITY_ADD_DEPOT, true},
                             {ID_DISTANCES_COMPUTE, true},
                             {ID_FILE_SAVE, true}});
    NewRandomProject(4, 0, 1);
    ExpectRules("no suppliers", {{ID_ALGO_NEAREST_NEIGHBOR, true},
                                 {ID_ALGO_MANUAL, true},
                                 {ID_ALGO_EXTREME_CROSSOVERS, false},
                                 {ID_ALGO_EXTREME_SAVINGS, true},
                                 {ID_ALGO_WRITE_LP, true},
                                 {ID_FACILITY_ADD_DEPOT, false},
                                 {ID_DISTANCES_SYMMETRIC, false},
                                 {ID_ALGO_EVALUATE, false},
                                 {ID_ALGO_TWO_EXCHANGE, false},
                                 {ID_ALGO_SWEEP_CLUSTER_FIRST, false}});
}

TEST_F(CommandRulesTest, RoutesDecideTheImprovementsInsertionAndSetPartitioning) {
    OpenExample("random50/random50.tramlet");
    TriggerFromMenu(ID_ALGO_EXTREME_CROSSOVERS);
    ASSERT_GT(Document().GetNumberOfRoutes(), 1);
    ExpectRules("not all routed", {{ID_ALGO_CHEAPEST_INSERTION, true},
                                   {ID_ALGO_DISPLAY_INSERTION_PENALTIES, true},
                                   {ID_ALGO_SP, false},
                                   {ID_ALGO_EVALUATE, true},
                                   {ID_ALGO_MOVE_FACILITY, true},
                                   {ID_ROUTES_DELETE_ALL, true}});
    TriggerFromMenu(ID_ALGO_NEAREST_NEIGHBOR);
    ExpectRules("all routed", {{ID_ALGO_CHEAPEST_INSERTION, false},
                               {ID_ALGO_DISPLAY_INSERTION_PENALTIES, false},
                               {ID_ALGO_SP, true},
                               {ID_ALGO_SP_NO_REVISITS, true},
                               {ID_ALGO_ALL_IMPROVEMENTS, true}});
    ASSERT_TRUE(Document().SetNumberOfVehicles(1));
    ExpectRules("one vehicle",
                {{ID_ALGO_SP, false}, {ID_ALGO_WRITE_LP, false}, {ID_ALGO_NEAREST_NEIGHBOR, true}});
}

// A long run started from the menu: while it runs every command that changes the project is
// disabled and Abort enabled; the abort button ends it with no routes and no record.
TEST_F(CommandRulesTest, AbortButtonDuringALongRunLeavesNoRoutesAndNoRecord) {
    OpenExample("random200/random200.tramlet");
    TriggerFromMenu(ID_ALGO_NEAREST_NEIGHBOR);
    size_t recorded = Document().GetAlgorithmStatistics().size();
    std::vector<std::pair<unsigned, bool>> whileRunning;
    bool dialogShown = false;
    QTimer::singleShot(0, frame.get(), [&] {
        for (unsigned id : {ID_ALGO_ABORT, ID_ALGO_NEAREST_NEIGHBOR, ID_ALGO_EVALUATE, ID_FILE_OPEN,
                            ID_FILE_CLOSE, ID_FLEET_CAPACITY, ID_REPORT_LEVEL_EDIT}) {
            whileRunning.emplace_back(id, frame->GetCommands().GetAction(id)->isEnabled());
        }
        dialogShown = ui->GetAbortDialog() != nullptr && ui->GetAbortDialog()->isVisible();
        frame->GetCommands().GetAction(ID_ALGO_ABORT)->trigger();
    });
    TriggerFromMenu(ID_ALGO_SAVINGS_GREEDY_SERIAL);

    ASSERT_EQ(whileRunning.size(), 7u);
    EXPECT_TRUE(whileRunning[0].second) << "Abort while running";
    for (size_t i = 1; i < whileRunning.size(); ++i) {
        EXPECT_FALSE(whileRunning[i].second) << "command " << whileRunning[i].first << " while running";
    }
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(Document().GetNumberOfRoutes(), 0);
    EXPECT_EQ(Document().GetAlgorithmStatistics().size(), recorded);
    EXPECT_EQ(Messages().back(), "Algorithm aborted by the user");
    EXPECT_EQ(ui->GetAbortDialog(), nullptr);
    EXPECT_TRUE(app->IsIdle());
    EXPECT_TRUE(IsEnabled(ID_ALGO_NEAREST_NEIGHBOR));
    EXPECT_FALSE(IsEnabled(ID_ALGO_ABORT));
}

} // namespace
