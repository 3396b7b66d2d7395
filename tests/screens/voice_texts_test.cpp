// The voice editor's value texts, including values from a file that lie outside their
// forms' tables.

#include "qs300/voice_texts.h"

#include <gtest/gtest.h>

namespace qs300 {
namespace {

TEST(VoiceTexts, EveryFormAndItsEnds) {
    EXPECT_EQ(noteName(0), "C -2");
    EXPECT_EQ(noteName(23), "B -1");
    EXPECT_EQ(noteName(60), "C  3");
    EXPECT_EQ(noteName(127), "G  8");
    EXPECT_EQ(formText(Form::Pan, 0), "<-7");
    EXPECT_EQ(formText(Form::Pan, 7), "<0>");
    EXPECT_EQ(formText(Form::Pan, 15), "SCALE");
    EXPECT_EQ(formText(Form::Pan, 99), "SCALE");
    EXPECT_EQ(formText(Form::Cent, 14), "-50 cent");
    EXPECT_EQ(formText(Form::ScalingRate, 4), " 5%");
    EXPECT_EQ(formText(Form::ScalingRate, 90), "0%");
    EXPECT_EQ(formText(Form::EgDepth, 0), "1/2 oct");
    EXPECT_EQ(formText(Form::EgDepth, 3), "4 oct");
    EXPECT_EQ(formText(Form::AmpControl, 0), "-100%");
    EXPECT_EQ(formText(Form::AmpControl, 64), "0%");
    EXPECT_EQ(formText(Form::AmpControl, 127), "100%");
    EXPECT_EQ(formText(Form::CutoffControl, 0), "-9600");
    EXPECT_EQ(formText(Form::CutoffControl, 127), "9450");
    EXPECT_EQ(formText(Form::PitchControl, 40), "-24");
    EXPECT_EQ(formText(Form::Signed, 250), "63");
    EXPECT_EQ(formText(Form::Number, -3), "0");
}

} // namespace
} // namespace qs300
