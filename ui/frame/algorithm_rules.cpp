#include "ui/frame/algorithm_rules.h"

#include "app/tramlet_app.h"
#include "model/tramlet_doc.h"
#include "optimisation/assignment_costs.h"
#include "optimisation/set_partitioning.h"
#include "ui/frame/main_frame.h"
#include "ui/routes_view/tramlet_routes_view.h"

bool IsAlgorithmBusy(const CMainFrame& frame) {
    const CTramletDoc* document = frame.GetDocument();
    const CTramletRoutesView* view = frame.GetRoutesView();
    return frame.GetApp().IsAlgorithmRunning() || frame.GetApp().IsAlgorithmAborting() ||
           (document != nullptr && document->IsAlgorithmRunning()) ||
           (view != nullptr && view->IsManualConstructionActive());
}

bool IsCommandAllowed(const CMainFrame& frame, bool (*rule)(const CTramletDoc&)) {
    const CTramletDoc* document = frame.GetDocument();
    return document != nullptr && !IsAlgorithmBusy(frame) && rule(*document);
}

bool NeverEnabled(const CTramletDoc&) {
    return false;
}

bool HasProject(const CTramletDoc&) {
    return true;
}

bool HasRoutes(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfRoutes() > 0;
}

bool CanRunWithSeveralVehicles(const CTramletDoc& document) {
    return CanDisplayAssignmentCosts(document);
}

bool CanRunSetPartitioning(const CTramletDoc& document) {
    return CanRunSetPartitioning(document, SP_MODE_BOUND);
}

bool CanRunSetPartitioningNoRevisits(const CTramletDoc& document) {
    return CanRunSetPartitioning(document, SP_MODE_BOUND_NO_REVISITS);
}
