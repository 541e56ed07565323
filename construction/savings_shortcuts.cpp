#include "construction/savings_shortcuts.h"

#include <cstddef>

void CSortedRouteShortcuts::RemoveAll(int limit) {
    m_shortcuts.clear();
    m_limit = limit > 0 ? limit : 0;
    m_shortcuts.reserve(static_cast<std::size_t>(m_limit));
}

int CSortedRouteShortcuts::Insert(const CRouteShortcut& shortcut) {
    const int size = GetSize();
    if (size == 0) {
        if (m_limit == 0) {
            return -1;
        }
        m_shortcuts.push_back(shortcut);
        return 0;
    }
    const double savings = shortcut.GetSavings();
    if (m_shortcuts.back().GetSavings() >= savings) {
        if (size < m_limit) {
            m_shortcuts.push_back(shortcut);
            return size;
        }
        return -1;
    }
    int position = 0;
    while (m_shortcuts[position].GetSavings() >= savings) {
        ++position;
    }
    if (size < m_limit) {
        m_shortcuts.push_back(m_shortcuts.back());
    }
    // Shift the entries from position one place on; the last one falls off a full list.
    for (int k = GetSize() - 1; k > position; --k) {
        m_shortcuts[k] = m_shortcuts[k - 1];
    }
    m_shortcuts[position] = shortcut;
    return position;
}
