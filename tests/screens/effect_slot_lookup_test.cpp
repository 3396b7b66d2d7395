#include "effects/effect_slot_lookup.h"
#include "image/effect_types.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace effects;
using image::Byte;
using image::EffectKind;

namespace {

std::vector<std::string> labels(int type, Connection connection, int from, int to) {
    std::vector<std::string> out;
    for (int s = from; s <= to; ++s)
        out.emplace_back(effectSlot(EffectKind::Variation, type, s, connection).label);
    return out;
}

std::vector<std::string> titles(int type, Connection connection, int from, int to) {
    std::vector<std::string> out;
    for (int s = from; s <= to; ++s)
        out.emplace_back(effectSlot(EffectKind::Variation, type, s, connection).record.title);
    return out;
}

constexpr int kDelayLcr = 9;
constexpr int kTremolo = 33;

} // namespace

TEST(EffectSlotLookup, SlotCounts) {
    EXPECT_EQ(slotCount(EffectKind::Reverb), 17);
    EXPECT_EQ(slotCount(EffectKind::Chorus), 17);
    EXPECT_EQ(slotCount(EffectKind::Variation), 19);
}

TEST(EffectSlotLookup, InsertionShowsDryWetControllersAndAssignments) {
    EXPECT_EQ(labels(kDelayLcr, Connection::Insertion, 13, 19),
              (std::vector<std::string>{"D/W", "AC1", "AC2", "AT", "BEND", "MOD", "PART"}));
    EXPECT_EQ(titles(kDelayLcr, Connection::Insertion, 16, 19),
              (std::vector<std::string>{"After Touch", "Pitch Bend", "Mod Wheel", "Part"}));
    const auto part = effectSlot(EffectKind::Variation, kDelayLcr, 19).record;
    EXPECT_EQ(part.index, 27);
    EXPECT_EQ(part.form, 115);
    EXPECT_EQ(part.minimum, 0);
}

TEST(EffectSlotLookup, SystemHidesMixAndControllersAndShowsSends) {
    for (int type : {kDelayLcr, kTremolo}) {
        EXPECT_EQ(labels(type, Connection::System, 13, 19),
                  (std::vector<std::string>{"", "", "", "ToCHO", "ToREV", "PAN", "LEVEL"}));
        EXPECT_EQ(
            titles(type, Connection::System, 16, 19),
            (std::vector<std::string>{"Send to Chorus", "Send to Reverb", "Panorama", "Level"}));
    }
    const auto pan = effectSlot(EffectKind::Variation, kDelayLcr, 18, Connection::System).record;
    EXPECT_EQ(pan.index, 23);
    EXPECT_EQ(pan.minimum, 1);
    EXPECT_EQ(pan.form, 113);
    // The connection leaves slots 1..12 and the other rows alone.
    EXPECT_EQ(labels(kDelayLcr, Connection::System, 1, 3),
              (std::vector<std::string>{"LDLY", "RDLY", "CDLY"}));
    EXPECT_EQ(effectSlot(EffectKind::Reverb, 1, 16, Connection::System).label, "PAN");
}

TEST(EffectSlotLookup, SharedClassesEditDifferentBytesPerSet) {
    // Early reflections and gates share a class; their type knobs read differently.
    EXPECT_EQ(effectSlot(EffectKind::Variation, 13, 1).record.form, 117);
    EXPECT_EQ(effectSlot(EffectKind::Variation, 15, 1).record.form, 118);
    // Rotary Speaker uses the symphonic set but shows no delay offset.
    EXPECT_EQ(effectSlot(EffectKind::Variation, 32, 4).record.title, "Delay Offset");
    EXPECT_FALSE(effectSlot(EffectKind::Variation, 32, 4).visible());
    EXPECT_TRUE(effectSlot(EffectKind::Variation, 31, 4).visible());
}

TEST(EffectSlotLookup, OutsideTheTablesGivesAnEmptyHiddenSlot) {
    for (auto kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
        for (auto [type, slot] : {std::pair{1, 0}, {1, 20}, {-1, 1}, {44, 1}, {1000, 3}}) {
            const auto s = effectSlot(kind, type, slot);
            EXPECT_FALSE(s.visible());
            EXPECT_TRUE(s.record.empty());
        }
    }
    EXPECT_FALSE(effectSlot(EffectKind::Reverb, 1, 18).visible());
    EXPECT_TRUE(effectSlot(EffectKind::Reverb, 1, 10).record.empty());
}

TEST(EffectSlotLookup, BlockIndexesMapToXgLowAddresses) {
    EXPECT_EQ(xgLowAddress(EffectKind::Reverb, 0), 0x00);
    EXPECT_EQ(xgLowAddress(EffectKind::Reverb, 13), 0x0D);
    EXPECT_EQ(xgLowAddress(EffectKind::Reverb, 14), 0x10);
    EXPECT_EQ(xgLowAddress(EffectKind::Reverb, 19), 0x15);
    EXPECT_EQ(xgLowAddress(EffectKind::Chorus, 0), 0x20);
    EXPECT_EQ(xgLowAddress(EffectKind::Chorus, 14), 0x2E);
    EXPECT_EQ(xgLowAddress(EffectKind::Chorus, 15), 0x30);
    EXPECT_EQ(xgLowAddress(EffectKind::Chorus, 20), 0x35);
    EXPECT_EQ(xgLowAddress(EffectKind::Variation, 0), 0x40);
    EXPECT_EQ(xgLowAddress(EffectKind::Variation, 26), 0x5A); // connection
    EXPECT_EQ(xgLowAddress(EffectKind::Variation, 32), 0x60);
    EXPECT_EQ(xgLowAddress(EffectKind::Variation, 33), 0x70);
    EXPECT_EQ(xgLowAddress(EffectKind::Variation, 38), 0x75);
    EXPECT_EQ(xgLowAddress(EffectKind::Reverb, 20), -1);
    EXPECT_EQ(xgLowAddress(EffectKind::Chorus, 21), -1);
    EXPECT_EQ(xgLowAddress(EffectKind::Variation, 39), -1);
    EXPECT_EQ(xgLowAddress(EffectKind::Variation, -1), -1);
}

TEST(EffectSlotLookup, LongDelaysStepByTen) {
    EXPECT_EQ(slotStep(effectSlot(EffectKind::Variation, kDelayLcr, 1).record), 10); // 7150
    EXPECT_EQ(slotStep(effectSlot(EffectKind::Variation, 11, 1).record), 10);        // 3550
    EXPECT_EQ(slotStep(effectSlot(EffectKind::Variation, kDelayLcr, 5).record), 1);
    EXPECT_EQ(slotStep(SlotRecord{"", 0, 3000, 2, 99}), 1);
    EXPECT_EQ(slotStep(SlotRecord{"", 0, 3001, 2, 99}), 10);
}

TEST(EffectSlotLookup, TwoByteValuesAreMsbTimes128PlusLsb) {
    std::array<Byte, image::kVariationBlockSize> block{};
    const auto lch = effectSlot(EffectKind::Variation, kDelayLcr, 1).record;
    ASSERT_TRUE(writeSlotValue(block, lch, 3333));
    EXPECT_EQ(block[2], 0x1A);
    EXPECT_EQ(block[3], 0x05);
    EXPECT_EQ(readSlotValue(block, lch), 3333);
    EXPECT_EQ(readSlotValue(image::kVariationPresetRows[kDelayLcr - 1], lch), 3333);

    ASSERT_TRUE(writeSlotValue(block, lch, 9999)); // kept at the maximum
    EXPECT_EQ(readSlotValue(block, lch), 7150);
    ASSERT_TRUE(writeSlotValue(block, lch, -4)); // and at the minimum
    EXPECT_EQ(readSlotValue(block, lch), 1);

    const auto level = effectSlot(EffectKind::Variation, kDelayLcr, 19, Connection::System).record;
    ASSERT_TRUE(writeSlotValue(block, level, 100));
    EXPECT_EQ(block[22], 100);
    EXPECT_EQ(readSlotValue(block, level), 100);
}

TEST(EffectSlotLookup, RecordsOutsideTheBlockAreRefused) {
    std::array<Byte, image::kReverbBlockSize> block{};
    block.fill(7);
    const SlotRecord beyond{"", 0, 127, 20, 99};
    const SlotRecord lastLsbBeyond{"", 0, 7150, 19, 110, true};
    const SlotRecord negative{"", 0, 127, -1, 99};
    for (const auto& r : {beyond, lastLsbBeyond, negative}) {
        EXPECT_FALSE(writeSlotValue(block, r, 5));
        EXPECT_EQ(readSlotValue(block, r), 0);
    }
    for (auto b : block) EXPECT_EQ(b, 7);
}
