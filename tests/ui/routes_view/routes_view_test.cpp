#include <gtest/gtest.h>

#include <QAction>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>

#include "construction/manual_construction.h"
#include "tests/ui/routes_view/routes_view_fixture.h"
#include "ui/routes_view/tramlet_routes_view.h"

namespace {

// The widget on the offscreen platform, driven by simulated mouse clicks and keys.
class RoutesViewTest : public RoutesProjectFixture {
protected:
    void SetUp() override {
        RoutesProjectFixture::SetUp();
        view = std::make_unique<CTramletRoutesView>(*doc);
        view->resize(600, 600);
        view->show();
    }
    void TearDown() override {
        view.reset();
        RoutesProjectFixture::TearDown();
    }
    void ClickOn(const CFacility* f) {
        const CIntPoint& at = f->GetViewLocation();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->ViewTransform().map(QPointF(at.x, at.y)).toPoint());
    }
    QAction* Action(const QList<QAction*>& actions, const QString& text) {
        for (QAction* action : actions) {
            if (action->text() == text) {
                return action;
            }
        }
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }

    std::unique_ptr<CTramletRoutesView> view;
};

TEST_F(RoutesViewTest, ManualConstructionByClicksAndEscape) {
    QSignalSpy changed(view.get(), &CTramletRoutesView::DocumentChanged);
    view->StartManualConstruction();
    ASSERT_TRUE(view->IsManualConstructionActive());
    ClickOn(d);
    ClickOn(c);
    ClickOn(s);
    ClickOn(u); // a customer after a supplier: ignored
    ASSERT_EQ(doc->GetNumberOfRoutes(), 1);
    EXPECT_EQ(doc->GetRoute(0)->GetSize(), 3);
    QTest::keyClick(view.get(), Qt::Key_Escape);
    EXPECT_FALSE(view->IsManualConstructionActive());
    EXPECT_EQ(doc->GetRoute(0)->GetSize(), 4);
    ASSERT_EQ(doc->GetAlgorithmStatistics().size(), 1u);
    EXPECT_EQ(doc->GetAlgorithmStatistics()[0]->m_strAlgoName, "Manual Construction");
    EXPECT_EQ(changed.count(), 1 + 3 + 1);

    view->StartManualConstruction();
    ClickOn(d);
    view->AbortManualConstruction();
    EXPECT_FALSE(view->IsManualConstructionActive());
    EXPECT_EQ(doc->GetNumberOfRoutes(), 0);
    EXPECT_EQ(doc->GetAlgorithmStatistics().size(), 1u);
}

TEST_F(RoutesViewTest, MouseModesEmitTheirRequests) {
    QSignalSpy edits(view.get(), &CTramletRoutesView::FacilityEditRequested);
    QSignalSpy deletions(view.get(), &CTramletRoutesView::FacilityDeleteRequested);
    QSignalSpy additions(view.get(), &CTramletRoutesView::FacilityAddRequested);
    QSignalSpy links(view.get(), &CTramletRoutesView::LinkSelected);
    const QList<QAction*> modes = view->MouseModeActions();
    ASSERT_EQ(modes.size(), 5);

    ClickOn(s); // select mode: nothing
    modes[2]->trigger();
    EXPECT_TRUE(doc->IsEditing());
    ClickOn(s);
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits[0][0].value<CFacility*>(), s);
    modes[3]->trigger();
    ClickOn(u);
    ASSERT_EQ(deletions.count(), 1);
    EXPECT_EQ(deletions[0][0].value<CFacility*>(), u);
    modes[1]->trigger();
    ClickOn(d);
    ASSERT_EQ(additions.count(), 1);
    EXPECT_NEAR(additions[0][0].toDouble(), 5000.0, 20.0);
    EXPECT_NEAR(additions[0][1].toDouble(), 5000.0, 20.0);
    modes[4]->trigger();
    ClickOn(c);
    EXPECT_TRUE(doc->IsFindingLink());
    ClickOn(c); // the same facility again does not end the link
    ClickOn(s);
    ASSERT_EQ(links.count(), 1);
    EXPECT_EQ(links[0][0].value<CFacility*>(), c);
    EXPECT_EQ(links[0][1].value<CFacility*>(), s);
    EXPECT_EQ(edits.count() + deletions.count() + additions.count(), 3);
}

TEST_F(RoutesViewTest, ViewMenuSwitchesZoomAndPrinting) {
    const QList<QAction*> actions = view->ViewMenuActions();
    QAction* grid = Action(actions, "&Grid");
    ASSERT_NE(grid, nullptr);
    grid->trigger();
    EXPECT_TRUE(view->GetDisplay().grid);
    const auto& items = view->GetDrawing().items;
    EXPECT_TRUE(std::any_of(items.begin(), items.end(),
                            [](const SDrawItem& i) { return i.layer == EDrawLayer::grid; }));
    Action(actions, "Map &Outline")->trigger();
    EXPECT_EQ(view->GetDisplay().mapStyle, DMS_OUTLINE);

    const double fitted = view->ViewTransform().m11();
    Action(actions, "Zoom &In")->trigger();
    EXPECT_NEAR(view->ViewTransform().m11(), fitted * 1.5, 1e-9);
    Action(actions, "Zoom to &Fit")->trigger();
    EXPECT_NEAR(view->ViewTransform().m11(), fitted, 1e-9);

    CTempFolder folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.File("routes.pdf")));
    view->Print(printer);
    EXPECT_EQ(ReadWholeFile(folder.File("routes.pdf")).substr(0, 4), "%PDF");
}

} // namespace
