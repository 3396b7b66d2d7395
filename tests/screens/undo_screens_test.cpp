// Undo through the screens: random drags of strip and effect knobs and new effect types
// made with the part editor and the effect editor, each marked as one step by the panels,
// then everything undone and redone with a pretend module listening to every message.

#include "undo_screens_fixture.h"

#include "../core/module_mirror.h"

#include <cstring>
#include <random>

namespace {

using undo_screens_testing::Msg;
using undo_screens_testing::UndoScreens;

TEST_F(UndoScreens, OneDragIsOneStepNamedAfterItsKnob) {
    const auto knob = std::find_if(knobs.begin(), knobs.end(),
                                   [](const auto& a) { return a.name == "P2 Volume"; });
    ASSERT_NE(knob, knobs.end());
    drag(*knob, -15);
    EXPECT_GT(takeSent().size(), 10u);
    EXPECT_EQ(undo->history().stepCount(), 1u);
    EXPECT_EQ(undo->history().undoAction(), "Volume Part " + std::to_string(2));
    undo->undo();
    EXPECT_EQ(takeSent(),
              (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x0B, 100, 0xF7}}));
}

TEST_F(UndoScreens, FiveHundredScreenEditsUndoneAndRedone) {
    ASSERT_GT(knobs.size(), 60u);
    const auto start = std::make_unique<image::SynthImage>(*image);
    testing_support::ModuleMirror module(*image);
    std::mt19937 random(77);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int i = 0; i < 500; ++i) {
        if (pick(10) == 0) {
            const auto list =
                pick(2) == 0 ? editor::PopupList::ReverbTypes : editor::PopupList::ChorusTypes;
            steps->listChosen();
            chooseType(list, pick(image::kReverbTypeCount));
            steps->end();
        } else {
            drag(knobs[static_cast<std::size_t>(pick(static_cast<int>(knobs.size())))],
                 pick(21) - 10);
        }
        module.receiveAll(takeSent());
    }
    module.expectHolds(*image, "after the edits");
    const auto finish = std::make_unique<image::SynthImage>(*image);
    ASSERT_GT(undo->history().stepCount(), 300u);

    int undone = 0;
    while (const image::UndoStep* step = undo->undo()) {
        editor::showRestored(*panels, *editor, *step);
        module.receiveAll(takeSent());
        module.expectHolds(*image, "undo");
        // Now and then the surface must look as if painted whole from the image.
        if (++undone % 40 == 0) {
            const QImage shown = editor->image().copy();
            editor->redrawAll();
            EXPECT_TRUE(shown == editor->image()) << "after undo " << undone;
        }
        if (HasFailure()) return;
    }
    image->currentPart = start->currentPart;
    EXPECT_EQ(std::memcmp(image.get(), start.get(), sizeof(image::SynthImage)), 0);
    while (undo->redo()) {
        module.receiveAll(takeSent());
        module.expectHolds(*image, "redo");
        if (HasFailure()) return;
    }
    image->currentPart = finish->currentPart;
    EXPECT_EQ(std::memcmp(image.get(), finish.get(), sizeof(image::SynthImage)), 0);
}

} // namespace
