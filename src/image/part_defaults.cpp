#include "image/part_defaults.h"

namespace image {

namespace {

bool validPart(int part) {
    return part >= 0 && part < kPartCount;
}
bool validOffset(int offset) {
    return offset >= 0 && offset < kPartRecordSize;
}

// Bank and program select the voice; part mode selects drum use. A soft part reset keeps them.
bool isVoiceSelection(int offset) {
    return offset == offset::kBankMsb || offset == offset::kBankLsb || offset == offset::kProgram ||
           offset == offset::kPartMode;
}

} // namespace

Byte ExpectedPartValue(int part, int offset) {
    if (!validPart(part) || !validOffset(offset)) return 0;
    if (offset == offset::kReceiveChannel) return static_cast<Byte>(part);
    if (part == kDrumPartIndex) {
        if (offset == offset::kElementReserve) return 0;
        if (offset == offset::kBankMsb) return kBankDrumKit;
        if (offset == offset::kPartMode) return 2;
    }
    return kDefaultPartRecord[static_cast<std::size_t>(offset)];
}

void writePartDefaults(SynthImage& image, int part, bool full) {
    if (!validPart(part)) return;
    for (int o = 0; o < kPartRecordSize; ++o) {
        if (!full && isVoiceSelection(o)) continue;
        image.part(part, o) = ExpectedPartValue(part, o);
    }
}

Byte expectedTableValue(const SynthImage& image, int part, int offset) {
    if (offset >= offset::kBankMsb && offset <= offset::kProgram) {
        for (int o = offset::kBankMsb; o <= offset::kProgram; ++o) {
            if (image.part(part, o) != ExpectedPartValue(part, o)) return kAlwaysDiffers;
        }
    }
    return ExpectedPartValue(part, offset);
}

bool partGroupDiffers(const SynthImage& image, int part) {
    const auto& defaults = kDefaultPartRecord;
    const bool bankOrProgramDiffers =
        image.part(part, offset::kBankLsb) != defaults[offset::kBankLsb] ||
        image.part(part, offset::kProgram) != defaults[offset::kProgram];
    if (part == kDrumPartIndex) {
        // A QS300 takes the tenth part as a drum part only when told so, so its group is sent
        // whenever the part is not in plain drum mode 1.
        return image.part(part, offset::kBankMsb) != kBankDrumKit || bankOrProgramDiffers ||
               image.part(part, offset::kPartMode) != 1;
    }
    return image.part(part, offset::kBankMsb) != defaults[offset::kBankMsb] ||
           bankOrProgramDiffers || image.part(part, offset::kPartMode) != 0;
}

void fillPartTables(SynthImage& image) {
    for (int p = 0; p < kPartCount; ++p) writePartDefaults(image, p, true);
    image.loadedParts = image.parts;
}

} // namespace image
