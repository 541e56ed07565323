#pragma once

#include <QRectF>
#include <QTransform>

#include "ui/routes_view/routes_drawing.h"

class QPainter;

// The transform that shows a rectangle of view coordinates (the view limits, or the bounds of
// a drawing) as large as it fits into the target rectangle,
// centred, with margin device units kept free on every side. View y grows downward, as on
// the device, so north stays up.
QTransform FitViewLimits(const CIntRect& limits, const QRectF& target, double margin);

// Paints the items of a routes drawing in their order. The painter's transform maps view
// coordinates to the device; lines are one device pixel wide at any zoom and texts scale with
// the view.
void PaintRoutesDrawing(QPainter& painter, const SRoutesDrawing& drawing);
