#pragma once
#include <QAbstractScrollArea>
#include <QList>
class QAction;
class QPrinter;
class CTramletDoc;
class CFacility;

enum class ERoutesMouseMode { select, addFacility, editFacility, deleteFacility, selectLink };

class CTramletRoutesView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CTramletRoutesView(CTramletDoc& document, QWidget* parent = nullptr);
    ~CTramletRoutesView() override;
    void Redraw(); // re-reads the document, repaints
    // Checkable/plain actions the view owns, for the main window's View menu, in menu order: Facility Labels,
    // Facility Quantities, Link Distances, Colors by Route, Sizes by Quantity, Grid, Map, the map styles,
    // Zoom In, Zoom Out, Zoom to Fit. (Separators may be included as separator actions.)
    QList<QAction*> ViewMenuActions() const;
    // Checkable actions for the mouse modes (select, add, edit, delete facility, select a link), for the
    // Facilities menu and the toolbar.
    QList<QAction*> MouseModeActions() const;
    void Print(QPrinter& printer); // the whole project on one page
    // Manual construction (command 2111): starts the mode; clicks and Escape drive it.
    void StartManualConstruction();
    bool IsManualConstructionActive() const;
    void AbortManualConstruction(); // the toolbar's abort button during the mode
signals:
    void FacilityAddRequested(double x, double y); // view (logical) coordinates; dialogs come later
    void FacilityEditRequested(CFacility* facility);
    void FacilityDeleteRequested(CFacility* facility);
    void LinkSelected(CFacility* from, CFacility* to);
    void DocumentChanged(); // a manual-construction step or record changed the project
};
