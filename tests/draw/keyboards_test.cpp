#include "draw/keyboards.h"

#include "draw/palette.h"
#include "draw_test_support.h"

#include <gtest/gtest.h>

namespace draw {
namespace {

TEST(OctaveKeyboard, HitRectanglesInKeyOrder) {
    QImage image = testing::blankImage(800, 450);
    Canvas canvas(image);
    const OctaveKeyRects keys = DrawOctaveKeyboard(605, 363, canvas);
    const OctaveKeyRects expected = {{
        {605, 390, 625, 407}, // C
        {615, 363, 633, 389}, // C sharp
        {624, 390, 644, 407}, // D
        {634, 363, 652, 389}, // D sharp
        {643, 390, 663, 407}, // E
        {662, 390, 682, 407}, // F
        {672, 363, 690, 389}, // F sharp
        {681, 390, 701, 407}, // G
        {691, 363, 709, 389}, // G sharp
        {700, 390, 720, 407}, // A
        {710, 363, 728, 389}, // A sharp
        {719, 390, 739, 407}, // B
    }};
    EXPECT_EQ(keys, expected);
}

TEST(OctaveKeyboard, KeyColours) {
    QImage image = testing::blankImage(200, 60);
    Canvas canvas(image);
    DrawOctaveKeyboard(10, 5, canvas);
    EXPECT_EQ(canvas.pixel(10 + 5, 5 + 35), ColGilt);           // C, lower part
    EXPECT_EQ(canvas.pixel(10 + 18, 5 + 10), ColBronze);        // C sharp
    EXPECT_EQ(canvas.pixel(10 + 75, 5 + 10), ColBronze);        // F sharp
    EXPECT_EQ(canvas.pixel(10 + 19 * 6 + 10, 5 + 10), ColGilt); // B, upper part
    EXPECT_EQ(canvas.pixel(10 + 19 * 6 + 20, 5 + 10), rgb(10, 20, 30));
}

TEST(PianoKeyboard, WhiteAndBlackKeysAndWidth) {
    QImage image = testing::blankImage(480, 50);
    Canvas canvas(image);
    DrawPianoKeyboard(canvas, 10, 2);
    EXPECT_EQ(canvas.pixel(10 + 3, 2 + 35), ColHighlight);     // C of the first octave
    EXPECT_EQ(canvas.pixel(10 + 4 + 3, 2 + 10), ColDarkBrown); // C sharp
    EXPECT_EQ(canvas.pixel(10 + 4 + 1, 2 + 10), ColHighlight); // its glint
    EXPECT_EQ(canvas.pixel(10 + 4 + 3, 2 + 23), ColHighlight);
    EXPECT_EQ(canvas.pixel(10, 2 + 20), ColBlack); // left outline
    // The last group has C to G only: the keyboard ends at x + 451.
    EXPECT_EQ(canvas.pixel(10 + 450, 2 + 20), ColBlack);
    EXPECT_EQ(canvas.pixel(10 + 451, 2 + 20), rgb(10, 20, 30));
    EXPECT_EQ(canvas.pixel(10 + 420 + 28 + 1, 2 + 10), ColHighlight); // no G sharp there
}

TEST(PianoKeyboard, TheWideLayoutHasSevenPixelKeysAndSixPixelBlackKeys) {
    QImage image = testing::blankImage(560, 50);
    Canvas canvas(image);
    DrawPianoKeyboard(canvas, 15, 2, kWidePiano);
    EXPECT_EQ(canvas.pixel(15 + 7, 2 + 35), ColBlack);         // between C and D
    EXPECT_EQ(canvas.pixel(15 + 6, 2 + 35), ColHighlight);     // inside C
    EXPECT_EQ(canvas.pixel(15 + 5, 2 + 10), ColBlack);         // C sharp's left outline
    EXPECT_EQ(canvas.pixel(15 + 5 + 1, 2 + 10), ColHighlight); // its glint
    EXPECT_EQ(canvas.pixel(15 + 5 + 4, 2 + 10), ColDarkBrown);
    EXPECT_EQ(canvas.pixel(15 + 5 + 4, 2 + 23), ColHighlight); // the glint's foot
    EXPECT_EQ(canvas.pixel(15 + 5 + 5, 2 + 10), ColBlack);     // its right outline
    // Eleven groups of 49 pixels, the last with C to G: the keyboard ends at x + 525.
    EXPECT_EQ(canvas.pixel(15 + 525, 2 + 20), ColBlack);
    EXPECT_EQ(canvas.pixel(15 + 526, 2 + 20), rgb(10, 20, 30));
}

} // namespace
} // namespace draw
