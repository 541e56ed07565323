// Facilities, Distances and Options: the commands that edit the project's facilities, routes,
// fleet, distances and common parameters.

#include "app/tramlet_app.h"
#include "framework/exceptions/user_exception.h"
#include "model/distances/distance_norms.h"
#include "model/tramlet_doc.h"
#include "ui/dialogs/distances/all_distances_dialog.h"
#include "ui/dialogs/distances/distance_norm_dialog.h"
#include "ui/dialogs/distances/route_preferences_dialog.h"
#include "ui/dialogs/facility/random_facilities_dialog.h"
#include "ui/dialogs/parameters/projection_dialog.h"
#include "ui/frame/algorithm_rules.h"
#include "ui/frame/command_ids.h"
#include "ui/frame/command_table.h"
#include "ui/frame/frame_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/platform/qt_user_interface.h"
#include "ui/routes_view/tramlet_routes_view.h"

namespace {

// Whether a project is open and no algorithm runs: the state in which the project may change.
bool CanChangeProject(const CMainFrame& frame) {
    return frame.GetDocument() != nullptr && !IsAlgorithmBusy(frame);
}

// Runs a document command; a user exception ends it quietly (its message has been shown).
void RunOnDocument(CMainFrame& frame, const std::function<void(CTramletDoc&)>& command) {
    try {
        command(*frame.GetDocument());
    } catch (const CUserException&) {
    }
    frame.RedrawAllViews();
}

// Selects the type of facility to add and switches the routes view to its add mode.
void StartAddingFacility(CMainFrame& frame, int type) {
    frame.GetDocument()->SetSelectedType(type);
    CTramletRoutesView* view = frame.GetRoutesView();
    QList<QAction*> modes = view == nullptr ? QList<QAction*>() : view->MouseModeActions();
    if (modes.size() > static_cast<int>(ERoutesMouseMode::addFacility)) {
        modes[static_cast<int>(ERoutesMouseMode::addFacility)]->trigger();
    } else {
        frame.ShowNotAvailable("Adding facilities in the routes view");
    }
}

// Computes all distances under a wait cursor; the document is marked modified.
void ComputeDistances(CMainFrame& frame, CTramletDoc& document) {
    frame.GetUserInterface().BeginWaitCursor();
    try {
        document.ComputeAllDistances();
    } catch (...) {
        frame.GetUserInterface().EndWaitCursor();
        throw;
    }
    frame.GetUserInterface().EndWaitCursor();
    document.SetModifiedFlag();
}

// The norm dialog: the norms the projection offers; on OK a changed norm is set and all
// distances are computed again.
void ChangeDistanceNorm(CMainFrame& frame, CTramletDoc& document) {
    CDistanceNormDialog dialog(document, false, &frame);
    if (dialog.exec() != QDialog::Accepted || !dialog.Changed()) {
        return;
    }
    ComputeDistances(frame, document);
}

// Compute Distances: the norm and the distance factor, then the question, then the computation.
void OnComputeDistances(CMainFrame& frame, CTramletDoc& document) {
    CDistanceNormDialog dialog(document, true, &frame);
    if (dialog.exec() == QDialog::Accepted && ConfirmComputeDistances()) {
        ComputeDistances(frame, document);
    }
}

// Edits a display size; a change is kept in the project and redrawn.
void EditDisplaySize(CMainFrame& frame, CLongParameter& size) {
    if (size.Edit()) {
        frame.GetDocument()->SetModifiedFlag(true);
    }
}

} // namespace

void AddProjectCommands(CMainFrame& frame) {
    CCommandTable& c = frame.GetCommands();
    CMainFrame* f = &frame;
    auto can = [f] { return CanChangeProject(*f); };
    auto doc = [f] { return f->GetDocument(); };
    auto addType = [f](int type) { return [f, type] { StartAddingFacility(*f, type); }; };
    c.Add({ID_FACILITY_ADD_CUSTOMER, "Add &Customer", "Add customers by clicking in the routes view", can,
           addType(FT_CUSTOMER)});
    c.Add({ID_FACILITY_ADD_SUPPLIER, "Add &Supplier", "Add suppliers by clicking in the routes view", can,
           addType(FT_SUPPLIER)});
    c.Add({ID_FACILITY_ADD_DEPOT, "Add &Depot", "Add the depot by clicking in the routes view",
           [can, doc] { return can() && doc()->GetNumberOfDepots() == 0; }, addType(FT_DEPOT)});
    c.Add(
        {ID_FACILITY_ADD_RANDOM, "Add &Random Facilities...", "Add facilities at random locations", can, [f] {
             CRandomFacilitiesDialog dialog(*f->GetDocument(), f);
             dialog.exec();
             f->RedrawAllViews();
         }});
    c.Add({ID_FACILITY_DELETE_ALL, "Delete All &Facilities...", "Delete every facility and route",
           [can, doc] { return can() && doc()->GetTotalNumberOfFacilities() > 0; },
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnDeleteAllFacilities(); }); }});
    c.Add({ID_ROUTES_DELETE_ALL, "Delete All &Routes", "Delete every route",
           [can, doc] { return can() && doc()->GetNumberOfRoutes() > 0; },
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnDeleteAllRoutes(); }); }});
    c.Add({ID_FLEET_VEHICLES, "&Number of Vehicles...", "Edit the number of vehicles", can,
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnEditNumberOfVehicles(); }); }});
    c.Add({ID_FLEET_CAPACITY, "Vehicle &Capacity...", "Edit the vehicle capacity", can,
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnEditVehicleCapacity(); }); }});
    c.Add({ID_FLEET_PENALTY, "Infeasibility &Penalty...", "Edit the infeasibility penalty per unit", can,
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnEditInfeasibilityPenalty(); }); }});
}

void AddDistanceCommands(CMainFrame& frame) {
    CCommandTable& c = frame.GetCommands();
    CMainFrame* f = &frame;
    auto can = [f] { return CanChangeProject(*f); };
    auto doc = [f] { return f->GetDocument(); };
    c.Add({ID_DISTANCES_COMPUTE, "&Compute Distances", "Compute all distances from the facility locations",
           [can, doc] {
               return can() && IsComputeDistancesEnabled(false, doc()->GetTotalNumberOfFacilities());
           },
           [f] { RunOnDocument(*f, [f](CTramletDoc& d) { OnComputeDistances(*f, d); }); }});
    c.Add({ID_DISTANCES_NORM, "Distance &Norm...", "Change the distance Norm", can,
           [f] { RunOnDocument(*f, [f](CTramletDoc& d) { ChangeDistanceNorm(*f, d); }); }});
    c.Add({ID_DISTANCES_ALL, "&All Distances...", "Show and edit the whole distance matrix",
           [can, doc] { return can() && doc()->GetTotalNumberOfFacilities() > 0; },
           [f] {
               CAllDistancesDialog dialog(*f->GetDocument(), f);
               dialog.exec();
               f->RedrawAllViews();
           }});
    c.Add({ID_DISTANCES_SYMMETRIC, "&Symmetric Distances",
           "Make the distances symmetric from the upper triangle",
           [can, doc] { return can() && doc()->GetAsymmetric() != 0; },
           [f] {
               RunOnDocument(*f, [](CTramletDoc& d) {
                   if (d.GetDistanceData().OnSymmetricDistances()) {
                       d.SetModifiedFlag();
                   }
               });
           }});
    c.Add({ID_DISTANCES_FACTOR, "Distance &Factor...", "Edit the distance factor", can,
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { EditDistanceFactor(d); }); }});
    c.Add(
        {ID_DISTANCES_ROUTE_PREFERENCES, "&Route Preferences...", "Edit the road-type preferences", can, [f] {
             RunOnDocument(*f, [f](CTramletDoc& d) {
                 CRoutePreferencesDialog dialog(d.GetRoutePreferences(), f);
                 if (dialog.exec() == QDialog::Accepted && dialog.Changed()) {
                     d.SetModifiedFlag();
                 }
             });
         }});
}

void AddOptionCommands(CMainFrame& frame) {
    CCommandTable& c = frame.GetCommands();
    CMainFrame* f = &frame;
    auto can = [f] { return CanChangeProject(*f); };
    const char* const levels[] = {"&Database", "&Summary", "S&tandard", "D&etailed", "De&bug"};
    for (int level = 1; level <= 5; ++level) {
        c.Add({ID_REPORT_LEVEL_DATABASE + level - 1, levels[level - 1],
               QString("Report Level %1").arg(QString(levels[level - 1]).remove('&')), can,
               [f, level] { RunOnDocument(*f, [level](CTramletDoc& d) { d.OnReportLevel(level); }); },
               [f, level] {
                   return f->GetDocument() != nullptr && f->GetDocument()->GetReportLevel() == level;
               }});
    }
    c.Add({ID_REPORT_LEVEL_EDIT, "Report &Level...", "Edit the report level", can,
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnEditReportLevel(); }); }});
    c.Add({ID_EDIT_SEED, "S&eed...", "Edit the random seed", can,
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnEditSeed(); }); }});
    c.Add({ID_EDIT_MAX_ITERATIONS, "&Max Replications...", "Edit the maximum number of replications", can,
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnEditMaxIterations(); }); }});
    c.Add({ID_EDIT_TIME_LIMIT, "&Time Limit...", "Edit the run-time limit", can,
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnEditTimeLimit(); }); }});
    c.Add({ID_EDIT_TOLERANCE, "T&olerance...", "Edit the relative tolerance", can,
           [f] { RunOnDocument(*f, [](CTramletDoc& d) { d.OnEditTolerance(); }); }});
    c.Add({ID_EDIT_VERTEX_SIZE, "&Vertex Size...", "Edit the symbol size of new facilities", can, [f] {
               RunOnDocument(*f, [f](CTramletDoc& d) { EditDisplaySize(*f, d.VertexSizeParameter()); });
           }});
    c.Add({ID_EDIT_LABEL_SIZE, "Label Si&ze...", "Edit the size of the labels in the routes view", can,
           [f] { RunOnDocument(*f, [f](CTramletDoc& d) { EditDisplaySize(*f, d.LabelSizeParameter()); }); }});
    c.Add({ID_EDIT_GRID_SIZE, "&Grid Size...", "Edit the spacing of the grid in the routes view", can,
           [f] { RunOnDocument(*f, [f](CTramletDoc& d) { EditDisplaySize(*f, d.GridSizeParameter()); }); }});
    c.Add({ID_EDIT_PROJECTION, "&Projection and World Limits...",
           "Choose the map projection and the world limits of a project without facilities",
           [f, can] { return can() && f->GetDocument()->GetTotalNumberOfFacilities() == 0; },
           [f] {
               RunOnDocument(*f, [f](CTramletDoc& d) {
                   CProjectionDialog dialog(d, f);
                   dialog.exec();
               });
           }});
}
