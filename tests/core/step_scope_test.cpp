// What a step changed, as the screens read it: each kind of change lands in its own place
// of the scope and nothing else is marked.

#include "image/image_init.h"
#include "image/step_scope.h"
#include "image/voice_edit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using image::EffectKind;
using image::StepScope;

StepScope scopeOfEdit(const std::function<void(image::SynthImage&)>& change) {
    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    image::UndoHistory history;
    history.begin(*image, "Edit");
    change(*image);
    EXPECT_TRUE(history.end(*image));
    const image::UndoStep* taken = history.undo(*image);
    EXPECT_NE(taken, nullptr);
    return taken ? image::scopeOf(*taken) : StepScope{};
}

int markedParts(const StepScope& scope) {
    int count = 0;
    for (bool p : scope.parts) count += p ? 1 : 0;
    return count;
}

bool onlyParts(const StepScope& scope) {
    return !scope.system && !scope.effects[0] && !scope.effects[1] && !scope.effects[2] &&
           scope.drumKeys[0].none() && scope.drumKeys[1].none() && !scope.anyDrumKit() &&
           !scope.editVoice() && !scope.others;
}

TEST(StepScope, PartBytesVoicesAndVoiceFlagsMarkTheirPartOnly) {
    const StepScope knob = scopeOfEdit([](auto& image) {
        image.part(2, image::offset::kVolume) = 3;
        image.part(2, image::offset::kPan) = 5;
    });
    EXPECT_TRUE(knob.parts[2]);
    EXPECT_EQ(markedParts(knob), 1);
    EXPECT_TRUE(onlyParts(knob));
    // Only the bytes that changed, not the unchanged ones between them.
    EXPECT_EQ(knob.partBytes[2].count(), 2u);
    EXPECT_TRUE(knob.partBytes[2].test(image::offset::kVolume));
    EXPECT_FALSE(knob.partVoices[2]);

    const StepScope voices = scopeOfEdit([](auto& image) {
        image.partVoices[5][200] ^= 1;
        image.pairFlagLow[6] = 1;
        image.part(15, image::kPartRecordSize - 1) ^= 1; // the last byte of the table
    });
    EXPECT_TRUE(voices.parts[5] && voices.parts[6] && voices.parts[15]);
    EXPECT_TRUE(voices.partVoices[5] && voices.partVoices[6] && !voices.partVoices[15]);
    EXPECT_TRUE(voices.partBytes[15].test(image::kPartRecordSize - 1));
    EXPECT_EQ(markedParts(voices), 3);
    EXPECT_TRUE(onlyParts(voices));
}

TEST(StepScope, EffectsSystemDrumsAndTheEditVoiceEachHaveTheirOwnMark) {
    const StepScope effects = scopeOfEdit([](auto& image) {
        image.reverb.current[5] ^= 1;
        image.variation.rows[3][2] ^= 1; // the type memory of the variation row
    });
    EXPECT_TRUE(effects.effect(EffectKind::Reverb));
    EXPECT_FALSE(effects.effect(EffectKind::Chorus));
    EXPECT_TRUE(effects.effect(EffectKind::Variation));
    EXPECT_EQ(markedParts(effects), 0);
    EXPECT_FALSE(effects.others || effects.system);

    const StepScope system = scopeOfEdit([](auto& image) { image.system.transpose = 70; });
    EXPECT_TRUE(system.system);
    EXPECT_FALSE(system.others || system.effects[0]);

    const StepScope drums = scopeOfEdit([](auto& image) {
        image.drums[1].table[7][3] ^= 1;
        image.drums[1].table[8][15] ^= 1; // runs into the next key's first byte too
        image.drums[1].table[9][0] ^= 1;
    });
    EXPECT_TRUE(drums.drumKeys[1].test(7) && drums.drumKeys[1].test(8) &&
                drums.drumKeys[1].test(9));
    EXPECT_EQ(drums.drumKeys[1].count(), 3u);
    EXPECT_TRUE(drums.drumKeys[0].none());
    EXPECT_FALSE(drums.anyDrumKit() || drums.others);

    const StepScope kit = scopeOfEdit([](auto& image) { image.drums[0].kit = 8; });
    EXPECT_TRUE(kit.drumKits[0]);
    EXPECT_FALSE(kit.drumKits[1] || kit.others);

    const StepScope voice = scopeOfEdit([](auto& image) {
        image.editVoice[image::elementIndex(2, 79)] ^= 1;
        image.editVoice[image::elementIndex(3, 0)] ^= 1;
    });
    EXPECT_EQ(voice.editElements, 0b1100u);
    EXPECT_EQ(voice.editElementBytes.count(), 2u);
    EXPECT_TRUE(voice.editElementBytes.test(79) && voice.editElementBytes.test(0));
    EXPECT_FALSE(voice.editCommon || voice.others);
    const StepScope name =
        scopeOfEdit([](auto& image) { image::setVoiceName(image.editVoice, "Zz"); });
    EXPECT_TRUE(name.editCommon);
    EXPECT_EQ(name.editElements, 0u);
    // A new device number or checksum shows nowhere.
    const StepScope header = scopeOfEdit([](auto& image) {
        image.editVoice[2] ^= 1;
        image.editVoice[image::kVoiceDumpSize - 2] ^= 1;
    });
    EXPECT_FALSE(header.editVoice() || header.others);
}

TEST(StepScope, TheUserBankIsNoScreensPiece) {
    const StepScope bank = scopeOfEdit([](auto& image) { image.bank[3][10] ^= 1; });
    EXPECT_TRUE(bank.others);
    EXPECT_EQ(markedParts(bank), 0);
}

} // namespace
