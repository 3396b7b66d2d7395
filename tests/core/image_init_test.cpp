#include "image/drum_kits.h"
#include "image/effect_types.h"
#include "image/image_init.h"
#include "image/part_defaults.h"
#include "image/qs300_factory.h"
#include "image/voice_dump.h"

#include <gtest/gtest.h>

#include <memory>

using namespace image;

namespace {

std::unique_ptr<SynthImage> initialised() {
    auto image = std::make_unique<SynthImage>();
    initialiseImage(*image);
    return image;
}

} // namespace

TEST(ImageInit, StartUpFillsEveryTable) {
    const auto image = initialised();
    EXPECT_EQ(image->part(9, offset::kBankMsb), 127);
    EXPECT_EQ(image->part(5, offset::kReceiveChannel), 5);
    EXPECT_EQ(image->loadedParts, image->parts);
    EXPECT_EQ(image->currentPart, 0);
    EXPECT_EQ(image->system.masterTune(), 0x0400);
    EXPECT_EQ(image->system.masterVolume, 127);
    EXPECT_EQ(image->system.transpose, 64);
    EXPECT_EQ(image->reverb.typeIndex, 1);
    EXPECT_EQ(image->variation.typeIndex, 9);
    EXPECT_EQ(image->variation.startRows, kVariationPresetRows);
    EXPECT_EQ(image->effectSnapshot[0], image->variation.current[0]);
    EXPECT_EQ(image->bank, factoryUserBank());
    EXPECT_EQ(image->editVoice, editVoiceTemplate());
    for (const auto& dump : image->partVoices) EXPECT_EQ(dump, editVoiceTemplate());
    for (int p = 0; p < kPartCount; ++p) EXPECT_FALSE(image->hasUserVoice(p));
}

TEST(ImageInit, DrumSetupsStartOnTheStandardKit) {
    const auto image = initialised();
    for (const auto& setup : image->drums) {
        EXPECT_EQ(setup.table[0], kitReference(0)[0]);
        EXPECT_EQ(setup.table[78], kitReference(0)[78]);
        EXPECT_EQ(setup.module, setup.table);
        EXPECT_EQ(setup.working, setup.table);
    }
    EXPECT_EQ(image->drums[0].kit, 0);
    EXPECT_EQ(image->drums[0].slotCount, 79);
    EXPECT_EQ(image->drums[1].kit, kNoKit);
}

TEST(ImageInit, FullResetRestoresDataButKeepsVoices) {
    auto image = initialised();
    image->currentPart = 6;
    image->part(0, offset::kProgram) = 40;
    image->loadedParts[100] = 3;
    image->reverb.typeIndex = 0;
    image->chorus.rows[2][5] = 1;
    image->drums[0].table[0][2] = 1;
    image->system.masterVolume = 3;
    image->userVoiceKind[4] = kSinglePartVoice;
    image->bank[3][0] = 'X';
    image->partVoices[2][20] = 5;

    resetImageData(*image);

    EXPECT_EQ(image->currentPart, 0);
    EXPECT_EQ(image->part(0, offset::kProgram), 0);
    EXPECT_EQ(image->loadedParts, image->parts);
    EXPECT_EQ(image->reverb.typeIndex, 1);
    EXPECT_EQ(image->chorus.rows, kChorusPresetRows);
    EXPECT_EQ(image->drums[0].table[0], kitReference(0)[0]);
    EXPECT_EQ(image->system.masterVolume, 127);
    EXPECT_FALSE(image->hasUserVoice(4));
    EXPECT_EQ(image->bank[3][0], 'X');
    EXPECT_EQ(image->partVoices[2][20], 5);
}
