#include "image/effect_types.h"

namespace image {

const std::array<EffectTypeCode, kReverbTypeCount> kReverbTypes{{
    {"No Effect", 0x00, 0x00},
    {"Hall 1", 0x01, 0x00},
    {"Hall 2", 0x01, 0x01},
    {"Room 1", 0x02, 0x00},
    {"Room 2", 0x02, 0x01},
    {"Room 3", 0x02, 0x02},
    {"Stage 1", 0x03, 0x00},
    {"Stage 2", 0x03, 0x01},
    {"Plate", 0x04, 0x00},
    {"White Room", 0x10, 0x00},
    {"Tunnel", 0x11, 0x00},
    {"Basement", 0x13, 0x00},
}};

const std::array<EffectTypeCode, kChorusTypeCount> kChorusTypes{{
    {"No Effect", 0x00, 0x00},
    {"Chorus 1", 0x41, 0x00},
    {"Chorus 2", 0x41, 0x01},
    {"Chorus 3", 0x41, 0x02},
    {"Chorus 4", 0x41, 0x08},
    {"Celeste 1", 0x42, 0x00},
    {"Celeste 2", 0x42, 0x01},
    {"Celeste 3", 0x42, 0x02},
    {"Celeste 4", 0x42, 0x08},
    {"Flanger 1", 0x43, 0x00},
    {"Flanger 2", 0x43, 0x01},
    {"Flanger 3", 0x43, 0x08},
    {"Symphonic", 0x44, 0x00},
}};

const std::array<EffectTypeCode, kVariationTypeCount> kVariationTypes{{
    {"No Effect", 0x00, 0x00},
    {"Hall 1", 0x01, 0x00},
    {"Hall 2", 0x01, 0x01},
    {"Room 1", 0x02, 0x00},
    {"Room 2", 0x02, 0x01},
    {"Room 3", 0x02, 0x02},
    {"Stage 1", 0x03, 0x00},
    {"Stage 2", 0x03, 0x01},
    {"Plate", 0x04, 0x00},
    {"Delay L-C-R", 0x05, 0x00},
    {"Delay L-R", 0x06, 0x00},
    {"Echo", 0x07, 0x00},
    {"Cross Delay", 0x08, 0x00},
    {"Early Reflection 1", 0x09, 0x00},
    {"Early Reflection 2", 0x09, 0x01},
    {"Gate Reverb", 0x0A, 0x00},
    {"Reverse Gate", 0x0B, 0x00},
    {"Karaoke 1", 0x14, 0x00},
    {"Karaoke 2", 0x14, 0x01},
    {"Karaoke 3", 0x14, 0x02},
    {"Chorus 1", 0x41, 0x00},
    {"Chorus 2", 0x41, 0x01},
    {"Chorus 3", 0x41, 0x02},
    {"Chorus 4", 0x41, 0x08},
    {"Celeste 1", 0x42, 0x00},
    {"Celeste 2", 0x42, 0x01},
    {"Celeste 3", 0x42, 0x02},
    {"Celeste 4", 0x42, 0x08},
    {"Flanger 1", 0x43, 0x00},
    {"Flanger 2", 0x43, 0x01},
    {"Flanger 3", 0x43, 0x08},
    {"Symphonic", 0x44, 0x00},
    {"Rotary Speaker", 0x45, 0x00},
    {"Tremolo", 0x46, 0x00},
    {"Auto Pan", 0x47, 0x00},
    {"Phaser 1", 0x48, 0x00},
    {"Phaser 2", 0x48, 0x08},
    {"Distortion", 0x49, 0x00},
    {"Overdrive", 0x4A, 0x00},
    {"Guitar Amp Simulation", 0x4B, 0x00},
    {"3-Band EQ (Mono)", 0x4C, 0x00},
    {"2-Band EQ (Stereo)", 0x4D, 0x00},
    {"Auto Wah (LFO)", 0x4E, 0x00},
    {"Thru", 0x40, 0x00},
}};

// Reverb rows: type MSB, LSB, parameters 1..10, return, pan, parameters 11..16.
// clang-format off
const std::array<ReverbState::Block, ReverbState::kRowCount> kReverbPresetRows{{
    {1, 0, 18, 10, 8, 13, 49, 0, 0, 0, 0, 40, 64, 64, 0, 4, 50, 8, 64, 0}, // Hall 1
    {1, 1, 25, 10, 28, 6, 46, 0, 0, 0, 0, 40, 64, 64, 13, 3, 74, 7, 64, 0}, // Hall 2
    {2, 0, 5, 10, 16, 4, 49, 0, 0, 0, 0, 40, 64, 64, 5, 3, 64, 8, 64, 0}, // Room 1
    {2, 1, 12, 10, 5, 4, 38, 0, 0, 0, 0, 40, 64, 64, 0, 4, 50, 8, 64, 0}, // Room 2
    {2, 2, 9, 10, 47, 5, 36, 0, 0, 0, 0, 40, 64, 64, 0, 4, 60, 8, 64, 0}, // Room 3
    {3, 0, 19, 10, 16, 7, 54, 0, 0, 0, 0, 40, 64, 64, 0, 3, 64, 6, 64, 0}, // Stage 1
    {3, 1, 11, 10, 16, 7, 51, 0, 0, 0, 0, 40, 64, 64, 2, 2, 64, 6, 64, 0}, // Stage 2
    {4, 0, 25, 10, 6, 8, 49, 0, 0, 0, 0, 40, 64, 64, 2, 3, 64, 5, 64, 0}, // Plate
    {16, 0, 9, 5, 11, 0, 46, 30, 50, 70, 7, 40, 64, 64, 34, 4, 64, 7, 64, 0}, // White Room
    {17, 0, 48, 6, 19, 0, 44, 33, 52, 70, 16, 40, 64, 64, 20, 3, 64, 7, 64, 0}, // Tunnel
    {19, 0, 3, 6, 3, 0, 34, 26, 29, 59, 15, 40, 64, 64, 32, 4, 64, 8, 64, 0}, // Basement
}};

// Chorus rows: type MSB, LSB, parameters 1..10, return, pan, send to reverb,
// parameters 11..16.
const std::array<ChorusState::Block, ChorusState::kRowCount> kChorusPresetRows{{
    {65, 0, 6, 54, 77, 106, 0, 28, 64, 46, 64, 64, 64, 64, 0, 46, 64, 10, 0, 0, 0}, // Chorus 1
    {65, 1, 8, 63, 64, 30, 0, 28, 62, 42, 58, 64, 64, 64, 0, 46, 64, 10, 0, 0, 0}, // Chorus 2
    {65, 2, 4, 44, 64, 110, 0, 28, 64, 46, 66, 64, 64, 64, 0, 46, 64, 10, 0, 0, 0}, // Chorus 3
    {65, 8, 9, 32, 69, 104, 0, 28, 64, 46, 64, 64, 64, 64, 0, 46, 64, 10, 0, 1, 0}, // Chorus 4
    {66, 0, 12, 32, 64, 0, 0, 28, 64, 46, 64, 127, 64, 64, 0, 40, 68, 10, 0, 0, 0}, // Celeste 1
    {66, 1, 28, 18, 90, 2, 0, 28, 62, 42, 60, 84, 64, 64, 0, 40, 68, 10, 0, 0, 0}, // Celeste 2
    {66, 2, 4, 63, 44, 2, 0, 28, 64, 46, 68, 127, 64, 64, 0, 40, 68, 10, 0, 0, 0}, // Celeste 3
    {66, 8, 8, 29, 64, 0, 0, 28, 64, 51, 66, 127, 64, 64, 0, 40, 68, 10, 0, 1, 0}, // Celeste 4
    {67, 0, 14, 14, 104, 2, 0, 28, 64, 46, 64, 96, 64, 64, 0, 40, 64, 10, 4, 0, 0}, // Flanger 1
    {67, 1, 32, 17, 26, 2, 0, 28, 64, 46, 60, 96, 64, 64, 0, 40, 64, 10, 4, 0, 0}, // Flanger 2
    {67, 8, 4, 109, 109, 2, 0, 28, 64, 46, 64, 127, 64, 64, 0, 40, 64, 10, 4, 0, 0}, // Flanger 3
    {68, 0, 12, 25, 16, 0, 0, 28, 64, 46, 64, 127, 64, 64, 0, 46, 64, 10, 0, 0, 0}, // Symphonic
}};
// clang-format on

} // namespace image
