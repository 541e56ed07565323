// The vehicle capacity edit from the menu: the routes that no longer fit are deleted, the others kept.

#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <set>

#include "model/route.h"
#include "model/tramlet_doc.h"
#include "tests/ui/ui_fixture.h"
#include "ui/dialogs/parameters/long_value_dialog.h"
#include "ui/frame/command_ids.h"

namespace {

using FleetDialogTest = UiFixture;

int LargestLoad(const CRoute* route) {
    return std::max(route->GetQuantity(FT_CUSTOMER), route->GetQuantity(FT_SUPPLIER));
}

TEST_F(FleetDialogTest, SmallerCapacityDeletesExactlyTheRoutesThatNoLongerFit) {
    NewRandomProject(10, 6, 1);
    ASSERT_TRUE(Document().SetVehicleCapacity(40));
    TriggerFromMenu(ID_ALGO_NEAREST_NEIGHBOR);
    ASSERT_GT(Document().GetNumberOfRoutes(), 1);
    int capacity = LargestLoad(Document().GetRoute(0));
    for (int i = 1; i < Document().GetNumberOfRoutes(); ++i) {
        capacity = std::min(capacity, LargestLoad(Document().GetRoute(i)));
    }
    std::set<const CRoute*> fitting;
    for (int i = 0; i < Document().GetNumberOfRoutes(); ++i) {
        if (LargestLoad(Document().GetRoute(i)) <= capacity) {
            fitting.insert(Document().GetRoute(i));
        }
    }
    ASSERT_LT(static_cast<int>(fitting.size()), Document().GetNumberOfRoutes());
    QTimer::singleShot(0, [capacity] {
        auto* dialog = qobject_cast<CLongValueDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->SpinBox()->setValue(capacity);
        dialog->accept();
    });
    TriggerFromMenu(ID_FLEET_CAPACITY);
    EXPECT_EQ(Document().GetVehicleCapacity(), capacity);
    std::set<const CRoute*> kept;
    for (int i = 0; i < Document().GetNumberOfRoutes(); ++i) {
        kept.insert(Document().GetRoute(i));
    }
    EXPECT_EQ(kept, fitting);
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages().front(), "New vehicle capacity " + std::to_string(capacity) +
                                      " is smaller than current quantities on one or more routes.  These "
                                      "routes will be deleted.");
}

TEST_F(FleetDialogTest, VehiclesEditRefusesAValueOutOfRangeAndFollowsTheSlider) {
    NewRandomProject(3, 0, 1);
    const int vehicles = Document().GetNumberOfVehicles();
    QString title, prompt;
    bool stayedOpen = false;
    int sliderMaximum = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CLongValueDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        sliderMaximum = dialog->Slider()->maximum();
        QLineEdit* text = dialog->SpinBox()->findChild<QLineEdit*>();
        text->setText(QString::number(dialog->SpinBox()->maximum() + 1));
        dialog->accept();
        stayedOpen = dialog->isVisible();
        dialog->Slider()->setValue(vehicles + 1);
        dialog->accept();
    });
    TriggerFromMenu(ID_FLEET_VEHICLES);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(title.startsWith("Edit ")) << title.toStdString();
    EXPECT_GT(sliderMaximum, vehicles);
    EXPECT_EQ(Document().GetNumberOfVehicles(), vehicles + 1);
}

} // namespace
