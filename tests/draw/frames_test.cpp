#include "draw/frames.h"

#include "draw/palette.h"
#include "draw_test_support.h"

#include <gtest/gtest.h>

namespace draw {
namespace {

constexpr Colour kBackground = rgb(10, 20, 30);
constexpr Colour kInk = rgb(1, 2, 3);

TEST(Frames, ValueBoxOuterAndInnerLines) {
    QImage image = testing::blankImage(30, 20);
    Canvas canvas(image);
    DrawValueBox(canvas, 2, 2, 20, 10);
    EXPECT_EQ(canvas.pixel(2, 2), ColDarkBrown);
    EXPECT_EQ(canvas.pixel(10, 2), ColDarkBrown);
    EXPECT_EQ(canvas.pixel(2, 9), ColDarkBrown);
    EXPECT_EQ(canvas.pixel(2, 10), ColHighlight); // bottom line starts at the left
    EXPECT_EQ(canvas.pixel(20, 10), ColHighlight);
    EXPECT_EQ(canvas.pixel(20, 5), ColHighlight);
    EXPECT_EQ(canvas.pixel(21, 10), kBackground); // bottom ends before right + 2
    EXPECT_EQ(canvas.pixel(3, 3), ColBronze);
    EXPECT_EQ(canvas.pixel(19, 9), ColBronze);
    EXPECT_EQ(canvas.pixel(10, 6), kBackground);
}

TEST(Frames, RaisedAndSunkenSwapTheirEdges) {
    QImage image = testing::blankImage(40, 20);
    Canvas canvas(image);
    DrawRaisedFrame(canvas, 0, 0, 15, 15);
    DrawSunkenFrame(canvas, 20, 0, 35, 15);
    EXPECT_EQ(canvas.pixel(5, 0), ColHighlight);
    EXPECT_EQ(canvas.pixel(15, 5), ColBlack);
    EXPECT_EQ(canvas.pixel(1, 5), ColBrown);
    EXPECT_EQ(canvas.pixel(25, 0), ColBlack);
    EXPECT_EQ(canvas.pixel(35, 5), ColHighlight);
}

TEST(Frames, PanelAndBoxFills) {
    QImage image = testing::blankImage(30, 20);
    Canvas canvas(image);
    FillPanel(canvas, 0, 0, 10, 10);
    EXPECT_EQ(canvas.pixel(0, 0), ColBronze);
    EXPECT_EQ(canvas.pixel(5, 5), ColPanel);
    EXPECT_EQ(canvas.pixel(10, 5), kBackground);
    canvas.setPen(kInk);
    FillBox(canvas, 12, 0, 20, 8, ColRed);
    EXPECT_EQ(canvas.pixel(12, 0), kInk);
    EXPECT_EQ(canvas.pixel(15, 4), ColRed);
}

TEST(Frames, GripGrooves) {
    QImage image = testing::blankImage(30, 20);
    Canvas canvas(image);
    DrawGrip(canvas, 2, 2, 10);
    for (int groove = 0; groove < 3; ++groove) {
        EXPECT_EQ(canvas.pixel(5, 2 + 4 * groove), ColBrown);
        EXPECT_EQ(canvas.pixel(5, 3 + 4 * groove), ColHighlight);
        EXPECT_EQ(canvas.pixel(5, 4 + 4 * groove), kBackground);
    }
    EXPECT_EQ(canvas.pixel(12, 2), kBackground);
}

TEST(DotRows, HorizontalEveryThirdPixel) {
    QImage image = testing::blankImage(30, 10);
    Canvas canvas(image);
    DotRowH(canvas, 10, 5, kInk, 17);
    EXPECT_EQ(canvas.pixel(10, 5), kInk);
    EXPECT_EQ(canvas.pixel(11, 5), kBackground);
    EXPECT_EQ(canvas.pixel(13, 5), kInk);
    EXPECT_EQ(canvas.pixel(16, 5), kInk);
    EXPECT_EQ(canvas.pixel(19, 5), kBackground);
}

TEST(DotRows, VerticalEverySecondPixel) {
    QImage image = testing::blankImage(10, 30);
    Canvas canvas(image);
    DotRowV(canvas, 5, 10, kInk, 15);
    EXPECT_EQ(canvas.pixel(5, 10), kInk);
    EXPECT_EQ(canvas.pixel(5, 11), kBackground);
    EXPECT_EQ(canvas.pixel(5, 14), kInk);
    EXPECT_EQ(canvas.pixel(5, 16), kBackground);
    EXPECT_EQ(canvas.pixel(6, 10), kBackground);
}

TEST(DotRows, AlwaysAtLeastOneDot) {
    QImage image = testing::blankImage(30, 30);
    Canvas canvas(image);
    DotRowH(canvas, 20, 2, kInk, 5);
    DotRowV(canvas, 3, 25, kInk, 0);
    EXPECT_EQ(canvas.pixel(20, 2), kInk);
    EXPECT_EQ(canvas.pixel(23, 2), kBackground);
    EXPECT_EQ(canvas.pixel(3, 25), kInk);
    EXPECT_EQ(canvas.pixel(3, 27), kBackground);
    DotRowH(canvas, 0, 29, kInk, 2147483647); // ends at the canvas edge
    EXPECT_EQ(canvas.pixel(27, 29), kInk);
}

TEST(Leds, KindsFillAndGlint) {
    struct Case {
        int kind;
        Colour fill;
        Colour glint;
    };
    const Case cases[] = {{LedRed, ColRed, ColYellow},
                          {LedGreen, rgb(0, 164, 0), rgb(0, 255, 0)},
                          {LedGrey, rgb(128, 128, 128), rgb(192, 192, 192)},
                          {LedOff, ColBlack, ColBlack},
                          {42, ColBlack, ColBlack}};
    for (const Case& test : cases) {
        QImage image = testing::blankImage(12, 12);
        Canvas canvas(image);
        DrawLed(canvas, 2, 2, test.kind);
        EXPECT_EQ(canvas.pixel(2 + 5, 2 + 4), test.fill) << test.kind;
        EXPECT_EQ(canvas.pixel(2 + 3, 2 + 2), test.glint) << test.kind;
        EXPECT_EQ(canvas.pixel(2 + 2, 2 + 3), test.glint) << test.kind;
        EXPECT_EQ(canvas.pixel(2 + 0, 2 + 4), ColBlack) << test.kind; // outline
        EXPECT_EQ(canvas.pixel(2, 2), kBackground) << test.kind;      // round corner
        EXPECT_EQ(canvas.pixel(2 + 8, 2 + 4), kBackground) << test.kind;
    }
}

} // namespace
} // namespace draw
