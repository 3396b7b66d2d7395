#include "effects/display_forms.h"
#include "effects/effect_value_tables.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using effects::formatEffectValue;
using effects::hasEffectValueText;

namespace {

struct Shown {
    int value;
    std::string text;
};

void expectTexts(int form, const std::vector<Shown>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(formatEffectValue(form, c.value), c.text)
            << "form " << form << " value " << c.value;
}

} // namespace

TEST(EffectDisplayForms, NumbersAndComputedForms) {
    expectTexts(99, {{0, "0"}, {64, "64"}, {127, "127"}, {7150, "7150"}});
    expectTexts(110, {{1, "0.1 ms"},
                      {5, "0.5 ms"},
                      {10, "1.0 ms"},
                      {715, "71.5 ms"},
                      {3550, "355.0 ms"},
                      {7150, "715.0 ms"}});
    expectTexts(112, {{4, "-180"}, {5, "-177"}, {64, "0"}, {124, "180"}});
    expectTexts(122, {{10, "1.0"}, {25, "2.5"}, {120, "12.0"}});
}

TEST(EffectDisplayForms, ValueTablesWithTheirUnits) {
    expectTexts(100, {{0, "0.3 s"},
                      {1, "0.4 s"},
                      {34, "3.7 s"},
                      {65, "18.0 s"},
                      {66, "19.0 s"},
                      {67, "20.0 s"},
                      {68, "25.0 s"},
                      {69, "30.0 s"}});
    expectTexts(101, {{0, "0.1 ms"}, {64, "100.8 ms"}, {127, "200.0 ms"}});
    expectTexts(102, {{0, "20 Hz"},
                      {1, "22 Hz"},
                      {2, "25 Hz"},
                      {30, "630 Hz"},
                      {40, "2.0 KHz"},
                      {59, "18.0 KHz"},
                      {60, "20.0 KHz"}});
    expectTexts(103, {{0, "0.5 m"}, {1, "0.8 m"}, {2, "1.0 m"}, {52, "14.2 m"}, {104, "30.2 m"}});
    expectTexts(104, {{0, "0.1 m"}, {22, "3.5 m"}, {44, "7.0 m"}});
    expectTexts(105, {{0, "0.1 ms"}, {64, "201.6 ms"}, {127, "400.0 ms"}});
    expectTexts(106, {{0, "0.00 Hz"},
                      {1, "0.04 Hz"},
                      {2, "0.08 Hz"},
                      {64, "2.69 Hz"},
                      {126, "37.00 Hz"},
                      {127, "39.70 Hz"}});
    expectTexts(107, {{0, "0.0 ms"}, {1, "0.1 ms"}, {64, "6.4 ms"}, {127, "50.0 ms"}});
}

TEST(EffectDisplayForms, ValueTablesHaveTheirEntryCounts) {
    EXPECT_EQ(effects::kReverbTimeTexts.size(), 70u);
    EXPECT_EQ(effects::kDelayTime1Texts.size(), 128u);
    EXPECT_EQ(effects::kFrequencyTexts.size(), 61u);
    EXPECT_EQ(effects::kRoomDimensionTexts.size(), 105u);
    EXPECT_EQ(effects::kRoomSizeTexts.size(), 45u);
    EXPECT_EQ(effects::kDelayTime2Texts.size(), 128u);
    EXPECT_EQ(effects::kLfoFrequencyTexts.size(), 128u);
    EXPECT_EQ(effects::kDelayOffsetTexts.size(), 128u);
    // Below 1 kHz the number keeps a space before the unit, from 1 kHz up the "K" does.
    EXPECT_EQ(effects::kFrequencyTexts[0], "20 ");
    EXPECT_EQ(effects::kFrequencyTexts[60], "20.0 K");
}

TEST(EffectDisplayForms, MixesAroundTheCentre) {
    expectTexts(108, {{1, "D63"}, {2, "D62"}, {63, "D1"}, {64, "D=W"}, {65, "1W"}, {127, "63W"}});
    expectTexts(109, {{1, "E63"}, {63, "E1"}, {64, "E=R"}, {65, "1R"}, {127, "63R"}});
}

TEST(EffectDisplayForms, SharedSignedAndPanTexts) {
    expectTexts(111, {{0, "-64"}, {1, "-63"}, {64, "0"}, {127, "63"}});
    expectTexts(113,
                {{0, "RND"}, {1, "<-63"}, {63, "<-1"}, {64, "<-0->"}, {65, "1->"}, {127, "63->"}});
    expectTexts(114, {{52, "-12 dB"}, {64, "0 dB"}, {76, "12 dB"}, {0, "-64 dB"}, {127, "63 dB"}});
}

TEST(EffectDisplayForms, PartNumbersAdPartsAndOff) {
    expectTexts(115, {{0, "1 "},
                      {15, "16 "},
                      {63, "64 "},
                      {64, "Ad1"},
                      {100, "Ad37"},
                      {126, "Ad63"},
                      {127, "OFF"}});
}

TEST(EffectDisplayForms, NamedChoices) {
    expectTexts(116, {{0, "L"}, {1, "R"}, {2, "L&R"}});
    expectTexts(117, {{0, "S-H"}, {1, "L-H"}, {2, "Rdm"}, {3, "Rvs"}, {4, "Plt"}, {5, "Spr"}});
    expectTexts(118, {{0, "A-Type"}, {1, "B-Type"}});
    expectTexts(119, {{0, "OFF"}, {1, "Stack"}, {2, "Combo"}, {3, "Tube"}});
    expectTexts(120, {{0, "Mono"}, {1, "Stereo"}});
    expectTexts(121,
                {{0, "L<->R"}, {1, "L->R"}, {2, "L<-R"}, {3, "Lturn"}, {4, "Rturn"}, {5, "L / R"}});
}

TEST(EffectDisplayForms, MasterTuneInTenthsOfACent) {
    expectTexts(123, {{0, "-102.4 cent"},
                      {1014, "-1.0 cent"},
                      {1019, "-0.5 cent"},
                      {1023, "-0.1 cent"},
                      {1024, "0 cent"},
                      {1025, "0.1 cent"},
                      {1033, "0.9 cent"},
                      {1034, "1.0 cent"},
                      {1124, "10.0 cent"},
                      {2047, "102.3 cent"}});
}

TEST(EffectDisplayForms, StrayValuesShowTheirNumber) {
    // Outside a table, an unknown form and extreme numbers give the plain number.
    EXPECT_EQ(formatEffectValue(100, 70), "70");
    EXPECT_EQ(formatEffectValue(102, -1), "-1");
    EXPECT_EQ(formatEffectValue(108, 0), "0");
    EXPECT_EQ(formatEffectValue(111, 128), "128");
    EXPECT_EQ(formatEffectValue(115, 128), "128");
    EXPECT_EQ(formatEffectValue(121, 6), "6");
    EXPECT_EQ(formatEffectValue(110, -5), "-5");
    EXPECT_EQ(formatEffectValue(98, 5), "5");
    EXPECT_EQ(formatEffectValue(124, 5), "5");
    EXPECT_EQ(formatEffectValue(123, INT_MIN), "-214748467.2 cent");
    EXPECT_EQ(formatEffectValue(112, INT_MAX), std::to_string(3LL * INT_MAX - 192));
    EXPECT_FALSE(hasEffectValueText(100, 70));
    EXPECT_FALSE(hasEffectValueText(98, 0));
    EXPECT_TRUE(hasEffectValueText(100, 69));
    EXPECT_TRUE(hasEffectValueText(99, -3));
}
