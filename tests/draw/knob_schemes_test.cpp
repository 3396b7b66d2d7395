#include "draw/artwork.h"
#include "draw/canvas.h"
#include "draw/knob_schemes.h"
#include "draw/knobs.h"
#include "draw/palette.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace draw {
namespace {

constexpr std::array<KnobScheme, 3> kSchemes{KnobScheme::Yellow, KnobScheme::Red,
                                             KnobScheme::Silver};

QImage knobOn(KnobScheme scheme) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(ColPanel);
    Canvas canvas(image);
    canvas.setKnobScheme(scheme);
    DrawPot(canvas, 8, 2);
    return image;
}

// How far a colour lies from the line between the palette's dark and light body colours.
bool onBodyGradient(Colour pixel, const KnobPalette& palette) {
    for (int step = 0; step <= 20; ++step) {
        auto channel = [step](int dark, int light) { return dark + (light - dark) * step / 20; };
        const Colour c = rgb(channel(redOf(palette.bodyDark), redOf(palette.bodyLight)),
                             channel(greenOf(palette.bodyDark), greenOf(palette.bodyLight)),
                             channel(blueOf(palette.bodyDark), blueOf(palette.bodyLight)));
        if (std::abs(redOf(c) - redOf(pixel)) <= 8 && std::abs(greenOf(c) - greenOf(pixel)) <= 8 &&
            std::abs(blueOf(c) - blueOf(pixel)) <= 8)
            return true;
    }
    return false;
}

TEST(KnobSchemes, EachSchemeDrawsItsOwnColoursInTheSameShape) {
    // A body pixel between the dome and the rim: sprite (18, 10) lands at (8 - 4 + 18, 2 + 1 + 10).
    constexpr int bodyX = 22;
    constexpr int bodyY = 13;
    std::array<Colour, 3> body{};
    for (std::size_t i = 0; i < kSchemes.size(); ++i) {
        const QImage image = knobOn(kSchemes[i]);
        body[i] = image.pixel(bodyX, bodyY);
        EXPECT_TRUE(onBodyGradient(body[i], knobPalette(kSchemes[i])))
            << i << " " << std::hex << body[i];
        // Outside the knob the background stays in every scheme.
        EXPECT_EQ(image.pixel(1, 1), ColPanel);
        EXPECT_EQ(image.pixel(38, 38), ColPanel);
        // The same outline: the mask is shared.
        const QImage& sprite = knobSprite(kSchemes[i]);
        EXPECT_EQ(sprite.copy(32, 0, 32, 32), artwork().knob.copy(32, 0, 32, 32));
    }
    EXPECT_NE(body[0], body[1]);
    EXPECT_NE(body[1], body[2]);
    EXPECT_NE(body[0], body[2]);
    // The red scheme is red, the silver one grey.
    EXPECT_GT(redOf(body[1]), greenOf(body[1]) + 40);
    EXPECT_LE(std::abs(redOf(body[2]) - blueOf(body[2])), 12);
}

TEST(KnobSchemes, StoredNumbersOutOfRangeReadAsRed) {
    EXPECT_EQ(knobSchemeOf(1), KnobScheme::Yellow);
    EXPECT_EQ(knobSchemeOf(2), KnobScheme::Red);
    EXPECT_EQ(knobSchemeOf(3), KnobScheme::Silver);
    EXPECT_EQ(knobSchemeOf(0), KnobScheme::Red);
    EXPECT_EQ(knobSchemeOf(-7), KnobScheme::Red);
    EXPECT_EQ(knobSchemeOf(99), KnobScheme::Red);
}

} // namespace
} // namespace draw
