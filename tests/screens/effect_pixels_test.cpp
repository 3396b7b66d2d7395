// Where the effect rows and the tool strip draw their knobs, checked on the surface's pixels.

#include "draw/colour.h"
#include "effect_editor_fixture.h"
#include "effects/effect_geometry.h"
#include "effects/system_knobs.h"

#include <map>

namespace effects::testing {
namespace {

using image::EffectKind;

// The knob sprite's shadow colour appears nowhere but on knobs.
constexpr draw::Colour kKnobShadow = draw::rgb(112, 84, 40);

struct EffectPixels : EffectEditorFixture {
    draw::Colour pixel(int x, int y) const { return editor->image().pixel(x, y) | 0xFF000000u; }
    int shadowPixels(const HitRect& r) const {
        int count = 0;
        for (int y = r.top; y <= r.bottom; ++y)
            for (int x = r.left; x <= r.right; ++x) count += pixel(x, y) == kKnobShadow;
        return count;
    }
};

TEST_F(EffectPixels, HidingAKnobErasesAllOfIt) {
    std::vector<HitRect> shown;
    for (int s = 1; s <= kVariationSlotCount; ++s) {
        const HitRect r = effects->slotRect(EffectKind::Variation, s);
        if (r.left < 1000 && shadowPixels(r) > 0) shown.push_back(r);
    }
    ASSERT_FALSE(shown.empty());
    chooseType(kVariationList, image::kVariationThruIndex);
    for (const HitRect& r : shown)
        EXPECT_EQ(shadowPixels({r.left - 4, r.top - 1, r.right + 4, r.bottom + 1}), 0)
            << "slot at " << r.left;
}

TEST_F(EffectPixels, SystemKnobsAreDrawnInsideTheirHotAreas) {
    // Every knob pixel of the strip lies in the hot area of its knob, and each area has one.
    std::map<int, int> perKnob;
    const HitRect& strip = tool::kArea;
    for (int y = strip.top; y <= strip.bottom; ++y)
        for (int x = strip.left; x <= strip.right; ++x) {
            if (pixel(x, y) != kKnobShadow) continue;
            int owner = -1;
            for (int k = 0; k < 3; ++k)
                if (systemKnobInfo(static_cast<SystemKnob>(k)).rect.contains(x, y)) owner = k;
            EXPECT_GE(owner, 0) << "knob pixel outside the hot areas at " << x << "," << y;
            ++perKnob[owner];
        }
    for (int k = 0; k < 3; ++k) EXPECT_GT(perKnob[k], 10) << "knob " << k;
}

TEST_F(EffectPixels, APressOnThePageHeaderIsNoSystemKnob) {
    // Below the strip the master volume's hot area lies over the page's header.
    press(734, 60);
    EXPECT_FALSE(editor->dragging());
    moveBy(0, -20);
    release();
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(image->system.masterVolume, 127);
    // Its upper part, on the knob, still drags.
    press(734, 36);
    EXPECT_TRUE(editor->dragging());
    release();
}

} // namespace
} // namespace effects::testing
