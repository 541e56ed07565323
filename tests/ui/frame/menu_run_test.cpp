// Runs started from the menus, the statistics view they fill, and the file commands around them.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QSignalSpy>

#include "framework/application/sable_win_app.h"
#include "runs/statistics_columns.h"
#include "runs/statistics_text.h"
#include "tests/ui/ui_fixture.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/recent_files.h"
#include "ui/statistics_view/statistics_model.h"
#include "ui/statistics_view/tramlet_stats_view.h"

namespace {

using MenuRunTest = UiFixture;

TEST_F(MenuRunTest, ARunFromTheMenuAppendsOneRowAndRedraws) {
    OpenExample("harbour/harbour.tramlet");
    CStatisticsModel* model = frame->GetStatsView()->GetStatisticsModel();
    ASSERT_EQ(model->rowCount(), 1); // the "Initial Load" of the stored routes
    QSignalSpy redraws(frame.get(), &CMainFrame::ViewsRedrawn);

    TriggerFromMenu(ID_ALGO_NEAREST_NEIGHBOR);

    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_GE(redraws.count(), 1);
    const CAlgoStat& record = *Document().GetAlgorithmStatistics().back();
    auto cell = [&](int column) { return model->index(1, column).data().toString().toStdString(); };
    EXPECT_EQ(cell(SC_NUMBER), "  2");
    EXPECT_EQ(cell(SC_ALGORITHM), "Nearest Neighbor");
    EXPECT_EQ(cell(SC_DISTANCE), FormatStatisticsCell(record, SC_DISTANCE));
    // A row appended after a run prints Iterations and Delta Objective narrow, the rows the view
    // was filled with wide.
    EXPECT_EQ(cell(SC_ITERATIONS), "    1");
    EXPECT_EQ(model->index(0, SC_ITERATIONS).data().toString().toStdString(), "         0");
    EXPECT_TRUE(Document().IsModified());
    EXPECT_TRUE(frame->isWindowModified());
}

TEST_F(MenuRunTest, CopyPutsTheTabSeparatedListOnTheClipboard) {
    OpenExample("harbour/harbour.tramlet");
    TriggerFromMenu(ID_ALGO_SWEEP);
    frame->GetMdiArea()->setActiveSubWindow(frame->GetMdiArea()->subWindowList().at(2));
    TriggerFromMenu(ID_EDIT_COPY);
    std::string text = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(text, FormatStatisticsClipboardText(Document().GetAlgorithmStatistics(), "Harbour Town"));
    EXPECT_NE(text.find("\r\n  2\tSweep"), std::string::npos);
}

TEST_F(MenuRunTest, ClosingAModifiedProjectAsksToSaveAndCancelKeepsIt) {
    OpenExample("harbour/harbour.tramlet");
    TriggerFromMenu(ID_ALGO_SWEEP);
    answers.push_back(EMessageAnswer::cancel);
    TriggerFromMenu(ID_FILE_CLOSE);
    EXPECT_EQ(Messages().back(), "Save changes to harbour.tramlet?");
    ASSERT_NE(frame->GetDocument(), nullptr);
    EXPECT_NE(frame->GetStatsView(), nullptr);

    answers.push_back(EMessageAnswer::no);
    TriggerFromMenu(ID_FILE_CLOSE);
    EXPECT_EQ(frame->GetDocument(), nullptr);
    EXPECT_EQ(frame->GetStatsView(), nullptr);
    EXPECT_FALSE(IsEnabled(ID_FILE_SAVE));
}

TEST_F(MenuRunTest, SaveAsWritesTheProjectAndEntersTheRecentFileList) {
    OpenExample("random50/random50.tramlet");
    TriggerFromMenu(ID_ALGO_NEAREST_NEIGHBOR);
    std::string path = home->File("copy.tramlet");
    ui->SetFileDialogResponder([path](const std::string&) { return std::optional<std::string>(path); });
    TriggerFromMenu(ID_FILE_SAVE_AS);
    EXPECT_FALSE(Document().IsModified());
    EXPECT_EQ(Document().GetPathName(), path);
    EXPECT_EQ(frame->GetRecentFiles().GetEntries().first().toStdString(), path);

    // The saved project opens again with its routes as the "Initial Load".
    ASSERT_TRUE(frame->CloseProject(true));
    ASSERT_TRUE(frame->OpenProject(path));
    EXPECT_GT(Document().GetNumberOfRoutes(), 0);
    EXPECT_EQ(Document().GetAlgorithmStatistics().back()->m_strAlgoName, "Initial Load");
}

TEST_F(MenuRunTest, TheRecentFileListKeepsEightEntriesMostRecentFirst) {
    CRecentFileList list;
    for (int i = 0; i < 10; ++i) {
        list.Add(QString::fromStdString(home->File("p" + std::to_string(i) + ".tramlet")));
    }
    list.Add(QString::fromStdString(home->File("p5.tramlet")));
    CRecentFileList stored; // read back from the settings
    ASSERT_EQ(stored.GetEntries().size(), 8);
    EXPECT_EQ(stored.GetMenuText(0).toStdString(), "&1 p5.tramlet");
    EXPECT_EQ(stored.GetMenuText(1).toStdString(), "&2 p9.tramlet");
    EXPECT_EQ(stored.GetMenuText(7).toStdString(), "&8 p2.tramlet");
}

} // namespace
