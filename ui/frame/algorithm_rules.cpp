#include "ui/frame/algorithm_rules.h"

#include "app/tramlet_app.h"
#include "model/tramlet_doc.h"
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
    return !document.IsAlgorithmRunning() && document.GetNumberOfVehicles() > 1 &&
           document.GetNumberOfCustomers() + document.GetNumberOfSuppliers() > 0 &&
           document.GetNumberOfDepots() > 0;
}

bool CanRunSetPartitioning(const CTramletDoc& document) {
    return CanRunWithSeveralVehicles(document) &&
           document.GetRoutedCount() == document.GetNumberOfCustomers() + document.GetNumberOfSuppliers();
}

bool CanRunSetPartitioningNoRevisits(const CTramletDoc& document) {
    return CanRunSetPartitioning(document) && document.GetNumberOfCustomers() <= 128 &&
           document.GetNumberOfSuppliers() <= 128;
}
