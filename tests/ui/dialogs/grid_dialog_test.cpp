// The savings display grid: the cells of pairs that cannot be joined stay empty, Copy gives
// tab-separated text.

#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <memory>

#include "construction/savings_display.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "tests/ui/ui_fixture.h"
#include "ui/dialogs/grid/grid_dialog.h"
#include "ui/dialogs/grid/grid_view.h"
#include "ui/frame/command_ids.h"

namespace {

using GridDialogTest = UiFixture;

TEST_F(GridDialogTest, SavingsGridLeavesMinusInfinityCellsEmptyAndCopiesTabSeparated) {
    NewRandomProject(3, 2, 1);
    QString copied;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CGridDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        copied = dialog->Grid()->SelectionText();
        dialog->accept();
    });
    TriggerFromMenu(ID_ALGO_DISPLAY_SAVINGS);
    EXPECT_EQ(title, SAVINGS_DISPLAY_TITLE);
    const QStringList lines = copied.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7); // heading and six facilities
    EXPECT_EQ(lines[0], "\tc1\tc2\tc3\ts1\ts2\td1");
    const QStringList c1 = lines[1].split('\t');
    EXPECT_EQ(c1[1], "");                                        // c1 -> c1
    EXPECT_EQ(c1[6], "");                                        // the depot column
    EXPECT_NE(c1[2], "");                                        // c1 -> c2
    EXPECT_TRUE(lines[6].split('\t').mid(1).join("").isEmpty()); // the depot row
}

TEST_F(GridDialogTest, EvaluateShowsEveryRouteAndTheTotalsOfTheRecordedSolution) {
    NewRandomProject(4, 2, 1);
    TriggerFromMenu(ID_ALGO_NEAREST_NEIGHBOR);
    QString title, copied;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CGridDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        copied = dialog->Grid()->SelectionText();
        dialog->accept();
    });
    TriggerFromMenu(ID_ALGO_EVALUATE);
    EXPECT_EQ(title, "Evaluate");
    const QStringList lines = copied.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), Document().GetNumberOfRoutes() + 2);
    EXPECT_EQ(lines[0], "\tDistance\t# Customers\tDemand\t# Suppliers\tSupply\tFacilities");
    EXPECT_TRUE(lines[1].startsWith("Route 1\t"));
    EXPECT_TRUE(lines[1].split('\t')[6].startsWith("d1 - ")); // the sequence leaves the depot
    const QStringList totals = lines.last().split('\t');
    EXPECT_EQ(totals[0], "All Routes");
    EXPECT_EQ(totals[1].toStdString(), FormatString("%.2lf", Document().GetCurrentSolution().m_dDistance));
    EXPECT_EQ(totals[2], "4");
    EXPECT_EQ(totals[4], "2");
}

TEST(GridTableTest, HeadedTableBecomesHeadersAndCells) {
    std::unique_ptr<CTextGridModel> model(
        CTextGridModel::FromTable({{"", "v1", "v2"}, {"c1", "3.50", ""}, {"s1", "", "1.25"}}));
    EXPECT_EQ(GridText(*model), "\tv1\tv2\nc1\t3.50\t\ns1\t\t1.25\n");
}

} // namespace
