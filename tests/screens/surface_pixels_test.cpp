// Decisive pixels of the painted surface. With XGORVO_SURFACE_PNG set, the first test also
// writes the surface to that file for a look.

#include "screen_test_support.h"

#include "draw/palette.h"
#include "editor/part_controls.h"

#include <cstdlib>

namespace {

using namespace editor;
using namespace editor::testing;

struct Pixels : EditorFixture {
    // The bounding box of the pixels that differ between two pictures.
    static HitRect changedArea(const QImage& before, const QImage& after) {
        HitRect box{10000, 10000, -1, -1};
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x);
                    box.bottom = std::max(box.bottom, y);
                }
        return box;
    }
    // Pixels of a colour in the column where a strip writes its voice name upward.
    int namePixels(int part, draw::Colour colour) const {
        const QImage& surface = editor->image();
        int count = 0;
        for (int y = 274; y <= 379; ++y)
            for (int x = 28; x <= 44; ++x)
                if (surface.pixel(x + kStripSpacing * part, y) == colour) ++count;
        return count;
    }
};

TEST_F(Pixels, SurfaceHasTheEditorSizeAndIsPainted) {
    const QImage& surface = editor->image();
    if (const char* path = std::getenv("XGORVO_SURFACE_PNG")) surface.save(path);
    EXPECT_EQ(surface.size(), QSize(kSurfaceWidth, kSurfaceHeight));
    EXPECT_EQ(surface.format(), QImage::Format_RGB32);
    // The window colour in a gap between the strips and the page.
    EXPECT_EQ(surface.pixel(588, 200) & 0xFFFFFF, 0xBE9A4Au);
}

TEST_F(Pixels, AKnobDraggedAndReleasedChangesOnlyItsOwnArea) {
    value(3, 17) = 64;
    editor->redrawAll();
    editor->selectPart(3);
    const QImage before = editor->image().copy();
    press(31 + 3 * 35, 170); // dry level of the fourth part
    for (int i = 0; i < 40; ++i) moveBy(0, -1);
    release();
    const HitRect changed = changedArea(before, editor->image());
    ASSERT_LE(changed.left, changed.right) << "the knob did not change";
    EXPECT_GE(changed.left, 20 + 3 * 35 - 5);
    EXPECT_LE(changed.right, 43 + 3 * 35 + 5);
    EXPECT_GE(changed.top, 165);
    EXPECT_LE(changed.bottom, 193);
}

TEST_F(Pixels, StatusFieldIsRestoredWhenHidden) {
    const QImage before = editor->image().copy();
    press(30, 50); // the mode toggle shows its status
    EXPECT_NE(changedArea(before, editor->image()).right, -1);
    press(30, 50); // toggled back
    release();
    EXPECT_EQ(changedArea(before, editor->image()).right, -1);
}

TEST_F(Pixels, CurrentPartStripIsHighlighted) {
    const QRgb current = editor->image().pixel(16, 230);
    const QRgb other = editor->image().pixel(16 + 35, 230);
    EXPECT_NE(current, other);
    editor->selectPart(1);
    EXPECT_EQ(editor->image().pixel(16, 230), other);
    EXPECT_EQ(editor->image().pixel(16 + 35, 230), current);
}

TEST_F(Pixels, PartSwitchRedrawsThePageTitleAndHandlesForTheNewPart) {
    value(1, 26) = 0;  // the second part: attack handle at the far left
    value(1, 1) = 127; // and a drum kit
    const QImage before = editor->image().copy();
    press(63 + 3, 30); // the second part's number label
    EXPECT_EQ(editor->currentPart(), 1);
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xB0, 0x7B, 0x00}}));
    const QImage& after = editor->image();
    EXPECT_NE(changedArea(before.copy(18, 8, 73, 11), after.copy(18, 8, 73, 11)).right, -1);
    EXPECT_NE(changedArea(before.copy(604, 76, 171, 64), after.copy(604, 76, 171, 64)).right, -1);
    // The attack handle moved with the value and can be pressed where it now is.
    press(611, 82);
    EXPECT_TRUE(editor->dragging());
}

TEST_F(Pixels, VoiceNamesAreWrittenInTheColourOfTheirKind) {
    // The fourth part plays a QS300 user voice, the tenth a drum setup, the others XG voices.
    value(3, 1) = image::kBankQsUserVoice;
    const VoiceNameColours fresh;
    editor->redrawAll();
    EXPECT_GT(namePixels(0, fresh.xg), 0);
    EXPECT_GT(namePixels(3, fresh.qs), 0);
    EXPECT_GT(namePixels(9, fresh.drum), 0);

    const VoiceNameColours chosen{draw::rgb(0, 200, 0), draw::rgb(200, 0, 200),
                                  draw::rgb(0, 200, 200)};
    editor->setNameColours(chosen);
    editor->redrawAll();
    for (int part : {0, 1, 15}) {
        EXPECT_GT(namePixels(part, chosen.xg), 0) << part;
        EXPECT_EQ(namePixels(part, fresh.xg), 0) << part;
        EXPECT_EQ(namePixels(part, chosen.drum), 0) << part;
    }
    EXPECT_GT(namePixels(3, chosen.qs), 0);
    EXPECT_EQ(namePixels(3, fresh.qs), 0);
    EXPECT_GT(namePixels(9, chosen.drum), 0);
    EXPECT_EQ(namePixels(9, fresh.drum), 0);
    EXPECT_EQ(namePixels(9, chosen.xg), 0);
}

} // namespace
