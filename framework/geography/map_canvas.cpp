#include "framework/geography/map_canvas.h"

#include "framework/geography/geo_map.h"

CMapCanvas::~CMapCanvas() = default;

const char* GetDrawMapStyleName(int style) {
    static const char* const names[DMS_COUNT] = {"Outline", "Filled", "Areas"};
    return style >= 0 && style < DMS_COUNT ? names[style] : "";
}

void CGeoMap::Draw(CMapCanvas& canvas, DRAWMAPSTYLE style) const {
    const bool outline = style != DMS_AREAS;
    const bool fill = style != DMS_OUTLINE;
    for (const CMapPolygon& polygon : m_polygons) {
        canvas.DrawPolygon(polygon.GetVertices(), outline ? polygon.GetBoundaryColor() : -1,
                           fill ? polygon.GetAreaColor() : -1);
    }
}
