#pragma once
// The factory QS300 voices: 128 preset voices (first "CrystaLake") and the 128 voices the
// user bank starts with (first "Aurora").

#include "image/qs300_voice_builder.h"
#include "image/synth_image.h"

#include <span>

namespace image {

// The descriptions, 128 each.
std::span<const VoiceSpec> factoryUserVoiceSpecs();
std::span<const VoiceSpec> factoryPresetVoiceSpecs();

// The built voices (records with the checksum of voice number 0), built once.
const VoiceBank& factoryUserBank();
const VoiceBank& factoryPresetBank();

// Preset and user voices as one list of 256: 0..127 presets, 128..255 the given bank.
// Out of range gives the first preset.
const VoiceRecord& presetOrUserVoice(const VoiceBank& userBank, int index);

} // namespace image
