#pragma once
// The XG data-value tables behind the table display forms: the text of each raw parameter
// value, without its unit.

#include <array>
#include <string_view>

namespace effects {

extern const std::array<std::string_view, 70> kReverbTimeTexts;     // seconds
extern const std::array<std::string_view, 128> kDelayTime1Texts;    // ms, up to 200
extern const std::array<std::string_view, 61> kFrequencyTexts;      // "20 " .. "20.0 K"
extern const std::array<std::string_view, 105> kRoomDimensionTexts; // m
extern const std::array<std::string_view, 45> kRoomSizeTexts;       // m
extern const std::array<std::string_view, 128> kDelayTime2Texts;    // ms, up to 400
extern const std::array<std::string_view, 128> kLfoFrequencyTexts;  // Hz
extern const std::array<std::string_view, 128> kDelayOffsetTexts;   // ms

} // namespace effects
