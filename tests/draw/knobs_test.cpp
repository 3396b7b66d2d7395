#include "draw/knobs.h"

#include "draw/artwork.h"
#include "draw/palette.h"
#include "draw_test_support.h"

#include <gtest/gtest.h>

namespace draw {
namespace {

// A background that differs in every pixel, so a stray write shows.
QImage patternedImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, rgb(x * 3, y * 5, (x ^ y) & 0xFF));
    return image;
}

TEST(KnobPointerTable, DecisivePositions) {
    EXPECT_EQ(knobPointerOffset(0), QPoint(5, 14));
    EXPECT_EQ(knobPointerOffset(1), QPoint(4, 13));
    EXPECT_EQ(knobPointerOffset(63), QPoint(8, 3));
    EXPECT_EQ(knobPointerOffset(64), QPoint(9, 3));
    EXPECT_EQ(knobPointerOffset(65), QPoint(10, 3));
    EXPECT_EQ(knobPointerOffset(126), QPoint(14, 13));
    EXPECT_EQ(knobPointerOffset(127), QPoint(13, 14));
    EXPECT_EQ(knobPointerOffset(-3), QPoint(5, 14));
    EXPECT_EQ(knobPointerOffset(999), QPoint(13, 14));
}

TEST(KnobPointerTable, RunsClockwiseAroundTheCentre) {
    // Every step moves at most one pixel in each direction and the positions stay on a
    // ring around (9, 9).
    for (int value = 1; value < 128; ++value) {
        const QPoint step = knobPointerOffset(value) - knobPointerOffset(value - 1);
        EXPECT_LE(std::abs(step.x()), 1) << value;
        EXPECT_LE(std::abs(step.y()), 1) << value;
        const QPoint fromCentre = knobPointerOffset(value) - QPoint(9, 9);
        const int squared = fromCentre.x() * fromCentre.x() + fromCentre.y() * fromCentre.y();
        EXPECT_GE(squared, 25) << value;
        EXPECT_LE(squared, 45) << value;
    }
}

TEST(DrawPot, MasksTheSpriteAndLeavesTheBackgroundOutside) {
    QImage image = patternedImage(60, 50);
    const QImage before = image;
    constexpr int x = 20;
    constexpr int y = 10;
    {
        Canvas canvas(image);
        DrawPot(canvas, x, y);
    }
    const QImage& knob = artwork().knob;
    int spritePixels = 0;
    for (int sy = 0; sy < 50; ++sy)
        for (int sx = 0; sx < 60; ++sx) {
            // Sprite pixel (i, j) lands at (x - 4 + i, y + 1 + j) for i, j below 31.
            const int i = sx - (x - 4);
            const int j = sy - (y + 1);
            const bool inSprite = i >= 0 && i < 31 && j >= 0 && j < 31;
            const bool masked = inSprite && (knob.pixel(32 + i, j) & 0xFFFFFF) == 0;
            if (masked) {
                EXPECT_EQ(image.pixel(sx, sy), knob.pixel(i, j)) << sx << "," << sy;
                ++spritePixels;
            } else {
                EXPECT_EQ(image.pixel(sx, sy), before.pixel(sx, sy)) << sx << "," << sy;
            }
        }
    EXPECT_GT(spritePixels, 300);
}

struct PointerCase {
    int value;
    int left; // pointer square relative to the knob's (x, y)
    int top;
};

class KnobPointer : public ::testing::TestWithParam<PointerCase> {};

TEST_P(KnobPointer, SquareAtTheTablePosition) {
    const PointerCase test = GetParam();
    constexpr int x = 20;
    constexpr int y = 10;
    for (bool active : {false, true}) {
        QImage image = testing::blankImage(60, 50);
        Canvas canvas(image);
        DrawKnob(canvas, x, y, test.value, active);
        const Colour outline = active ? ColRed : ColBlack;
        const Colour inside = active ? ColYellow : ColCyan;
        const int left = x + test.left;
        const int top = y + test.top;
        EXPECT_EQ(canvas.pixel(left, top), outline) << test.value;
        EXPECT_EQ(canvas.pixel(left + 3, top + 3), outline) << test.value;
        EXPECT_EQ(canvas.pixel(left + 1, top + 1), inside) << test.value;
        EXPECT_EQ(canvas.pixel(left + 2, top + 2), inside) << test.value;
        EXPECT_NE(canvas.pixel(left + 4, top + 1), outline) << test.value;
        EXPECT_NE(canvas.pixel(left + 1, top + 4), outline) << test.value;
    }
}

// Pointer square (px + 4, py + 1) in the knob's scratch copy at (x - 5, y).
INSTANTIATE_TEST_SUITE_P(Values, KnobPointer,
                         ::testing::Values(PointerCase{0, 5 - 1, 14 + 1},
                                           PointerCase{64, 9 - 1, 3 + 1},
                                           PointerCase{127, 13 - 1, 14 + 1}));

TEST(DrawKnobUnit, BoxKnobAndCaptionPerWidth) {
    testing::ensureApplication();
    struct Case {
        KnobWidth width;
        int boxLeft;
        int boxRight;
    };
    for (const Case& test : {Case{KnobWidth::Wide, -2, 34}, Case{KnobWidth::Normal, 0, 32},
                             Case{KnobWidth::Narrow, 0, 29}, Case{KnobWidth::Narrowest, 0, 26}}) {
        QImage image = testing::blankImage(80, 70);
        Canvas canvas(image);
        DrawKnobUnit(canvas, 20, 5, "Pan", test.width);
        EXPECT_EQ(canvas.pixel(20 + test.boxLeft, 5), ColDarkBrown);
        EXPECT_EQ(canvas.pixel(20 + test.boxRight, 10), ColHighlight);
        EXPECT_EQ(canvas.pixel(20 + test.boxRight + 1, 10), rgb(10, 20, 30));
        int captionInk = 0;
        for (int y = 40; y < 52; ++y)
            for (int x = 0; x < 80; ++x) captionInk += canvas.pixel(x, y) == ColBlack;
        EXPECT_GT(captionInk, 5);
    }
}

TEST(DrawNamedValue, TextureNameAndValueInTheLine) {
    testing::ensureApplication();
    QImage image = testing::blankImage(200, 30);
    Canvas canvas(image);
    DrawNamedValue(canvas, 10, 5, 100, "Vol", 127, ColRed);
    // Covers (width - 2) x 11 pixels.
    EXPECT_NE(canvas.pixel(10, 5), rgb(10, 20, 30));
    EXPECT_NE(canvas.pixel(107, 15), rgb(10, 20, 30));
    EXPECT_EQ(canvas.pixel(108, 15), rgb(10, 20, 30));
    EXPECT_EQ(canvas.pixel(50, 16), rgb(10, 20, 30));
    int leftRed = 0;
    int rightRed = 0;
    for (int y = 5; y < 16; ++y)
        for (int x = 10; x < 108; ++x)
            if (canvas.pixel(x, y) == ColRed) (x < 40 ? leftRed : rightRed) += (x < 40 || x > 80);
    EXPECT_GT(leftRed, 5);
    EXPECT_GT(rightRed, 5);
    DrawNamedValue(canvas, 10, 5, 0, "x", 0, ColRed); // too narrow: nothing, no crash
}

} // namespace
} // namespace draw
