// After an undo or a redo only what the step changed is painted again; every shown screen
// must then look exactly as if it had been painted whole from the restored image.

#include "aids/range_page.h"
#include "drums/drum_editor.h"
#include "drums/drum_layout.h"
#include "undo_screens_fixture.h"
#include "voice_editor_fixture.h"

#include <functional>

namespace {

using editor::Panel;
using undo_screens_testing::UndoScreens;

// The smallest rectangle around the pixels that differ; empty when none does.
QRect differingPixels(const QImage& a, const QImage& b) {
    QRect found;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) found |= QRect(x, y, 1, 1);
    return found;
}

struct UndoRedraw : UndoScreens {
    std::unique_ptr<drums::DrumEditor> drums;
    std::unique_ptr<aids::RangePage> range;

    void SetUp() override {
        UndoScreens::SetUp();
        drums = std::make_unique<drums::DrumEditor>(*image, xg, port, host);
        panels->install(Panel::DrumEditor, *drums);
        range = std::make_unique<aids::RangePage>(*image, xg, *editor, host);
        panels->install(Panel::KeyboardRange, *range);
        editor->setNoteLimitListener([this] { range->currentPartChanged(); });
    }
    void TearDown() override {
        panels.reset();
        drums.reset();
        range.reset();
        UndoScreens::TearDown();
    }

    void dragArea(const std::string& name, int dy) { drag(area(name), dy); }

    // Each shown screen's picture against the same screen painted whole.
    void expectLikeWholeRedraw(const std::string& when) {
        for (Panel panel : panels->shown()) {
            editor::Screen& screen = panels->screen(panel);
            const QImage partial = screen.image().copy();
            screen.redrawAll();
            EXPECT_EQ(differingPixels(partial, screen.image()), QRect())
                << when << ": panel " << static_cast<int>(panel) << " differs from a whole redraw";
        }
    }
    // The one step the edit made, undone and redone, each followed by the check.
    void undoAndRedo(const std::string& what, const std::function<void()>& edit) {
        undo->history().clear();
        edit();
        ASSERT_EQ(undo->history().stepCount(), 1u) << what;
        for (bool back : {true, false}) {
            const image::UndoStep* step = back ? undo->undo() : undo->redo();
            ASSERT_NE(step, nullptr) << what;
            takeSent();
            // Showing sends nothing: the undo has sent the difference already.
            editor::showRestored(*panels, *editor, *step);
            EXPECT_TRUE(takeSent().empty()) << what;
            expectLikeWholeRedraw((back ? "undo of " : "redo of ") + what);
        }
    }
};

TEST_F(UndoRedraw, SurfaceStepsShowTheirRestoredValues) {
    undoAndRedo("a strip knob of another part", [&] { dragArea("P7 Reverb Send", -9); });
    undoAndRedo("the current part's volume", [&] { dragArea("P7 Volume", 5); });
    undoAndRedo("a page knob", [&] {
        steps->begin("Volume and Attack");
        image->part(6, image::offset::kVolume) = 20;
        image->part(6, 28) = 90;
        steps->end();
    });
    undoAndRedo("an effect knob", [&] { dragArea("Reverb knob 1", -8); });
    undoAndRedo("a system knob", [&] { dragArea("Master Volume", 12); });
    undoAndRedo("a reverb type",
                [&] { panels->popupListClicked(editor::PopupList::ReverbTypes, 6, false); });
    undoAndRedo("a variation type",
                [&] { panels->popupListClicked(editor::PopupList::VariationTypes, 20, false); });
    undoAndRedo("a variation knob", [&] { dragArea("Variation knob 1", -6); });
}

TEST_F(UndoRedraw, TheStripsFollowTheRestoredVariationConnection) {
    const auto sendPressable = [&] {
        const auto areas = panels->hitAreas();
        return std::any_of(areas.begin(), areas.end(),
                           [](const auto& a) { return a.name == "P1 Variation Send"; });
    };
    ASSERT_FALSE(sendPressable()) << "the variation starts as an insertion effect";
    dragArea("SYS", 0);
    ASSERT_TRUE(sendPressable());
    editor::showRestored(*panels, *editor, *undo->undo());
    EXPECT_FALSE(sendPressable());
    editor::showRestored(*panels, *editor, *undo->redo());
    EXPECT_TRUE(sendPressable());
}

TEST_F(UndoRedraw, TheDrumEditorShowsItsKeysRestoredValues) {
    editor->selectPart(image::kDrumPartIndex);
    ASSERT_TRUE(drums->ShowDrumEditor());
    ASSERT_TRUE(panels->open(Panel::DrumEditor));
    const int record = drums->record();
    ASSERT_GE(record, 0);
    undoAndRedo("a drum knob", [&] { dragArea(drums::kKnobs[8].label, -7); });
    EXPECT_EQ(drums->record(), record);
    // A step on another key of the setup shows that key.
    undoAndRedo("another key", [&] {
        steps->begin("Level");
        image->drums[0].table[static_cast<std::size_t>(record + 1)][0] ^= 1;
        steps->end();
    });
    EXPECT_EQ(drums->record(), record + 1);
}

TEST_F(UndoRedraw, TheRangePageFollowsNoteLimits) {
    ASSERT_TRUE(panels->open(Panel::KeyboardRange));
    undoAndRedo("a note limit", [&] {
        steps->begin("Note Limit Low");
        image->part(4, image::offset::kNoteLimitLow) = 30;
        steps->end();
    });
}

struct VoiceEditorUndo : qs300::testing::VoiceEditorFixture {};

TEST_F(VoiceEditorUndo, TheElementTheStepChangedBecomesCurrent) {
    use(midi::SynthType::Db50);
    openOn(0, true);
    midi::ImageUndo undo(*image, xg);
    undo.begin("Level");
    editor->edit().setElementByteOf(3, qs300::testing::el::kLevel, 5);
    undo.end();
    undo.begin("Level");
    editor->edit().setElementByteOf(0, qs300::testing::el::kLevel, 6);
    editor->edit().setElementByteOf(1, qs300::testing::el::kLevel, 7);
    undo.end();
    ASSERT_TRUE(editor->edit().selectElement(2));
    editor->redrawAll();

    // A step over two elements leaves the current one where it is.
    editor->showRestored(image::scopeOf(*undo.undo()));
    EXPECT_EQ(editor->currentElement(), 2);
    editor->showRestored(image::scopeOf(*undo.undo()));
    EXPECT_EQ(editor->currentElement(), 3);
    const auto level =
        static_cast<std::size_t>(image::voice::elementStart(3) + qs300::testing::el::kLevel);
    EXPECT_EQ(byte(qs300::testing::el::kLevel), image::factoryUserBank()[0][level] & 0x7F);
    const QImage partial = editor->image().copy();
    editor->redrawAll();
    EXPECT_EQ(differingPixels(partial, editor->image()), QRect());
}

TEST_F(VoiceEditorUndo, EveryByteOfTheShownElementIsShownRestored) {
    use(midi::SynthType::Db50);
    openOn(0, true);
    midi::ImageUndo undo(*image, xg);
    for (int offset = 0; offset < image::kVoiceElementSize; ++offset) {
        image::Byte& byte = editor->edit().voice()[image::elementIndex(0, offset)];
        undo.history().clear();
        undo.begin("Value");
        byte = static_cast<image::Byte>((byte + 37) & 0x7F);
        undo.end();
        for (bool back : {true, false}) {
            editor->showRestored(image::scopeOf(*(back ? undo.undo() : undo.redo())));
            const QImage partial = editor->image().copy();
            editor->redrawAll();
            ASSERT_TRUE(partial == editor->image())
                << (back ? "undo" : "redo") << " of element byte " << offset << " differs in "
                << differingPixels(partial, editor->image()).x() << ","
                << differingPixels(partial, editor->image()).y();
        }
    }
}

} // namespace
