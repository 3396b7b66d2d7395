#include "editor/voice_naming.h"

#include "image/xg_voice_names.h"

#include <algorithm>

namespace editor {

namespace off = image::offset;

VoiceKind partVoiceKind(const image::SynthImage& image, int part) {
    part = std::clamp(part, 0, image::kPartCount - 1);
    const int msb = image.part(part, off::kBankMsb);
    if (msb == image::kBankQsUserVoice) return VoiceKind::UserVoice;
    if (msb == image::kBankDrumKit || msb == image::kBankSfxKit ||
        image.part(part, off::kPartMode) != 0)
        return VoiceKind::Drum;
    return VoiceKind::Normal;
}

draw::Colour VoiceNameColours::of(VoiceKind kind) const {
    switch (kind) {
    case VoiceKind::Drum:
        return drum;
    case VoiceKind::UserVoice:
        return qs;
    case VoiceKind::Normal:
        break;
    }
    return xg;
}

std::string partVoiceName(const image::SynthImage& image, int part) {
    part = std::clamp(part, 0, image::kPartCount - 1);
    const int msb = image.part(part, off::kBankMsb);
    const int lsb = image.part(part, off::kBankLsb);
    const int program = image.part(part, off::kProgram);
    if (msb == image::kBankQsUserVoice) {
        const auto& dump = image.partVoices[static_cast<std::size_t>(part)];
        std::string name;
        for (int i = 0; i < image::kVoiceNameSize; ++i) {
            const auto c =
                static_cast<char>(dump[static_cast<std::size_t>(image::kVoiceDumpDataStart + i)]);
            name += (c >= 32 && c < 127) ? c : ' ';
        }
        while (!name.empty() && name.back() == ' ') name.pop_back();
        return name.empty() ? image::xgVoiceName(msb, lsb, program) : name;
    }
    std::string name = image::xgVoiceName(msb, lsb, program);
    const int mode = image.part(part, off::kPartMode);
    if (mode == 2) return "D1:" + name;
    if (mode == 3) return "D2:" + name;
    return name;
}

int titlePart(const image::SynthImage& image, int part) {
    part = std::clamp(part, 0, image::kPartCount - 1);
    const bool secondHalf =
        part % 2 == 1 &&
        image.userVoiceKind[static_cast<std::size_t>(part - 1)] == image::kTwoPartVoice;
    return secondHalf ? part - 1 : part;
}

} // namespace editor
