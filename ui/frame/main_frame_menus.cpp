// The menus and the toolbar of the main window, laid out from the command table.

#include <QAction>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <initializer_list>

#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/recent_files.h"

namespace {

constexpr unsigned kSeparator = 0;

// Adds the commands' actions to the menu in order; kSeparator adds a separator.
void AddEntries(QMenu* menu, const CCommandTable& commands, std::initializer_list<unsigned> ids) {
    for (unsigned id : ids) {
        if (id == kSeparator) {
            menu->addSeparator();
        } else if (QAction* action = commands.GetAction(id)) {
            menu->addAction(action);
        }
    }
}

} // namespace

void CMainFrame::BuildMenus() {
    const CCommandTable& c = *m_commands;
    QMenuBar* bar = menuBar();
    m_fileMenu = bar->addMenu("&File");
    AddEntries(m_fileMenu, c,
               {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SUMMARY,
                kSeparator, ID_FILE_IMPORT, ID_FILE_EXPORT, kSeparator, ID_FILE_OUTPUT_LOG,
                ID_FILE_CLOSE_OUTPUT_LOG, kSeparator, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, kSeparator});
    m_recentFilesAnchor = m_fileMenu->addSeparator();
    AddEntries(m_fileMenu, c, {ID_APP_EXIT});
    UpdateRecentFileMenu();

    AddEntries(bar->addMenu("&Edit"), c, {ID_EDIT_COPY});

    m_viewMenu = bar->addMenu("&View");
    AddEntries(m_viewMenu, c, {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR});
    m_viewMenu->addSeparator();
    m_viewMenuAnchor = m_viewMenu->addSeparator();

    m_facilitiesMenu = bar->addMenu("F&acilities");
    AddEntries(m_facilitiesMenu, c,
               {ID_FACILITY_ADD_CUSTOMER, ID_FACILITY_ADD_SUPPLIER, ID_FACILITY_ADD_DEPOT});
    m_facilitiesMenu->addSeparator();
    m_facilitiesMenuAnchor = m_facilitiesMenu->addSeparator();
    AddEntries(m_facilitiesMenu, c,
               {ID_FACILITY_ADD_RANDOM, ID_FACILITY_DELETE_ALL, ID_ROUTES_DELETE_ALL, kSeparator,
                ID_FLEET_VEHICLES, ID_FLEET_CAPACITY, ID_FLEET_PENALTY});

    AddEntries(bar->addMenu("&Distances"), c,
               {ID_DISTANCES_COMPUTE, ID_DISTANCES_NORM, ID_DISTANCES_ALL, ID_DISTANCES_SYMMETRIC, kSeparator,
                ID_DISTANCES_FACTOR, ID_DISTANCES_ROUTE_PREFERENCES});

    QMenu* algorithms = bar->addMenu("A&lgorithms");
    AddEntries(algorithms->addMenu("&Construction"), c,
               {ID_ALGO_NEAREST_NEIGHBOR, ID_ALGO_SWEEP_CLUSTER_FIRST, ID_ALGO_SWEEP, kSeparator,
                ID_ALGO_SAVINGS_GREEDY_SERIAL, ID_ALGO_SAVINGS_GREEDY_PARALLEL,
                ID_ALGO_SAVINGS_RANDOMIZED_SERIAL, ID_ALGO_SAVINGS_RANDOMIZED_PARALLEL,
                ID_ALGO_DISPLAY_SAVINGS, kSeparator, ID_ALGO_CHEAPEST_INSERTION, ID_ALGO_PRICIEST_INSERTION,
                ID_ALGO_DISPLAY_INSERTION_PENALTIES, kSeparator, ID_ALGO_EXTREME_CROSSOVERS,
                ID_ALGO_EXTREME_SAVINGS, kSeparator, ID_ALGO_MANUAL});
    AddEntries(algorithms->addMenu("&Improvement"), c,
               {ID_ALGO_TWO_EXCHANGE, ID_ALGO_THREE_EXCHANGE, ID_ALGO_CHAIN_EXCHANGE, kSeparator,
                ID_ALGO_MOVE_FACILITY, ID_ALGO_SWAP_FACILITY});
    AddEntries(algorithms->addMenu("&Optimisation"), c,
               {ID_ALGO_GAP_SEED_POINTS, ID_ALGO_GAP_SEED_RAYS, ID_ALGO_DISPLAY_COSTS_POINTS,
                ID_ALGO_DISPLAY_COSTS_RAYS, kSeparator, ID_ALGO_SP_BOUND, ID_ALGO_SP_NO_REVISITS_BOUND,
                ID_ALGO_SP, ID_ALGO_SP_NO_REVISITS, kSeparator, ID_ALGO_WRITE_LP, ID_ALGO_READ_GLPSOL,
                ID_ALGO_READ_CPLEX, ID_ALGO_READ_GUROBI});
    AddEntries(algorithms, c,
               {kSeparator, ID_ALGO_ALL_ALGORITHMS, ID_ALGO_ALL_IMPROVEMENTS, ID_ALGO_SEARCH,
                ID_ALGO_SEARCH_SETTINGS, ID_ALGO_SELECT, kSeparator, ID_ALGO_EVALUATE, ID_ALGO_ABORT});

    QMenu* options = bar->addMenu("&Options");
    AddEntries(options->addMenu("&Report Level"), c,
               {ID_REPORT_LEVEL_DATABASE, ID_REPORT_LEVEL_DATABASE + 1, ID_REPORT_LEVEL_DATABASE + 2,
                ID_REPORT_LEVEL_DATABASE + 3, ID_REPORT_LEVEL_DATABASE + 4});
    AddEntries(
        options, c,
        {ID_REPORT_LEVEL_EDIT, ID_EDIT_SEED, ID_EDIT_MAX_ITERATIONS, ID_EDIT_TIME_LIMIT, ID_EDIT_TOLERANCE});
    AddEntries(options, c,
               {kSeparator, ID_EDIT_VERTEX_SIZE, ID_EDIT_LABEL_SIZE, ID_EDIT_GRID_SIZE, kSeparator,
                ID_EDIT_PROJECTION});

    AddEntries(bar->addMenu("&Window"), c,
               {ID_WINDOW_CASCADE, ID_WINDOW_TILE, ID_WINDOW_ARRANGE, kSeparator, ID_WINDOW_ROUTES,
                ID_WINDOW_NOTES, ID_WINDOW_STATISTICS});
    AddEntries(bar->addMenu("&Help"), c, {ID_APP_ABOUT});

    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, m_commands, &CCommandTable::UpdateActions);
    }
}

void CMainFrame::BuildToolBar() {
    m_toolBar = addToolBar("Standard");
    m_toolBar->setObjectName("Standard");
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QStyle* look = style();
    m_commands->GetAction(ID_FILE_NEW)->setIcon(look->standardIcon(QStyle::SP_FileIcon));
    m_commands->GetAction(ID_FILE_OPEN)->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    m_commands->GetAction(ID_FILE_SAVE)->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    m_commands->GetAction(ID_ALGO_ABORT)->setIcon(look->standardIcon(QStyle::SP_BrowserStop));
    for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE}) {
        m_toolBar->addAction(m_commands->GetAction(id));
    }
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_commands->GetAction(ID_ALGO_ABORT));
    m_toolBar->addSeparator();
    for (unsigned id :
         {ID_ALGO_NEAREST_NEIGHBOR, ID_ALGO_SWEEP, ID_ALGO_SAVINGS_GREEDY_SERIAL, ID_ALGO_CHEAPEST_INSERTION,
          ID_ALGO_EXTREME_CROSSOVERS, ID_ALGO_MANUAL, ID_ALGO_THREE_EXCHANGE, ID_ALGO_MOVE_FACILITY,
          ID_ALGO_SWAP_FACILITY, ID_ALGO_ALL_ALGORITHMS, ID_ALGO_ALL_IMPROVEMENTS, ID_ALGO_EVALUATE}) {
        m_toolBar->addAction(m_commands->GetAction(id));
    }
    m_toolBar->addSeparator();
}

void CMainFrame::UpdateRecentFileMenu() {
    for (QAction* action : m_recentFileActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentFileActions.clear();
    const QStringList& entries = m_recentFiles->GetEntries();
    for (int i = 0; i < entries.size(); ++i) {
        auto* action = new QAction(m_recentFiles->GetMenuText(i), this);
        action->setStatusTip(entries[i]);
        QString path = entries[i];
        connect(action, &QAction::triggered, this, [this, path] {
            if (m_commands->IsEnabled(ID_FILE_OPEN) && SaveModifiedProject()) {
                OpenProject(path.toLocal8Bit().toStdString());
            }
        });
        m_fileMenu->insertAction(m_recentFilesAnchor, action);
        m_recentFileActions.push_back(action);
    }
}
