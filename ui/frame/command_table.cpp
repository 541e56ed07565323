#include "ui/frame/command_table.h"

#include <QAction>
#include <QKeySequence>

QAction* CCommandTable::Add(SFrameCommand command) {
    QString text = command.text;
    QString accelerator;
    if (int tab = static_cast<int>(text.indexOf('\t')); tab >= 0) {
        accelerator = text.mid(tab + 1);
        text = text.left(tab);
    }
    auto* action = new QAction(text, this);
    if (!accelerator.isEmpty()) {
        action->setShortcut(QKeySequence(accelerator));
    }
    action->setStatusTip(command.prompt);
    action->setToolTip(command.prompt.isEmpty() ? QString(text).remove('&') : command.prompt);
    if (!command.toolbarText.isEmpty()) {
        action->setIconText(command.toolbarText);
    }
    action->setCheckable(static_cast<bool>(command.checked));
    action->setData(command.id);
    unsigned id = command.id;
    connect(action, &QAction::triggered, this, [this, id] { Trigger(id); });
    m_entries.insert_or_assign(id, SEntry{std::move(command), action});
    return action;
}

QAction* CCommandTable::GetAction(unsigned id) const {
    auto found = m_entries.find(id);
    return found == m_entries.end() ? nullptr : found->second.action;
}

bool CCommandTable::IsEnabled(unsigned id) const {
    auto found = m_entries.find(id);
    return found != m_entries.end() && (!found->second.command.enabled || found->second.command.enabled());
}

bool CCommandTable::Trigger(unsigned id) {
    if (!IsEnabled(id)) {
        UpdateActions();
        return false;
    }
    // The entry is copied: a command may rebuild the table's menus while it runs.
    std::function<void()> run = m_entries.at(id).command.run;
    if (run) {
        run();
    }
    UpdateActions();
    return true;
}

void CCommandTable::UpdateActions() {
    for (auto& [id, entry] : m_entries) {
        entry.action->setEnabled(!entry.command.enabled || entry.command.enabled());
        if (entry.command.checked) {
            entry.action->setChecked(entry.command.checked());
        }
    }
}
