#include "image/checksum.h"
#include "image/qs300_factory.h"
#include "image/voice_dump.h"

#include <gtest/gtest.h>

using namespace image;

namespace {

VoiceRecord recordWith(Byte fill) {
    VoiceRecord r{};
    r.fill(fill);
    return r;
}

} // namespace

TEST(VoiceDump, HasTheBulkDumpFrame) {
    const auto dump = makeVoiceDump(factoryUserBank()[5], 3, 2);
    EXPECT_EQ(dump.size(), 392u);
    const std::array<Byte, 9> head{0xF0, 0x43, 0x02, 0x4B, 0x02, 0x7D, 0x11, 0x03, 0x00};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), dump.begin()));
    EXPECT_EQ(dump[391], 0xF7);
    EXPECT_TRUE(std::equal(factoryUserBank()[5].begin(), factoryUserBank()[5].begin() + 381,
                           dump.begin() + 9));
}

TEST(VoiceDump, ChecksumCoversCountAddressAndData) {
    for (int number : {0, 1, 15, 127}) {
        const auto dump = makeVoiceDump(factoryPresetBank()[7], number, 0);
        unsigned sum = 0;
        for (int i = 4; i <= 390; ++i) sum += dump[static_cast<std::size_t>(i)];
        EXPECT_EQ(sum & 0x7F, 0u) << number;
        EXPECT_EQ(dump[390], yamahaChecksum(std::span(dump).subspan(4, 386)));
    }
}

TEST(VoiceDump, CoveredSumOfAMultipleOf128GivesChecksumZero) {
    // 02 + 7D + 11 + vv + 00 = 0x90 + vv; with vv = 0x70 the header alone is 0x100.
    const auto dump = makeVoiceDump(recordWith(0), 0x70, 0);
    EXPECT_EQ(dump[390], 0);
}

TEST(VoiceDump, OutOfRangeNumbersAreMasked) {
    const auto dump = makeVoiceDump(recordWith(1), 200, 31);
    EXPECT_EQ(dump[2], 0x0F);
    EXPECT_EQ(dump[7], 200 & 0x7F);
}

TEST(VoiceDump, RecordOfVoiceZeroDumpEqualsTheStoredRecord) {
    const auto& record = factoryUserBank()[17];
    EXPECT_EQ(voiceRecordFromDump(makeVoiceDump(record, 0, 5)), record);
    const auto other = voiceRecordFromDump(makeVoiceDump(record, 4, 0));
    EXPECT_NE(other[381], record[381]); // the checksum follows the voice number
}

TEST(VoiceDump, PutRecordKeepsNumberAndDeviceAndRenewsChecksum) {
    auto dump = makeVoiceDump(factoryUserBank()[0], 9, 1);
    putVoiceRecord(dump, factoryUserBank()[1]);
    EXPECT_EQ(dump[7], 9);
    EXPECT_EQ(dump[2], 1);
    EXPECT_EQ(dump, makeVoiceDump(factoryUserBank()[1], 9, 1));
}

TEST(VoiceDump, EditVoiceTemplateIsAuroraForDeviceZeroVoiceZero) {
    const auto& t = editVoiceTemplate();
    EXPECT_EQ(t[2], 0x00);
    EXPECT_EQ(t[7], 0x00);
    EXPECT_EQ(std::string(t.begin() + 9, t.begin() + 19), "Aurora    ");
    EXPECT_EQ(t[9 + 11], 0x0B);
    EXPECT_EQ(voiceRecordFromDump(t), factoryUserBank()[0]);
}
