#include "ui/routes_view/routes_drawing.h"

#include <algorithm>

#include "framework/colours/shape.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

constexpr int CUSTOMER_COLOR_OFFSET = 8;

SDrawItem MakeItem(EDrawLayer layer, EDrawFigure figure, std::vector<CIntPoint> points, std::uint32_t color) {
    SDrawItem item;
    item.layer = layer;
    item.figure = figure;
    item.points = std::move(points);
    item.penColor = color;
    return item;
}

SDrawItem MakeText(EDrawLayer layer, const CIntPoint& at, std::string text, std::uint32_t color,
                   int fontHeight) {
    SDrawItem item = MakeItem(layer, EDrawFigure::text, {at}, color);
    item.text = std::move(text);
    item.fontHeight = fontHeight;
    return item;
}

// Turns the polygons of the background map into drawing items.
class CMapItemCanvas : public CMapCanvas {
public:
    explicit CMapItemCanvas(std::vector<SDrawItem>& items) : m_items(items) {}
    void DrawPolygon(const std::vector<CIntPoint>& vertices, std::uint32_t boundaryColor,
                     std::uint32_t areaColor) override {
        SDrawItem item = MakeItem(EDrawLayer::map, EDrawFigure::polygon, vertices, boundaryColor);
        item.hasPen = boundaryColor != INVALID_COLOR_VALUE;
        item.hasBrush = areaColor != INVALID_COLOR_VALUE;
        item.brushColor = areaColor;
        m_items.push_back(std::move(item));
    }

private:
    std::vector<SDrawItem>& m_items;
};

void AddOutline(const CIntRect& limits, std::vector<SDrawItem>& items) {
    items.push_back(MakeItem(EDrawLayer::outline, EDrawFigure::rectangle,
                             {{limits.left, limits.top}, {limits.right, limits.bottom}},
                             GetColorRGBValue(COLOR_BLACK)));
}

void AddGrid(const CIntRect& limits, int size, std::vector<SDrawItem>& items) {
    const std::uint32_t cyan = GetColorRGBValue(COLOR_CYAN);
    for (int x : GetGridPositions(limits.left, limits.right, size)) {
        items.push_back(
            MakeItem(EDrawLayer::grid, EDrawFigure::line, {{x, limits.top}, {x, limits.bottom}}, cyan));
    }
    for (int y : GetGridPositions(limits.top, limits.bottom, size)) {
        items.push_back(
            MakeItem(EDrawLayer::grid, EDrawFigure::line, {{limits.left, y}, {limits.right, y}}, cyan));
    }
}

void AddRoute(const CTramletDoc& document, const CRoute& route, const SRoutesDisplay& display,
              std::vector<SDrawItem>& items) {
    const std::uint32_t color = GetColorRGB(route.GetColor());
    SDrawItem line = MakeItem(EDrawLayer::route, EDrawFigure::polyline, {}, color);
    line.route = &route;
    for (const CFacility* f : route.GetFacilities()) {
        line.points.push_back(f->GetViewLocation());
    }
    items.push_back(std::move(line));
    if (!display.linkDistances) {
        return;
    }
    const CFacility* from = nullptr;
    for (const CFacility* to : route.GetFacilities()) {
        if (from != nullptr) {
            const CIntPoint& a = from->GetViewLocation();
            const CIntPoint& b = to->GetViewLocation();
            double distance = document.GetDistance(from->GetIndex(), to->GetIndex());
            SDrawItem text = MakeText(EDrawLayer::linkDistance, {(a.x + b.x) / 2, (a.y + b.y) / 2},
                                      FormatString("%.0lf", distance), color, document.GetDefaultLabelSize());
            text.route = &route;
            items.push_back(std::move(text));
        }
        from = to;
    }
}

// The figure of a symbol shape around (x, y) with half-width h.
SDrawItem MakeSymbol(int shape, const CIntPoint& center, int h, std::uint32_t color) {
    const int x = center.x;
    const int y = center.y;
    const int w = 2 * h;
    switch (shape) {
    case SHAPE_SQUARE:
        return MakeItem(EDrawLayer::facility, EDrawFigure::rectangle, {{x - h, y - h}, {x + h, y + h}},
                        color);
    case SHAPE_TRIANGLE:
        return MakeItem(EDrawLayer::facility, EDrawFigure::polygon,
                        {{x - h, y + h}, {x + h, y + h}, {x, y - h}}, color);
    case SHAPE_DIAMOND:
        return MakeItem(EDrawLayer::facility, EDrawFigure::polygon,
                        {{x - h, y}, {x, y - h}, {x + h, y}, {x, y + h}}, color);
    case SHAPE_HEXAGON:
        return MakeItem(EDrawLayer::facility, EDrawFigure::polygon,
                        {{x - h, y},
                         {x - h + w / 4, y - h},
                         {x - h + 3 * w / 4, y - h},
                         {x + h, y},
                         {x - h + 3 * w / 4, y + h},
                         {x - h + w / 4, y + h}},
                        color);
    default: // circle, and a facility whose shape was never set
        return MakeItem(EDrawLayer::facility, EDrawFigure::ellipse, {{x - h, y - h}, {x + h, y + h}}, color);
    }
}

void AddFacility(const CTramletDoc& document, const CFacility& f, const SRoutesDisplay& display,
                 std::vector<SDrawItem>& items) {
    const std::uint32_t color = GetColorRGB(GetFacilityDrawColor(f, display.colorsByRoute));
    const int h = GetFacilityHalfWidth(f, display.sizesByQuantity);
    const CIntPoint& at = f.GetViewLocation();
    SDrawItem symbol = MakeSymbol(f.GetShape(), at, h, color);
    symbol.hasBrush = true;
    symbol.brushColor = color;
    symbol.facility = &f;
    items.push_back(std::move(symbol));
    if (display.dragging) {
        return;
    }
    const int fontHeight = document.GetDefaultLabelSize();
    if (display.labels) {
        items.push_back(
            MakeText(EDrawLayer::facilityText, {at.x + h, at.y - h}, f.GetLabel(), color, fontHeight));
        items.back().facility = &f;
    }
    if (display.quantities) {
        items.push_back(MakeText(EDrawLayer::facilityText, {at.x + h, at.y + h},
                                 FormatString("%d", f.GetQuantity()), color, fontHeight));
        items.back().facility = &f;
    }
}

} // namespace

unsigned SRoutesDisplay::GetDrawStatus() const {
    return (labels ? RDS_LABELS : 0u) | (colorsByRoute ? RDS_COLORS_BY_ROUTE : 0u) |
           (sizesByQuantity ? RDS_SIZES_BY_QUANTITY : 0u) | (quantities ? RDS_QUANTITIES : 0u) |
           (linkDistances ? RDS_LINK_DISTANCES : 0u);
}

std::uint32_t GetColorRGB(const CPRGB& color) {
    return color.GetRGBColor();
}

CPRGB GetFacilityDrawColor(const CFacility& f, bool colorsByRoute) {
    const CRoute* route = f.GetRoute();
    if (!colorsByRoute || route == nullptr) {
        return f.GetColor();
    }
    CPRGB color = route->GetColor();
    const int index = color.GetColorIndex();
    // A route in one of the first eight palette colours has no darker partner: its customers
    // keep the route's colour.
    if (f.IsCustomer() && index >= CUSTOMER_COLOR_OFFSET) {
        color.SetColorIndex(index - CUSTOMER_COLOR_OFFSET);
    }
    return color;
}

int GetFacilityHalfWidth(const CFacility& f, bool sizesByQuantity) {
    return sizesByQuantity ? f.GetQuantitySize() : f.GetSize();
}

std::vector<int> GetGridPositions(int low, int high, int size) {
    std::vector<int> positions;
    if (size < 1) {
        return positions;
    }
    int position = size * (low / size);
    if (position <= low) {
        position += size;
    }
    for (; position < high; position += size) {
        positions.push_back(position);
    }
    return positions;
}

CIntRect GetItemBounds(const SDrawItem& item) {
    if (item.points.empty()) {
        return CIntRect{};
    }
    CIntRect box{item.points[0].x, item.points[0].y, item.points[0].x, item.points[0].y};
    for (const CIntPoint& p : item.points) {
        box = CIntRect{std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x),
                       std::max(box.bottom, p.y)};
    }
    if (item.figure == EDrawFigure::text) {
        box.right += static_cast<int>(0.6 * item.fontHeight * static_cast<double>(item.text.size()));
        box.bottom += item.fontHeight;
    }
    return box;
}

SRoutesDrawing BuildRoutesDrawing(const CTramletDoc& document, const SRoutesDisplay& display) {
    SRoutesDrawing drawing;
    drawing.limits = document.GetViewLimits();
    std::vector<SDrawItem>& items = drawing.items;
    AddOutline(drawing.limits, items);
    if (display.map) {
        CMapItemCanvas canvas(items);
        document.GetGeoMap().Draw(canvas, display.mapStyle);
    }
    if (display.grid) {
        AddGrid(drawing.limits, document.GetDefaultGridSize(), items);
    }
    for (const CRoute* route : document.GetRoutes()) {
        if (!route->IsEmpty()) {
            AddRoute(document, *route, display, items);
        }
    }
    for (int type = FT_CUSTOMER; type <= FT_DEPOT; ++type) {
        for (int k = 0; k < document.GetNumberOfFacilities(type); ++k) {
            AddFacility(document, *document.GetFacility(type, k), display, items);
        }
    }
    drawing.bounds = drawing.limits;
    for (const SDrawItem& item : items) {
        const CIntRect box = GetItemBounds(item);
        CIntRect& b = drawing.bounds;
        b = CIntRect{std::min(b.left, box.left), std::min(b.top, box.top), std::max(b.right, box.right),
                     std::max(b.bottom, box.bottom)};
    }
    return drawing;
}

CFacility* FindFacilityAt(const CTramletDoc& document, const SRoutesDisplay& display, const CIntPoint& point,
                          int slack) {
    for (int type = FT_DEPOT; type >= FT_CUSTOMER; --type) {
        for (int k = document.GetNumberOfFacilities(type) - 1; k >= 0; --k) {
            CFacility* f = document.GetFacility(type, k);
            const int h = GetFacilityHalfWidth(*f, display.sizesByQuantity) + slack;
            const CIntPoint& at = f->GetViewLocation();
            if (point.x >= at.x - h && point.x <= at.x + h && point.y >= at.y - h && point.y <= at.y + h) {
                return f;
            }
        }
    }
    return nullptr;
}
