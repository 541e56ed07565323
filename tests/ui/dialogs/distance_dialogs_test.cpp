// The link dialog from the routes view and the All Distances grid.

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "model/distances/distance_data.h"
#include "model/facility.h"
#include "model/tramlet_doc.h"
#include "tests/ui/ui_fixture.h"
#include "ui/dialogs/distances/all_distances_dialog.h"
#include "ui/dialogs/distances/link_dialog.h"
#include "ui/dialogs/grid/grid_view.h"
#include "ui/frame/command_ids.h"

namespace {

using DistanceDialogTest = UiFixture;

TEST_F(DistanceDialogTest, LinkFromTheRoutesViewMakesTheMatrixAsymmetric) {
    NewRandomProject(2, 1, 1);
    ASSERT_FALSE(IsEnabled(ID_DISTANCES_SYMMETRIC));
    CFacility* a = Document().GetFacility(FT_CUSTOMER, 0);
    CFacility* b = Document().GetFacility(FT_SUPPLIER, 0);
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CLinkDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->TwoValuesButton()->setChecked(true);
        dialog->ForwardEdit()->setText("12.5");
        dialog->BackwardEdit()->setText("30");
        dialog->accept();
    });
    emit frame->GetRoutesView()->LinkSelected(a, b);
    EXPECT_EQ(title, "Edit Link from Customer c1 to Supplier s1");
    EXPECT_DOUBLE_EQ(Document().GetDistanceData().GetDistance(a->GetIndex(), b->GetIndex()), 12.5);
    EXPECT_DOUBLE_EQ(Document().GetDistanceData().GetDistance(b->GetIndex(), a->GetIndex()), 30.0);
    EXPECT_TRUE(IsEnabled(ID_DISTANCES_SYMMETRIC));
}

TEST_F(DistanceDialogTest, AllDistancesRefusesANegativeCellAndSetsTheFlagOnOk) {
    NewRandomProject(2, 0, 1);
    CAllDistancesDialog dialog(Document());
    CDistanceGridModel& model = *dialog.Model();
    const QModelIndex cell = model.index(0, 1);
    const QString before = cell.data().toString();
    EXPECT_FALSE(model.setData(cell, "-1", Qt::EditRole));
    EXPECT_EQ(cell.data().toString(), before);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please enter a nonnegative distance"});
    EXPECT_TRUE(model.setData(cell, "7.126", Qt::EditRole));
    EXPECT_EQ(cell.data().toString(), "7.13");
    EXPECT_FALSE(Document().GetDistanceData().IsAsymmetric()); // nothing stored before OK
    EXPECT_EQ(GridText(model).split('\n')[1].split('\t')[2], "7.13");
    dialog.accept();
    EXPECT_DOUBLE_EQ(Document().GetDistanceData().GetDistance(0, 1), 7.126);
    EXPECT_TRUE(Document().GetDistanceData().IsAsymmetric());
}

} // namespace
