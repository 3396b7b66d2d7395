#include "image/effect_types.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

using namespace image;

namespace {

template <std::size_t N> std::vector<int> bytes(const std::array<Byte, N>& block) {
    return {block.begin(), block.end()};
}

} // namespace

TEST(EffectTypes, TablesHaveTheListedSizesNamesAndCodes) {
    EXPECT_EQ(effectTypes(EffectKind::Reverb).size(), 12u);
    EXPECT_EQ(effectTypes(EffectKind::Chorus).size(), 13u);
    EXPECT_EQ(effectTypes(EffectKind::Variation).size(), 44u);
    for (auto kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
        EXPECT_EQ(effectTypes(kind)[0].name, "No Effect");
        EXPECT_EQ(effectTypes(kind)[0].msb, 0);
    }
    EXPECT_EQ(kReverbTypes[9].name, "White Room");
    EXPECT_EQ(kReverbTypes[11].msb, 0x13);
    EXPECT_EQ(kChorusTypes[11].name, "Flanger 3");
    EXPECT_EQ(kChorusTypes[11].lsb, 0x08);
    EXPECT_EQ(kVariationTypes[13].name, "Early Reflection 1");
    EXPECT_EQ(kVariationTypes[39].name, "Guitar Amp Simulation");
    EXPECT_EQ(kVariationTypes[40].name, "3-Band EQ (Mono)");
    EXPECT_EQ(kVariationTypes[kVariationThruIndex].name, "Thru");
    EXPECT_EQ(kVariationTypes[kVariationThruIndex].msb, 0x40);
}

TEST(EffectTypes, CodesAreUniqueWithinABlock) {
    for (auto kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
        std::set<std::pair<int, int>> codes;
        for (const auto& t : effectTypes(kind)) EXPECT_TRUE(codes.insert({t.msb, t.lsb}).second);
    }
}

TEST(EffectTypes, FindReturnsTheIndexOrZero) {
    EXPECT_EQ(FindEffectType(EffectKind::Reverb, 0x01, 0x01), 2);
    EXPECT_EQ(FindEffectType(EffectKind::Reverb, 0x13, 0x00), 11);
    EXPECT_EQ(FindEffectType(EffectKind::Reverb, 0x12, 0x00), 0); // not in the table
    EXPECT_EQ(FindEffectType(EffectKind::Reverb, 0x41, 0x00), 0); // a chorus code
    EXPECT_EQ(FindEffectType(EffectKind::Chorus, 0x43, 0x08), 11);
    EXPECT_EQ(FindEffectType(EffectKind::Variation, 0x05, 0x00), 9);
    EXPECT_EQ(FindEffectType(EffectKind::Variation, 0x40, 0x00), kVariationThruIndex);
    EXPECT_EQ(FindEffectType(EffectKind::Variation, 255, 255), 0);
    EXPECT_EQ(FindEffectType(EffectKind::Variation, -1, 0), 0);
}

TEST(EffectPresets, EveryRowStartsWithItsTypeCode) {
    for (std::size_t i = 0; i < kReverbPresetRows.size(); ++i) {
        EXPECT_EQ(kReverbPresetRows[i][0], kReverbTypes[i + 1].msb);
        EXPECT_EQ(kReverbPresetRows[i][1], kReverbTypes[i + 1].lsb);
    }
    for (std::size_t i = 0; i < kChorusPresetRows.size(); ++i) {
        EXPECT_EQ(kChorusPresetRows[i][0], kChorusTypes[i + 1].msb);
        EXPECT_EQ(kChorusPresetRows[i][1], kChorusTypes[i + 1].lsb);
    }
    for (std::size_t i = 0; i < kVariationPresetRows.size(); ++i) {
        EXPECT_EQ(kVariationPresetRows[i][0], kVariationTypes[i + 1].msb) << i;
        EXPECT_EQ(kVariationPresetRows[i][1], kVariationTypes[i + 1].lsb) << i;
    }
}

TEST(EffectPresets, AllBytesAreMidiData) {
    for (const auto& row : kReverbPresetRows)
        for (auto b : row) EXPECT_LT(b, 128);
    for (const auto& row : kChorusPresetRows)
        for (auto b : row) EXPECT_LT(b, 128);
    for (const auto& row : kVariationPresetRows)
        for (auto b : row) EXPECT_LT(b, 128);
}

TEST(EffectPresets, VariationRowsCarryTheBlockDefaults) {
    for (const auto& row : kVariationPresetRows) {
        EXPECT_EQ(row[22], 64);  // return
        EXPECT_EQ(row[26], 0);   // insertion
        EXPECT_EQ(row[27], 127); // part off
    }
    // Delay L-R: parameter 1 is 2500 sent as two 7-bit bytes.
    EXPECT_EQ(kVariationPresetRows[9][2], 2500 >> 7);
    EXPECT_EQ(kVariationPresetRows[9][3], 2500 & 0x7F);
}

TEST(EffectPresets, DefaultBlocksMatchTheFactoryStrings) {
    auto image = std::make_unique<SynthImage>();
    resetEffects(*image);
    EXPECT_EQ(image->reverb.typeIndex, 1);
    EXPECT_EQ(image->chorus.typeIndex, 1);
    EXPECT_EQ(image->variation.typeIndex, 9);
    EXPECT_EQ(bytes(image->reverb.current),
              (std::vector<int>{0x01, 0x00, 0x12, 0x0A, 0x08, 0x0D, 0x31, 0x00, 0x00, 0x00,
                                0x00, 0x28, 0x40, 0x40, 0x00, 0x04, 0x32, 0x08, 0x40, 0x00}));
    EXPECT_EQ(bytes(image->chorus.current),
              (std::vector<int>{0x41, 0x00, 0x06, 0x36, 0x4D, 0x6A, 0x00, 0x1C, 0x40, 0x2E, 0x40,
                                0x40, 0x40, 0x40, 0x00, 0x2E, 0x40, 0x0A, 0x00, 0x00, 0x00}));
    EXPECT_EQ(bytes(image->variation.current),
              (std::vector<int>{0x05, 0x00, 0x1A, 0x05, 0x0D, 0x03, 0x27, 0x08, 0x27, 0x08,
                                0x00, 0x4A, 0x00, 0x64, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x00,
                                0x00, 0x20, 0x40, 0x40, 0x00, 0x00, 0x00, 0x7F, 0x40, 0x40,
                                0x40, 0x40, 0x40, 0x00, 0x3C, 0x1C, 0x40, 0x2E, 0x40}));
}

TEST(EffectPresets, ResetRestoresTypeMemoryAndMarksLoadedBlocksAbsent) {
    auto image = std::make_unique<SynthImage>();
    resetEffects(*image);
    image->reverb.rows[4][2] = 99;
    image->variation.startRows[0][2] = 99;
    image->chorus.typeIndex = 0;
    resetEffects(*image);
    EXPECT_EQ(image->reverb.rows, kReverbPresetRows);
    EXPECT_EQ(image->variation.startRows, kVariationPresetRows);
    EXPECT_EQ(image->chorus.typeIndex, 1);
    for (auto b : image->chorus.loaded) EXPECT_EQ(b, kNotInFile);
}

TEST(EffectPresets, SnapshotHoldsVariationReverbChorusInThatOrder) {
    auto image = std::make_unique<SynthImage>();
    resetEffects(*image);
    takeEffectSnapshot(*image);
    EXPECT_EQ(image->effectSnapshot[0], 0x05);  // variation type MSB
    EXPECT_EQ(image->effectSnapshot[39], 0x01); // reverb type MSB
    EXPECT_EQ(image->effectSnapshot[59], 0x41); // chorus type MSB
    EXPECT_EQ(image->effectSnapshot[79], 0x00);
}
