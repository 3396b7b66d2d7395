// Fonts, artwork, value texts and the busy-wait.

#include "draw/artwork.h"
#include "draw/delay.h"
#include "draw/fonts.h"
#include "draw/value_texts.h"

#include "draw_test_support.h"

#include <QFontInfo>
#include <gtest/gtest.h>
#include <string>

namespace draw {
namespace {

TEST(ValueTexts, SignedTable) {
    EXPECT_STREQ(SignedText(0), "-64");
    EXPECT_STREQ(SignedText(63), "-1");
    EXPECT_STREQ(SignedText(64), "0");
    EXPECT_STREQ(SignedText(65), "1");
    EXPECT_STREQ(SignedText(127), "63");
    EXPECT_STREQ(SignedText(-1), "-64");
    EXPECT_STREQ(SignedText(128), "63");
}

TEST(ValueTexts, PanTable) {
    EXPECT_STREQ(PanText(0), "RND");
    EXPECT_STREQ(PanText(1), "<-63");
    EXPECT_STREQ(PanText(63), "<-1");
    EXPECT_STREQ(PanText(64), "<-0->");
    EXPECT_STREQ(PanText(65), "1->");
    EXPECT_STREQ(PanText(127), "63->");
    EXPECT_STREQ(PanText(500), "63->");
    for (int value = 0; value < 128; ++value) EXPECT_LE(std::string(PanText(value)).size(), 5u);
}

TEST(Fonts, CompiledInFacesAreUsed) {
    testing::ensureApplication();
    initialiseToolkit();
    EXPECT_TRUE(toolkitFontsRegistered());
    EXPECT_EQ(smallFontFamily(-8), QStringLiteral("Go"));
    EXPECT_EQ(smallFontFamily(-7), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(sansFontFamily(), QStringLiteral("Liberation Sans"));
    const QFont caption = toolkitFont(FontFace::Small, -8);
    EXPECT_EQ(caption.pixelSize(), 8);
    EXPECT_EQ(QFontInfo(caption).family(), QStringLiteral("Go"));
    EXPECT_EQ(QFontInfo(toolkitFont(FontFace::Small, -7)).family(), QStringLiteral("DejaVu Sans"));
    const QFont title = toolkitFont(FontFace::Sans, -13, 700);
    EXPECT_EQ(QFontInfo(title).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(title).weight(), 700);
    EXPECT_EQ(toolkitFont(FontFace::Sans, -20, 400).pixelSize(), 20);
}

TEST(Artwork, SizesAndTheTransparentSpriteRule) {
    const Artwork& art = artwork();
    EXPECT_EQ(art.knob.size(), QSize(64, 64));
    EXPECT_EQ(art.titleStrip.size(), QSize(791, 32));
    EXPECT_EQ(art.graphBackground.size(), QSize(188, 74));
    EXPECT_EQ(art.dragCursor.size(), QSize(32, 32));
    EXPECT_TRUE(art.dragCursor.hasAlphaChannel());
    int knobPixels = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb mask = art.knob.pixel(32 + x, y) & 0xFFFFFF;
            ASSERT_TRUE(mask == 0 || mask == 0xFFFFFF) << x << "," << y;
            // Where the mask keeps the background the sprite must be black.
            if (mask == 0xFFFFFF) {
                EXPECT_EQ(art.knob.pixel(x, y) & 0xFFFFFF, 0u);
            }
            knobPixels += mask == 0;
        }
    EXPECT_GT(knobPixels, 300);
    // The knob body lies under every pointer position (sprite offset px + 3.. py ..).
    EXPECT_EQ(art.knob.pixel(32 + 13, 10) & 0xFFFFFF, 0u);
}

TEST(Delay, WaitsUntilMoreThanTheTimeHasPassed) {
    std::int64_t now = 1000;
    int reads = 0;
    Delay(5, [&] {
        ++reads;
        return now++;
    });
    EXPECT_EQ(now, 1007); // read once at 1000, then until 1006 - 1000 > 5
    EXPECT_EQ(reads, 7);
    Delay(0, [&] { return now++; });
}

} // namespace
} // namespace draw
