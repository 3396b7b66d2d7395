// Type changes, the type memory, the LEDs, the type lists and the variation connection,
// with the messages they send.

#include "effect_editor_fixture.h"
#include "image/effect_types.h"

namespace effects::testing {
namespace {

using image::EffectKind;

constexpr int kReverbTime = 1; // reverb slot 1: block index 2, address 02
constexpr int kHall1 = 1;
constexpr int kRoom1 = 3;

using EffectTypes = EffectEditorFixture;

TEST_F(EffectTypes, RoomChangesSurviveSwitchingToHallAndBack) {
    chooseType(kReverbList, kRoom1);
    EXPECT_EQ(image->reverb.current[2], 5);
    pressSlot(EffectKind::Reverb, kReverbTime); // pointer at (5, 69 - 5)
    backend.clearSent();
    moveTo(host.pointerX, host.pointerY - 10);
    release();
    EXPECT_EQ(image->reverb.current[2], 15);
    EXPECT_EQ(sent().back(), effectParam(0x02, 15));

    chooseType(kReverbList, kHall1);
    EXPECT_EQ(image->reverb.current[2], 18);
    backend.clearSent();
    chooseType(kReverbList, kRoom1);
    EXPECT_EQ(image->reverb.current[2], 15);
    EXPECT_EQ(sent(), blockDumps(0x00, 0x10, image->reverb.current));
    EXPECT_EQ(effects->typeMemory().previous(EffectKind::Reverb), kRoom1);
}

TEST_F(EffectTypes, LedOffSendsNoEffectAndOnRestoresTypeAndParameters) {
    image->chorus.current[2] = 99; // the user's LFO frequency for Chorus 1
    click(572, 461);
    EXPECT_EQ(image->chorus.typeIndex, 0);
    EXPECT_EQ(sent(), (std::vector<Msg>{effectPair(0x20, 0, 0)}));
    EXPECT_EQ(effects->slotRect(EffectKind::Chorus, 1).left, 1000);

    backend.clearSent();
    click(580, 469); // the LED's bottom-right corner counts
    EXPECT_EQ(image->chorus.typeIndex, 1);
    EXPECT_EQ(image->chorus.current[2], 99);
    EXPECT_EQ(sent(), blockDumps(0x20, 0x30, image->chorus.current));
    EXPECT_EQ(effects->slotRect(EffectKind::Chorus, 1).left, 14);
}

TEST_F(EffectTypes, ThruKeepsTheBlockAndShowsNoKnobs) {
    const auto before = image->variation.current;
    chooseType(kVariationList, image::kVariationThruIndex);
    EXPECT_EQ(image->variation.typeIndex, image::kVariationThruIndex);
    EXPECT_EQ(image->variation.current, before);
    EXPECT_EQ(sent(), (std::vector<Msg>{effectPair(0x40, 0x40, 0x00)}));
    for (int s = 1; s <= kVariationSlotCount; ++s)
        EXPECT_EQ(effects->slotRect(EffectKind::Variation, s).left, 1000) << s;
    // Leaving Thru saves nothing under it and loads the new type's block.
    chooseType(kVariationList, 9);
    EXPECT_EQ(image->variation.current, image::kVariationPresetRows[8]);
}

TEST_F(EffectTypes, TypeListOpensAtTheCurrentTypeAndOutOfRangeItemsAreIgnored) {
    click(557, 459);
    EXPECT_EQ(host.popupShown, kChorusList);
    EXPECT_EQ(host.popupSelected, 1);
    ASSERT_EQ(host.popupItems.size(), 13u);
    EXPECT_EQ(host.popupItems[12], "Symphonic");
    press(300, 300); // any press on the surface closes it
    EXPECT_FALSE(host.popupShown.has_value());
    release();
    backend.clearSent();
    chooseType(kChorusList, 13);
    chooseType(kChorusList, -1);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(image->chorus.typeIndex, 1);
    effects->ShowReverb(12);
    EXPECT_EQ(image->reverb.typeIndex, 1);
}

TEST_F(EffectTypes, SuppressedTypeSaveKeepsTheTypeMemory) {
    const auto stored = image->reverb.rows[0];
    image->reverb.current[2] = 60;
    {
        const TypeMemory::KeepStoredBlocks loading(effects->typeMemory());
        effects->ShowReverb(kRoom1);
        EXPECT_EQ(image->reverb.rows[0], stored);
    }
    EXPECT_FALSE(effects->typeMemory().keepingStoredBlocks());
}

TEST_F(EffectTypes, ALoadedBlockIsShownAndKeptAsItsTypesMemory) {
    // A file brings Room 1 with its own reverb time and a system-connected variation.
    image->reverb.typeIndex = kRoom1;
    image->reverb.current = image::kReverbPresetRows[kRoom1 - 1];
    image->reverb.current[2] = 40;
    image->variation.current[26] = 1;
    effects->showLoaded();
    EXPECT_EQ(image->reverb.current[2], 40);
    EXPECT_EQ(image->reverb.rows[kRoom1 - 1][2], 40);
    EXPECT_TRUE(effects->variationSystem());
    EXPECT_TRUE(sent().empty());

    // Switching away and back brings the loaded value, not the factory one.
    chooseType(kReverbList, kHall1);
    chooseType(kReverbList, kRoom1);
    EXPECT_EQ(image->reverb.current[2], 40);
}

TEST_F(EffectTypes, SystemConnectionHidesDryWetAndControllersAndOpensTheStripSends) {
    // Insertion: the part columns' sends cannot be pressed.
    press(20, 135);
    EXPECT_FALSE(editor->dragging());
    release();

    click(546, 537);
    EXPECT_EQ(sent(), (std::vector<Msg>{effectParam(0x5A, 1)}));
    EXPECT_TRUE(effects->variationSystem());
    for (int s : {13, 14, 15}) EXPECT_EQ(effects->slotRect(EffectKind::Variation, s).left, 1000);
    EXPECT_EQ(effects->slot(EffectKind::Variation, 16).label, "ToCHO");
    EXPECT_EQ(effects->slot(EffectKind::Variation, 19).record.title, "Level");

    // Every part's variation send and dry level are 23 pixels wide again.
    for (int part : {0, 15}) {
        for (int top : {135, 165}) {
            const int right = 43 + 35 * part;
            press(right - 23, top);
            EXPECT_TRUE(editor->dragging()) << part << " " << top;
            release();
            press(right - 24, top);
            EXPECT_FALSE(editor->dragging());
            release();
        }
    }

    backend.clearSent();
    click(546, 537); // already SYS: nothing
    EXPECT_TRUE(sent().empty());
    click(567, 534); // INS at its bottom-right corner
    EXPECT_EQ(sent(), (std::vector<Msg>{effectParam(0x5A, 0)}));
    EXPECT_EQ(effects->slot(EffectKind::Variation, 16).label, "AT");
    press(20, 135);
    EXPECT_FALSE(editor->dragging());
}

TEST_F(EffectTypes, ClickingTheActiveConnectionSendsNothing) {
    click(546, 522);
    EXPECT_TRUE(sent().empty());
    EXPECT_FALSE(effects->variationSystem());
}

TEST_F(EffectTypes, ATypeChangeKeepsTheConnection) {
    click(546, 537);
    backend.clearSent();
    chooseType(kVariationList, 1);
    EXPECT_EQ(image->variation.current[26], 1);
    EXPECT_TRUE(effects->variationSystem());
    EXPECT_EQ(sent(), blockDumps(0x40, 0x70, image->variation.current));
}

TEST_F(EffectTypes, DryWetOnlyForTypesThatHaveIt) {
    // Tremolo (class 12) has no D/W knob; Chorus 1 variation (class 8) has one.
    for (int type = 1; type < image::kVariationTypeCount; ++type) {
        effects->ShowVariation(type);
        const std::string_view name = image::kVariationTypes[static_cast<std::size_t>(type)].name;
        const bool none = name == "Tremolo" || name == "Auto Pan" ||
                          name.starts_with("3-Band EQ") || name.starts_with("2-Band EQ") ||
                          name == "Thru";
        EXPECT_EQ(effects->slotRect(EffectKind::Variation, 13).left == 1000, none) << name;
    }
}

TEST_F(EffectTypes, ResetRestoresDefaultsAndRedraws) {
    click(546, 537);
    chooseType(kReverbList, kRoom1);
    image->reverb.rows[0][2] = 1;
    image->system.masterVolume = 3;
    host.repaints.clear();
    effects->reset();
    EXPECT_EQ(image->reverb.typeIndex, 1);
    EXPECT_EQ(image->chorus.typeIndex, 1);
    EXPECT_EQ(image->variation.typeIndex, 9);
    EXPECT_EQ(image->reverb.rows[0], image::kReverbPresetRows[0]);
    EXPECT_FALSE(effects->variationSystem());
    EXPECT_EQ(image->system.masterTune(), 1024);
    EXPECT_EQ(image->system.masterVolume, 127);
    EXPECT_EQ(image->system.transpose, 64);
    EXPECT_EQ(effects->typeMemory().last(EffectKind::Variation), 9);
    EXPECT_FALSE(host.repaints.empty());
    press(20, 135); // insertion again
    EXPECT_FALSE(editor->dragging());
}

} // namespace
} // namespace effects::testing
