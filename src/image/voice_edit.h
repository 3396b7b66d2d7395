#pragma once
// Operations on a QS300 voice dump while it is edited: element blocks, the rules that keep
// related bytes consistent, moving switched-on elements to the front,
// and the dump for the second part of a four-element pair. Pure data, no sending.

#include "image/synth_image.h"
#include "image/voice_layout.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace image {

using ElementBlock = std::array<Byte, kVoiceElementSize>;

// Dump index of a data offset (0..380) and of an element byte (element 0..3).
constexpr std::size_t dumpIndex(int dataOffset) {
    return static_cast<std::size_t>(kVoiceDumpDataStart + dataOffset);
}
constexpr std::size_t elementIndex(int element, int elementOffset) {
    return dumpIndex(voice::elementStart(element) + elementOffset);
}

// The 80 bytes of element 0..3 of a dump.
std::span<Byte, kVoiceElementSize> elementOf(VoiceDump& dump, int element);
std::span<const Byte, kVoiceElementSize> elementOf(const VoiceDump& dump, int element);

// The element switch describes elements from the first on without a gap (0, 1, 3, 7, 15).
bool isCompactSwitch(int elementSwitch);
// Moves switched-on elements in front of switched-off ones until the switch has no gap
// (at most three exchanges). Returns whether anything moved.
bool compactElements(VoiceDump& dump);

// Amp EG decay 2 level never exceeds decay 1 level: the partner follows the byte set.
void setAmpDecayLevel(VoiceDump& dump, int element, int elementOffset, Byte value);
// The low note limit never exceeds the high one: the partner follows the byte set.
void setNoteLimit(VoiceDump& dump, int element, int elementOffset, Byte value);

// The XG part parameter (part record offset) a common byte of the voice stands for, if any:
// level, velocity sense, sends, mono/poly, portamento and the controller controls.
std::optional<int> mirroredPartOffset(int commonOffset);

// The voice name (10 bytes) as text, and replaced by `name` padded with blanks.
std::array<char, kVoiceNameSize> voiceNameOf(const VoiceDump& dump);
void setVoiceName(VoiceDump& dump, std::string_view name);

} // namespace image
