#pragma once
// The fixed tables behind the voice editor's graphs.

#include <array>

namespace qs300 {

extern const std::array<int, 64> kPitchLevelTable;
extern const std::array<int, 12> kScalingKeyOffsets;
extern const std::array<int, 16> kFilterLfoDepth;
extern const std::array<int, 32> kAmpLfoDepth;
extern const std::array<int, 64> kPitchLfoDepth;

} // namespace qs300
