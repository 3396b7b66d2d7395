#include "image/user_voice_assign.h"

#include "image/voice_dump.h"
#include "image/voice_pairs.h"

namespace image {

void assignUserVoice(SynthImage& image, int part, const VoiceRecord& voice, bool twoParts,
                     int device) {
    if (part < 0 || part >= kPartCount) return;
    twoParts = twoParts && part + 1 < kPartCount;
    const auto at = static_cast<std::size_t>(part);
    image.partVoices[at] = makeVoiceDump(voice, part, device);
    image.userVoiceKind[at] = twoParts ? kTwoPartVoice : kSinglePartVoice;
    image.part(part, offset::kBankMsb) = kBankQsUserVoice;
    image.part(part, offset::kBankLsb) = 1;
    image.part(part, offset::kProgram) = static_cast<Byte>(part);
    if (!twoParts) return;
    const auto next = at + 1;
    image.partVoices[next] = upperHalfDump(image.partVoices[at], part + 1);
    image.userVoiceKind[next] = kXgVoice;
    image.pairFlagLow[next] = 1;
    image.pairFlagHigh[next] = 1;
    image.part(part + 1, offset::kBankMsb) = kBankQsUserVoice;
    image.part(part + 1, offset::kBankLsb) = 1;
    image.part(part + 1, offset::kProgram) = static_cast<Byte>(part + 1);
}

} // namespace image
