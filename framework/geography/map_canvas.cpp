#include "framework/geography/map_canvas.h"

#include "framework/colours/color.h"
#include "framework/geography/geo_map.h"

namespace {

// The colour halfway between the RGB value and white.
std::uint32_t Pale(std::uint32_t rgb) {
    return MakeRGBValue((GetRedValue(rgb) + 255) / 2, (GetGreenValue(rgb) + 255) / 2,
                        (GetBlueValue(rgb) + 255) / 2);
}

} // namespace

CMapCanvas::~CMapCanvas() = default;

const char* GetDrawMapStyleName(int style) {
    static const char* const names[DMS_COUNT] = {"Outline", "Filled", "Pale"};
    return style >= 0 && style < DMS_COUNT ? names[style] : "";
}

void CGeoMap::Draw(CMapCanvas& canvas, DRAWMAPSTYLE style) const {
    for (const CMapPolygon& polygon : m_polygons) {
        const std::uint32_t boundary = GetColorRGBValue(polygon.GetBoundaryColor());
        std::uint32_t area = GetColorRGBValue(polygon.GetAreaColor());
        if (style == DMS_OUTLINE) {
            area = INVALID_COLOR_VALUE;
        } else if (style == DMS_PALE && area != INVALID_COLOR_VALUE) {
            area = Pale(area);
        }
        canvas.DrawPolygon(polygon.GetVertices(), boundary, area);
    }
}
