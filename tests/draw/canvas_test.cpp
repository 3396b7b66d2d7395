#include "draw/canvas.h"

#include "draw_test_support.h"

#include <gtest/gtest.h>

namespace draw {
namespace {

constexpr Colour kBackground = rgb(10, 20, 30);
constexpr Colour kInk = rgb(200, 100, 50);

TEST(CanvasLine, IncludesStartExcludesEnd) {
    QImage image = testing::blankImage(20, 20);
    Canvas canvas(image);
    canvas.line(2, 5, 8, 5, kInk);
    EXPECT_EQ(canvas.pixel(2, 5), kInk);
    EXPECT_EQ(canvas.pixel(7, 5), kInk);
    EXPECT_EQ(canvas.pixel(8, 5), kBackground);
    canvas.line(10, 10, 10, 4, kInk); // upward
    EXPECT_EQ(canvas.pixel(10, 10), kInk);
    EXPECT_EQ(canvas.pixel(10, 5), kInk);
    EXPECT_EQ(canvas.pixel(10, 4), kBackground);
}

TEST(CanvasLine, DiagonalAndZeroLength) {
    QImage image = testing::blankImage(20, 20);
    Canvas canvas(image);
    canvas.line(0, 0, 4, 4, kInk);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(canvas.pixel(i, i), kInk) << i;
    EXPECT_EQ(canvas.pixel(4, 4), kBackground);
    canvas.line(15, 15, 15, 15, kInk);
    EXPECT_EQ(canvas.pixel(15, 15), kBackground);
}

TEST(CanvasLine, OutsideTheImageIsDropped) {
    QImage image = testing::blankImage(10, 10);
    Canvas canvas(image);
    canvas.line(-50, 5, 60, 5, kInk);
    canvas.line(5, -1000000, 5, -999990, kInk);
    EXPECT_EQ(canvas.pixel(0, 5), kInk);
    EXPECT_EQ(canvas.pixel(9, 5), kInk);
}

TEST(CanvasRectangle, OutlineWithPenFillWithBrushRightBottomExcluded) {
    QImage image = testing::blankImage(20, 20);
    Canvas canvas(image);
    canvas.setPen(kInk);
    canvas.setBrush(rgb(1, 2, 3));
    canvas.rectangle(2, 3, 8, 9);
    EXPECT_EQ(canvas.pixel(2, 3), kInk);
    EXPECT_EQ(canvas.pixel(7, 8), kInk);
    EXPECT_EQ(canvas.pixel(3, 4), rgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(6, 7), rgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(8, 5), kBackground);
    EXPECT_EQ(canvas.pixel(5, 9), kBackground);
}

TEST(CanvasClip, LimitsLinesShapesAndTransfers) {
    QImage image = testing::blankImage(20, 20);
    QImage source = testing::blankImage(20, 20, kInk);
    Canvas canvas(image);
    canvas.setClip(5, 5, 10, 10);
    canvas.line(0, 7, 20, 7, kInk);
    EXPECT_EQ(canvas.pixel(4, 7), kBackground);
    EXPECT_EQ(canvas.pixel(5, 7), kInk);
    EXPECT_EQ(canvas.pixel(9, 7), kInk);
    EXPECT_EQ(canvas.pixel(10, 7), kBackground);
    canvas.blit(0, 0, 20, 20, source, 0, 0);
    EXPECT_EQ(canvas.pixel(4, 4), kBackground);
    EXPECT_EQ(canvas.pixel(9, 9), kInk);
    canvas.resetClip();
    canvas.line(0, 0, 3, 0, kInk);
    EXPECT_EQ(canvas.pixel(0, 0), kInk);
}

TEST(CanvasBlit, AndThenXorLeavesBackgroundOutsideMask) {
    QImage image = testing::blankImage(4, 1, rgb(0x12, 0x34, 0x56));
    QImage mask(4, 1, QImage::Format_RGB32);
    QImage sprite(4, 1, QImage::Format_RGB32);
    const QRgb white = rgb(255, 255, 255);
    const QRgb black = rgb(0, 0, 0);
    for (int x = 0; x < 4; ++x) {
        mask.setPixel(x, 0, x < 2 ? black : white);
        sprite.setPixel(x, 0, x < 2 ? kInk : black);
    }
    Canvas canvas(image);
    canvas.blit(0, 0, 4, 1, mask, 0, 0, RasterOp::And);
    canvas.blit(0, 0, 4, 1, sprite, 0, 0, RasterOp::Xor);
    EXPECT_EQ(canvas.pixel(0, 0), kInk);
    EXPECT_EQ(canvas.pixel(1, 0), kInk);
    EXPECT_EQ(canvas.pixel(2, 0), rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(canvas.pixel(3, 0), rgb(0x12, 0x34, 0x56));
    // Colours stay opaque through the raster operations.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
}

TEST(CanvasBlit, SourceOutsideItsImageMovesNothing) {
    QImage image = testing::blankImage(10, 10);
    QImage source = testing::blankImage(4, 4, kInk);
    Canvas canvas(image);
    canvas.blit(0, 0, 10, 10, source, 2, 2);
    EXPECT_EQ(canvas.pixel(1, 1), kInk);
    EXPECT_EQ(canvas.pixel(2, 2), kBackground);
    canvas.blit(0, 0, 5, 5, source, 100, -100);
    canvas.blit(0, 0, -5, 5, source, 0, 0);
    EXPECT_EQ(canvas.pixel(3, 3), kBackground);
}

TEST(CanvasShapes, FullPieIsAFilledCircleWithOutline) {
    QImage image = testing::blankImage(20, 20);
    Canvas canvas(image);
    canvas.setPen(kInk);
    canvas.setBrush(rgb(0, 200, 0));
    canvas.pie(0, 0, 9, 9, 0, 0, 0, 0);
    EXPECT_EQ(canvas.pixel(4, 4), rgb(0, 200, 0));
    EXPECT_EQ(canvas.pixel(0, 4), kInk);
    EXPECT_EQ(canvas.pixel(0, 0), kBackground);
    EXPECT_EQ(canvas.pixel(9, 4), kBackground);
}

TEST(CanvasShapes, ArcRunsCounterClockwiseFromFirstToSecondPoint) {
    QImage image = testing::blankImage(40, 40);
    Canvas canvas(image);
    canvas.setPen(kInk);
    // From the right (east) to the top (north): only the upper right quarter.
    canvas.arc(0, 0, 31, 31, 40, 15, 15, -10);
    int upperRight = 0;
    int lowerLeft = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            if (canvas.pixel(x, y) != kInk) continue;
            if (x > 16 && y < 14) ++upperRight;
            if (x < 14 && y > 16) ++lowerLeft;
        }
    EXPECT_GT(upperRight, 10);
    EXPECT_EQ(lowerLeft, 0);
}

// A flat ellipse 61 x 21 around (30.5, 10.5). The rays at 45 and 135 degrees cross its top
// near x 20 and x 41; measuring those angles on the stretched circle instead would reach
// out to x 9 and x 52.
TEST(CanvasShapes, FlatArcEndsWhereTheRaysCrossTheEllipse) {
    QImage image = testing::blankImage(70, 30);
    Canvas canvas(image);
    canvas.setPen(kInk);
    canvas.arc(0, 0, 61, 21, 40, 0, 20, 0);
    EXPECT_EQ(canvas.pixel(30, 0), kInk);
    auto inkInColumns = [&](int first, int last) {
        int count = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = first; x <= last; ++x) count += canvas.pixel(x, y) == kInk;
        return count;
    };
    EXPECT_GT(inkInColumns(22, 38), 10);
    EXPECT_EQ(inkInColumns(45, 69), 0);
    EXPECT_EQ(inkInColumns(0, 15), 0);
    // Nothing below the centre: the arc runs over the top only.
    for (int y = 12; y < 30; ++y)
        for (int x = 0; x < 70; ++x) ASSERT_NE(canvas.pixel(x, y), kInk) << x << "," << y;
}

TEST(CanvasShapes, FlatPieFillsOnlyTheWedgeBetweenTheRays) {
    QImage image = testing::blankImage(70, 30);
    Canvas canvas(image);
    const Colour fill = rgb(0, 200, 0);
    canvas.setPen(kInk);
    canvas.setBrush(fill);
    canvas.pie(0, 0, 61, 21, 40, 0, 20, 0);
    EXPECT_EQ(canvas.pixel(30, 4), fill);
    EXPECT_EQ(canvas.pixel(30, 0), kInk);
    // Inside the ellipse but outside the wedge, on both sides and below.
    EXPECT_EQ(canvas.pixel(48, 4), kBackground);
    EXPECT_EQ(canvas.pixel(12, 4), kBackground);
    EXPECT_EQ(canvas.pixel(30, 15), kBackground);
    // The wedge's sides follow the rays from the centre.
    EXPECT_NE(canvas.pixel(34, 4), kBackground);
    EXPECT_EQ(canvas.pixel(39, 4), kBackground);
}

TEST(CanvasText, AlignmentPlacesTheReferencePoint) {
    testing::ensureApplication();
    QImage image = testing::blankImage(100, 20);
    Canvas canvas(image);
    QFont font = canvas.font();
    font.setPixelSize(10);
    font.setStyleStrategy(QFont::NoAntialias);
    canvas.setFont(font);
    canvas.setTextAlign(TextAlign::Right);
    canvas.text(50, 2, "MMM", kInk);
    int rightmost = -1;
    int leftmost = 100;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (canvas.pixel(x, y) == kInk) {
                rightmost = std::max(rightmost, x);
                leftmost = std::min(leftmost, x);
            }
    EXPECT_LT(rightmost, 50);
    EXPECT_GT(rightmost, 44);
    EXPECT_LT(leftmost, 44);
}

} // namespace
} // namespace draw
