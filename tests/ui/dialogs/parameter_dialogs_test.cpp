// The real-value edit, the distance norm and parameters dialogs and the projection dialog from the
// menus: refusals keep each dialog open with the project unchanged, accepted values reach it.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cmath>

#include "model/facility.h"
#include "model/tramlet_doc.h"
#include "tests/ui/ui_fixture.h"
#include "ui/dialogs/distances/distance_norm_dialog.h"
#include "ui/dialogs/parameters/double_value_dialog.h"
#include "ui/dialogs/parameters/projection_dialog.h"
#include "ui/frame/command_ids.h"

namespace {

using ParameterDialogTest = UiFixture;

// Runs body on the modal dialog of type D that the command opens.
template <class D, class Body> void OnNextDialog(Body body) {
    QTimer::singleShot(0, [body] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        body(*dialog);
    });
}

TEST_F(ParameterDialogTest, ToleranceEditRefusesAValueOutOfRange) {
    NewRandomProject(2, 0, 1);
    QString title, prompt;
    bool stayedOpen = false;
    OnNextDialog<CDoubleValueDialog>([&](CDoubleValueDialog& dialog) {
        title = dialog.windowTitle();
        prompt = dialog.findChild<QLabel*>()->text();
        dialog.ValueEdit()->setText("9.5");
        dialog.accept();
        stayedOpen = dialog.isVisible();
        dialog.ValueEdit()->setText("0.02");
        dialog.accept();
    });
    TriggerFromMenu(ID_EDIT_TOLERANCE);
    EXPECT_EQ(title, "Edit Tolerance");
    EXPECT_EQ(prompt, "Enter a value in the range [0.000, 9.000]:");
    EXPECT_TRUE(stayedOpen);
    EXPECT_DOUBLE_EQ(Document().GetTolerance(), 0.02);
}

TEST_F(ParameterDialogTest, NormAndFactorDialogsRecomputeTheDistances) {
    NewRandomProject(1, 0, 1);
    const CLonLatPoint a = Document().GetFacility(0)->GetWorldLocation();
    const CLonLatPoint b = Document().GetFacility(1)->GetWorldLocation();
    const double rectilinear = std::abs(a.x() - b.x()) + std::abs(a.y() - b.y());
    std::vector<EDISTANCENORM> offered;
    OnNextDialog<CDistanceNormDialog>([&](CDistanceNormDialog& dialog) {
        offered = dialog.OfferedNorms();
        dialog.ChooseNorm(DN_RECTILINEAR);
        dialog.accept();
    });
    TriggerFromMenu(ID_DISTANCES_NORM);
    EXPECT_EQ(offered, (std::vector<EDISTANCENORM>{DN_RECTILINEAR, DN_EUCLIDEAN, DN_CHEBYSHEV}));
    EXPECT_DOUBLE_EQ(Document().GetDistance(0, 1), rectilinear);

    bool stayedOpen = false;
    OnNextDialog<CDistanceNormDialog>([&](CDistanceNormDialog& dialog) {
        dialog.FactorEdit()->setText("10");
        dialog.accept();
        stayedOpen = dialog.isVisible();
        dialog.FactorEdit()->setText("2");
        dialog.accept();
    });
    TriggerFromMenu(ID_DISTANCES_COMPUTE);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Invalid distance adjustment factor 10 out of valid range [1.000000, 9.000000]",
                              "This command will compute all distances based on current facility "
                              "locations.\r\nDo you wish to continue?"}));
    EXPECT_DOUBLE_EQ(Document().GetDistance(1, 0), 2 * rectilinear);
}

TEST_F(ParameterDialogTest, ProjectionDialogKeepsTheOldSettingsOnARefusal) {
    TriggerFromMenu(ID_FILE_NEW);
    bool stayedOpen = false;
    OnNextDialog<CProjectionDialog>([&](CProjectionDialog& dialog) {
        dialog.ProjectionBox()->setCurrentIndex(MP_MERCATOR);
        dialog.LimitEdit(3)->setText("850000"); // 85 degrees north
        dialog.accept();
        stayedOpen = dialog.isVisible();
        dialog.LimitEdit(3)->setText("600000");
        dialog.accept();
    });
    TriggerFromMenu(ID_EDIT_PROJECTION);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(
        Messages()[0].rfind("Invalid latitude bounds [35.000000, 85.000000] for Mercator projection", 0), 0u)
        << Messages()[0];
    EXPECT_EQ(Document().GetMapProjectionType(), MP_MERCATOR);
    EXPECT_EQ(Document().GetWorldLimits().m_north, 600000);
    EXPECT_EQ(Document().GetDistanceNorm().GetNorm(), DN_GREAT_CIRCLE);
    NewRandomProject(1, 0, 0);
    EXPECT_FALSE(IsEnabled(ID_EDIT_PROJECTION)); // facilities fix the world
}

} // namespace
