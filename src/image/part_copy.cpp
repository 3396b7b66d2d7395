#include "image/part_copy.h"

namespace image {
namespace {

bool validPart(int part) {
    return part >= 0 && part < kPartCount;
}

} // namespace

CopyChoice defaultCopyChoice() {
    CopyChoice choice;
    choice.fill(true);
    choice[kChannelGroup] = false;
    return choice;
}

bool copyPartGroups(SynthImage& image, int source, int target, const CopyChoice& choice) {
    if (!validPart(source) || !validPart(target) || source == target) return false;
    bool copied = false;
    const auto groups = copyGroups();
    for (int g = 0; g < kCopyGroupCount; ++g) {
        if (!choice[static_cast<std::size_t>(g)] || g == kVoiceGroup) continue;
        for (const OffsetRange& range : groups[static_cast<std::size_t>(g)].ranges)
            for (int o = range.first; o <= range.last; ++o)
                image.part(target, o) = image.part(source, o);
        copied = true;
    }
    return copied;
}

bool voiceCopyAllowed(const SynthImage& image, int source, int target, bool twoElementBoard) {
    if (!validPart(source) || !validPart(target) || source == target) return false;
    if (!twoElementBoard) return true;
    const auto s = static_cast<std::size_t>(source);
    const bool spansTwoParts = image.userVoiceKind[s] == kTwoPartVoice;
    if (spansTwoParts && source % 2 == 1) return false;
    if (spansTwoParts && target == source + 1) return false;
    return image.pairFlagHigh[s] == 0;
}

bool isFourElementVoice(const VoiceDump& dump) {
    return dump[kVoiceDumpDataStart + kVoiceElementSwitchByte] > 3;
}

} // namespace image
