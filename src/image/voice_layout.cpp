#include "image/voice_layout.h"

#include <algorithm>

namespace image::voice {

namespace {

bool elementOn(std::span<const Byte, kVoiceDataSize> data, int e) {
    return (data[kElementSwitch] >> e & 1) != 0;
}

bool allZero(std::span<const Byte> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](Byte b) { return b == 0; });
}

} // namespace

int firstByteOutOfRange(std::span<const Byte, kVoiceDataSize> data) {
    for (int o = 0; o < kVoiceCommonSize; ++o) {
        if (!kCommonRanges[static_cast<std::size_t>(o)].contains(data[static_cast<std::size_t>(o)]))
            return o;
    }
    for (int e = 0; e < 4; ++e) {
        const int start = elementStart(e);
        const auto block = data.subspan(static_cast<std::size_t>(start), kVoiceElementSize);
        if (!elementOn(data, e) && allZero(block)) continue;
        for (int o = 0; o < kVoiceElementSize; ++o) {
            if (!kElementRanges[static_cast<std::size_t>(o)].contains(
                    block[static_cast<std::size_t>(o)]))
                return start + o;
        }
        if (block[element::kWaveHigh] * 128 + block[element::kWaveLow] >= kWaveCount)
            return start + element::kWaveLow;
    }
    return -1;
}

int elementCount(std::span<const Byte, kVoiceDataSize> data) {
    int count = 0;
    for (int e = 0; e < 4; ++e) count += elementOn(data, e) ? 1 : 0;
    return count;
}

} // namespace image::voice
