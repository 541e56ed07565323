#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "framework/strings/format.h"
#include "tests/ui/routes_view/routes_view_fixture.h"
#include "ui/routes_view/routes_drawing.h"

namespace {

class RoutesDrawingTest : public RoutesProjectFixture {
protected:
    std::vector<SDrawItem> Items(EDrawLayer layer) const {
        std::vector<SDrawItem> items;
        for (const SDrawItem& item : BuildRoutesDrawing(*doc, display).items) {
            if (item.layer == layer) {
                items.push_back(item);
            }
        }
        return items;
    }
    const SDrawItem& SymbolOf(const std::vector<SDrawItem>& symbols, const CFacility* f) const {
        return *std::find_if(symbols.begin(), symbols.end(),
                             [f](const SDrawItem& i) { return i.facility == f; });
    }
    static std::uint32_t Palette(int index) { return GetColorRGBValue(index); }

    SRoutesDisplay display;
};

TEST_F(RoutesDrawingTest, LayersInOrderRoutesWithEntriesOnlyFacilitiesByType) {
    display.grid = true;
    display.linkDistances = true;
    CMapPolygon polygon(COLOR_GRAY, COLOR_LIGHT_GREEN, {{100, 100}, {900, 100}, {900, 900}});
    doc->GetGeoMap().Add(polygon);
    const SRoutesDrawing drawing = BuildRoutesDrawing(*doc, display);
    std::vector<EDrawLayer> layers;
    for (const SDrawItem& item : drawing.items) {
        if (layers.empty() || layers.back() != item.layer) {
            layers.push_back(item.layer);
        }
    }
    EXPECT_EQ(layers, (std::vector<EDrawLayer>{EDrawLayer::outline, EDrawLayer::map, EDrawLayer::grid,
                                               EDrawLayer::route, EDrawLayer::linkDistance, EDrawLayer::route,
                                               EDrawLayer::facility, EDrawLayer::facilityText,
                                               EDrawLayer::facility, EDrawLayer::facilityText,
                                               EDrawLayer::facility, EDrawLayer::facilityText,
                                               EDrawLayer::facility, EDrawLayer::facilityText}));
    EXPECT_EQ(drawing.items[0].points, (std::vector<CIntPoint>{{0, 0}, {10000, 10000}}));

    // The empty route is skipped, the depot-only route drawn as a polyline of one point.
    const auto routes = Items(EDrawLayer::route);
    ASSERT_EQ(routes.size(), 2u);
    EXPECT_EQ(routes[0].route, route);
    EXPECT_EQ(routes[0].penColor, Palette(COLOR_NAVY));
    EXPECT_EQ(routes[1].route, depotOnly);
    EXPECT_EQ(routes[1].points, std::vector<CIntPoint>{d->GetViewLocation()});

    // Link distances "%.0lf" at the whole-number midpoints, in the route's colour.
    const auto distances = Items(EDrawLayer::linkDistance);
    ASSERT_EQ(distances.size(), 3u);
    EXPECT_EQ(distances[0].text, FormatString("%.0lf", std::hypot(3000.0, 2000.0)));
    EXPECT_EQ(distances[0].points[0], (CIntPoint{3500, 4000}));
    EXPECT_EQ(distances[1].text, "6000");
    EXPECT_EQ(distances[2].penColor, Palette(COLOR_NAVY));

    // Customers, then suppliers, then depots, each in document order.
    std::vector<const CFacility*> order;
    for (const SDrawItem& item : Items(EDrawLayer::facility)) {
        order.push_back(item.facility);
    }
    EXPECT_EQ(order, (std::vector<const CFacility*>{c, u, s, d}));
}

TEST_F(RoutesDrawingTest, MapStylesAndTheMapSwitch) {
    doc->GetGeoMap().Add(CMapPolygon(COLOR_GRAY, COLOR_AZURE, {{100, 100}, {900, 100}, {900, 900}}));
    const struct {
        DRAWMAPSTYLE style;
        bool brush;
        std::uint32_t area;
    } cases[] = {{DMS_OUTLINE, false, 0},
                 {DMS_FILLED, true, Palette(COLOR_AZURE)},
                 {DMS_PALE, true, MakeRGBValue(127, 191, 255)}};
    for (const auto& expected : cases) {
        display.mapStyle = expected.style;
        const auto map = Items(EDrawLayer::map);
        ASSERT_EQ(map.size(), 1u);
        EXPECT_TRUE(map[0].hasPen);
        EXPECT_EQ(map[0].penColor, Palette(COLOR_GRAY));
        EXPECT_EQ(map[0].hasBrush, expected.brush) << GetDrawMapStyleName(expected.style);
        EXPECT_EQ(map[0].hasBrush ? map[0].brushColor : 0u, expected.area)
            << GetDrawMapStyleName(expected.style);
    }
    display.map = false;
    EXPECT_TRUE(Items(EDrawLayer::map).empty());
}

TEST_F(RoutesDrawingTest, ColorsByRouteSizesByQuantityAndTexts) {
    display.quantities = true;
    auto symbols = Items(EDrawLayer::facility);
    // A routed supplier in its route's colour, a routed customer 8 palette places lower, an
    // unrouted customer and a depot in their own colours; symbols filled in the same colour.
    EXPECT_EQ(SymbolOf(symbols, s).penColor, Palette(COLOR_NAVY));
    EXPECT_EQ(SymbolOf(symbols, c).penColor, Palette(COLOR_BLUE));
    EXPECT_EQ(SymbolOf(symbols, c).brushColor, Palette(COLOR_BLUE));
    EXPECT_EQ(SymbolOf(symbols, u).penColor, GetColorRGB(u->GetColor()));
    EXPECT_EQ(SymbolOf(symbols, d).penColor, GetColorRGB(d->GetColor()));
    // An RGB route colour reaches its customers unchanged.
    route->SetColor(CPRGB(MakeRGBValue(10, 20, 30)));
    EXPECT_EQ(SymbolOf(Items(EDrawLayer::facility), c).penColor, MakeRGBValue(10, 20, 30));
    display.colorsByRoute = false;
    EXPECT_EQ(SymbolOf(Items(EDrawLayer::facility), s).penColor, GetColorRGB(s->GetColor()));

    // Label at the top right of the box, quantity "%d" at its bottom right.
    const auto texts = Items(EDrawLayer::facilityText);
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[0].text, "c");
    EXPECT_EQ(texts[0].points[0], (CIntPoint{2040, 2960}));
    EXPECT_EQ(texts[1].text, "0");
    EXPECT_EQ(texts[1].points[0], (CIntPoint{2040, 3040}));
    EXPECT_EQ(texts[0].fontHeight, doc->GetDefaultLabelSize());
    EXPECT_EQ(GetItemBounds(texts[0]), (CIntRect{2040, 2960, 2040 + 150, 2960 + 250}));
    display.dragging = true;
    EXPECT_TRUE(Items(EDrawLayer::facilityText).empty());

    // Sizes by quantity: quantity 0 gives half-width 1, the capacity a twentieth of the view.
    display.sizesByQuantity = true;
    symbols = Items(EDrawLayer::facility);
    EXPECT_EQ(SymbolOf(symbols, c).points, (std::vector<CIntPoint>{{1999, 2999}, {2001, 3001}}));
    EXPECT_EQ(SymbolOf(symbols, u).points, (std::vector<CIntPoint>{{1500, 7500}, {2500, 8500}}));
    EXPECT_EQ(display.GetDrawStatus(), RDS_SIZES_BY_QUANTITY | RDS_QUANTITIES | RDS_LABELS);
}

TEST_F(RoutesDrawingTest, TheFiveShapes) {
    const struct {
        int shape;
        EDrawFigure figure;
        std::vector<CIntPoint> points;
    } cases[] = {
        {SHAPE_CIRCLE, EDrawFigure::ellipse, {{1960, 2960}, {2040, 3040}}},
        {SHAPE_SQUARE, EDrawFigure::rectangle, {{1960, 2960}, {2040, 3040}}},
        {SHAPE_TRIANGLE, EDrawFigure::polygon, {{1960, 3040}, {2040, 3040}, {2000, 2960}}},
        {SHAPE_DIAMOND, EDrawFigure::polygon, {{1960, 3000}, {2000, 2960}, {2040, 3000}, {2000, 3040}}},
        {SHAPE_HEXAGON,
         EDrawFigure::polygon,
         {{1960, 3000}, {1980, 2960}, {2020, 2960}, {2040, 3000}, {2020, 3040}, {1980, 3040}}},
    };
    for (const auto& expected : cases) {
        c->SetShape(expected.shape);
        const auto symbols = Items(EDrawLayer::facility);
        const SDrawItem& symbol = SymbolOf(symbols, c);
        EXPECT_EQ(symbol.figure, expected.figure) << GetShapeName(expected.shape);
        EXPECT_EQ(symbol.points, expected.points) << GetShapeName(expected.shape);
    }
}

TEST_F(RoutesDrawingTest, GridLinesStrictlyBetweenTheLimits) {
    const struct {
        int low, high, size;
        std::vector<int> positions;
    } cases[] = {
        {0, 10000, 2500, {2500, 5000, 7500}},
        {-15, 25, 10, {-10, 0, 10, 20}},
        {-10, 10, 10, {0}},
        {3, 7, 10, {}},
        {0, 100, 0, {}},
    };
    for (const auto& expected : cases) {
        EXPECT_EQ(GetGridPositions(expected.low, expected.high, expected.size), expected.positions)
            << expected.low << " " << expected.high << " " << expected.size;
    }
    display.grid = true;
    const auto grid = Items(EDrawLayer::grid);
    ASSERT_EQ(grid.size(), 2u * 19u); // grid size 500 on 10000
    EXPECT_EQ(grid[0].points, (std::vector<CIntPoint>{{500, 0}, {500, 10000}}));
    EXPECT_EQ(grid.back().points, (std::vector<CIntPoint>{{0, 9500}, {10000, 9500}}));
    EXPECT_EQ(grid[0].penColor, Palette(COLOR_CYAN));
}

TEST_F(RoutesDrawingTest, TheFacilityAtAPointIsTheOneDrawnLast) {
    CFacility* near = AddCustomer("n", 5010, 4990, 10);
    near->SetSize(40);
    EXPECT_EQ(FindFacilityAt(*doc, display, {5030, 5030}, 0), d) << "depots are drawn over customers";
    EXPECT_EQ(FindFacilityAt(*doc, display, {5045, 5045}, 0), near);
    EXPECT_EQ(FindFacilityAt(*doc, display, {5055, 5055}, 0), nullptr);
    EXPECT_EQ(FindFacilityAt(*doc, display, {5055, 5055}, 5), near);
}

} // namespace
