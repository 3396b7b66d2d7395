#include "files/module_requests.h"

#include "image/drum_kits.h"

namespace files {

namespace {

using Byte = std::uint8_t;

constexpr Byte kXgModel = 0x4C;
constexpr Byte kQsModel = 0x4B;
constexpr Byte kDumpRequest = 0x20;
constexpr Byte kPartBlock = 0x08;
constexpr Byte kDrumSetup1 = 0x30;
constexpr Byte kUserVoiceBlock = 0x11;

struct BlockAddress {
    ModuleSection section;
    Byte high;
    Byte mid;
    Byte low;
};

// The effect blocks split where the editor's own dumps split them: parameters 11..16 sit
// apart from the rest of the block.
constexpr std::array<BlockAddress, 7> kBlocks{{
    {ModuleSection::System, 0x00, 0x00, 0x00},
    {ModuleSection::Reverb, 0x02, 0x01, 0x00},
    {ModuleSection::Reverb, 0x02, 0x01, 0x10},
    {ModuleSection::Chorus, 0x02, 0x01, 0x20},
    {ModuleSection::Chorus, 0x02, 0x01, 0x30},
    {ModuleSection::Variation, 0x02, 0x01, 0x40},
    {ModuleSection::Variation, 0x02, 0x01, 0x70},
}};

// Part dump A (record offsets 0..40) and dump B (offsets 41..103).
constexpr std::array<Byte, 2> kPartDumpStarts{0x00, 0x30};

DumpRequest request(ModuleSection section, int index, int device, Byte model, Byte high, Byte mid,
                    Byte low) {
    const auto n = static_cast<Byte>(kDumpRequest | (device & 0x0F));
    return {section, index, {0xF0, 0x43, n, model, high, mid, low, 0xF7}};
}

} // namespace

AnswerGroup groupOf(ModuleSection section) {
    switch (section) {
    case ModuleSection::System:
        return AnswerGroup::System;
    case ModuleSection::Reverb:
    case ModuleSection::Chorus:
    case ModuleSection::Variation:
        return AnswerGroup::Effects;
    case ModuleSection::Part:
        return AnswerGroup::Parts;
    case ModuleSection::DrumSetup:
        return AnswerGroup::Drums;
    case ModuleSection::Voice:
        return AnswerGroup::Voices;
    }
    return AnswerGroup::System;
}

std::vector<DumpRequest> blockRequests(int device) {
    std::vector<DumpRequest> requests;
    for (const auto& b : kBlocks)
        requests.push_back(request(b.section, 0, device, kXgModel, b.high, b.mid, b.low));
    for (int p = 0; p < image::kPartCount; ++p)
        for (const Byte low : kPartDumpStarts)
            requests.push_back(request(ModuleSection::Part, p, device, kXgModel, kPartBlock,
                                       static_cast<Byte>(p), low));
    return requests;
}

std::vector<DumpRequest> drumRequests(const image::SynthImage& image, int device) {
    std::vector<DumpRequest> requests;
    for (int s = 0; s < 2; ++s) {
        const auto choice = image::FindKit(image, s);
        for (int slot = 0; slot < choice.slotCount; ++slot) {
            const int note = image::DrumNote(choice.kit, slot);
            if (note < 0) break;
            requests.push_back(request(ModuleSection::DrumSetup, s, device, kXgModel,
                                       static_cast<Byte>(kDrumSetup1 + s), static_cast<Byte>(note),
                                       0x00));
        }
    }
    return requests;
}

std::vector<DumpRequest> voiceRequests(const image::SynthImage& image, int device) {
    std::vector<DumpRequest> requests;
    for (int p = 0; p < image::kPartCount; ++p)
        if (image.part(p, image::offset::kBankMsb) == image::kBankQsUserVoice)
            requests.push_back(request(ModuleSection::Voice, p, device, kQsModel, kUserVoiceBlock,
                                       static_cast<Byte>(p), 0x00));
    return requests;
}

} // namespace files
