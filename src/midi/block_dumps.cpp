#include "midi/block_dumps.h"

namespace midi {

namespace off = image::offset;

void fillPartDumpA(Message<52>& dump, const image::SynthImage& image, int part, SynthType type) {
    const auto p = static_cast<Byte>(part);
    const auto* record = &image.parts[static_cast<std::size_t>(part * image::kPartRecordSize)];
    dump[7] = p;
    std::copy_n(record, kPartDumpAOffsets, dump.begin() + kBulkDataStart);
    dump[kBulkDataStart + off::kDetune] = static_cast<Byte>(record[off::kDetune] >> 4);
    dump[kBulkDataStart + off::kDetuneFiller] = static_cast<Byte>(record[off::kDetune] & 0x0F);
    if (image.hasUserVoice(part)) {
        dump[kBulkDataStart + off::kBankLsb] = type == SynthType::Db50 ? 0 : 1;
        dump[kBulkDataStart + off::kProgram] = p;
    }
    renewChecksum(dump);
}

void fillPartDumpB(Message<74>& dump, const image::SynthImage& image, int part) {
    const auto* record = &image.parts[static_cast<std::size_t>(part * image::kPartRecordSize)];
    dump[7] = static_cast<Byte>(part);
    std::copy_n(record + kPartDumpAOffsets, image::kPartRecordSize - kPartDumpAOffsets,
                dump.begin() + kBulkDataStart);
    renewChecksum(dump);
}

void fillDrumNoteDump(Message<27>& dump, int setup, int note, const image::DrumSlot& values) {
    dump[6] = static_cast<Byte>(setup == 2 ? 0x31 : 0x30);
    dump[7] = static_cast<Byte>(note);
    std::copy(values.begin(), values.end(), dump.begin() + kBulkDataStart);
    renewChecksum(dump);
}

} // namespace midi
