#pragma once
// Fixed text tables of the voice editor's display forms.

#include <array>

namespace qs300 {

extern const std::array<const char*, 16> kElementPanTexts;
extern const std::array<const char*, 6> kScalingRateTexts;
extern const std::array<const char*, 4> kEgDepthTexts;

} // namespace qs300
