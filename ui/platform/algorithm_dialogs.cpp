#include "ui/platform/algorithm_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

const char* const kTimeLimitHelpText =
    "The algorithm has run for the project's time limit. Continue lets it run for another time "
    "limit, Abort ends it (its routes are handled as after any abort), Time Limit... changes the "
    "time limit before you decide.";

namespace {

// A modal dialog with a text and one button per choice; returns the index of the button
// pressed, or cancelIndex when the window is closed.
int ExecChoiceDialog(QWidget* parent, const char* title, const std::string& text,
                     const std::vector<const char*>& buttons, int cancelIndex) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    if (!text.empty()) {
        layout->addWidget(new QLabel(QString::fromLocal8Bit(text.c_str()), &dialog));
    }
    auto* box = new QDialogButtonBox(&dialog);
    int chosen = cancelIndex;
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        QPushButton* button = box->addButton(buttons[i], QDialogButtonBox::ActionRole);
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &chosen, i] {
            chosen = i;
            dialog.done(QDialog::Accepted);
        });
        if (i == 0) {
            button->setDefault(true);
        }
    }
    layout->addWidget(box);
    dialog.exec();
    return chosen;
}

} // namespace

ETimeLimitChoice ExecTimeLimitDialog(QWidget* parent, const std::string& text) {
    static const ETimeLimitChoice choices[] = {ETimeLimitChoice::continueRun, ETimeLimitChoice::abort,
                                               ETimeLimitChoice::editTimeLimit, ETimeLimitChoice::help};
    int index = ExecChoiceDialog(parent, "Algorithm Time Limit Expiration", text,
                                 {"&Continue", "&Abort", "&Time Limit...", "&Help"}, 1);
    if (choices[index] == ETimeLimitChoice::help) {
        QMessageBox::information(parent, "Algorithm Time Limit Expiration", kTimeLimitHelpText);
    }
    return choices[index];
}

EPauseChoice ExecPauseDialog(QWidget* parent) {
    static const EPauseChoice choices[] = {EPauseChoice::continueRun, EPauseChoice::abort,
                                           EPauseChoice::editReportLevel};
    return choices[ExecChoiceDialog(parent, "Algorithm Execution Pause", std::string(),
                                    {"&Continue", "&Abort", "&Report..."}, 1)];
}
