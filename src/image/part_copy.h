#pragma once
// Copying chosen groups of parameters from one part record to another. The voice group
// is only judged here (may it be copied?); copying it also involves the user voice and
// sending, which the message layer's part jobs do.

#include "image/synth_image.h"

#include <array>
#include <span>
#include <string_view>

namespace image {

inline constexpr int kCopyGroupCount = 21;
// The "Group" panel holds the first 13 boxes, the "Parameter" panel the other eight.
inline constexpr int kGroupPanelCount = 13;
inline constexpr int kChannelGroup = 14;
inline constexpr int kVoiceGroup = 20;

// Record offsets first..last, both included.
struct OffsetRange {
    int first;
    int last;
};

struct CopyGroup {
    std::string_view caption;
    std::span<const OffsetRange> ranges; // empty for the voice group
};

// The 21 groups in the order of their check boxes.
std::span<const CopyGroup, kCopyGroupCount> copyGroups();

using CopyChoice = std::array<bool, kCopyGroupCount>;
// Every group but the receive channel.
CopyChoice defaultCopyChoice();

// Copies the bytes of the chosen groups other than the voice from source to target.
// Returns whether anything was copied. The source record is only read; parts out of
// range and a part copied onto itself change nothing.
bool copyPartGroups(SynthImage& image, int source, int target, const CopyChoice& choice);

// On a board that plays two elements per voice, the voice of a part may not be copied
// when it is the upper half of a pair, or when it spans two parts and either starts on an
// odd part or would be copied onto its own upper half.
bool voiceCopyAllowed(const SynthImage& image, int source, int target, bool twoElementBoard);

// The voice's element switch is above 3: elements 3 and 4 are in use.
bool isFourElementVoice(const VoiceDump& dump);

} // namespace image
