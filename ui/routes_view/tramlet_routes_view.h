#pragma once
#include <QAbstractScrollArea>
#include <QList>
#include <QPoint>
#include <QTransform>
#include <memory>

#include "ui/routes_view/routes_drawing.h"

class QAction;
class QActionGroup;
class QPainter;
class QPrinter;
class CTramletDoc;
class CFacility;
class CManualConstruction;

enum class ERoutesMouseMode { select, addFacility, editFacility, deleteFacility, selectLink };

// The routes view: the project's picture (a drawing list built from the document and the
// display switches, painted as it is), zoom and scrolling, printing, the mouse modes, and the
// clicks and Escape that drive manual construction.
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

    // The display switches and the mouse mode (the View menu and the mode actions set them).
    const SRoutesDisplay& GetDisplay() const { return m_display; }
    void SetDisplay(const SRoutesDisplay& display);
    ERoutesMouseMode GetMouseMode() const { return m_mode; }
    void SetMouseMode(ERoutesMouseMode mode);
    // The zoom relative to the whole project fitting the window (1.0).
    double GetZoom() const { return m_zoom; }
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    // The drawing last built by Redraw, and the transform from view coordinates to the window.
    const SRoutesDrawing& GetDrawing() const { return m_drawing; }
    QTransform ViewTransform() const;
    CManualConstruction& GetManualConstruction() { return *m_manual; }

signals:
    void FacilityAddRequested(double x, double y); // view (logical) coordinates; dialogs come later
    void FacilityEditRequested(CFacility* facility);
    void FacilityDeleteRequested(CFacility* facility);
    void LinkSelected(CFacility* from, CFacility* to);
    void DocumentChanged(); // a manual-construction step or record changed the project

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateActions();
    void CreateMouseModeActions();
    void SyncActions();
    double Scale() const;
    void UpdateScrollBars();
    void SetZoom(double zoom);
    QPointF ToView(const QPoint& windowPoint) const;
    CFacility* FacilityAt(const QPoint& windowPoint) const;
    void HandleClick(const QPoint& windowPoint);
    void HandleManualClick(CFacility* facility);
    void PaintMarks(QPainter& painter) const;
    void UpdateDocumentStatus();

    CTramletDoc& m_document;
    SRoutesDisplay m_display;
    SRoutesDrawing m_drawing;
    double m_zoom = 1.0;
    ERoutesMouseMode m_mode = ERoutesMouseMode::select;
    CFacility* m_linkFrom = nullptr;
    std::unique_ptr<CManualConstruction> m_manual;
    // A left-button drag pans the view.
    bool m_pressed = false;
    QPoint m_pressPoint;
    QPoint m_lastDragPoint;

    QList<QAction*> m_viewActions;
    QList<QAction*> m_modeActions;
    QActionGroup* m_styleGroup = nullptr;
    QActionGroup* m_modeGroup = nullptr;
};
