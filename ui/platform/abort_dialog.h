#pragma once

#include <QDialog>

class QPushButton;

// The modeless "Algorithm Execution" dialog with its one "&Abort" button. Pressing the button
// makes the application abort the running algorithm (status aborting, a beep), disables the
// button and changes the title to "Algorithm aborting, please wait". The algorithm ends at its
// next continuation check.
class CAbortDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAbortDialog(QWidget* parent = nullptr);

    QPushButton* GetAbortButton() const { return m_abortButton; }
    // What the button does; the toolbar's abort command does the same.
    void Abort();

protected:
    // Escape and the window's close button do not end the dialog; only Abort does.
    void reject() override {}

private:
    QPushButton* m_abortButton;
};
