#pragma once
// The constant name tables behind drum_key_names.h.

#include "drums/drum_key_names.h"

#include <array>

namespace drums {

inline constexpr int kSfx1KeyCount = 24;
inline constexpr int kSfx2KeyCount = 27;

struct KeyNameReplacement {
    int position; // list entry, 0 = note 13
    const char* name;
};

extern const std::array<const char*, kKitListSize> kKitListNames;
extern const std::array<const char*, kStandardKeyCount> kStandardKeyNames;
extern const std::array<std::vector<KeyNameReplacement>, kKitListSize> kReplacedKeyNames;
extern const std::array<const char*, kSfx1KeyCount> kSfx1KeyNames;
extern const std::array<const char*, kSfx2KeyCount> kSfx2KeyNames;

} // namespace drums
