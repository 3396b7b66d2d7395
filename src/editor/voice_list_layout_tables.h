#pragma once
// The designed places of the voice lists.

#include <array>

namespace editor {

struct DesignedList {
    int left;
    int top;
    int width;
    int height;
    int columns;
};

inline constexpr int kVoiceListTotal = 19;
extern const std::array<DesignedList, kVoiceListTotal> kDesignedVoiceLists;

} // namespace editor
