#pragma once
// What the part mode byte of a part record says the part plays: a normal voice, a drum kit
// of the module, or one of the two drum setups the program edits.

namespace image {

inline constexpr int kNormalMode = 0;
inline constexpr int kDrumMode = 1;
inline constexpr int kDrumSetup1Mode = 2;
inline constexpr int kDrumSetup2Mode = 3;

} // namespace image
