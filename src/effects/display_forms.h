#pragma once
// The texts the effect knobs show for their values. Each slot record names one display
// form; the form turns the stored value into the text of the status field.

#include <string>

namespace effects {

namespace form {
inline constexpr int kDecimal = 99;
inline constexpr int kReverbTime = 100;
inline constexpr int kDelayTime1 = 101;
inline constexpr int kFrequency = 102;
inline constexpr int kRoomDimension = 103;
inline constexpr int kRoomSize = 104;
inline constexpr int kDelayTime2 = 105;
inline constexpr int kLfoFrequency = 106;
inline constexpr int kDelayOffset = 107;
inline constexpr int kDryWet = 108;
inline constexpr int kBalance = 109;
inline constexpr int kTenthsMs = 110;
inline constexpr int kSigned = 111;
inline constexpr int kPhase = 112;
inline constexpr int kPan = 113;
inline constexpr int kDecibel = 114;
inline constexpr int kPart = 115;
inline constexpr int kInputSelect = 116;
inline constexpr int kReflectionType = 117;
inline constexpr int kGateType = 118;
inline constexpr int kAmpType = 119;
inline constexpr int kInputMode = 120;
inline constexpr int kPanDirection = 121;
inline constexpr int kTenths = 122;
inline constexpr int kMasterTune = 123;
inline constexpr int kFirst = kDecimal;
inline constexpr int kLast = kMasterTune;
} // namespace form

// True when the form has a text of its own for the value (a table entry, a name, or a
// number the form computes); false for an unknown form or a value outside the form's table.
bool hasEffectValueText(int displayForm, int value);

// The text of a value in a display form. Where the form has no text for the value it shows
// the plain number, so a stray value never breaks the status field.
std::string formatEffectValue(int displayForm, int value);

} // namespace effects
