#pragma once

#include <vector>

// One candidate join of the randomized savings method.
class CRouteShortcut {
public:
    enum EKind {
        NEW_ROUTE = 0,    // a new route from the pair from -> to
        BEFORE_FIRST = 1, // from placed before to, the first facility of the route
        AFTER_LAST = 2,   // to placed after from, the last facility of the route
    };

    CRouteShortcut() = default;
    CRouteShortcut(int kind, int fromType, int fromIndex, int toType, int toIndex, double savings)
        : m_lKind(kind), m_lFromType(fromType), m_lFromIndex(fromIndex), m_lToType(toType),
          m_lToIndex(toIndex), m_dSavings(savings) {}
    virtual ~CRouteShortcut() = default;
    CRouteShortcut(const CRouteShortcut&) = default;
    CRouteShortcut& operator=(const CRouteShortcut&) = default;

    int GetKind() const { return m_lKind; }
    // Types 0 customer, 1 supplier; indexes within the type.
    int GetFromType() const { return m_lFromType; }
    int GetFromIndex() const { return m_lFromIndex; }
    int GetToType() const { return m_lToType; }
    int GetToIndex() const { return m_lToIndex; }
    double GetSavings() const { return m_dSavings; }

private:
    int m_lKind = NEW_ROUTE;
    int m_lFromType = 0;
    int m_lFromIndex = 0;
    int m_lToType = 0;
    int m_lToIndex = 0;
    double m_dSavings = 0.0;
};

// At most K shortcuts in non-increasing order of savings. Among equal savings the earlier
// insertion stays first; a newcomer no better than the last entry of a full list is refused.
// The storage for K entries is kept, so filling the list again allocates nothing.
class CSortedRouteShortcuts {
public:
    // Empties the list and sets its limit K (0 or more).
    void RemoveAll(int limit);
    // Stores the shortcut at its place and returns the position, or -1 when it is refused.
    int Insert(const CRouteShortcut& shortcut);

    int GetSize() const { return static_cast<int>(m_shortcuts.size()); }
    bool IsEmpty() const { return m_shortcuts.empty(); }
    int GetLimit() const { return m_limit; }
    const CRouteShortcut& operator[](int position) const { return m_shortcuts[position]; }

private:
    std::vector<CRouteShortcut> m_shortcuts;
    int m_limit = 0;
};
