#include "image/part_defaults.h"

#include <gtest/gtest.h>

#include <memory>

using namespace image;

TEST(PartDefaults, RecordHoldsTheXgPowerOnValues) {
    EXPECT_EQ(kDefaultPartRecord[11], 100); // volume
    EXPECT_EQ(kDefaultPartRecord[14], 64);  // pan
    EXPECT_EQ(kDefaultPartRecord[19], 40);  // reverb send
    EXPECT_EQ(kDefaultPartRecord[18], 0);   // chorus send
    EXPECT_EQ(kDefaultPartRecord[82], 16);  // AC1 controller number
    EXPECT_EQ(kDefaultPartRecord[89], 17);  // AC2 controller number
    EXPECT_EQ(kDefaultPartRecord[offset::kDetune], 128);
    EXPECT_EQ(kDefaultPartRecord[offset::kElementReserve], 2);
    EXPECT_EQ(kDefaultPartRecord[35], 66); // bend range +2
    EXPECT_EQ(kDefaultPartRecord[offset::kVelocityLimitLow], 1);
    EXPECT_EQ(kDefaultPartRecord[offset::kVelocityLimitHigh], 127);
}

TEST(PartDefaults, ExpectedValuesDependOnThePart) {
    EXPECT_EQ(ExpectedPartValue(9, offset::kBankMsb), 127);
    EXPECT_EQ(ExpectedPartValue(9, offset::kPartMode), 2);
    EXPECT_EQ(ExpectedPartValue(9, offset::kElementReserve), 0);
    EXPECT_EQ(ExpectedPartValue(8, offset::kBankMsb), 0);
    EXPECT_EQ(ExpectedPartValue(10, offset::kPartMode), 0);
    EXPECT_EQ(ExpectedPartValue(0, offset::kElementReserve), 2);
    for (int p = 0; p < kPartCount; ++p)
        EXPECT_EQ(ExpectedPartValue(p, offset::kReceiveChannel), p);
}

TEST(PartDefaults, OtherwiseEqualTheDefaultRecord) {
    for (int p = 0; p < kPartCount; ++p) {
        for (int o = 0; o < kPartRecordSize; ++o) {
            if (o == offset::kReceiveChannel) continue;
            if (p == 9 && (o == 0 || o == 1 || o == 7)) continue;
            EXPECT_EQ(ExpectedPartValue(p, o), kDefaultPartRecord[static_cast<std::size_t>(o)])
                << "part " << p << " offset " << o;
        }
    }
}

TEST(PartDefaults, OutOfRangeGivesZero) {
    EXPECT_EQ(ExpectedPartValue(-1, 11), 0);
    EXPECT_EQ(ExpectedPartValue(16, 11), 0);
    EXPECT_EQ(ExpectedPartValue(0, -1), 0);
    EXPECT_EQ(ExpectedPartValue(0, kPartRecordSize), 0);
}

TEST(PartDefaults, SoftResetKeepsVoiceSelectionAndMode) {
    auto image = std::make_unique<SynthImage>();
    image->parts.fill(99);
    writePartDefaults(*image, 3, false);
    EXPECT_EQ(image->part(3, offset::kBankMsb), 99);
    EXPECT_EQ(image->part(3, offset::kBankLsb), 99);
    EXPECT_EQ(image->part(3, offset::kProgram), 99);
    EXPECT_EQ(image->part(3, offset::kPartMode), 99);
    EXPECT_EQ(image->part(3, offset::kReceiveChannel), 3);
    EXPECT_EQ(image->part(3, 11), 100);
    EXPECT_EQ(image->part(2, 11), 99); // neighbours untouched
    EXPECT_EQ(image->part(4, 0), 99);
}

TEST(PartDefaults, FullResetWritesEveryOffset) {
    auto image = std::make_unique<SynthImage>();
    image->parts.fill(99);
    writePartDefaults(*image, 9, true);
    for (int o = 0; o < kPartRecordSize; ++o) EXPECT_EQ(image->part(9, o), ExpectedPartValue(9, o));
    writePartDefaults(*image, 16, true); // ignored
    writePartDefaults(*image, -1, true);
    EXPECT_EQ(image->part(15, 103), 99);
}

TEST(PartDefaults, FillingSetsPartTableAndLoadedCopy) {
    auto image = std::make_unique<SynthImage>();
    fillPartTables(*image);
    for (int p = 0; p < kPartCount; ++p)
        for (int o = 0; o < kPartRecordSize; ++o)
            ASSERT_EQ(image->part(p, o), ExpectedPartValue(p, o));
    EXPECT_EQ(image->loadedParts, image->parts);
}
