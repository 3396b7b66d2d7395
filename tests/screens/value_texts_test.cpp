// The value texts of the status field and the controller names, as tables.

#include "editor/part_controls.h"
#include "editor/value_texts.h"

#include <gtest/gtest.h>

namespace {

using namespace editor;

struct Case {
    ValueForm form;
    int value;
    const char* text;
};

TEST(ValueTexts, EveryFormAtItsEdgesAndCentre) {
    const Case cases[] = {
        {ValueForm::Plain, 0, "0"},
        {ValueForm::Plain, 127, "127"},
        {ValueForm::Signed, 40, "-24"},
        {ValueForm::Signed, 64, "0"},
        {ValueForm::Signed, 88, "24"},
        {ValueForm::Signed, 0, "-64"},
        {ValueForm::Signed, 127, "63"},
        {ValueForm::SignedCent, 0, "-64 cent"},
        {ValueForm::Pan, 0, "RND"},
        {ValueForm::Pan, 1, "<-63"},
        {ValueForm::Pan, 63, "<-1"},
        {ValueForm::Pan, 64, "<-0->"},
        {ValueForm::Pan, 65, "1->"},
        {ValueForm::Pan, 127, "63->"},
        {ValueForm::NoteName, 0, "C -2"},
        {ValueForm::NoteName, 60, "C  3"},
        {ValueForm::NoteName, 61, "C# 3"},
        {ValueForm::NoteName, 127, "G  8"},
        {ValueForm::NoteName, 22, "A#-1"},
        {ValueForm::DetuneHz, 0, "-12.8 Hz"},
        {ValueForm::DetuneHz, 127, "-0.1 Hz"},
        {ValueForm::DetuneHz, 128, "0.0 Hz"},
        {ValueForm::DetuneHz, 255, "12.7 Hz"},
        {ValueForm::FilterCent, 0, "-9600 cent"},
        {ValueForm::FilterCent, 64, "0 cent"},
        {ValueForm::FilterCent, 127, "9450 cent"},
        {ValueForm::AmpPercent, 0, "-100%"},
        {ValueForm::AmpPercent, 1, "-99%"},
        {ValueForm::AmpPercent, 63, "-1%"},
        {ValueForm::AmpPercent, 64, "0%"},
        {ValueForm::AmpPercent, 100, "56%"},
        {ValueForm::AmpPercent, 127, "100%"},
        {ValueForm::Channel, 0, "CH  1"},
        {ValueForm::Channel, 8, "CH  9"},
        {ValueForm::Channel, 9, "CH 10"},
        {ValueForm::Channel, 15, "CH 16"},
        {ValueForm::Channel, 16, " OFF"},
        {ValueForm::Channel, 127, " OFF"},
        {ValueForm::MonoPoly, 0, "Mono"},
        {ValueForm::MonoPoly, 1, "Poly"},
        {ValueForm::OffOn, 0, "Off"},
        {ValueForm::OffOn, 1, "On"},
        {ValueForm::None, 5, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(valueText(c.form, c.value), c.text) << static_cast<int>(c.form) << " " << c.value;
}

TEST(ValueTexts, OutOfRangeValuesAreClamped) {
    EXPECT_EQ(valueText(ValueForm::Pan, 300), "63->");
    EXPECT_EQ(valueText(ValueForm::NoteName, -4), "C -2");
    EXPECT_EQ(valueText(ValueForm::DetuneHz, 999), "12.7 Hz");
    EXPECT_EQ(valueText(ValueForm::AmpPercent, -1), "-100%");
    EXPECT_EQ(controllerName(500), "Phaser");
}

TEST(ValueTexts, AmplitudePercentsRiseSteadily) {
    for (int v = 1; v < 128; ++v)
        EXPECT_LT(std::stoi(ampControlText(v - 1)), std::stoi(ampControlText(v))) << v;
}

TEST(ControllerNames, NamedNumbersAndTheRest) {
    const std::pair<int, const char*> names[] = {
        {0, "Bank LSB"},   {1, "Mod Wheel"},   {3, "CRTL NR 03"}, {7, "Volume"},
        {10, "Pan"},       {32, "Bank MSB"},   {64, "Sustenuto"}, {69, "Hold 2"},
        {84, "PortaCtrl"}, {85, "CRTL.NR 85"}, {91, "Reverb"},    {95, "Phaser"},
    };
    for (const auto& [number, name] : names) EXPECT_EQ(controllerName(number), name) << number;
    for (int n = 0; n < kControllerListSize; ++n) {
        const std::string item = kControllerListItems[static_cast<std::size_t>(n)];
        const int shown =
            item[0] != ' ' ? std::stoi(item.substr(0, 2)) : std::stoi(item.substr(13));
        EXPECT_EQ(shown, n) << item;
    }
}

TEST(PartControls, DescriptorsMatchTheirAddresses) {
    // Every page control edits a byte of the record, and every drag has a range.
    for (int n = 1; n <= kPageControlCount; ++n) {
        const Descriptor& d = kPageDescriptors[static_cast<std::size_t>(n)];
        EXPECT_LT(d.offset, 104) << n;
        if (d.kind != Kind::Button && d.kind != Kind::ControllerSourceButton) {
            EXPECT_LT(d.minimum, d.maximum) << n;
        }
    }
    EXPECT_EQ(kPageDescriptors[34].minimum, 1);
    EXPECT_EQ(kPageDescriptors[35].minimum, 1);
}

TEST(PartControls, ControllerSourceRebindsTheSixKnobs) {
    PartControls controls;
    EXPECT_EQ(controls.page(40).offset, 29);
    controls.SetControllerSource(3);
    EXPECT_EQ(controls.page(40).offset, 70);
    EXPECT_EQ(controls.page(45).offset, 75);
    controls.SetControllerSource(6);
    EXPECT_EQ(controls.page(42).offset, 92);
    controls.SetControllerSource(9); // ignored
    EXPECT_EQ(controls.controllerSource(), 6);
    EXPECT_EQ(controls.page(40).minimum, 40);
    controls.setElementReserveMaximum(50);
    EXPECT_EQ(controls.page(31).maximum, 32);
}

} // namespace
