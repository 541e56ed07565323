// The modal dialogs a running algorithm shows, driven by clicking their buttons.

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "tests/ui/ui_fixture.h"
#include "ui/frame/command_ids.h"
#include "ui/platform/status_window.h"

namespace {

using AlgorithmDialogsTest = UiFixture;

// Clicks the buttons, one per modal dialog shown, in order; records each dialog's title.
class CDialogClicker : public QObject {
public:
    CDialogClicker(std::vector<QString> buttons, std::function<void()> onDialog)
        : m_buttons(std::move(buttons)), m_onDialog(std::move(onDialog)) {
        connect(&m_timer, &QTimer::timeout, this, &CDialogClicker::ClickNext);
        m_timer.start(10);
    }
    std::vector<QString> titles;

private:
    void ClickNext() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || titles.size() >= m_buttons.size()) {
            return;
        }
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text() == m_buttons[titles.size()]) {
                titles.push_back(dialog->windowTitle());
                m_onDialog();
                button->click();
                return;
            }
        }
    }
    std::vector<QString> m_buttons;
    std::function<void()> m_onDialog;
    QTimer m_timer;
};

// The pause dialog over the algorithm's status window, which shows the step and is closed when
// the run ends.
TEST_F(AlgorithmDialogsTest, PauseDialogContinuesAndAbortsTheRun) {
    OpenExample("random50/random50.tramlet");
    TriggerFromMenu(ID_ALGO_NEAREST_NEIGHBOR);
    size_t recorded = Document().GetAlgorithmStatistics().size();
    TriggerFromMenu(ID_REPORT_LEVEL_DATABASE + 3); // Detailed: Move Facility pauses after each step
    std::vector<bool> statusWindowShown;
    CDialogClicker clicker({"&Continue", "&Abort"}, [&] {
        CStatusWindow* window = ui->GetStatusWindow("Move Facility Report");
        statusWindowShown.push_back(window != nullptr && window->isVisible());
    });
    TriggerFromMenu(ID_ALGO_MOVE_FACILITY);

    ASSERT_EQ(clicker.titles.size(), 2u);
    EXPECT_EQ(clicker.titles[0].toStdString(), "Algorithm Execution Pause");
    EXPECT_EQ(statusWindowShown, std::vector<bool>({true, true}));
    EXPECT_EQ(ui->GetStatusWindow("Move Facility Report"), nullptr);
    EXPECT_EQ(Messages().back(), "Algorithm aborted by the user");
    EXPECT_EQ(Document().GetAlgorithmStatistics().size(), recorded);
    EXPECT_TRUE(app->IsIdle());
}

} // namespace
