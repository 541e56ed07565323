// The Select sheet from the menu: refusals keep it open, OK stores the edited pages and posts the
// chosen command.

#include <QApplication>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QTimer>

#include "model/tramlet_doc.h"
#include "tests/ui/ui_fixture.h"
#include "ui/dialogs/select/select_algorithm_dialog.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"

namespace {

using SelectSheetDialogTest = UiFixture;

TEST_F(SelectSheetDialogTest, RefusedFactorKeepsTheSheetOpenAndOkPostsTheChosenCommand) {
    NewRandomProject(4, 2, 1);
    std::vector<unsigned> ran;
    frame->GetCommands().Add(
        {ID_ALGO_SP, "SP", "", [] { return true; }, [&ran] { ran.push_back(ID_ALGO_SP); }});
    bool openAfterRefusal = false;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* sheet = qobject_cast<CSelectAlgorithmDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        title = sheet->windowTitle();
        sheet->SetActivePage(SELECT_PAGE_SAVINGS);
        sheet->CrossoverFactorField()->setValue(2.0);
        sheet->accept();
        openAfterRefusal = sheet->isVisible();
        sheet->CrossoverFactorField()->setValue(0.5); // stored by OK on another page
        sheet->SetActivePage(SELECT_PAGE_SET_PARTITIONING);
        sheet->TimeLimitField(SELECT_PAGE_SET_PARTITIONING)->setValue(45.0);
        sheet->RoutesButton()->setChecked(true);
        sheet->accept();
    });
    TriggerFromMenu(ID_ALGO_SELECT);
    EXPECT_EQ(title, "Select Algorithm and Specify Parameters");
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid crossover savings penalty factor 2.000000 out of "
                                                   "valid range [0.000000, 1.000000]"});
    EXPECT_DOUBLE_EQ(Document().GetCrossoverPenaltyFactor(), 0.5);
    EXPECT_DOUBLE_EQ(Document().GetTimeLimit(), 45.0);
    EXPECT_TRUE(ran.empty()); // posted, so it runs only after the sheet has gone
    QApplication::processEvents();
    EXPECT_EQ(ran, std::vector<unsigned>{ID_ALGO_SP});
}

TEST_F(SelectSheetDialogTest, CancelRunsNothingAndStoresNothing) {
    NewRandomProject(3, 1, 1);
    Document().SetModifiedFlag(false);
    QTimer::singleShot(0, [] {
        auto* sheet = qobject_cast<CSelectAlgorithmDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        sheet->TimeLimitField(SELECT_PAGE_SWEEP)->setValue(99.0);
        sheet->reject();
    });
    TriggerFromMenu(ID_ALGO_SELECT);
    QApplication::processEvents();
    EXPECT_EQ(Document().GetNumberOfRoutes(), 0);
    EXPECT_NE(Document().GetTimeLimit(), 99.0);
    EXPECT_FALSE(Document().IsModified());
}

} // namespace
