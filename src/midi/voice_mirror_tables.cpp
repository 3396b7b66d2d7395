#include "midi/voice_mirror.h"

namespace midi {

// clang-format off
const std::array<MirroredParameter, kMirroredParameterCount> kMirroredParameters{{
    // pitch bend: pitch, cutoff, amplitude, pitch/filter/amplitude modulation
    {35, 35, 66}, {36, 36, 64}, {37, 37, 64}, {38, 38, 64}, {39, 39, 64}, {40, 40, 64},
    // modulation wheel
    {41, 29, 64}, {42, 30, 64}, {43, 31, 64}, {44, 32, 10}, {45, 33, 0}, {46, 34, 0},
    // channel after touch
    {48, 70, 64}, {49, 71, 64}, {50, 72, 64}, {51, 73, 0}, {52, 74, 0}, {53, 75, 0},
    // assignable controller 1
    {54, 83, 64}, {55, 84, 64}, {56, 85, 64}, {57, 86, 0}, {58, 87, 0}, {59, 88, 0},
    {34, 97, 0},  // portamento time
    {16, 18, 0},  // chorus send
    {15, 19, 40}, // reverb send
    {14, 13, 64}, // velocity sensitivity offset
    {13, 12, 64}, // velocity sensitivity depth
    {32, 5, 1},   // mono/poly: poly
}};
// clang-format on

} // namespace midi
