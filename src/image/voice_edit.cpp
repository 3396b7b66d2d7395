#include "image/voice_edit.h"

#include <algorithm>

namespace image {

namespace e = voice::element;

std::span<Byte, kVoiceElementSize> elementOf(VoiceDump& dump, int element) {
    return std::span<Byte, kVoiceElementSize>(dump.data() + elementIndex(element, 0),
                                              kVoiceElementSize);
}

std::span<const Byte, kVoiceElementSize> elementOf(const VoiceDump& dump, int element) {
    return std::span<const Byte, kVoiceElementSize>(dump.data() + elementIndex(element, 0),
                                                    kVoiceElementSize);
}

bool isCompactSwitch(int elementSwitch) {
    return elementSwitch == 0 || elementSwitch == 1 || elementSwitch == 3 || elementSwitch == 7 ||
           elementSwitch == 15;
}

bool compactElements(VoiceDump& dump) {
    Byte& switchByte = dump[dumpIndex(voice::kElementSwitch)];
    bool moved = false;
    for (int round = 0; round < 3 && !isCompactSwitch(switchByte & 0x0F); ++round) {
        int gap = 0;
        while (gap < 4 && (switchByte >> gap & 1)) ++gap;
        int on = gap + 1;
        while (on < 4 && !(switchByte >> on & 1)) ++on;
        if (gap >= 4 || on >= 4) break;
        std::swap_ranges(elementOf(dump, gap).begin(), elementOf(dump, gap).end(),
                         elementOf(dump, on).begin());
        switchByte = static_cast<Byte>((switchByte | 1 << gap) & ~(1 << on));
        moved = true;
    }
    return moved;
}

void setAmpDecayLevel(VoiceDump& dump, int element, int elementOffset, Byte value) {
    Byte& decay1 = dump[elementIndex(element, e::kAmpEgDecay1Level)];
    Byte& decay2 = dump[elementIndex(element, e::kAmpEgDecay2Level)];
    if (elementOffset == e::kAmpEgDecay1Level) {
        decay1 = value;
        if (decay2 > decay1) decay2 = decay1;
    } else {
        decay2 = value;
        if (decay2 > decay1) decay1 = decay2;
    }
}

void setNoteLimit(VoiceDump& dump, int element, int elementOffset, Byte value) {
    Byte& low = dump[elementIndex(element, e::kNoteLow)];
    Byte& high = dump[elementIndex(element, e::kNoteHigh)];
    if (elementOffset == e::kNoteLow) {
        low = value;
        if (low > high) high = low;
    } else {
        high = value;
        if (high < low) low = high;
    }
}

std::array<char, kVoiceNameSize> voiceNameOf(const VoiceDump& dump) {
    std::array<char, kVoiceNameSize> name{};
    for (int i = 0; i < kVoiceNameSize; ++i) {
        const Byte b = dump[dumpIndex(voice::kName + i)];
        name[static_cast<std::size_t>(i)] = (b >= 0x20 && b < 0x7F) ? static_cast<char>(b) : ' ';
    }
    return name;
}

void setVoiceName(VoiceDump& dump, std::string_view name) {
    for (int i = 0; i < kVoiceNameSize; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const char c = at < name.size() ? name[at] : ' ';
        const bool printable = c >= 0x20 && c < 0x7F;
        dump[dumpIndex(voice::kName + i)] = static_cast<Byte>(printable ? c : ' ');
    }
}

} // namespace image
