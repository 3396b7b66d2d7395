#include "draw/buttons.h"

#include "draw/palette.h"
#include "draw_test_support.h"

#include <gtest/gtest.h>

namespace draw {
namespace {

constexpr Colour kBackground = rgb(10, 20, 30);
constexpr int L = 10;
constexpr int T = 5;
constexpr int R = 41;

Colour G(int step) {
    return kButtonGradient[static_cast<std::size_t>(step)];
}

// A caption far from column 15 keeps the body rows free of text.
class ButtonTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::ensureApplication(); }
    QImage image = testing::blankImage(60, 30);
};

TEST_F(ButtonTest, UpStateGradientRowsAndEdges) {
    Canvas canvas(image);
    DrawButton(canvas, L, T, R, QString(), ButtonUp);
    const int x = 15;
    EXPECT_EQ(canvas.pixel(x, T), G(0));
    EXPECT_EQ(canvas.pixel(x, T + 1), G(1));
    for (int step = 2; step <= 8; ++step) EXPECT_EQ(canvas.pixel(x, T + step), G(step)) << step;
    for (int row = 9; row <= 12; ++row) EXPECT_EQ(canvas.pixel(x, T + row), G(9)) << row;
    EXPECT_EQ(canvas.pixel(x, T + 13), G(10));
    EXPECT_EQ(canvas.pixel(x, T + 14), G(11));
    EXPECT_EQ(canvas.pixel(x, T + 15), G(0));
    EXPECT_EQ(canvas.pixel(x, T + 16), kBackground);
    // Sides.
    EXPECT_EQ(canvas.pixel(L - 2, T + 8), G(0));
    EXPECT_EQ(canvas.pixel(L - 2, T + 15), G(0));
    EXPECT_EQ(canvas.pixel(L - 1, T + 8), G(1));
    EXPECT_EQ(canvas.pixel(R, T + 8), G(11));
    EXPECT_EQ(canvas.pixel(R + 1, T + 8), G(0));
    EXPECT_EQ(canvas.pixel(R + 2, T + 8), kBackground);
    EXPECT_EQ(canvas.pixel(L - 3, T + 8), kBackground);
    // The top edge excludes its end point at r + 2.
    EXPECT_EQ(canvas.pixel(R + 1, T), G(0));
    EXPECT_EQ(canvas.pixel(R + 2, T), kBackground);
}

TEST_F(ButtonTest, PressedStateMirrorsTheLight) {
    Canvas canvas(image);
    DrawButton(canvas, L, T, R, QString(), ButtonPressed);
    const int x = 15;
    EXPECT_EQ(canvas.pixel(x, T), G(0));
    EXPECT_EQ(canvas.pixel(x, T + 1), G(11));
    for (int row = 2; row <= 6; ++row) EXPECT_EQ(canvas.pixel(x, T + row), G(10)) << row;
    EXPECT_EQ(canvas.pixel(x, T + 7), G(9));
    EXPECT_EQ(canvas.pixel(x, T + 8), G(8));
    EXPECT_EQ(canvas.pixel(x, T + 13), G(3));
    EXPECT_EQ(canvas.pixel(x, T + 14), G(11)); // G2 overdrawn by the dark rim
    EXPECT_EQ(canvas.pixel(L - 1, T + 14), G(11));
    EXPECT_EQ(canvas.pixel(x, T + 15), G(1));
    EXPECT_EQ(canvas.pixel(L - 2, T + 8), G(0));
    EXPECT_EQ(canvas.pixel(L - 1, T + 8), G(11));
    EXPECT_EQ(canvas.pixel(R, T + 8), G(11));
    EXPECT_EQ(canvas.pixel(R + 1, T + 8), G(1));
}

TEST_F(ButtonTest, OtherStatesDrawOnlyTheCaption) {
    Canvas canvas(image);
    DrawButton(canvas, L, T, R, "WWW", 2);
    EXPECT_EQ(canvas.pixel(15, T), kBackground);
    EXPECT_EQ(canvas.pixel(15, T + 2), kBackground);
    EXPECT_EQ(canvas.pixel(L - 2, T + 8), kBackground);
    int black = 0;
    int highlight = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            black += canvas.pixel(x, y) == ColBlack;
            highlight += canvas.pixel(x, y) == ColHighlight;
        }
    EXPECT_GT(black, 10);
    EXPECT_GT(highlight, 0);
}

TEST_F(ButtonTest, CaptionCentreTruncates) {
    EXPECT_EQ(captionCentre(10, 41), 25);
    EXPECT_EQ(captionCentre(10, 40), 25);
    EXPECT_EQ(captionCentre(10, 7), 9); // toward zero, not toward minus infinity

    // The caption over 10..41 lands exactly where the one over 10..40 does, and one pixel
    // left of the one over 10..42.
    QImage narrower = testing::blankImage(60, 30);
    QImage shifted = testing::blankImage(60, 30);
    {
        Canvas a(image), b(narrower), c(shifted);
        DrawButton(a, 10, T, 41, "Mix", 2);
        DrawButton(b, 10, T, 40, "Mix", 2);
        DrawButton(c, 10, T, 42, "Mix", 2);
    }
    EXPECT_EQ(image, narrower);
    EXPECT_EQ(image.copy(0, 0, 59, 30), shifted.copy(1, 0, 59, 30));
}

TEST_F(ButtonTest, SmallButtonRows) {
    Canvas canvas(image);
    DrawSmallButton(canvas, L, T, R, QString(), ButtonUp);
    for (int step = 2; step <= 9; ++step) EXPECT_EQ(canvas.pixel(15, T + step), G(step));
    EXPECT_EQ(canvas.pixel(15, T + 10), G(11));
    EXPECT_EQ(canvas.pixel(15, T + 11), G(0));
    EXPECT_EQ(canvas.pixel(15, T + 12), kBackground);
    EXPECT_EQ(canvas.pixel(R + 1, T + 11), G(0));

    DrawSmallButton(canvas, L, T, R, QString(), ButtonPressed);
    EXPECT_EQ(canvas.pixel(15, T + 2), G(10));
    EXPECT_EQ(canvas.pixel(15, T + 9), G(3));
    EXPECT_EQ(canvas.pixel(15, T + 11), G(1));
    EXPECT_EQ(canvas.pixel(R + 1, T + 11), G(1));
}

TEST_F(ButtonTest, ArrowButtonPointsRight) {
    Canvas canvas(image);
    DrawArrowButton(canvas, L, T, R, ButtonUp);
    EXPECT_EQ(canvas.pixel(L + 3, T + 3), ColDarkBrown);
    EXPECT_EQ(canvas.pixel(L + 4, T + 5), ColBronze);
    EXPECT_EQ(canvas.pixel(L + 7, T + 3), G(3)); // right of the arrow: body
}

} // namespace
} // namespace draw
