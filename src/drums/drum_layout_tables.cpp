#include "drums/drum_layout.h"

namespace drums {

namespace kb = key_byte;

const std::array<KnobPlace, kKnobCount> kKnobs{{
    {"ATTACK", 236, 87, kb::kAttack, ValueForm::Signed, {242, 101, 263, 122}},
    {"DECAY1", 291, 87, kb::kDecay1, ValueForm::Signed, {297, 101, 318, 122}},
    {"DECAY2", 346, 87, kb::kDecay2, ValueForm::Signed, {352, 101, 373, 122}},
    {"CUTOFF", 442, 87, kb::kCutoff, ValueForm::Signed, {448, 101, 469, 122}},
    {"RESONANCE", 497, 87, kb::kResonance, ValueForm::Signed, {503, 101, 524, 122}},
    {"REVERB", 236, 147, kb::kReverb, ValueForm::Decimal, {242, 161, 263, 182}},
    {"CHORUS", 291, 147, kb::kChorus, ValueForm::Decimal, {297, 161, 318, 182}},
    {"VARIATION", 346, 147, kb::kVariation, ValueForm::Decimal, {352, 161, 373, 182}},
    {"LEVEL", 442, 147, kb::kLevel, ValueForm::Decimal, {448, 161, 469, 182}},
    {"PANORAMA", 497, 147, kb::kPan, ValueForm::Pan, {503, 161, 524, 182}},
    {"COARSE", 236, 207, kb::kCoarse, ValueForm::Signed, {242, 221, 263, 242}},
    {"FINE", 291, 207, kb::kFine, ValueForm::Cent, {297, 221, 318, 242}},
    {"ALT.GROUP", 346, 207, kb::kAltGroup, ValueForm::AltGroup, {352, 221, 373, 242}},
}};

// A press anywhere on a drawn button takes it: its face reaches two pixels beyond its
// caption's span on either side.
const std::array<ButtonPlace, 4> kButtons{{
    {"SINGLE", 431, 207, 481, {429, 207, 483, 222}},
    {"MULTI", 431, 225, 481, {429, 225, 483, 240}},
    {"NOTE ON", 491, 207, 541, {489, 207, 543, 222}},
    {"NOTE OFF", 491, 225, 541, {489, 225, 543, 240}},
}};

const std::array<KeyShape, 12> kKeyShapes{{
    {false, 0, 1, -3},  // C
    {true, 5, 0, 0},    // C sharp
    {false, 7, 3, -3},  // D
    {true, 12, 0, 0},   // D sharp
    {false, 14, 3, -1}, // E
    {false, 21, 1, -3}, // F
    {true, 26, 0, 0},   // F sharp
    {false, 28, 3, -3}, // G
    {true, 33, 0, 0},   // G sharp
    {false, 35, 3, -3}, // A
    {true, 40, 0, 0},   // A sharp
    {false, 42, 3, -1}, // B
}};

} // namespace drums
