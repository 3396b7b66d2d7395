#include "image/qs300_voice_builder.h"
#include "image/voice_layout.h"

#include <gtest/gtest.h>

using namespace image;
namespace el = image::voice::element;

namespace {

std::span<const Byte, kVoiceDataSize> view(const std::array<Byte, kVoiceDataSize>& d) {
    return d;
}

int at(const std::array<Byte, kVoiceDataSize>& d, int e, int o) {
    return d[static_cast<std::size_t>(voice::elementStart(e) + o)];
}

} // namespace

TEST(VoiceBuilder, DefaultElementIsTheInitialisedElement) {
    const auto e = defaultElement();
    EXPECT_EQ(e[el::kWaveLow], 37);
    EXPECT_EQ(e[el::kCutoff], 127);
    EXPECT_EQ(e[el::kPan], 7);
    EXPECT_EQ(e[el::kFilterBreakPoints + 3], 96);
    EXPECT_EQ(e[el::kAmpEgDecay2Level], 127);
    EXPECT_EQ(e[el::kFilterResonanceSense], 64);
}

TEST(VoiceBuilder, DescriptionBecomesBytes) {
    auto description = voiceOf("Test",
                               element(195, AmpEg::SlowPad, FilterEg::Sweep, PitchEg::UpSlow)
                                   .keys(36, 96)
                                   .detuned(-7)
                                   .shifted(12)
                                   .panned(-3),
                               kBlankElement, element(95, AmpEg::Organ))
                           .sends(70, 20)
                           .monoGlide(15)
                           .bend(12);
    const auto d = buildVoiceData(description);
    EXPECT_EQ(std::string(d.begin(), d.begin() + 10), "Test      ");
    EXPECT_EQ(d[voice::kElementSwitch], 0x05);
    EXPECT_EQ(at(d, 0, el::kWaveHigh), 1);
    EXPECT_EQ(at(d, 0, el::kWaveLow), 195 - 128);
    EXPECT_EQ(at(d, 0, el::kNoteLow), 36);
    EXPECT_EQ(at(d, 0, el::kDetune), 57);
    EXPECT_EQ(at(d, 0, el::kNoteShift), 76);
    EXPECT_EQ(at(d, 0, el::kPan), 4);
    EXPECT_EQ(at(d, 0, el::kAmpEgRates), 22);       // SlowPad attack
    EXPECT_EQ(at(d, 0, el::kFilterEgRates + 1), 9); // Sweep decay 1
    EXPECT_EQ(at(d, 0, el::kPitchEgLevels), 36);    // UpSlow initial level
    EXPECT_EQ(at(d, 1, el::kLevel), 0);             // blank element
    EXPECT_EQ(at(d, 3, el::kLevel), 100);           // spare element
    EXPECT_EQ(d[voice::kReverbSend], 70);
    EXPECT_EQ(d[voice::kPlayMode], 0);
    EXPECT_EQ(d[voice::kPortamentoSwitch], 1);
    EXPECT_EQ(d[voice::kPortamentoTime], 15);
    EXPECT_EQ(d[voice::kBendControls], 76);
    EXPECT_EQ(voice::firstByteOutOfRange(view(d)), -1);
}

TEST(VoiceBuilder, ExtremeDescriptionsAreClampedIntoRange) {
    auto description = voiceOf("Much Too Long Name\x01", element(999, AmpEg::Initial)
                                                             .detuned(300)
                                                             .shifted(-99)
                                                             .panned(40)
                                                             .keys(100, 20)
                                                             .filtered(200, 200)
                                                             .withVibrato(200, 200)
                                                             .delayed(99))
                           .bend(99);
    const auto d = buildVoiceData(description);
    EXPECT_EQ(std::string(d.begin(), d.begin() + 10), "Much Too L");
    EXPECT_EQ(at(d, 0, el::kDetune), 114);
    EXPECT_EQ(at(d, 0, el::kNoteShift), 32);
    EXPECT_EQ(at(d, 0, el::kPan), 14);
    EXPECT_EQ(at(d, 0, el::kNoteHigh), 100);
    EXPECT_EQ(d[voice::kBendControls], 88);
    EXPECT_EQ(voice::firstByteOutOfRange(view(d)), -1);
}

TEST(VoiceLayout, OutOfRangeBytesAreFound) {
    auto d = buildVoiceData(voiceOf("Ok", element(37, AmpEg::APiano)));
    ASSERT_EQ(voice::firstByteOutOfRange(view(d)), -1);
    auto bad = d;
    bad[voice::kPlayMode] = 2;
    EXPECT_EQ(voice::firstByteOutOfRange(view(bad)), voice::kPlayMode);
    bad = d;
    bad[static_cast<std::size_t>(voice::elementStart(0) + el::kDetune)] = 13;
    EXPECT_EQ(voice::firstByteOutOfRange(view(bad)), voice::elementStart(0) + el::kDetune);
    bad = d;
    bad[static_cast<std::size_t>(voice::elementStart(0) + el::kWaveHigh)] = 1;
    bad[static_cast<std::size_t>(voice::elementStart(0) + el::kWaveLow)] = 127; // wave 255
    EXPECT_EQ(voice::firstByteOutOfRange(view(bad)), voice::elementStart(0) + el::kWaveLow);
    bad = d;
    bad[0] = 7; // a control character in the name
    EXPECT_EQ(voice::firstByteOutOfRange(view(bad)), 0);
}

TEST(VoiceLayout, OnlyUnusedElementsMayBeAllZero) {
    auto d = buildVoiceData(voiceOf("Z", element(37, AmpEg::APiano), kBlankElement));
    EXPECT_EQ(voice::firstByteOutOfRange(view(d)), -1);
    d[voice::kElementSwitch] = 0x03; // switch the blank element on
    EXPECT_EQ(voice::firstByteOutOfRange(view(d)), voice::elementStart(1) + el::kVelocityLow);
    EXPECT_EQ(voice::elementCount(view(d)), 2);
}
