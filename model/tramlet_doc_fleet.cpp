// The fleet parameters and the commands that delete routes or facilities.
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

void CTramletDoc::UpdateCurrentSolutionCost() {
    if (GetNumberOfRoutes() == 0 || IsImportingProject()) {
        return;
    }
    double distance = 0.0;
    double penalty = 0.0;
    double cost = 0.0;
    GetDistancePenaltyCost(distance, penalty, cost);
    m_CurrentSolution.m_dDistance = distance;
    m_CurrentSolution.m_dCost = cost;
}

bool CTramletDoc::SetNumberOfVehicles(int vehicles) {
    if (!m_NumberOfVehicles.SetValue(vehicles)) {
        return false;
    }
    UpdateCurrentSolutionCost();
    return true;
}

bool CTramletDoc::SetInfeasibilityPenalty(double penalty) {
    if (!m_InfeasibilityPenalty.SetValue(penalty)) {
        return false;
    }
    UpdateCurrentSolutionCost();
    return true;
}

bool CTramletDoc::SetVehicleCapacity(int capacity) {
    int old = GetVehicleCapacity();
    if (!m_VehicleCapacity.SetValue(capacity)) {
        return false;
    }
    if (capacity != old) {
        ApplyVehicleCapacity();
    }
    return true;
}

void CTramletDoc::ApplyVehicleCapacity() {
    const int capacity = GetVehicleCapacity();
    CUserInterface& ui = GetUserInterface();
    bool routesAnnounced = false;
    for (int index = GetNumberOfRoutes() - 1; index >= 0; --index) {
        CRoute* route = GetRoute(index);
        if (route->GetQuantity(FT_CUSTOMER) <= capacity && route->GetQuantity(FT_SUPPLIER) <= capacity) {
            continue;
        }
        if (!routesAnnounced) {
            ui.MessageBox(
                FormatString("New vehicle capacity %ld is smaller than current quantities on one or more "
                             "routes.  These routes will be deleted.",
                             static_cast<long>(capacity)),
                EMessageIcon::exclamation, EMessageButtons::ok);
            routesAnnounced = true;
        }
        AdjustRoutedCount(-(route->GetNumberOfCustomers() + route->GetNumberOfSuppliers()));
        DeleteRoute(route);
    }
    bool facilitiesAnnounced = false;
    for (int type = FT_CUSTOMER; type <= FT_SUPPLIER; ++type) {
        for (auto& f : m_facilities[type]) {
            if (f->GetQuantity() <= capacity) {
                continue;
            }
            if (!facilitiesAnnounced) {
                ui.MessageBox(
                    FormatString("New vehicle capacity %ld is smaller than the quantity of one or more "
                                 "facilties, which can not be included on a route",
                                 static_cast<long>(capacity)),
                    EMessageIcon::exclamation, EMessageButtons::ok);
                facilitiesAnnounced = true;
            }
            if (CRoute* route = f->GetRoute()) {
                route->RemoveFacility(f.get(), true);
                AdjustRoutedCount(-1);
            }
        }
    }
    // Symbols drawn in proportion to quantity follow the capacity.
    for (auto& facilities : m_facilities) {
        for (auto& f : facilities) {
            f->SetQuantity(f->GetQuantity());
        }
    }
    UpdateCurrentSolutionCost();
    SetModifiedFlag(true);
    RedrawAllViews();
}

void CTramletDoc::OnEditNumberOfVehicles() {
    if (m_NumberOfVehicles.Edit()) {
        UpdateCurrentSolutionCost();
        SetModifiedFlag(true);
        RedrawAllViews();
    }
}

void CTramletDoc::OnEditVehicleCapacity() {
    if (m_VehicleCapacity.Edit()) {
        ApplyVehicleCapacity();
    }
}

void CTramletDoc::OnEditInfeasibilityPenalty() {
    if (m_InfeasibilityPenalty.Edit()) {
        UpdateCurrentSolutionCost();
        SetModifiedFlag(true);
        RedrawAllViews();
    }
}

void CTramletDoc::OnDeleteAllRoutes() {
    if (GetUserInterface().MessageBox(
            "This command will delete all current routes.\r\nDo you wish to continue?",
            EMessageIcon::exclamation, EMessageButtons::yesNo) != EMessageAnswer::yes) {
        return;
    }
    DeleteAllRoutes();
    SetModifiedFlag(true);
    RedrawAllViews();
}

void CTramletDoc::OnDeleteAllFacilities() {
    if (GetUserInterface().MessageBox("This command will delete all facilties.\r\nDo you wish to continue?",
                                      EMessageIcon::exclamation,
                                      EMessageButtons::yesNo) != EMessageAnswer::yes) {
        return;
    }
    DeleteAllRoutes();
    DeleteAllFacilities();
    SetModifiedFlag(true);
    RedrawAllViews();
}
