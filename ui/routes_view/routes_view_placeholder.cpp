// Stand-in for the routes view while it is built on its own branch: an empty scroll area that
// offers no actions and draws nothing, so the frame builds and runs.

#include "ui/routes_view/render_routes.h"
#include "ui/routes_view/tramlet_routes_view.h"

CTramletRoutesView::CTramletRoutesView(CTramletDoc&, QWidget* parent) : QAbstractScrollArea(parent) {}
CTramletRoutesView::~CTramletRoutesView() = default;
void CTramletRoutesView::Redraw() {
    viewport()->update();
}
QList<QAction*> CTramletRoutesView::ViewMenuActions() const {
    return {};
}
QList<QAction*> CTramletRoutesView::MouseModeActions() const {
    return {};
}
void CTramletRoutesView::Print(QPrinter&) {}
void CTramletRoutesView::StartManualConstruction() {}
bool CTramletRoutesView::IsManualConstructionActive() const {
    return false;
}
void CTramletRoutesView::AbortManualConstruction() {}

bool RenderRoutesToFile(const CTramletDoc&, const std::string&, std::string& error) {
    error = "the routes view is not part of this build";
    return false;
}
