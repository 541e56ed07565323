// The actions a routes view offers the main window: the display switches, the map styles and
// the zoom commands of the View menu, and the mouse modes.
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>

#include "ui/routes_view/tramlet_routes_view.h"

namespace {

// A display switch of the View menu: its menu text and the field it sets.
struct SSwitchAction {
    const char* text;
    bool SRoutesDisplay::*field;
};

const SSwitchAction SWITCH_ACTIONS[] = {
    {"Facility &Labels", &SRoutesDisplay::labels},
    {"Facility &Quantities", &SRoutesDisplay::quantities},
    {"Link &Distances", &SRoutesDisplay::linkDistances},
    {"&Colors by Route", &SRoutesDisplay::colorsByRoute},
    {"&Sizes by Quantity", &SRoutesDisplay::sizesByQuantity},
    {"&Grid", &SRoutesDisplay::grid},
    {"&Map", &SRoutesDisplay::map},
};

const char* const MAP_STYLE_TEXTS[DMS_COUNT] = {"Map &Outline", "Map &Filled", "Map &Pale"};

const char* const MODE_TEXTS[] = {"&Select", "&Add Facility", "&Edit Facility", "&Delete Facility",
                                  "Select &Link"};

QAction* Separator(QObject* parent) {
    auto* separator = new QAction(parent);
    separator->setSeparator(true);
    return separator;
}

} // namespace

void CTramletRoutesView::CreateActions() {
    for (const SSwitchAction& entry : SWITCH_ACTIONS) {
        auto* action = new QAction(tr(entry.text), this);
        action->setCheckable(true);
        const auto field = entry.field;
        connect(action, &QAction::toggled, this, [this, field](bool on) {
            if (m_display.*field != on) {
                SRoutesDisplay display = m_display;
                display.*field = on;
                SetDisplay(display);
            }
        });
        m_viewActions.append(action);
    }
    m_viewActions.append(Separator(this));
    m_styleGroup = new QActionGroup(this);
    for (int style = 0; style < DMS_COUNT; ++style) {
        auto* action = new QAction(tr(MAP_STYLE_TEXTS[style]), m_styleGroup);
        action->setCheckable(true);
        action->setData(style);
        connect(action, &QAction::triggered, this, [this, style] {
            SRoutesDisplay display = m_display;
            display.mapStyle = static_cast<DRAWMAPSTYLE>(style);
            SetDisplay(display);
        });
        m_viewActions.append(action);
    }
    m_viewActions.append(Separator(this));
    const struct {
        const char* text;
        QKeySequence keys;
        void (CTramletRoutesView::*slot)();
    } zooms[] = {{"Zoom &In", QKeySequence::ZoomIn, &CTramletRoutesView::ZoomIn},
                 {"Zoom &Out", QKeySequence::ZoomOut, &CTramletRoutesView::ZoomOut},
                 {"Zoom to &Fit", QKeySequence(Qt::CTRL | Qt::Key_0), &CTramletRoutesView::ZoomToFit}};
    for (const auto& zoom : zooms) {
        auto* action = new QAction(tr(zoom.text), this);
        action->setShortcut(zoom.keys);
        connect(action, &QAction::triggered, this, zoom.slot);
        m_viewActions.append(action);
    }
    SyncActions();
}

void CTramletRoutesView::CreateMouseModeActions() {
    m_modeGroup = new QActionGroup(this);
    for (int mode = 0; mode < static_cast<int>(std::size(MODE_TEXTS)); ++mode) {
        auto* action = new QAction(tr(MODE_TEXTS[mode]), m_modeGroup);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, mode] { SetMouseMode(static_cast<ERoutesMouseMode>(mode)); });
        m_modeActions.append(action);
    }
    SyncActions();
}

// The check marks follow the switches and the mode.
void CTramletRoutesView::SyncActions() {
    for (int i = 0; i < static_cast<int>(std::size(SWITCH_ACTIONS)) && i < m_viewActions.size(); ++i) {
        QSignalBlocker blocker(m_viewActions[i]);
        m_viewActions[i]->setChecked(m_display.*SWITCH_ACTIONS[i].field);
    }
    if (m_styleGroup != nullptr) {
        for (QAction* action : m_styleGroup->actions()) {
            action->setChecked(action->data().toInt() == m_display.mapStyle);
            action->setEnabled(m_display.map);
        }
    }
    for (int mode = 0; mode < m_modeActions.size(); ++mode) {
        m_modeActions[mode]->setChecked(mode == static_cast<int>(m_mode));
    }
}

QList<QAction*> CTramletRoutesView::ViewMenuActions() const {
    return m_viewActions;
}

QList<QAction*> CTramletRoutesView::MouseModeActions() const {
    return m_modeActions;
}
