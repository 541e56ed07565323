#include "ui/routes_view/tramlet_routes_view.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "construction/manual_construction.h"
#include "model/tramlet_doc.h"
#include "ui/routes_view/routes_painter.h"

namespace {

// Free device pixels around the view limits, the zoom step and its bounds.
constexpr double VIEW_MARGIN = 12.0;
constexpr double ZOOM_STEP = 1.5;
constexpr double MIN_ZOOM = 0.125;
constexpr double MAX_ZOOM = 64.0;
// A click this many pixels beside a small symbol still hits it; a press moved further drags.
constexpr double HIT_SLACK_PIXELS = 3.0;
constexpr int DRAG_START_PIXELS = 4;

} // namespace

CTramletRoutesView::CTramletRoutesView(CTramletDoc& document, QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document),
      m_manual(std::make_unique<CManualConstruction>(document)) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setMinimumSize(200, 150);
    // The facility signals carry plain pointers, also through queued connections.
    qRegisterMetaType<CFacility*>("CFacility*");
    CreateActions();
    CreateMouseModeActions();
    Redraw();
}

CTramletRoutesView::~CTramletRoutesView() = default;

void CTramletRoutesView::Redraw() {
    // An algorithm started meanwhile has left every interactive mode.
    if (m_mode != ERoutesMouseMode::select && m_document.IsAlgorithmRunning() && !m_manual->IsActive()) {
        SetMouseMode(ERoutesMouseMode::select);
    }
    m_drawing = BuildRoutesDrawing(m_document, m_display);
    UpdateScrollBars();
    viewport()->update();
}

void CTramletRoutesView::SetDisplay(const SRoutesDisplay& display) {
    m_display = display;
    SyncActions();
    Redraw();
}

void CTramletRoutesView::SetMouseMode(ERoutesMouseMode mode) {
    m_mode = mode;
    m_linkFrom = nullptr;
    UpdateDocumentStatus();
    SyncActions();
    static const Qt::CursorShape cursors[] = {Qt::ArrowCursor, Qt::CrossCursor, Qt::PointingHandCursor,
                                              Qt::PointingHandCursor, Qt::PointingHandCursor};
    viewport()->setCursor(cursors[static_cast<int>(mode)]);
    viewport()->update();
}

// The document's status word names the interactive mode the view is in.
void CTramletRoutesView::UpdateDocumentStatus() {
    m_document.SetStatusBits(DS_ADDING | DS_EDITING | DS_DELETING | DS_FINDING_LINK_FROM | DS_FINDING_LINK_TO,
                             false);
    switch (m_mode) {
    case ERoutesMouseMode::addFacility:
        m_document.SetStatusBits(DS_ADDING, true);
        break;
    case ERoutesMouseMode::editFacility:
        m_document.SetStatusBits(DS_EDITING, true);
        break;
    case ERoutesMouseMode::deleteFacility:
        m_document.SetStatusBits(DS_DELETING, true);
        break;
    case ERoutesMouseMode::selectLink:
        m_document.SetStatusBits(m_linkFrom == nullptr ? DS_FINDING_LINK_FROM : DS_FINDING_LINK_TO, true);
        break;
    case ERoutesMouseMode::select:
        break;
    }
}

// ---- zoom and scrolling ----

double CTramletRoutesView::Scale() const {
    const double width = std::max(1, m_drawing.bounds.Width());
    const double height = std::max(1, m_drawing.bounds.Height());
    const double fit = std::min((viewport()->width() - 2.0 * VIEW_MARGIN) / width,
                                (viewport()->height() - 2.0 * VIEW_MARGIN) / height);
    return std::max(fit, 1e-6) * m_zoom;
}

QTransform CTramletRoutesView::ViewTransform() const {
    const double s = Scale();
    const double contentWidth = m_drawing.bounds.Width() * s + 2.0 * VIEW_MARGIN;
    const double contentHeight = m_drawing.bounds.Height() * s + 2.0 * VIEW_MARGIN;
    // Content smaller than the window stays centred; larger content scrolls.
    const double ox = contentWidth < viewport()->width() ? (viewport()->width() - contentWidth) / 2.0
                                                         : -horizontalScrollBar()->value();
    const double oy = contentHeight < viewport()->height() ? (viewport()->height() - contentHeight) / 2.0
                                                           : -verticalScrollBar()->value();
    QTransform transform;
    transform.translate(ox + VIEW_MARGIN, oy + VIEW_MARGIN);
    transform.scale(s, s);
    transform.translate(-m_drawing.bounds.left, -m_drawing.bounds.top);
    return transform;
}

void CTramletRoutesView::UpdateScrollBars() {
    const double s = Scale();
    const int contentWidth = static_cast<int>(std::ceil(m_drawing.bounds.Width() * s + 2.0 * VIEW_MARGIN));
    const int contentHeight = static_cast<int>(std::ceil(m_drawing.bounds.Height() * s + 2.0 * VIEW_MARGIN));
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(std::max(1, viewport()->width() / 20));
    verticalScrollBar()->setRange(0, std::max(0, contentHeight - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(std::max(1, viewport()->height() / 20));
}

// Keeps the view point in the middle of the window where it was.
void CTramletRoutesView::SetZoom(double zoom) {
    const QPoint middle = viewport()->rect().center();
    const QPointF anchor = ToView(middle);
    m_zoom = std::clamp(zoom, MIN_ZOOM, MAX_ZOOM);
    UpdateScrollBars();
    const QPointF moved = ViewTransform().map(anchor);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() +
                                    static_cast<int>(moved.x() - middle.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + static_cast<int>(moved.y() - middle.y()));
    viewport()->update();
}

void CTramletRoutesView::ZoomIn() {
    SetZoom(m_zoom * ZOOM_STEP);
}

void CTramletRoutesView::ZoomOut() {
    SetZoom(m_zoom / ZOOM_STEP);
}

void CTramletRoutesView::ZoomToFit() {
    m_zoom = 1.0;
    UpdateScrollBars();
    viewport()->update();
}

QPointF CTramletRoutesView::ToView(const QPoint& windowPoint) const {
    return ViewTransform().inverted().map(QPointF(windowPoint));
}

void CTramletRoutesView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CTramletRoutesView::scrollContentsBy(int, int) {
    viewport()->update();
}

void CTramletRoutesView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        event->angleDelta().y() > 0 ? ZoomIn() : ZoomOut();
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

// ---- painting and printing ----

void CTramletRoutesView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setTransform(ViewTransform());
    PaintRoutesDrawing(painter, m_drawing);
    PaintMarks(painter);
}

// A dashed frame around the facility the next click refers to: the last appended facility of
// manual construction, or the first end of a link being selected.
void CTramletRoutesView::PaintMarks(QPainter& painter) const {
    const CFacility* marked = m_manual->IsActive() ? m_manual->GetLastFacility() : m_linkFrom;
    if (marked == nullptr) {
        return;
    }
    const int h = GetFacilityHalfWidth(*marked, m_display.sizesByQuantity) * 2;
    const CIntPoint& at = marked->GetViewLocation();
    QPen pen(Qt::black, 1, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(at.x - h, at.y - h), QPoint(at.x + h, at.y + h)));
}

void CTramletRoutesView::Print(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const SRoutesDrawing drawing = BuildRoutesDrawing(m_document, m_display);
    painter.setTransform(FitViewLimits(drawing.bounds, QRectF(QPointF(0, 0), page.size()), 0.0));
    PaintRoutesDrawing(painter, drawing);
    painter.end();
}

// ---- mouse and keyboard ----

CFacility* CTramletRoutesView::FacilityAt(const QPoint& windowPoint) const {
    const QPointF at = ToView(windowPoint);
    const int slack = static_cast<int>(std::ceil(HIT_SLACK_PIXELS / Scale()));
    return FindFacilityAt(
        m_document, m_display,
        CIntPoint{static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y()))}, slack);
}

void CTramletRoutesView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_pressPoint = event->position().toPoint();
    m_lastDragPoint = m_pressPoint;
    event->accept();
}

void CTramletRoutesView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (m_pressed && (m_display.dragging || (at - m_pressPoint).manhattanLength() > DRAG_START_PIXELS)) {
        if (!m_display.dragging) {
            m_display.dragging = true; // texts are left out while dragging
            m_drawing = BuildRoutesDrawing(m_document, m_display);
        }
        const QPoint delta = at - m_lastDragPoint;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y());
        m_lastDragPoint = at;
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CTramletRoutesView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    if (m_display.dragging) {
        m_display.dragging = false;
        Redraw();
        return;
    }
    HandleClick(event->position().toPoint());
}

// A left-button click: manual construction first, then the mouse mode.
void CTramletRoutesView::HandleClick(const QPoint& windowPoint) {
    CFacility* facility = FacilityAt(windowPoint);
    if (m_manual->IsActive()) {
        HandleManualClick(facility);
        return;
    }
    if (m_document.IsAlgorithmRunning()) {
        return;
    }
    switch (m_mode) {
    case ERoutesMouseMode::select:
        break;
    case ERoutesMouseMode::addFacility: {
        const QPointF at = ToView(windowPoint);
        emit FacilityAddRequested(at.x(), at.y());
        break;
    }
    case ERoutesMouseMode::editFacility:
        if (facility != nullptr) {
            emit FacilityEditRequested(facility);
        }
        break;
    case ERoutesMouseMode::deleteFacility:
        if (facility != nullptr) {
            emit FacilityDeleteRequested(facility);
        }
        break;
    case ERoutesMouseMode::selectLink:
        if (facility != nullptr && m_linkFrom == nullptr) {
            m_linkFrom = facility;
            UpdateDocumentStatus();
            viewport()->update();
        } else if (facility != nullptr && facility != m_linkFrom) {
            CFacility* from = m_linkFrom;
            m_linkFrom = nullptr;
            UpdateDocumentStatus();
            viewport()->update();
            emit LinkSelected(from, facility);
        }
        break;
    }
}

void CTramletRoutesView::HandleManualClick(CFacility* facility) {
    if (facility != nullptr && m_manual->OnFacilityClicked(facility)) {
        Redraw();
        emit DocumentChanged();
    }
}

void CTramletRoutesView::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (m_manual->IsActive()) {
        m_manual->OnEscape();
        Redraw();
        emit DocumentChanged();
    } else if (m_linkFrom != nullptr) {
        m_linkFrom = nullptr;
        UpdateDocumentStatus();
        viewport()->update();
    }
}

// ---- manual construction ----

void CTramletRoutesView::StartManualConstruction() {
    SetMouseMode(ERoutesMouseMode::select);
    m_manual->Start();
    setFocus();
    Redraw();
    emit DocumentChanged();
}

bool CTramletRoutesView::IsManualConstructionActive() const {
    return m_manual->IsActive();
}

void CTramletRoutesView::AbortManualConstruction() {
    if (!m_manual->IsActive()) {
        return;
    }
    m_manual->Abort();
    Redraw();
    emit DocumentChanged();
}
