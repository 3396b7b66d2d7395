#pragma once
// Names of the XG normal voices, SFX voices and drum kits by bank and program, for the
// voice buttons and the title field of the part editor.

#include <array>
#include <cstdint>
#include <string>

namespace image {

struct XgVoiceNameRow {
    std::uint8_t msb;
    std::uint8_t lsb;
    std::uint8_t program;
    const char* name;
};

inline constexpr int kXgVoiceNameCount = 480;
// Sorted by (msb, lsb, program); generated from the XG voice list.
extern const std::array<XgVoiceNameRow, kXgVoiceNameCount> kXgVoiceNames;

// The name of a voice. Banks the table does not know fall back to the same program on
// bank 0/0 (the module plays that voice instead); drum banks 127 and 126 give the kit
// name (an unknown kit "Drum Kit nnn"); bank 63 gives "QS300 User" (the caller knows the
// voice name from the part's voice dump); anything else "Program nnn". Program numbers
// count from 1 in these texts; out-of-range input is clamped.
std::string xgVoiceName(int msb, int lsb, int program);

// The kit name of a drum bank (127 or 126) and program, empty when there is no such kit.
std::string xgDrumKitName(int msb, int program);

} // namespace image
