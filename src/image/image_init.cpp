#include "image/image_init.h"

#include "image/drum_kits.h"
#include "image/effect_types.h"
#include "image/part_defaults.h"
#include "image/qs300_factory.h"
#include "image/voice_dump.h"

namespace image {

namespace {

// After the part records return to their XG defaults no part plays a user voice any more.
void clearUserVoiceFlags(SynthImage& image) {
    image.userVoiceKind.fill(kXgVoice);
    image.pairFlagLow.fill(0);
    image.pairFlagHigh.fill(0);
}

} // namespace

void initialiseImage(SynthImage& image) {
    resetEffects(image);
    image.editVoice = editVoiceTemplate();
    image.partVoices.fill(editVoiceTemplate());
    image.bank = factoryUserBank();
    clearUserVoiceFlags(image);
    image.restoreProgram.fill(0);
    image.restoreBankLsbFlag.fill(0);
    fillPartTables(image);
    // Kit and slot count follow the part table, so the drums come after it.
    resetDrumSetups(image);
    image.system = SystemBlock{};
    image.currentPart = 0;
    takeEffectSnapshot(image);
}

void resetImageData(SynthImage& image) {
    image.currentPart = 0;
    fillPartTables(image);
    clearUserVoiceFlags(image);
    resetEffects(image);
    resetDrumSetups(image);
    image.system = SystemBlock{};
}

} // namespace image
