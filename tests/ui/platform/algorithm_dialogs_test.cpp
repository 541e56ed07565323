// The modal dialogs a running algorithm shows, driven by clicking their buttons.

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "tests/ui/ui_fixture.h"
#include "ui/frame/command_ids.h"

namespace {

using AlgorithmDialogsTest = UiFixture;

// Clicks the buttons, one per modal dialog shown, in order; records each dialog's title.
class CDialogClicker : public QObject {
public:
    explicit CDialogClicker(std::vector<QString> buttons) : m_buttons(std::move(buttons)) {
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
                button->click();
                return;
            }
        }
    }
    std::vector<QString> m_buttons;
    QTimer m_timer;
};

TEST_F(AlgorithmDialogsTest, PauseDialogContinuesAndAbortsTheRun) {
    OpenExample("random50/random50.tramlet");
    TriggerFromMenu(ID_ALGO_NEAREST_NEIGHBOR);
    size_t recorded = Document().GetAlgorithmStatistics().size();
    TriggerFromMenu(ID_REPORT_LEVEL_DATABASE + 3); // Detailed: Move Facility pauses after each step
    CDialogClicker clicker({"&Continue", "&Abort"});
    TriggerFromMenu(ID_ALGO_MOVE_FACILITY);

    ASSERT_EQ(clicker.titles.size(), 2u);
    EXPECT_EQ(clicker.titles[0].toStdString(), "Algorithm Execution Pause");
    EXPECT_EQ(Messages().back(), "Algorithm aborted by the user");
    EXPECT_EQ(Document().GetAlgorithmStatistics().size(), recorded);
    EXPECT_TRUE(app->IsIdle());
}

} // namespace
