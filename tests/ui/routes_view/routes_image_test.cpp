#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "tests/ui/routes_view/routes_view_fixture.h"
#include "ui/routes_view/render_routes.h"
#include "ui/routes_view/routes_painter.h"

namespace {

// The drawing rules checked on pixels: a drawing painted into an offscreen image.
class RoutesImageTest : public RoutesProjectFixture {
protected:
    QImage Paint(const QTransform& transform, const QSize& size = QSize(1020, 1020)) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setTransform(transform);
        PaintRoutesDrawing(painter, BuildRoutesDrawing(*doc, display));
        return image;
    }
    static QRgb Palette(int index) {
        std::uint32_t rgb = GetColorRGBValue(index);
        return qRgb(GetRedValue(rgb), GetGreenValue(rgb), GetBlueValue(rgb));
    }
    static QRgb At(const QImage& image, const QTransform& transform, int x, int y) {
        return image.pixel(transform.map(QPointF(x, y)).toPoint());
    }

    SRoutesDisplay display;
    // The view limits 0..10000 at a tenth, 10 pixels from the border.
    QTransform fit = FitViewLimits(CIntRect{0, 0, 10000, 10000}, QRectF(0, 0, 1020, 1020), 10.0);
};

TEST_F(RoutesImageTest, GridLinesNeverOnTheOutline) {
    display.grid = true;
    display.labels = false;
    const QImage image = Paint(fit);
    const QRgb cyan = Palette(COLOR_CYAN);
    int outlinePixels = 0;
    // Every outline pixel away from the crossings of the grid lines (every 500) with it.
    for (int k = 10; k < 10000; k += 10) {
        if (k % 500 == 0) {
            continue;
        }
        for (CIntPoint p : {CIntPoint{0, k}, CIntPoint{10000, k}, CIntPoint{k, 0}, CIntPoint{k, 10000}}) {
            QRgb pixel = At(image, fit, p.x, p.y);
            EXPECT_NE(pixel, cyan) << p.x << " " << p.y;
            outlinePixels += pixel == qRgb(0, 0, 0);
        }
    }
    EXPECT_GT(outlinePixels, 4 * 900);
    EXPECT_EQ(At(image, fit, 500, 1234), cyan);
    EXPECT_EQ(At(image, fit, 1234, 9500), cyan);
}

TEST_F(RoutesImageTest, RoutedSupplierInItsRouteColourAndItsCustomerEightPlacesLower) {
    const QImage image = Paint(fit);
    EXPECT_EQ(At(image, fit, 8000, 3000), Palette(COLOR_NAVY));
    EXPECT_EQ(At(image, fit, 2000, 3000), Palette(COLOR_BLUE));
    // The route line between them, where no symbol covers it.
    EXPECT_EQ(At(image, fit, 5000, 3000), Palette(COLOR_NAVY));
}

TEST_F(RoutesImageTest, QuantityZeroIsDrawnWithHalfWidthOne) {
    // Four pixels per view unit around customer c (quantity 0) in the middle of the image.
    QTransform zoom;
    zoom.translate(50, 50);
    zoom.scale(4, 4);
    zoom.translate(-2000, -3000);
    display.labels = false;
    display.sizesByQuantity = true;
    QImage image = Paint(zoom, QSize(100, 100));
    EXPECT_EQ(image.pixel(50, 50), Palette(COLOR_BLUE));
    EXPECT_EQ(image.pixel(53, 50), Palette(COLOR_BLUE));
    EXPECT_EQ(image.pixel(43, 50), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(50, 43), qRgb(255, 255, 255));
    display.sizesByQuantity = false;
    image = Paint(zoom, QSize(100, 100));
    EXPECT_EQ(image.pixel(43, 50), Palette(COLOR_BLUE)) << "its own size is 40";
}

TEST_F(RoutesImageTest, PicturesInPngAndSvgFiles) {
    CTempFolder folder;
    std::string error;
    ASSERT_TRUE(RenderRoutesToFile(*doc, folder.File("routes.png"), error)) << error;
    QImage image(QString::fromStdString(folder.File("routes.png")));
    // The picture holds the labels beyond the view limits too; its longer side is 1200 pixels.
    const CIntRect bounds = BuildRoutesDrawing(*doc, SRoutesDisplay()).bounds;
    ASSERT_EQ(std::max(image.width(), image.height()), 1200);
    const QTransform picture = FitViewLimits(bounds, QRectF(QPointF(0, 0), QSizeF(image.size())), 24.0);
    EXPECT_EQ(image.pixel(picture.map(QPointF(8000, 3000)).toPoint()), Palette(COLOR_NAVY));

    ASSERT_TRUE(RenderRoutesToFile(*doc, folder.File("routes.svg"), error)) << error;
    EXPECT_NE(ReadWholeFile(folder.File("routes.svg")).find("<svg"), std::string::npos);

    EXPECT_FALSE(RenderRoutesToFile(*doc, folder.File("routes.bmp"), error));
    EXPECT_EQ(error, "Unknown picture format of \"" + folder.File("routes.bmp") +
                         "\": the file name must end in .png or .svg");
    const std::string missing = folder.File("no/such/folder/routes.png");
    EXPECT_FALSE(RenderRoutesToFile(*doc, missing, error));
    EXPECT_EQ(error, "Could not write the picture file \"" + missing + "\"");
}

} // namespace
