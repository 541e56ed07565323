// The dialogs the routes view asks for: add, edit and delete a facility, edit a link.

#include <cmath>

#include "framework/exceptions/user_exception.h"
#include "model/facility.h"
#include "model/tramlet_doc.h"
#include "ui/dialogs/distances/link_dialog.h"
#include "ui/dialogs/facility/facility_dialog.h"
#include "ui/frame/algorithm_rules.h"
#include "ui/frame/main_frame.h"

namespace {

// Whether the project may change now: a project is open and no algorithm runs.
bool CanEdit(const CMainFrame& frame) {
    return frame.GetDocument() != nullptr && !IsAlgorithmBusy(frame);
}

// Runs a dialog; a user exception raised by the document ends it quietly after its message.
void RunDialog(CMainFrame& frame, QDialog& dialog) {
    try {
        dialog.exec();
    } catch (const CUserException&) {
    }
    frame.RedrawAllViews();
}

} // namespace

void CMainFrame::AddFacilityAt(double x, double y) {
    CTramletDoc* document = GetDocument();
    if (!CanEdit(*this) || document->GetSelectedType() < FT_CUSTOMER ||
        document->GetSelectedType() > FT_DEPOT) {
        return;
    }
    // A type at its maximum takes no more facilities: the dialog is not offered.
    if (!document->CheckFacilityLimit(document->GetSelectedType(), 1)) {
        return;
    }
    CIntPoint view{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
    CLonLatPoint world = document->ViewToWorld(view);
    CFacilityDialog dialog(*document, document->GetSelectedType(), world.x(), world.y(), this);
    RunDialog(*this, dialog);
}

void CMainFrame::ShowFacilityDialog(CFacility* f, EFacilityDialogMode mode) {
    if (!CanEdit(*this) || f == nullptr || !GetDocument()->ContainsFacility(f)) {
        return;
    }
    CFacilityDialog dialog(*GetDocument(), f, mode, this);
    RunDialog(*this, dialog);
}

void CMainFrame::ShowLinkDialog(CFacility* from, CFacility* to) {
    if (!CanEdit(*this) || from == nullptr || to == nullptr || from == to) {
        return;
    }
    CLinkDialog dialog(*GetDocument(), from, to, this);
    RunDialog(*this, dialog);
    // Edited distances change the cost of the current routes.
    GetDocument()->UpdateCurrentSolutionCost();
}
