#include "image/voice_dump.h"

#include "image/checksum.h"
#include "image/qs300_factory.h"

#include <algorithm>

namespace image {

namespace {

// Dump bytes: F0 43 0n 4B, byte count 02 7D, address 11 vv 00, data, checksum, F7.
constexpr int kCountStart = 4;
constexpr int kChecksumByte = kVoiceDumpDataStart + kVoiceDataSize; // 390
constexpr std::array<Byte, kVoiceDumpDataStart> kDumpHeader{0xF0, 0x43, 0x00, 0x4B, 0x02,
                                                            0x7D, 0x11, 0x00, 0x00};

} // namespace

Byte voiceDumpChecksum(std::span<const Byte, kVoiceDataSize> data, int voiceNumber) {
    const std::array<Byte, 5> countAndAddress{0x02, 0x7D, 0x11,
                                              static_cast<Byte>(voiceNumber & 0x7F), 0x00};
    unsigned sum = 0;
    for (auto b : countAndAddress) sum += b;
    for (auto b : data) sum += b;
    return static_cast<Byte>((128 - (sum & 0x7F)) & 0x7F);
}

VoiceRecord makeVoiceRecord(std::span<const Byte, kVoiceDataSize> data) {
    VoiceRecord record{};
    std::copy(data.begin(), data.end(), record.begin());
    record[kVoiceDataSize] = voiceDumpChecksum(data, 0);
    return record;
}

void renewVoiceDumpChecksum(VoiceDump& dump) {
    dump[kChecksumByte] =
        yamahaChecksum(std::span(dump).subspan(kCountStart, kChecksumByte - kCountStart));
}

VoiceDump makeVoiceDump(const VoiceRecord& record, int voiceNumber, int device) {
    VoiceDump dump{};
    std::copy(kDumpHeader.begin(), kDumpHeader.end(), dump.begin());
    dump[2] = static_cast<Byte>(device & 0x0F);
    dump[kVoiceDumpNumberByte] = static_cast<Byte>(voiceNumber & 0x7F);
    dump[kVoiceDumpSize - 1] = 0xF7;
    putVoiceRecord(dump, record);
    return dump;
}

void putVoiceRecord(VoiceDump& dump, const VoiceRecord& record) {
    std::copy(record.begin(), record.begin() + kVoiceDataSize, dump.begin() + kVoiceDumpDataStart);
    renewVoiceDumpChecksum(dump);
}

VoiceRecord voiceRecordFromDump(const VoiceDump& dump) {
    VoiceRecord record{};
    std::copy(dump.begin() + kVoiceDumpDataStart, dump.begin() + kChecksumByte + 1, record.begin());
    return record;
}

const VoiceDump& editVoiceTemplate() {
    static const VoiceDump dump = makeVoiceDump(factoryUserBank()[0], 0, 0);
    return dump;
}

} // namespace image
