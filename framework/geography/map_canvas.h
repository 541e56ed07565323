#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/export.h"
#include "framework/geography/lon_lat.h"

// How a background map is drawn.
enum DRAWMAPSTYLE {
    DMS_OUTLINE = 0, // every polygon's boundary in its boundary colour, nothing filled
    DMS_FILLED = 1,  // filled with the area colour and outlined with the boundary colour
    DMS_PALE = 2,    // as filled, the area colour washed halfway to white, so routes stand out
    DMS_COUNT = 3,
};

// "Outline", "Filled", "Pale"; an empty text outside the range.
SABLEKIT_API const char* GetDrawMapStyleName(int style);

// Where a background map draws itself. The framework knows no window system: a view gives the
// map a canvas that turns each polygon into its own drawing calls.
class SABLEKIT_API CMapCanvas {
public:
    virtual ~CMapCanvas();
    // A closed polygon through the vertices, in view coordinates. The colours are RGB values
    // (red in the lowest byte); INVALID_COLOR_VALUE means no boundary line or no filling.
    virtual void DrawPolygon(const std::vector<CIntPoint>& vertices, std::uint32_t boundaryColor,
                             std::uint32_t areaColor) = 0;
};
