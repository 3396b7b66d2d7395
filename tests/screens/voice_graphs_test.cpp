// The voice editor's graphs on pixels: the amp envelope's steepest and highest cases, the
// level rules of the three envelopes, and the key ranges of unavailable elements.

#include "draw/palette.h"
#include "voice_editor_fixture.h"

namespace qs300::testing {
namespace {

using VoiceGraphs = VoiceEditorFixture;

// Work picture (x, y) of the amp EG on the surface.
QPoint ampEg(int x, int y) {
    return {x + kAmpEgArea.left - 3, y + kAmpEgArea.top - 3};
}

bool black(const QImage& image, QPoint p) {
    return (image.pixel(p) & 0xFFFFFF) == 0;
}

TEST_F(VoiceGraphs, AllRatesAtTheTopDrawVerticalEdges) {
    openOn(0);
    for (int i = 0; i < 4; ++i) setByte(el::kAmpEgRates + i, 63);
    setByte(el::kAmpEgDecay1Level, 127);
    setByte(el::kAmpEgDecay2Level, 127);
    const QImage& image = editor->image();
    // Attack, decays and release all at x 9 and 41 of the work picture: straight up and down.
    for (int y = 20; y <= 60; y += 10) {
        EXPECT_TRUE(black(image, ampEg(9, y))) << y;
        EXPECT_TRUE(black(image, ampEg(41, y))) << y;
        EXPECT_FALSE(black(image, ampEg(10, y))) << y;
        EXPECT_FALSE(black(image, ampEg(25, y))) << y;
    }
    // The sustain runs along the top.
    EXPECT_TRUE(black(image, ampEg(25, 8)));
}

TEST_F(VoiceGraphs, TheHighestDecayLevelsSitAtTheAttackPeak) {
    EXPECT_EQ(ampLevelY(127), 8);
    EXPECT_EQ(ampLevelY(126), 8);
    EXPECT_EQ(ampLevelY(125), 7);
    EXPECT_EQ(ampLevelY(0), 69);
    EXPECT_EQ(filterLevelY(115), 14);
    EXPECT_EQ(filterLevelY(114), 12);
    EXPECT_EQ(pitchLevelY(0), 62);
    EXPECT_EQ(pitchLevelY(127), 62 - 55 + 2);
    openOn(0);
    setByte(el::kAmpEgRates + 1, 30);
    for (const int level : {126, 127}) {
        setByte(el::kAmpEgDecay1Level, level);
        EXPECT_EQ(editor->pointRect(10).top, editor->pointRect(11).top) << level;
    }
}

TEST_F(VoiceGraphs, HandlesFollowTheirValues) {
    openOn(0);
    setByte(el::kAmpEgRates, 0);
    const auto slow = editor->pointRect(11);
    setByte(el::kAmpEgRates, 63);
    const auto fast = editor->pointRect(11);
    EXPECT_EQ(slow.left - fast.left, 31);
    setByte(el::kLevelBreakPoints + 3, 60);
    EXPECT_EQ(editor->pointRect(0).left + 4 - kLevelScalingArea.left, scalingNoteX(60));
    EXPECT_EQ(scalingNoteX(60), 28 * 5 + 2 + 4);
    EXPECT_EQ(scalingOffsetY(64), 27);
}

TEST_F(VoiceGraphs, ElementsThreeAndFourShowNoRangeWithoutFourElements) {
    openOn(0);
    const QImage& image = editor->image();
    const int y = rangeBarTop(2) + 5;
    for (int x = kRangeLeft; x <= kRangeRight; x += 50)
        EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, draw::ColBronze & 0xFFFFFF) << x;
    EXPECT_LT(editor->rangeHandle(4).left, 0);
}

} // namespace
} // namespace qs300::testing

namespace qs300::testing {
namespace {

// The whole editor open on "Aurora" against its picture, looked at once by eye. Small
// changes of the toolkit's faces may move a few pixels; a region drawn in the wrong place
// or not at all moves thousands.
TEST_F(VoiceGraphs, TheWholeEditorLooksAsItsReferencePicture) {
    openOn(0);
    const QImage reference(QStringLiteral(XGORVO_TEST_DATA_DIR "/pictures/qs300_editor.png"));
    ASSERT_FALSE(reference.isNull());
    const QImage& image = editor->image();
    ASSERT_EQ(reference.size(), image.size());
    const QImage expected = reference.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF)) ++differing;
    EXPECT_LE(differing, image.width() * image.height() / 200) << differing << " pixels differ";
}

} // namespace
} // namespace qs300::testing

namespace qs300::testing {
namespace {

bool inside(const draw::HitRect& inner, const draw::HitRect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// Every knob, button and value box drawn for a named control lies inside a rectangle of
// that name, and every graph handle inside some rectangle: a press lands where the picture
// shows the control, and the --hot overlay names what is drawn.
TEST_F(VoiceGraphs, DrawnControlsLieInsideTheirHitRectangles) {
    use(midi::SynthType::Qs300);
    openOn(0);
    draw::DrawnControls record;
    editor->setDrawnControls(&record);
    editor->redrawAll();
    const auto areas = editor->hitAreas();
    ASSERT_FALSE(record.items().empty());
    for (const draw::DrawnControl& control : record.items()) {
        if (control.owner.empty() && control.kind != draw::DrawnKind::Handle) continue;
        // The value boxes above the knobs show the value; the knob answers the press.
        if (control.kind == draw::DrawnKind::ValueBox && control.area.top < stripRect(0).top)
            continue;
        const bool placed = std::any_of(areas.begin(), areas.end(), [&](const auto& area) {
            return (control.owner.empty() || area.name == control.owner) &&
                   inside(control.area, area.rect);
        });
        EXPECT_TRUE(placed) << draw::drawnKindName(control.kind) << " \"" << control.owner
                            << "\" at " << control.area.left << ',' << control.area.top << '-'
                            << control.area.right << ',' << control.area.bottom;
    }
    editor->setDrawnControls(nullptr);
}

} // namespace
} // namespace qs300::testing
