#include "image/checksum.h"

#include <gtest/gtest.h>

#include <array>

TEST(Checksum, CoveredBytesSummingToMultipleOf128GiveZero) {
    const std::array<std::uint8_t, 3> bytes{0x40, 0x30, 0x10};
    EXPECT_EQ(image::yamahaChecksum(bytes), 0);
}

TEST(Checksum, MakesTheSumAMultipleOf128) {
    const std::array<std::uint8_t, 5> bytes{0x00, 0x29, 0x08, 0x02, 0x00};
    const auto c = image::yamahaChecksum(bytes);
    EXPECT_EQ((0x00 + 0x29 + 0x08 + 0x02 + 0x00 + c) & 0x7F, 0);
    EXPECT_LT(c, 128);
}
