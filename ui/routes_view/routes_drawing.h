#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/colours/color.h"
#include "framework/geography/lon_lat.h"
#include "framework/geography/map_canvas.h"

class CFacility;
class CRoute;
class CTramletDoc;

// The bits of a routes view's draw status for its first five display switches.
enum ROUTESDRAWSTATUS : unsigned {
    RDS_LABELS = 0x1,
    RDS_COLORS_BY_ROUTE = 0x10,
    RDS_SIZES_BY_QUANTITY = 0x100,
    RDS_QUANTITIES = 0x1000,
    RDS_LINK_DISTANCES = 0x10000,
};

// The display switches of a routes view (the View menu), as a new view has them.
struct SRoutesDisplay {
    bool labels = true;
    bool quantities = false;
    bool linkDistances = false;
    bool colorsByRoute = true;
    bool sizesByQuantity = false;
    bool grid = false;
    bool map = true;
    DRAWMAPSTYLE mapStyle = DMS_PALE;
    // While the view is dragged, facility texts are left out.
    bool dragging = false;

    // The RDS_ bits of the switches that are on.
    unsigned GetDrawStatus() const;
};

// What a drawing item belongs to, in drawing order.
enum class EDrawLayer { outline, map, grid, route, linkDistance, facility, facilityText };

enum class EDrawFigure {
    rectangle, // points: top-left and bottom-right corner of the box
    ellipse,   // inscribed in the box given as for a rectangle
    polygon,   // closed through the points
    polyline,  // open through the points (one point: nothing visible)
    line,      // from the first point to the second
    text,      // points: the top-left corner of the text
};

// One shape or text of a routes view, in view coordinates. Colours are RGB values (red in the
// lowest byte). A figure without pen has no outline; one without brush is hollow. Texts are
// drawn in the pen colour on a transparent background.
struct SDrawItem {
    EDrawLayer layer = EDrawLayer::outline;
    EDrawFigure figure = EDrawFigure::rectangle;
    std::vector<CIntPoint> points;
    bool hasPen = true;
    std::uint32_t penColor = 0;
    int penWidth = 1;
    bool hasBrush = false;
    std::uint32_t brushColor = 0;
    std::string text;
    int fontHeight = 0;
    // The facility or route the item draws, if any.
    const CFacility* facility = nullptr;
    const CRoute* route = nullptr;
};

// A whole routes view: the view limits it covers, the box that holds the limits and every
// item (symbols and texts may stand out beyond the limits), and its items in drawing order.
struct SRoutesDrawing {
    CIntRect limits;
    CIntRect bounds;
    std::vector<SDrawItem> items;
};

// Draws the project as its routes view does, in this order: the outline of the view limits,
// the background map (when shown), the grid (when shown), every route with at least one entry
// (and its link distances when shown), then every facility -- customers, suppliers, depots, in
// document order -- with its symbol and, unless dragging, its label and quantity when shown.
SRoutesDrawing BuildRoutesDrawing(const CTramletDoc& document, const SRoutesDisplay& display);

// The box of an item; a text is taken as wide as 0.6 of its height per character.
CIntRect GetItemBounds(const SDrawItem& item);

// The RGB value of a colour word.
std::uint32_t GetColorRGB(const CPRGB& color);
// A facility's symbol colour: with colours by route, the colour of its route, a palette colour
// lowered by 8 for a customer; otherwise (or unrouted) its own colour.
CPRGB GetFacilityDrawColor(const CFacility& f, bool colorsByRoute);
// A facility's symbol half-width: the quantity size with sizes by quantity, else its size.
int GetFacilityHalfWidth(const CFacility& f, bool sizesByQuantity);
// The positions of the grid lines between low and high: every multiple of size strictly
// between them (none for a size below 1).
std::vector<int> GetGridPositions(int low, int high, int size);

// The facility whose symbol (widened by slack view units on each side) holds the point; where
// symbols overlap, the one drawn last. Null when none does.
CFacility* FindFacilityAt(const CTramletDoc& document, const SRoutesDisplay& display, const CIntPoint& point,
                          int slack);
