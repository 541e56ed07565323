#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>

class QAction;

// One command of the main window: its id, menu text ("&Text\tCtrl+Alt+X": the part after the
// tab is the accelerator), the prompt shown in the status bar, the test that enables it, what
// it does and, for a checkable command, whether it is checked.
struct SFrameCommand {
    SFrameCommand(unsigned id_, QString text_, QString prompt_, std::function<bool()> enabled_,
                  std::function<void()> run_, std::function<bool()> checked_ = {}, QString toolbarText_ = {})
        : id(id_), text(std::move(text_)), prompt(std::move(prompt_)), enabled(std::move(enabled_)),
          run(std::move(run_)), checked(std::move(checked_)), toolbarText(std::move(toolbarText_)) {}

    unsigned id = 0;
    QString text;
    QString prompt;
    std::function<bool()> enabled;
    std::function<void()> run;
    std::function<bool()> checked; // empty: not checkable
    QString toolbarText;           // short text of a toolbar button; empty: the menu text
};

// The main window's commands, each with its action. Menus and the toolbar show the actions; the
// enabled and checked states are brought up to date by UpdateActions (before a menu opens,
// after each command and view redraw, and while an algorithm runs).
class CCommandTable : public QObject {
    Q_OBJECT
public:
    explicit CCommandTable(QObject* parent = nullptr) : QObject(parent) {}

    QAction* Add(SFrameCommand command);
    // The action of a command; null for an unknown id.
    QAction* GetAction(unsigned id) const;
    // Whether the command exists and is enabled now.
    bool IsEnabled(unsigned id) const;
    // Runs the command when it is enabled (the way a menu click does); false otherwise.
    bool Trigger(unsigned id);
    void UpdateActions();

private:
    struct SEntry {
        SFrameCommand command;
        QAction* action;
    };
    std::map<unsigned, SEntry> m_entries;
};
