#pragma once

#include <string>
#include <vector>

#include "framework/export.h"
#include "framework/geography/lon_lat.h"

// How a background map is drawn.
enum DRAWMAPSTYLE {
    DMS_OUTLINE = 0, // every polygon's boundary in its boundary colour, nothing filled
    DMS_FILLED = 1,  // filled with the area colour and outlined with the boundary colour
    DMS_AREAS = 2,   // filled with the area colour, no boundary
    DMS_COUNT = 3,
};

// "Outline", "Filled", "Areas"; an empty text outside the range.
SABLEKIT_API const char* GetDrawMapStyleName(int style);

// Where a background map draws itself. The framework knows no window system: a view gives the
// map a canvas that turns each polygon into its own drawing calls.
class SABLEKIT_API CMapCanvas {
public:
    virtual ~CMapCanvas();
    // A closed polygon through the vertices, in view coordinates. boundaryColor and areaColor
    // are palette indices; -1 means no boundary line or no filling.
    virtual void DrawPolygon(const std::vector<CIntPoint>& vertices, int boundaryColor, int areaColor) = 0;
};
