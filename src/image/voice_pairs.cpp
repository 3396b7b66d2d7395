#include "image/voice_pairs.h"

#include "image/voice_dump.h"
#include "image/voice_layout.h"

#include <algorithm>

namespace image {

VoiceDump upperHalfDump(const VoiceDump& whole, int upperPart) {
    VoiceDump upper = whole;
    const auto data = upper.begin() + kVoiceDumpDataStart;
    std::copy_n(whole.begin() + kVoiceDumpDataStart + voice::elementStart(2), 2 * kVoiceElementSize,
                data + voice::elementStart(0));
    data[kVoiceElementSwitchByte] =
        static_cast<Byte>((whole[kVoiceDumpDataStart + kVoiceElementSwitchByte] & 0x0F) >> 2);
    upper[kVoiceDumpNumberByte] = static_cast<Byte>(upperPart & 0x7F);
    renewVoiceDumpChecksum(upper);
    return upper;
}

} // namespace image
