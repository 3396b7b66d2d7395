#include "image/qs300_templates.h"
#include "image/qs300_waves.h"

#include <gtest/gtest.h>

#include <set>

using namespace image;

TEST(Qs300Templates, TablesHoldTheListedEntries) {
    EXPECT_EQ(kAmpEgTemplates.front().name, "Initial");
    EXPECT_EQ(kAmpEgTemplates.back().name, "Gate");
    EXPECT_EQ(ampEgTemplate(AmpEg::StabBrass).values,
              (std::array<Byte, 6>{61, 26, 0, 46, 109, 127}));
    EXPECT_EQ(filterEgTemplate(FilterEg::VeloMinus).name, "Velo -");
    EXPECT_EQ(filterEgTemplate(FilterEg::ResoPerc3).name, "ResoPerc3");
    EXPECT_EQ(pitchEgTemplate(PitchEg::ReleaseMinus12).values,
              (std::array<Byte, 9>{0, 0, 0, 63, 64, 64, 64, 64, 1}));
    EXPECT_EQ(pitchEgTemplate(PitchEg::AtRelOct2).name, "At&RelOct2");
}

TEST(Qs300Templates, WaveListsHaveTheirItems) {
    const std::array<std::size_t, 10> sizes{11, 15, 20, 10, 22, 14, 30, 40, 36, 7};
    std::set<int> waves;
    for (int c = 0; c < kWaveCategoryCount; ++c) {
        EXPECT_EQ(waveList(c).size(), sizes[static_cast<std::size_t>(c)]) << c;
        for (const auto& item : waveList(c)) {
            EXPECT_LT(item.wave, 246);
            EXPECT_TRUE(waves.insert(item.wave).second) << item.name;
        }
    }
    EXPECT_TRUE(waveList(10).empty());
    EXPECT_TRUE(waveList(-1).empty());
}

TEST(Qs300Templates, FindWaveLocatesTheListAndItem) {
    EXPECT_EQ(findWave(wave::Saw).category, 8);
    EXPECT_EQ(findWave(wave::Saw).item, 1);
    EXPECT_EQ(findWave(wave::StndrdKit).category, 9);
    EXPECT_EQ(findWave(wave::StndrdKit).item, 6);
    EXPECT_EQ(waveName(wave::Scratch), "Scratch");
}

TEST(Qs300Templates, UnlistedWavesShowAsGrand) {
    EXPECT_FALSE(isListedWave(0));
    EXPECT_EQ(findWave(0).category, 0);
    EXPECT_EQ(findWave(0).item, 0);
    EXPECT_EQ(waveName(0), "Grand");
    EXPECT_EQ(waveName(999), "Grand");
}
