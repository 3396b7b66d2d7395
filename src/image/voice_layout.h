#pragma once
// Byte layout of a QS300 voice (381 data bytes: a 61-byte common block and four 80-byte
// element blocks) and the range of every byte.

#include "image/synth_image.h"

#include <span>

namespace image::voice {

// Common block offsets (within the 381 data bytes).
inline constexpr int kName = 0; // 10 ASCII characters, blank padded
inline constexpr int kElementSwitch = kVoiceElementSwitchByte;
inline constexpr int kLevel = 12;
inline constexpr int kVelocitySenseDepth = 13;
inline constexpr int kVelocitySenseOffset = 14;
inline constexpr int kReverbSend = 15;
inline constexpr int kChorusSend = 16;
inline constexpr int kPlayMode = 32; // 1 poly, 0 mono
inline constexpr int kPortamentoSwitch = 33;
inline constexpr int kPortamentoTime = 34;
// Six controls per controller: pitch, cutoff, amplitude, pitch/filter/amplitude modulation.
inline constexpr int kBendControls = 35;
inline constexpr int kModWheelControls = 41;
inline constexpr int kAftertouchControls = 48;
inline constexpr int kAssign1Controls = 54;
inline constexpr int kControlCount = 6;

// Start of element e (0..3) within the data.
constexpr int elementStart(int e) {
    return kVoiceCommonSize + kVoiceElementSize * e;
}

// Element block offsets (within one 80-byte element).
namespace element {
inline constexpr int kWaveHigh = 0;
inline constexpr int kWaveLow = 1;
inline constexpr int kNoteLow = 2;
inline constexpr int kNoteHigh = 3;
inline constexpr int kVelocityLow = 4;
inline constexpr int kVelocityHigh = 5;
inline constexpr int kFilterCurve = 6;
inline constexpr int kLfoWave = 7;
inline constexpr int kLfoPhaseInit = 8;
inline constexpr int kLfoSpeed = 9;
inline constexpr int kLfoPitchDelay = 10;
inline constexpr int kLfoPitchFade = 11;
inline constexpr int kLfoPitchDepth = 12;
inline constexpr int kLfoFilterDepth = 13;
inline constexpr int kLfoAmpDepth = 14;
inline constexpr int kNoteShift = 15;
inline constexpr int kDetune = 16;
inline constexpr int kPitchScalingRate = 17;
inline constexpr int kPitchScalingCenter = 18;
inline constexpr int kPitchEgDepth = 19;
inline constexpr int kPitchEgVelocityLevel = 20;
inline constexpr int kPitchEgVelocityRate = 21;
inline constexpr int kPitchEgRateScaling = 22;
inline constexpr int kPitchEgRateScalingCenter = 23;
inline constexpr int kPitchEgRates = 24;  // 4: attack, decay 1, decay 2, release
inline constexpr int kPitchEgLevels = 28; // 5: initial, attack, decay 1, decay 2, release
inline constexpr int kResonance = 33;
inline constexpr int kFilterVelocitySense = 34;
inline constexpr int kCutoff = 35;
inline constexpr int kFilterBreakPoints = 36;    // 4
inline constexpr int kFilterScalingOffsets = 40; // 4
inline constexpr int kFilterEgVelocityLevel = 44;
inline constexpr int kFilterEgVelocityRate = 45;
inline constexpr int kFilterEgRateScaling = 46;
inline constexpr int kFilterEgRateScalingCenter = 47;
inline constexpr int kFilterEgRates = 48;  // 4
inline constexpr int kFilterEgLevels = 52; // 5
inline constexpr int kLevel = 57;
inline constexpr int kLevelBreakPoints = 58;    // 4
inline constexpr int kLevelScalingOffsets = 62; // 4
inline constexpr int kVelocityCurve = 66;
inline constexpr int kPan = 67; // 0..14, 7 = centre, 15 = scaled
inline constexpr int kAmpEgRateScaling = 68;
inline constexpr int kAmpEgRateScalingCenter = 69;
inline constexpr int kKeyOnDelay = 70;
inline constexpr int kAmpEgRates = 71; // 4: attack, decay 1, decay 2, release
inline constexpr int kAmpEgDecay1Level = 75;
inline constexpr int kAmpEgDecay2Level = 76;
inline constexpr int kFilterResonanceSense = 79;
} // namespace element

inline constexpr int kWaveCount = 246; // wave numbers 0..245

// Allowed values of one byte.
struct ByteRange {
    Byte min;
    Byte max;
    constexpr bool contains(Byte b) const { return b >= min && b <= max; }
};

// Range of every common byte (61) and every element byte (80). Name bytes allow printable
// ASCII; bytes the editor does not touch allow any 7-bit value.
extern const std::array<ByteRange, kVoiceCommonSize> kCommonRanges;
extern const std::array<ByteRange, kVoiceElementSize> kElementRanges;

// Offset (within the 381 data bytes) of the first byte outside its range, or -1. An element
// that is switched off and entirely zero (an unused element) is accepted. The wave number
// is checked as a whole (0..245).
int firstByteOutOfRange(std::span<const Byte, kVoiceDataSize> data);

// Number of elements switched on (bits 0..3 of the element switch).
int elementCount(std::span<const Byte, kVoiceDataSize> data);

} // namespace image::voice
