#include "image/drum_kits.h"
#include "image/part_defaults.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace image;

namespace {

std::unique_ptr<SynthImage> imageWithDefaultParts() {
    auto image = std::make_unique<SynthImage>();
    fillPartTables(*image);
    return image;
}

void setDrumPart(SynthImage& image, int part, int mode, int msb, int program) {
    image.part(part, offset::kPartMode) = static_cast<Byte>(mode);
    image.part(part, offset::kBankMsb) = static_cast<Byte>(msb);
    image.part(part, offset::kProgram) = static_cast<Byte>(program);
}

} // namespace

TEST(DrumKits, StandardKitFirstSlotReadsAsTheModuleTable) {
    const auto standard = kitReference(0);
    ASSERT_EQ(standard.size(), 79u);
    const DrumSlot expected{0x40, 0x40, 0x66, 0x03, 0x33, 0x5F, 0x5F, 0x7F,
                            0x20, 0x20, 0x01, 0x40, 0x40, 0x40, 0x40, 0x40};
    EXPECT_EQ(standard[0], expected);
}

TEST(DrumKits, EveryKitOfTheListHasItsTable) {
    for (int kit : kKitNumbers) {
        const auto expected = kit == kSfx1Kit ? 15u : kit == kSfx2Kit ? 27u : 79u;
        EXPECT_EQ(kitReference(kit).size(), expected) << kit;
        for (const auto& slot : kitReference(kit))
            for (auto b : slot) EXPECT_LT(b, 128) << kit;
    }
    EXPECT_TRUE(kitReference(2).empty());
    EXPECT_TRUE(kitReference(kNoKit).empty());
    EXPECT_EQ(kitListIndex(25), 5);
    EXPECT_EQ(kitListIndex(101), 10);
    EXPECT_EQ(kitListIndex(3), -1);
}

TEST(DrumKits, KitsDifferWhereTheirKeysDiffer) {
    // Analog Kit's BD Analog L (note 35) is louder than the Standard Kit's bass drum;
    // Standard 2 keeps the Standard Kit's surdo.
    EXPECT_EQ(kitReference(25)[35 - kFirstDrumNote][2], 123);
    EXPECT_EQ(kitReference(0)[35 - kFirstDrumNote][2], 102);
    EXPECT_EQ(kitReference(1)[0], kitReference(0)[0]);
}

TEST(DrumKits, ReceiveNoteOffKeysHoldOne) {
    // Brush Swirl L (note 26) receives note off.
    EXPECT_EQ(kitReference(0)[26 - kFirstDrumNote][9], 0x01);
    EXPECT_EQ(kitReference(kSfx1Kit)[0][9], 0x01);
}

TEST(DrumKits, NoteMapsEndWithTheMark) {
    EXPECT_EQ(kSfx1NoteMap.back(), kNoteMapEnd);
    EXPECT_EQ(kSfx2NoteMap.back(), kNoteMapEnd);
    EXPECT_EQ(kSfx1NoteMap[2], 39);
    EXPECT_EQ(kSfx2NoteMap[26], 87);
}

TEST(DrumKits, DrumNoteFollowsTheKit) {
    EXPECT_EQ(DrumNote(0, 0), 13);
    EXPECT_EQ(DrumNote(48, 78), 91);
    EXPECT_EQ(DrumNote(kSfx1Kit, 0), 36);
    EXPECT_EQ(DrumNote(kSfx1Kit, 14), 91);
    EXPECT_EQ(DrumNote(kSfx2Kit, 3), 39);
    EXPECT_EQ(DrumNote(kSfx2Kit, 7), 52);
    EXPECT_EQ(DrumNote(kSfx1Kit, 15), -1); // the end mark is no note
    EXPECT_EQ(DrumNote(0, 79), -1);
    EXPECT_EQ(DrumNote(0, -1), -1);
}

TEST(DrumKits, SlotForNoteInvertsDrumNote) {
    for (int kit : kKitNumbers) {
        for (int slot = 0; slot < static_cast<int>(kitReference(kit).size()); ++slot)
            EXPECT_EQ(drumSlotForNote(kit, DrumNote(kit, slot)), slot);
    }
    EXPECT_EQ(drumSlotForNote(kSfx1Kit, 38), -1);
    EXPECT_EQ(drumSlotForNote(0, 12), -1);
    EXPECT_EQ(drumSlotForNote(0, 92), -1);
}

TEST(FindKit, DefaultPartsGiveStandardKitOnSetupOneOnly) {
    auto image = imageWithDefaultParts();
    const auto one = FindKit(*image, 0);
    EXPECT_EQ(one.kit, 0);
    EXPECT_EQ(one.slotCount, 79);
    const auto two = FindKit(*image, 1);
    EXPECT_EQ(two.kit, kNoKit);
    EXPECT_EQ(two.slotCount, 0);
}

TEST(FindKit, SfxBankGivesSfxKitWithItsSlotCount) {
    auto image = imageWithDefaultParts();
    setDrumPart(*image, 9, 0, 0, 0);
    setDrumPart(*image, 4, 2, 126, 1);
    const auto choice = FindKit(*image, 0);
    EXPECT_EQ(choice.kit, kSfx2Kit);
    EXPECT_EQ(choice.slotCount, 27);
    EXPECT_EQ(DrumNote(choice.kit, 3), 39);
    setDrumPart(*image, 4, 2, 126, 0);
    EXPECT_EQ(FindKit(*image, 0).slotCount, 15);
    setDrumPart(*image, 4, 2, 126, 5); // no such SFX kit
    EXPECT_EQ(FindKit(*image, 0).kit, 105);
    EXPECT_EQ(FindKit(*image, 0).slotCount, 0);
}

TEST(FindKit, LastPartInTheModeWins) {
    auto image = imageWithDefaultParts();
    setDrumPart(*image, 2, 3, 127, 16);
    setDrumPart(*image, 12, 3, 127, 40);
    EXPECT_EQ(FindKit(*image, 1).kit, 40);
    EXPECT_EQ(FindKit(*image, 0).kit, 0); // the tenth part still on setup 1
    EXPECT_EQ(FindKit(*image, 2).kit, kNoKit);
    EXPECT_EQ(FindKit(*image, -1).slotCount, 0);
}

TEST(DrumKits, LoadingAKitZeroesSlotsItDoesNotHave) {
    DrumTable table;
    for (auto& slot : table) slot.fill(7);
    loadKitReference(table, kSfx1Kit);
    EXPECT_EQ(table[0], kitReference(kSfx1Kit)[0]);
    EXPECT_EQ(table[15], DrumSlot{});
    loadKitReference(table, 3);
    EXPECT_EQ(table[0], DrumSlot{});
}

TEST(DrumKits, ResetPutsBothSetupsOnTheStandardKit) {
    auto image = imageWithDefaultParts();
    image->drums[1].module[5].fill(1);
    resetDrumSetups(*image);
    for (const auto& setup : image->drums) {
        EXPECT_EQ(setup.table[0], kitReference(0)[0]);
        EXPECT_EQ(setup.module, setup.table);
        EXPECT_EQ(setup.working, setup.table);
    }
    EXPECT_EQ(image->drums[0].kit, 0);
    EXPECT_EQ(image->drums[1].kit, kNoKit);
    EXPECT_EQ(image->drums[1].slotCount, 0);
}
