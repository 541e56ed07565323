// The Algorithms menu: construction, improvement and optimisation commands, the combined
// commands, Evaluate, the display commands and the abort button. Each enable rule is the one
// its algorithm states; while an algorithm runs every one of them is disabled except Abort.

#include "app/tramlet_app.h"
#include "construction/crossover.h"
#include "construction/insertion.h"
#include "construction/insertion_penalties.h"
#include "construction/nearest_neighbor.h"
#include "construction/savings.h"
#include "construction/savings_display.h"
#include "construction/sweep.h"
#include "framework/exceptions/user_exception.h"
#include "improvement/between_route_search.h"
#include "improvement/chain_exchange.h"
#include "improvement/move_facility.h"
#include "improvement/swap_facility.h"
#include "improvement/three_exchange.h"
#include "improvement/two_exchange.h"
#include "model/tramlet_doc.h"
#include "optimisation/assignment_costs.h"
#include "optimisation/generalized_assignment.h"
#include "optimisation/mip_formulation.h"
#include "optimisation/mip_solution.h"
#include "optimisation/set_partitioning.h"
#include "runs/combined_commands.h"
#include "runs/evaluate.h"
#include "ui/dialogs/evaluation/evaluation_grid.h"
#include "ui/dialogs/grid/grid_dialog.h"
#include "ui/dialogs/select/select_algorithm_dialog.h"
#include "ui/frame/algorithm_rules.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/platform/abort_dialog.h"
#include "ui/platform/qt_user_interface.h"
#include "ui/routes_view/tramlet_routes_view.h"

namespace {

using DocumentTest = bool (*)(const CTramletDoc&);

// Runs an algorithm command on the open project and redraws the views afterwards.
void RunOnProject(CMainFrame& frame, const std::function<void(CTramletDoc&)>& command) {
    try {
        command(*frame.GetDocument());
    } catch (const CUserException&) {
    } catch (const std::exception& error) {
        frame.GetApp().DisplayErrorMessage(error.what());
    }
    frame.RedrawAllViews();
}

// The abort button (30065): ends manual construction, or asks the running algorithm to stop
// the way the abort dialog's button does (it ends at its next continuation check).
void AbortRunningAlgorithm(CMainFrame& frame) {
    CTramletRoutesView* view = frame.GetRoutesView();
    if (view != nullptr && view->IsManualConstructionActive()) {
        frame.GetUserInterface().CloseAllStatusWindows();
        view->AbortManualConstruction();
        frame.RedrawAllViews();
    } else if (CAbortDialog* dialog = frame.GetUserInterface().GetAbortDialog()) {
        dialog->Abort();
    } else if (frame.GetApp().IsAlgorithmRunning()) {
        frame.GetApp().OnAbortPressed();
    }
}

// The assignment costs of a seed mode as lines in a text window.
void ShowAssignmentCosts(CMainFrame* frame, CTramletDoc& document, EGAPSEEDMODE mode) {
    CGridDialog dialog(QString::fromLocal8Bit(AssignmentCostsTitle(mode).c_str()),
                       CTextGridModel::FromTable(ComputeAssignmentCostGrid(document, mode)), frame);
    dialog.exec();
}

// The Select sheet; the command it chooses is posted to run once the sheet has gone.
void RunSelectSheet(CMainFrame& frame, CTramletDoc& document) {
    CSelectAlgorithmDialog sheet(document, &frame);
    if (sheet.exec() != QDialog::Accepted || sheet.ChosenCommand() == 0) {
        return;
    }
    const unsigned command = sheet.ChosenCommand();
    CMainFrame* target = &frame;
    QMetaObject::invokeMethod(
        target, [target, command] { target->TriggerCommand(command); }, Qt::QueuedConnection);
}

} // namespace

void AddAlgorithmCommands(CMainFrame& frame) {
    CCommandTable& c = frame.GetCommands();
    CMainFrame* f = &frame;
    // A command enabled by a rule of the project, run through a core command function.
    auto add = [&c, f](unsigned id, const char* text, const char* prompt, DocumentTest rule,
                       std::function<void(CTramletDoc&)> run, const char* toolbarText = "") {
        c.Add({id, text, prompt, [f, rule] { return IsCommandAllowed(*f, rule); },
               [f, run] { RunOnProject(*f, run); }, nullptr, toolbarText});
    };

    add(ID_ALGO_NEAREST_NEIGHBOR, "&Nearest Neighbor",
        "Construct routes by going to the nearest unvisited facility", CanRunAlgorithm, RunNearestNeighbor,
        "Nearest");
    add(ID_ALGO_SWEEP_CLUSTER_FIRST, "Sweep (&Cluster-First)",
        "Construct facility clusters by a rotating ray and then route each individual cluster", NeverEnabled,
        nullptr);
    add(ID_ALGO_SWEEP, "&Sweep (Route-First)",
        "Construct routes by appending facilities in the sequence determined by a rotating ray",
        CanRunAlgorithm, RunSweep, "Sweep");
    add(ID_ALGO_SAVINGS_GREEDY_SERIAL, "Savings (Greedy S&erial)",
        "Construct routes by serial greedy savings", CanRunAlgorithm, OnAlgorithmsSavingsGreedySerial,
        "Savings");
    add(ID_ALGO_SAVINGS_GREEDY_PARALLEL, "Savings (Greedy &Parallel)",
        "Construct routes by parallel greedy savings", CanRunAlgorithm, OnAlgorithmsSavingsGreedyParallel);
    add(ID_ALGO_SAVINGS_RANDOMIZED_SERIAL, "Savings (Serial, &Randomized)",
        "Construct routes by randomized serial savings", CanRunAlgorithm,
        OnAlgorithmsSavingsSerialRandomized);
    add(ID_ALGO_SAVINGS_RANDOMIZED_PARALLEL, "Savings (Parallel, Randomi&zed)",
        "Construct routes by randomized parallel savings", CanRunAlgorithm,
        OnAlgorithmsSavingsParallelRandomized);
    add(ID_ALGO_DISPLAY_SAVINGS, "&Display Savings...", "Display the initial savings of all facility pairs",
        CanDisplaySavings, [f](CTramletDoc& d) {
            SSavingsDisplay display = GetSavingsDisplay(d);
            CGridDialog dialog(SAVINGS_DISPLAY_TITLE,
                               new CTextGridModel(display.labels, display.labels, std::move(display.cells)),
                               f);
            dialog.exec();
        });
    add(ID_ALGO_CHEAPEST_INSERTION, "C&heapest Insertion",
        "Insert remaining free points on their best insertion link by increasing insertion penalty",
        CanRunInsertion, RunCheapestInsertion, "Insert");
    add(ID_ALGO_PRICIEST_INSERTION, "Pr&iciest Insertion",
        "Insert the remaining free facilities on their best insertion link by decreasing minimum insertion "
        "penalty",
        CanRunInsertion, RunPriciestInsertion);
    add(ID_ALGO_DISPLAY_INSERTION_PENALTIES, "Display Insertion Pena&lties...",
        "Display the insertion penalties of free points on the links of the current routes",
        CanDisplayInsertionPenalties, [f](CTramletDoc& d) {
            CGridDialog dialog("Display Insertion Penalties",
                               CTextGridModel::FromTable(ComputeInsertionPenaltyGrid(d)), f);
            dialog.exec();
        });
    add(ID_ALGO_EXTREME_CROSSOVERS, "E&xtreme Crossovers\tCtrl+Alt+X",
        "Construct routes with one customer and supplier and largest distance savings",
        CanRunExtremeCrossovers, RunExtremeCrossovers, "Crossovers");
    add(ID_ALGO_EXTREME_SAVINGS, "Extreme Savings",
        "Construct routes with two facilities regardless of type and largest distance savings",
        CanRunExtremeSavings, RunExtremeSavings);
    c.Add({ID_ALGO_MANUAL, "Man&ual\tCtrl+Alt+U",
           "Construct routes in an interactively by clicking on the facilities",
           [f] { return IsCommandAllowed(*f, CanRunAlgorithm); },
           [f] {
               if (f->GetRoutesView() != nullptr) {
                   f->GetRoutesView()->StartManualConstruction();
               }
               f->RedrawAllViews();
           },
           nullptr, "Manual"});

    add(ID_ALGO_TWO_EXCHANGE, "Two Exchange\tCtrl+Alt+2",
        "Improve routes by swapping two facilities inside a route", HasRoutes, OnTwoExchange);
    add(ID_ALGO_THREE_EXCHANGE, "Three Exchange\tCtrl+Alt+3",
        "Improve routes by moving three facilities inside a route", HasRoutes, OnThreeExchange, "3-Exchange");
    add(ID_ALGO_CHAIN_EXCHANGE, "C&hain Exchange\tCtrl+Alt+H",
        "Improve routes by swapping a facility chain inside a route", HasRoutes, OnChainExchange);
    add(ID_ALGO_MOVE_FACILITY, "&Move Facility\tCtrl+Alt+M",
        "Improve routes by moving a facility to another route", CanMoveOrSwapFacility, RunMoveFacility,
        "Move");
    add(ID_ALGO_SWAP_FACILITY, "S&wap Facility\tCtrl+Alt+W",
        "Improve routes by swapping two facilities between two routes", CanMoveOrSwapFacility,
        RunSwapFacility, "Swap");

    add(ID_ALGO_GAP_SEED_POINTS, "Assignment (Seed &Points)",
        "Generalized assignment clustering based on seed points", CanRunAlgorithm,
        [](CTramletDoc& d) { OnGeneralizedAssignmentSeedPoints(d); });
    add(ID_ALGO_GAP_SEED_RAYS, "Assignment (Seed &Rays)",
        "Generalized assignment clustering based on seed rays", CanRunAlgorithm,
        [](CTramletDoc& d) { OnGeneralizedAssignmentSeedRays(d); });
    add(ID_ALGO_DISPLAY_COSTS_POINTS, "Display Assignment Costs (Seed Points)",
        "Display Generalized Assignment Costs (Seed Points)", CanRunWithSeveralVehicles,
        [f](CTramletDoc& d) { ShowAssignmentCosts(f, d, GAP_SEED_POINTS); });
    add(ID_ALGO_DISPLAY_COSTS_RAYS, "Display Assignment Costs (Seed Rays)",
        "Display Generalized Assignment Costs (Seed Rays)", CanRunWithSeveralVehicles,
        [f](CTramletDoc& d) { ShowAssignmentCosts(f, d, GAP_SEED_RAYS); });
    add(ID_ALGO_SP_BOUND, "Set Partitioning with Pricing (&Bound)",
        "Lower bound based on set partitioning with column generation based on linear programming pricing",
        CanRunSetPartitioning, [](CTramletDoc& d) { RunSetPartitioning(d, SP_MODE_BOUND); });
    add(ID_ALGO_SP_NO_REVISITS_BOUND, "Set Partitioning with Pricing No Revisits (B&ound)",
        "Lower bound based on set partitioning with column generation based on linear programming pricing "
        "without allowing revisits to a facility",
        CanRunSetPartitioningNoRevisits,
        [](CTramletDoc& d) { RunSetPartitioning(d, SP_MODE_BOUND_NO_REVISITS); });
    add(ID_ALGO_SP, "Set Partitioning with Pricing",
        "Construct routes from candidates based on set partitioning with column generation based on linear "
        "programming pricing",
        CanRunSetPartitioning, [](CTramletDoc& d) { RunSetPartitioning(d, SP_MODE_CONSTRUCT); });
    add(ID_ALGO_SP_NO_REVISITS, "Set Partitioning with Pricing No Revisits",
        "Construct routes from candidates based on set partitioning with column generation based on linear "
        "programming pricing without allowing revisits to a facility",
        CanRunSetPartitioningNoRevisits,
        [](CTramletDoc& d) { RunSetPartitioning(d, SP_MODE_CONSTRUCT_NO_REVISITS); });
    add(ID_ALGO_WRITE_LP, "Write LP Formulation", "Write the VRPB instance problem to an external text file",
        CanRunMipCommand, [](CTramletDoc& d) { OnWriteLPFormulation(d); });
    add(ID_ALGO_READ_GLPSOL, "Read glpsol Solution",
        "Read the instance problem solution created by the glpsol solver from an external text file",
        CanRunMipCommand, [](CTramletDoc& d) { OnReadGlpsolSolution(d); });
    add(ID_ALGO_READ_CPLEX, "Read cplex Solution",
        "Read the instance problem solution created by the cplex solver from an external text file",
        CanRunMipCommand, [](CTramletDoc& d) { OnReadCplexSolution(d); });
    add(ID_ALGO_READ_GUROBI, "Read gurobi Solution",
        "Read the instance problem solution created by the gurobi solver from an external text file",
        CanRunMipCommand, [](CTramletDoc& d) { OnReadGurobiSolution(d); });

    add(ID_ALGO_ALL_ALGORITHMS, "&All Algorithms",
        "Execute all combinations of heuristic algorithms in sequence", CanRunAllAlgorithms, RunAllAlgorithms,
        "All");
    add(ID_ALGO_ALL_IMPROVEMENTS, "All Im&provements",
        "Execute all improvement algorithms on the current routes", CanRunAllImprovements, RunAllImprovements,
        "Improve");
    add(ID_ALGO_SELECT, "Se&lect...", "Select Algorithm and Specify Parameters", HasProject,
        [f](CTramletDoc& d) { RunSelectSheet(*f, d); });
    add(
        ID_ALGO_EVALUATE, "&Evaluate", "Evaluate the current routes", CanEvaluate,
        [f](CTramletDoc& d) {
            if (EvaluateSolution(d)) {
                f->RedrawAllViews();
                CGridDialog dialog("Evaluate", BuildEvaluationModel(d), f);
                dialog.exec();
            }
        },
        "Evaluate");
    c.Add({ID_ALGO_ABORT, "Abor&t", "Abort the running algorithm", [f] { return IsAlgorithmBusy(*f); },
           [f] { AbortRunningAlgorithm(*f); }, nullptr, "Abort"});
}
