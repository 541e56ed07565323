#include "ui/routes_view/render_routes.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "model/tramlet_doc.h"
#include "ui/routes_view/routes_painter.h"

namespace {

// The picture's longer side and the free border around the view limits, in pixels.
constexpr int PICTURE_EXTENT = 1200;
constexpr double PICTURE_MARGIN = 24.0;

// The picture size: the drawing's proportions with the longer side PICTURE_EXTENT.
QSize PictureSize(const CIntRect& limits) {
    const double width = std::max(1, limits.Width());
    const double height = std::max(1, limits.Height());
    const double scale = PICTURE_EXTENT / std::max(width, height);
    return QSize(std::max(64, static_cast<int>(std::lround(width * scale))),
                 std::max(64, static_cast<int>(std::lround(height * scale))));
}

void Paint(QPainter& painter, const SRoutesDrawing& drawing, const QSize& size) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setTransform(FitViewLimits(drawing.bounds, QRectF(QPointF(0, 0), QSizeF(size)), PICTURE_MARGIN));
    PaintRoutesDrawing(painter, drawing);
}

bool RenderPng(const SRoutesDrawing& drawing, const QString& path, std::string& error) {
    const QSize size = PictureSize(drawing.bounds);
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        Paint(painter, drawing, size);
    }
    if (!image.save(path, "PNG")) {
        error = "Could not write the picture file \"" + path.toStdString() + "\"";
        return false;
    }
    return true;
}

bool RenderSvg(const SRoutesDrawing& drawing, const QString& path, std::string& error) {
    const QSize size = PictureSize(drawing.bounds);
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Routes"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        error = "Could not write the picture file \"" + path.toStdString() + "\"";
        return false;
    }
    Paint(painter, drawing, size);
    painter.end();
    // The generator reports no write failure of its own: look at the file.
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0) {
        error = "Could not write the picture file \"" + path.toStdString() + "\"";
        return false;
    }
    return true;
}

} // namespace

bool RenderRoutesToFile(const CTramletDoc& document, const std::string& imagePath, std::string& error) {
    const QString path = QString::fromStdString(imagePath);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
        error = "Unknown picture format of \"" + imagePath + "\": the file name must end in .png or .svg";
        return false;
    }
    const SRoutesDrawing drawing = BuildRoutesDrawing(document, SRoutesDisplay());
    return suffix == QLatin1String("png") ? RenderPng(drawing, path, error) : RenderSvg(drawing, path, error);
}
