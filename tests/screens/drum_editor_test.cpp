// The drum setup editor's controller: key choice from the keyboard, the key list and the
// MIDI input, kits and setups, and every edit as whole messages on the wire.

#include "draw/palette.h"
#include "drum_editor_fixture.h"
#include "drums/drum_keyboard.h"
#include "image/drum_kits.h"

#include <gtest/gtest.h>

namespace drums::testing {
namespace {

using editor::testing::partParam;
namespace kb = key_byte;

constexpr int kBassDrumH = 36; // slot 23 of the XG kits

TEST_F(DrumEditorFixture, OpensOnThePartsSetupWithTheFirstKeyAndTheKitLists) {
    EXPECT_EQ(drums->activeSetup(), 1);
    EXPECT_EQ(drums->selectedNote(), 13);
    EXPECT_EQ(drums->keyLabel(), "Surdo Mute");
    EXPECT_EQ(chooser.asked, 0) << "the tenth part plays drum setup 1 already";
    ASSERT_EQ(host.popupShown, kKeyList);
    EXPECT_EQ(host.popupItems.size(), 72u);
    EXPECT_EQ(host.popupItems.front(), "Surdo Mute");
    EXPECT_EQ(host.popupItems.back(), "Bell Tree");
    EXPECT_EQ(host.popupItems[70], "Jingle Bells");
    EXPECT_EQ(host.popupX, 96);
}

TEST_F(DrumEditorFixture, KitNamesReplaceStandardEntriesAndSfxKitsHaveTheirOwnLists) {
    drums->SelectDrumKit(1, 3); // Rock Kit
    EXPECT_EQ(drums->keyNames().size(), 72u);
    EXPECT_EQ(drums->keyNames()[18], "* Rock Snare Med");
    EXPECT_EQ(drums->keyNames()[19], "Sticks");
    EXPECT_EQ(drums->drumVoiceName(1), "D1:Rock Kit");

    drums->SelectDrumKit(1, 9); // SFX 1
    ASSERT_EQ(drums->keyNames().size(), 24u);
    EXPECT_EQ(drums->keyNames()[0], "Cutting Noise");
    EXPECT_EQ(drums->keyNames()[14], "Maou");
    EXPECT_EQ(drums->keyNames()[23], "- NONE");
    EXPECT_EQ(host.popupItems, drums->keyNames());
    EXPECT_EQ(drums->selectedNote(), 36) << "the first entry: the kit's first mapped note";

    drums->SelectDrumNote(52); // the fourth key of SFX 1
    EXPECT_EQ(drums->keyLabel(), "Flute Key Click");
    EXPECT_EQ(drums->record(), 3);
    drums->SelectDrumNote(38); // not in the kit
    EXPECT_EQ(drums->keyLabel(), "NONE");
    EXPECT_EQ(drums->record(), -1);
    EXPECT_EQ(drums->keyListIndex(), -1);
    drums->SelectDrumKey(20); // a "- NONE" entry past the kit's keys
    EXPECT_EQ(drums->record(), -1);
    EXPECT_EQ(drums->keyLabel(), "- NONE");

    // Back on an XG kit, notes above the list's last entry have a key but no name.
    drums->SelectDrumKit(1, 0);
    drums->SelectDrumNote(88);
    EXPECT_EQ(drums->keyLabel(), "NONE");
    EXPECT_EQ(drums->record(), 75);
}

TEST_F(DrumEditorFixture, ChoosingAKitLoadsItAndPutsEveryPartOfTheSetupOnIt) {
    image->part(3, image::offset::kPartMode) = 2; // a second part on setup 1
    image->drums[0].table[23][kb::kLevel] = 1;
    drums->SelectDrumKit(1, 10); // SFX 2
    const std::vector<Msg> expected{partParam(3, 0x07, 2), partParam(3, 0x01, 126),
                                    partParam(3, 0x02, 0), partParam(3, 0x03, 1),
                                    partParam(9, 0x07, 2), partParam(9, 0x01, 126),
                                    partParam(9, 0x02, 0), partParam(9, 0x03, 1)};
    EXPECT_EQ(sent(), expected);
    EXPECT_EQ(changedParts, (std::vector<int>{3, 9}));
    EXPECT_EQ(image->drums[0].kit, image::kSfx2Kit);
    EXPECT_EQ(image->drums[0].slotCount, 27);
    EXPECT_EQ(image->drums[0].table[0], image::kitReference(image::kSfx2Kit)[0]);
    EXPECT_EQ(image->drums[0].module, image->drums[0].table);
    EXPECT_EQ(drums->drumVoiceName(1), "D1:SFX 2");
}

TEST_F(DrumEditorFixture, MidiNotesSelectKeysAndNotesOffTheKeyboardClearTheSelection) {
    drums->noteOnReceived(kBassDrumH);
    EXPECT_EQ(drums->selectedNote(), kBassDrumH);
    EXPECT_EQ(drums->keyLabel(), "Bass Drum H");
    EXPECT_EQ(drums->keyListIndex(), 23);
    for (int outside : {12, 92}) {
        drums->noteOnReceived(outside);
        EXPECT_EQ(drums->record(), -1) << outside;
        EXPECT_EQ(drums->keyLabel(), "NONE") << outside;
        EXPECT_EQ(drums->selectedNote(), 0) << outside;
        drums->noteOnReceived(kBassDrumH);
        EXPECT_EQ(drums->record(), 23);
    }
    EXPECT_TRUE(sent().empty()) << "a played key is not played again";

    drums->hidden();
    drums->noteOnReceived(40);
    EXPECT_EQ(drums->selectedNote(), kBassDrumH) << "a closed panel ignores the input";
}

TEST_F(DrumEditorFixture, AKeyboardClickSoundsUntilReleaseAndAListClickBriefly) {
    const HitRect snare = keyHitRect(38);
    pressAt(snare.left + 1, snare.bottom - 2);
    EXPECT_EQ(drums->selectedNote(), 38);
    EXPECT_EQ(sent(), (std::vector<Msg>{noteOn(kDrumChannel, 38, 63)}));
    releaseAt();
    EXPECT_EQ(sent().back(), noteOn(kDrumChannel, 38, 0));

    // A black key wins over the white keys beside it.
    const HitRect sharp = keyHitRect(37);
    EXPECT_EQ(DrumKeyboard::noteAt(sharp.left, sharp.top + 2), 37);
    EXPECT_EQ(DrumKeyboard::noteAt(sharp.left, sharp.bottom + 2), 36);

    backend.clearSent();
    drums->popupListClicked(kKeyList, 27, false); // note 40
    EXPECT_EQ(sent(),
              (std::vector<Msg>{noteOn(kDrumChannel, 40, 63), noteOn(kDrumChannel, 40, 0)}));
    EXPECT_EQ(drums->keyLabel(), "Snare H");

    // A part that receives on no channel plays nothing.
    backend.clearSent();
    image->part(9, image::offset::kReceiveChannel) = 127;
    drums->SelectDrumKey(5);
    EXPECT_TRUE(sent().empty());
}

TEST_F(DrumEditorFixture, AKnobDragStoresAndSendsEveryStepOfTheKeysParameter) {
    drums->SelectDrumNote(kBassDrumH);
    const int level = keyValue(1, 23, kb::kLevel);
    pressKnob(kLevelKnob);
    EXPECT_EQ(host.confinement, (HitRect{0, 0, 127, 127}));
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{level, 127 - level}));
    dragBy(0, 3);
    dragBy(0, -1);
    EXPECT_EQ(keyValue(1, 23, kb::kLevel), level - 2);
    EXPECT_EQ(sent(), (std::vector<Msg>{drumParam(1, kBassDrumH, 0x02, level - 3),
                                        drumParam(1, kBassDrumH, 0x02, level - 2)}));
    drums->noteOnReceived(40);
    EXPECT_EQ(drums->selectedNote(), kBassDrumH) << "the held knob stays on its key";
    // Fine mode: ten pixels a step.
    pressAt(host.pointerX, host.pointerY, editor::MouseButton::Right);
    for (int i = 0; i < 10; ++i) dragBy(0, -1);
    EXPECT_EQ(keyValue(1, 23, kb::kLevel), level - 1);
    dragTo(host.pointerX, -5000);
    EXPECT_EQ(keyValue(1, 23, kb::kLevel), 127) << "a drag never leaves 0..127";
    releaseAt(editor::MouseButton::Right);
    releaseAt();
    EXPECT_FALSE(drums->dragging());
    EXPECT_FALSE(host.confined);
}

TEST_F(DrumEditorFixture, SetupsKeepTheirOwnEditsAndSetupTwoSendsOnItsOwnAddress) {
    drums->SelectDrumNote(kBassDrumH);
    const int level = keyValue(1, 23, kb::kLevel);
    const int pan = keyValue(2, 23, kb::kPan);
    pressKnob(kLevelKnob);
    dragBy(0, 5);
    releaseAt();

    click(kSetup2Area);
    EXPECT_EQ(drums->activeSetup(), 2);
    EXPECT_EQ(drums->selectedNote(), kBassDrumH);
    backend.clearSent();
    pressKnob(kPanKnob);
    dragBy(0, 4);
    releaseAt();
    EXPECT_EQ(sent(), (std::vector<Msg>{drumParam(2, kBassDrumH, 0x04, pan - 4)}));

    click(kSetup1Area);
    EXPECT_EQ(drums->activeSetup(), 1);
    EXPECT_EQ(keyValue(1, 23, kb::kLevel), level - 5);
    EXPECT_EQ(keyValue(1, 23, kb::kPan), pan);
    EXPECT_EQ(keyValue(2, 23, kb::kPan), pan - 4);
    EXPECT_EQ(keyValue(2, 23, kb::kLevel), level);
}

TEST_F(DrumEditorFixture, AnSfxTwoKeySendsTheNoteOfTheKitsMap) {
    drums->SelectDrumKit(2, 10);
    backend.clearSent();
    drums->SelectDrumKey(7); // "Engine Start": slot 7 is note 52
    EXPECT_EQ(drums->selectedNote(), 52);
    EXPECT_EQ(drums->record(), 7);
    const int level = keyValue(2, 7, kb::kLevel);
    backend.clearSent();
    pressKnob(kLevelKnob);
    dragBy(0, 1);
    releaseAt();
    EXPECT_EQ(sent(), (std::vector<Msg>{drumParam(2, 52, 0x02, level - 1)}));
}

TEST_F(DrumEditorFixture, ButtonsSetKeyAssignAndToggleTheReceiveSwitches) {
    drums->SelectDrumNote(kBassDrumH);
    ASSERT_EQ(keyValue(1, 23, kb::kNoteOn), 1);
    click(kButtons[2].hit); // NOTE ON
    click(kButtons[2].hit);
    click(kButtons[1].hit); // MULTI
    click(kButtons[3].hit); // NOTE OFF
    const int noteOff = keyValue(1, 23, kb::kNoteOff);
    EXPECT_EQ(sent(), (std::vector<Msg>{drumParam(1, kBassDrumH, 0x0A, 0),
                                        drumParam(1, kBassDrumH, 0x0A, 1),
                                        drumParam(1, kBassDrumH, 0x08, 1),
                                        drumParam(1, kBassDrumH, 0x09, noteOff)}));
}

TEST_F(DrumEditorFixture, EnvelopeHandlesRunReversedAndTheFilterGraphMovesBothValues) {
    drums->SelectDrumNote(kBassDrumH);
    const int attack = keyValue(1, 23, kb::kAttack);
    const HitRect handle =
        envelopeHandles(attack, keyValue(1, 23, kb::kDecay1), keyValue(1, 23, kb::kDecay2)).attack;
    pressAt(handle.left + 2, handle.top + 2);
    ASSERT_TRUE(drums->dragging());
    EXPECT_EQ(host.confinement, (HitRect{0, 0, 127, 0}));
    EXPECT_EQ(host.positions.back().first, 127 - attack);
    dragBy(2, 0);
    releaseAt();
    EXPECT_EQ(sent(), (std::vector<Msg>{drumParam(1, kBassDrumH, 0x0D, attack - 2)}));
    EXPECT_EQ(host.shapes.back(), editor::PointerShape::Default);
    drums->mouseMove({}, kFilterArea.left + 5, kFilterArea.top + 5);
    EXPECT_EQ(host.shapes.back(), editor::PointerShape::Drag) << "over a graph";
    drums->mouseMove({}, 5, 300);
    EXPECT_EQ(host.shapes.back(), editor::PointerShape::Default);

    backend.clearSent();
    const int cutoff = keyValue(1, 23, kb::kCutoff);
    const int resonance = keyValue(1, 23, kb::kResonance);
    pressAt(kFilterArea.left + 5, kFilterArea.top + 5);
    EXPECT_EQ(host.confinement, (HitRect{0, 0, 127, 126}));
    dragBy(1, -1);
    dragBy(3, -3, {.shift = true, .ctrl = false}); // Shift holds the cutoff
    releaseAt();
    EXPECT_EQ(sent(), (std::vector<Msg>{drumParam(1, kBassDrumH, 0x0B, cutoff + 1),
                                        drumParam(1, kBassDrumH, 0x0C, resonance + 1),
                                        drumParam(1, kBassDrumH, 0x0B, cutoff + 1),
                                        drumParam(1, kBassDrumH, 0x0C, resonance + 4)}));
}

TEST_F(DrumEditorFixture, WithoutAKeyTheControlsChangeNothing) {
    drums->noteOnReceived(100);
    ASSERT_EQ(drums->record(), -1);
    pressKnob(kLevelKnob);
    EXPECT_FALSE(drums->dragging());
    dragBy(0, -10);
    releaseAt();
    click(kButtons[2].hit);
    pressAt(kFilterArea.left + 5, kFilterArea.top + 5);
    releaseAt();
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(host.confines.empty());
}

TEST_F(DrumEditorFixture, TheSelectedKeyIsRedOnSetupOneAndGreenOnSetupTwo) {
    const auto lowerMiddle = [](int note) {
        const HitRect r = keyHitRect(note);
        return std::pair<int, int>{(r.left + r.right) / 2, r.bottom - 3};
    };
    const auto colourAt = [this](std::pair<int, int> p) {
        return draw::Colour(drums->image().pixel(p.first, p.second));
    };
    drums->SelectDrumNote(kBassDrumH);
    EXPECT_EQ(colourAt(lowerMiddle(kBassDrumH)), kSetup1KeyColour);
    const HitRect sharp = keyHitRect(37);
    drums->SelectDrumNote(37);
    EXPECT_EQ(colourAt({sharp.left + 2, sharp.top + 10}), kSetup1KeyColour);
    EXPECT_EQ(colourAt(lowerMiddle(kBassDrumH)), draw::ColHighlight) << "the old key is clean";
    drums->SwitchDrumSetup(2);
    EXPECT_EQ(colourAt({sharp.left + 2, sharp.top + 10}), kSetup2KeyColour);
    drums->noteOnReceived(5);
    EXPECT_EQ(colourAt({sharp.left + 2, sharp.top + 10}), draw::ColBronze);
}

// ---- opening on a part that plays no drum setup -------------------------------------------

TEST_F(DrumEditorFixture, ANormalPartAsksFirstAndBecomesADrumPartOnlyWhenTheUserAgrees) {
    editor->selectPart(0);
    backend.clearSent();
    chooser.answer = 0;
    EXPECT_FALSE(drums->ShowDrumEditor());
    EXPECT_EQ(chooser.voice1, "D1:Standard Kit");
    EXPECT_EQ(chooser.voice2, "D2:Standard Kit");
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(image->part(0, image::offset::kPartMode), 0);

    drums->SelectDrumKit(2, 3); // Rock Kit on setup 2 (the first part is not on it)
    backend.clearSent();
    chooser.answer = 3;
    EXPECT_TRUE(drums->ShowDrumEditor());
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x07, 3), partParam(0, 0x01, 127),
                                        partParam(0, 0x02, 0), partParam(0, 0x03, 16)}));
    EXPECT_EQ(drums->activeSetup(), 2);
    EXPECT_EQ(drums->keyNames()[18], "* Rock Snare Med");
}

} // namespace
} // namespace drums::testing

namespace drums::testing {
namespace {

TEST_F(DrumEditorFixture, KitsLoadedIntoTheImageAreShownWithoutResettingTheirTables) {
    image->drums[1].kit = 16; // Rock Kit
    image->drums[1].table[23][key_byte::kLevel] = 5;
    drums->showImageKits();
    EXPECT_EQ(drums->kitIndex(2), 3);
    EXPECT_EQ(drums->kitIndex(1), 0);
    drums->SwitchDrumSetup(2);
    EXPECT_EQ(drums->keyNames()[18], "* Rock Snare Med");
    EXPECT_EQ(keyValue(2, 23, key_byte::kLevel), 5);
    EXPECT_TRUE(sent().empty());
}

TEST_F(DrumEditorFixture, APartThatLeavesItsDrumSetupClosesTheOpenPanelOnly) {
    int closes = 0;
    drums->setCloseRequest([&] { ++closes; });
    drums->partLeftDrumSetup();
    EXPECT_EQ(closes, 1);
    drums->hidden();
    drums->partLeftDrumSetup();
    EXPECT_EQ(closes, 1);
}

} // namespace
} // namespace drums::testing
