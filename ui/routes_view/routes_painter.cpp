#include "ui/routes_view/routes_painter.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygon>
#include <algorithm>

namespace {

QColor ToQColor(std::uint32_t rgb) {
    return QColor(GetRedValue(rgb), GetGreenValue(rgb), GetBlueValue(rgb));
}

QPolygon ToPolygon(const std::vector<CIntPoint>& points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const CIntPoint& p : points) {
        polygon.append(QPoint(p.x, p.y));
    }
    return polygon;
}

void SetPenAndBrush(QPainter& painter, const SDrawItem& item) {
    if (item.hasPen) {
        QPen pen(ToQColor(item.penColor));
        pen.setWidth(item.penWidth);
        pen.setCosmetic(true);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(item.hasBrush ? QBrush(ToQColor(item.brushColor)) : QBrush(Qt::NoBrush));
}

// The text with its top-left corner at the item's point.
void PaintText(QPainter& painter, const SDrawItem& item) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, item.fontHeight));
    painter.setFont(font);
    painter.setPen(ToQColor(item.penColor));
    const CIntPoint& at = item.points.front();
    painter.drawText(QRectF(at.x, at.y, 1.0, 1.0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QString::fromStdString(item.text));
}

void PaintItem(QPainter& painter, const SDrawItem& item) {
    if (item.points.empty()) {
        return;
    }
    if (item.figure == EDrawFigure::text) {
        PaintText(painter, item);
        return;
    }
    SetPenAndBrush(painter, item);
    const std::vector<CIntPoint>& p = item.points;
    switch (item.figure) {
    case EDrawFigure::rectangle:
        painter.drawRect(QRect(QPoint(p[0].x, p[0].y), QPoint(p[1].x, p[1].y)));
        break;
    case EDrawFigure::ellipse:
        painter.drawEllipse(QRect(QPoint(p[0].x, p[0].y), QPoint(p[1].x, p[1].y)));
        break;
    case EDrawFigure::polygon:
        painter.drawPolygon(ToPolygon(p));
        break;
    case EDrawFigure::polyline:
        painter.drawPolyline(ToPolygon(p));
        break;
    case EDrawFigure::line:
        painter.drawLine(p[0].x, p[0].y, p[1].x, p[1].y);
        break;
    case EDrawFigure::text:
        break;
    }
}

} // namespace

QTransform FitViewLimits(const CIntRect& limits, const QRectF& target, double margin) {
    const double width = std::max(1, limits.Width());
    const double height = std::max(1, limits.Height());
    const double free = std::max(1.0, std::min(target.width(), target.height()) - 2.0 * margin);
    const double scale =
        std::min((target.width() - 2.0 * margin) / width, (target.height() - 2.0 * margin) / height);
    const double s = scale > 0.0 ? scale : free / std::max(width, height);
    const QPointF center = target.center();
    QTransform transform;
    transform.translate(center.x() - s * width / 2.0, center.y() - s * height / 2.0);
    transform.scale(s, s);
    transform.translate(-limits.left, -limits.top);
    return transform;
}

void PaintRoutesDrawing(QPainter& painter, const SRoutesDrawing& drawing) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const SDrawItem& item : drawing.items) {
        PaintItem(painter, item);
    }
    painter.restore();
}
