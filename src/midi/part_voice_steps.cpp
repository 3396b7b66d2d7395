#include "midi/part_voice_steps.h"

#include "image/part_modes.h"
#include "midi/voice_mirror.h"

namespace midi {
namespace {

namespace off = image::offset;
using image::Byte;

std::size_t at(int part) {
    return static_cast<std::size_t>(part);
}

} // namespace

void SetPartByte(image::SynthImage& image, XgMessages& messages, int part, int offset, int value) {
    image.part(part, offset) = static_cast<Byte>(value);
    messages.SendPartParam(part, part * image::kPartRecordSize + offset, static_cast<Byte>(value));
}

void SendVoiceSelect(const image::SynthImage& image, XgMessages& messages, int part, int lsbToSend,
                     int program) {
    const int base = part * image::kPartRecordSize;
    messages.SendPartParam(part, base + off::kPartMode, image.part(part, off::kPartMode));
    messages.SendPartParam(part, base + off::kBankMsb, image.part(part, off::kBankMsb));
    messages.SendPartParam(part, base + off::kBankLsb, static_cast<Byte>(lsbToSend));
    messages.SendPartParam(part, base + off::kProgram, static_cast<Byte>(program));
}

void SendXgDefaults(image::SynthImage& image, XgMessages& messages, int part) {
    for (const MirroredParameter& m : kMirroredParameters)
        SetPartByte(image, messages, part, m.partOffset, m.xgDefault);
}

bool PairedWithNext(const image::SynthImage& image, int first) {
    if (first < 0 || first % 2 != 0 || first + 1 >= image::kPartCount) return false;
    return image.userVoiceKind[at(first)] == image::kTwoPartVoice ||
           image.pairFlagLow[at(first + 1)] != 0 || image.pairFlagHigh[at(first + 1)] != 0;
}

int ReleasePair(image::SynthImage& image, XgMessages& messages, int part, bool xgDefaults) {
    if (part < 0 || part >= image::kPartCount) return -1;
    const int first = part & ~1;
    const int second = first + 1;
    if (!PairedWithNext(image, first)) return -1;
    image.pairFlagLow[at(first)] = 0;
    image.pairFlagHigh[at(first)] = 0;
    image.pairFlagLow[at(second)] = 0;
    image.pairFlagHigh[at(second)] = 0;
    image.userVoiceKind[at(first)] = image::kXgVoice;
    SetPartByte(image, messages, second, off::kReceiveChannel, second);

    const int other = part == first ? second : first;
    const bool drumPart = other == image::kDrumPartIndex;
    image.userVoiceKind[at(other)] = image::kXgVoice;
    image.part(other, off::kBankMsb) = drumPart ? image::kBankDrumKit : 0;
    image.part(other, off::kBankLsb) = 0;
    image.part(other, off::kProgram) = 0;
    image.part(other, off::kPartMode) =
        static_cast<Byte>(drumPart ? image::kDrumSetup1Mode : image::kNormalMode);
    SendVoiceSelect(image, messages, other, 0, 0);
    if (xgDefaults) SendXgDefaults(image, messages, other);
    return other;
}

} // namespace midi
