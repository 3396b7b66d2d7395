#pragma once
// Puts a part on a QS300 user voice of its own straight into the image, without a message,
// for tests that start from a part already playing one: the voice dump, the user-voice
// kind and pair flags, and the part's bank and program. A voice over two parts gives the
// next part the upper elements.

#include "image/synth_image.h"
#include "image/voice_dump.h"
#include "image/voice_pairs.h"

namespace testvoice {

inline void assignUserVoice(image::SynthImage& image, int part, const image::VoiceRecord& voice,
                            bool twoParts) {
    namespace off = image::offset;
    if (part < 0 || part >= image::kPartCount) return;
    twoParts = twoParts && part + 1 < image::kPartCount;
    const auto at = static_cast<std::size_t>(part);
    image.partVoices[at] = image::makeVoiceDump(voice, part, 0);
    image.userVoiceKind[at] = twoParts ? image::kTwoPartVoice : image::kSinglePartVoice;
    image.part(part, off::kBankMsb) = image::kBankQsUserVoice;
    image.part(part, off::kBankLsb) = 1;
    image.part(part, off::kProgram) = static_cast<image::Byte>(part);
    if (!twoParts) return;
    const auto next = at + 1;
    image.partVoices[next] = image::upperHalfDump(image.partVoices[at], part + 1);
    image.userVoiceKind[next] = image::kXgVoice;
    image.pairFlagLow[next] = 1;
    image.pairFlagHigh[next] = 1;
    image.part(part + 1, off::kBankMsb) = image::kBankQsUserVoice;
    image.part(part + 1, off::kBankLsb) = 1;
    image.part(part + 1, off::kProgram) = static_cast<image::Byte>(part + 1);
}

} // namespace testvoice
