#include "image/xg_voice_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

TEST(XgVoiceNames, TableIsSortedAndUnique) {
    const auto key = [](const image::XgVoiceNameRow& r) {
        return std::make_tuple(r.msb, r.lsb, r.program);
    };
    for (std::size_t i = 1; i < image::kXgVoiceNames.size(); ++i)
        EXPECT_LT(key(image::kXgVoiceNames[i - 1]), key(image::kXgVoiceNames[i])) << i;
}

TEST(XgVoiceNames, KnownVoicesByBankAndProgram) {
    EXPECT_EQ(image::xgVoiceName(0, 0, 0), "GrandPno");
    EXPECT_EQ(image::xgVoiceName(0, 18, 0), "MelloGrP");
    EXPECT_EQ(image::xgVoiceName(0, 0, 4), "E.Piano1");
    EXPECT_EQ(image::xgVoiceName(0, 40, 16), "16+2\"2/3");
    EXPECT_EQ(image::xgVoiceName(64, 0, 54), "Ghost");
    EXPECT_EQ(image::xgVoiceName(64, 0, 55), "Maou");
}

TEST(XgVoiceNames, UnknownBankFallsBackToBankZero) {
    EXPECT_EQ(image::xgVoiceName(0, 99, 0), "GrandPno");
    EXPECT_EQ(image::xgVoiceName(64, 0, 127), image::xgVoiceName(0, 0, 127));
    EXPECT_EQ(image::xgVoiceName(12, 3, 1), "BritePno");
}

TEST(XgVoiceNames, DrumKitsAndSpecialBanks) {
    EXPECT_EQ(image::xgVoiceName(127, 0, 0), "Standard Kit");
    EXPECT_EQ(image::xgVoiceName(127, 0, 48), "Classic Kit");
    EXPECT_EQ(image::xgVoiceName(126, 0, 1), "SFX 2");
    EXPECT_EQ(image::xgVoiceName(127, 0, 2), "Drum Kit 003");
    EXPECT_EQ(image::xgDrumKitName(127, 2), "");
    EXPECT_EQ(image::xgDrumKitName(0, 0), "");
    EXPECT_EQ(image::xgVoiceName(63, 0, 5), "QS300 User");
}

TEST(XgVoiceNames, OutOfRangeInputIsClamped) {
    EXPECT_EQ(image::xgVoiceName(-5, -1, -1), "GrandPno");
    EXPECT_FALSE(image::xgVoiceName(1000, 1000, 1000).empty());
}

} // namespace
