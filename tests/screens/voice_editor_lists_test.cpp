// The lists over the voice editor (envelope templates, wave categories and waves), the
// voice name field's rules, the strip's envelope view and the playable keyboard.

#include "image/qs300_templates.h"
#include "voice_editor_fixture.h"

namespace qs300::testing {
namespace {

using VoiceLists = VoiceEditorFixture;

int itemOf(const std::vector<std::string>& items, const std::string& name) {
    const auto it = std::find(items.begin(), items.end(), name);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

TEST_F(VoiceLists, ThePitchTemplateReleaseMinusTwelveAppliesAtOnce) {
    openOn(0);
    pressOn(kSwitches[32].rect); // pitch EG templates
    release();
    ASSERT_EQ(host.popupShown, kPitchTemplateList);
    EXPECT_EQ(host.popupItems.front(), "User Pitch EG");
    EXPECT_EQ(host.popupSelected, 0);
    const int item = itemOf(host.popupItems, "Release-12");
    ASSERT_GT(item, 0);
    editor->popupListClicked(kPitchTemplateList, item, false);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(byte(el::kPitchEgRates + i), 0);
    EXPECT_EQ(byte(el::kPitchEgRates + 3), 63);
    EXPECT_EQ(byte(el::kPitchEgLevels + 4), 1);
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(checksumHolds(m[0]));
    EXPECT_EQ(host.popupShown, kPitchTemplateList) << "a click leaves the list open";
    editor->popupListClicked(kPitchTemplateList, item, true);
    EXPECT_FALSE(host.popupShown) << "a double click closes it";
}

TEST_F(VoiceLists, TheUserEntryRestoresTheEnvelopeTheListOpenedWith) {
    openOn(0);
    setByte(el::kAmpEgDecay1Level, 90);
    setByte(el::kAmpEgDecay2Level, 30);
    std::vector<int> before;
    for (int o = el::kAmpEgRates; o <= el::kAmpEgDecay2Level; ++o) before.push_back(byte(o));
    pressOn(kSwitches[30].rect);
    release();
    ASSERT_EQ(host.popupShown, kAmpTemplateList);
    EXPECT_EQ(host.popupItems.front(), "User Amp EG");
    // "StabBrass" holds decay 2 above decay 1: a template is taken as it stands.
    editor->popupListClicked(kAmpTemplateList, itemOf(host.popupItems, "StabBrass"), false);
    EXPECT_EQ(byte(el::kAmpEgDecay1Level), 109);
    EXPECT_EQ(byte(el::kAmpEgDecay2Level), 127);
    editor->popupListClicked(kAmpTemplateList, 0, false);
    std::vector<int> after;
    for (int o = el::kAmpEgRates; o <= el::kAmpEgDecay2Level; ++o) after.push_back(byte(o));
    EXPECT_EQ(after, before);
    EXPECT_EQ(sent().size(), 2u);
    editor->popupListRightPressed(kAmpTemplateList, 3);
    EXPECT_FALSE(host.popupShown);
}

TEST_F(VoiceLists, AnUnknownWaveShowsGrandAndOpensOnTheFirstList) {
    openOn(0);
    setByte(el::kWaveHigh, 1);
    setByte(el::kWaveLow, 120); // wave 248: no list holds it
    pressOn(kSwitches[33].rect);
    release();
    EXPECT_EQ(host.popupShown, kWaveList);
    EXPECT_EQ(host.popupItems.front(), "Grand");
    EXPECT_EQ(host.popupSelected, 0);
    EXPECT_EQ(host.popupY, 16 * 34 - 250);
    // A category shows its list; a wave applies at once.
    editor->popupListClicked(kWaveCategoryList, 8, false);
    ASSERT_EQ(host.popupItems.at(1), "Saw");
    editor->popupListClicked(kWaveList, 1, false);
    EXPECT_EQ(byte(el::kWaveHigh) * 128 + byte(el::kWaveLow), 95);
    ASSERT_EQ(sent().size(), 1u);
    EXPECT_TRUE(checksumHolds(sent()[0]));
    // The next press on the surface closes the lists.
    press(700, 200);
    release();
    EXPECT_FALSE(host.popupShown);
}

TEST_F(VoiceLists, TheNameFieldCapitalisesAtTheEndAndKeepsTheNameWhenEmptied) {
    EXPECT_EQ(VoiceEditor::nameFieldKey('b', 3, 3), 'B');
    EXPECT_EQ(VoiceEditor::nameFieldKey('b', 0, 0), 'B');
    EXPECT_EQ(VoiceEditor::nameFieldKey('b', 1, 3), 'b');
    EXPECT_EQ(VoiceEditor::nameFieldKey('7', 3, 3), '7');
    openOn(0);
    editor->nameFieldDone("");
    auto name = image::voiceNameOf(editor->edit().voice());
    EXPECT_EQ(std::string(name.begin(), name.end()), "Aurora    ");
    editor->nameFieldDone("Nordlicht");
    name = image::voiceNameOf(editor->edit().voice());
    EXPECT_EQ(std::string(name.begin(), name.end()), "Nordlicht ");
    EXPECT_TRUE(sent().empty()) << "the name goes with the next send";
}

TEST_F(VoiceLists, EnvelopePointsShowTheEgDataWhileTheyMoveUnlessPinned) {
    openOn(0);
    EXPECT_FALSE(editor->egDataShown());
    pressOn(editor->pointRect(15)); // filter EG attack
    EXPECT_TRUE(editor->egDataShown());
    release();
    EXPECT_FALSE(editor->egDataShown());
    pressOn(kCommands[3].rect); // "EG DATA"
    release();
    EXPECT_TRUE(editor->egDataShown());
    pressOn(editor->pointRect(15));
    release();
    EXPECT_TRUE(editor->egDataShown()) << "pinned";
    // The strip now edits the envelope values.
    pressOn(stripRect(0));
    moveBy(0, -1);
    release();
    ASSERT_FALSE(sent().empty());
    EXPECT_EQ(dumpElementByte(sent().back(), 0, el::kAmpEgRates), byte(el::kAmpEgRates));
}

TEST_F(VoiceLists, TheKeyboardPlaysOnThePartsChannel) {
    openOn(2);
    image->part(2, image::offset::kReceiveChannel) = 5;
    editor->setVelocity(90);
    // Middle C: octave 5 of the keyboard, its first white key.
    const int x = kRangeKeyboardLeft + 42 * 5 + 1;
    press(x, kRangeKeyboardTop + 35);
    moveTo(x + 6, kRangeKeyboardTop + 35); // onto D
    release();
    EXPECT_EQ(sent(),
              (std::vector<Msg>{{0x95, 60, 90}, {0x95, 60, 0}, {0x95, 62, 90}, {0x95, 62, 0}}));
    // The released key shows that it lies inside the element's range.
    const int keyX = rangeNoteX(62) + 2;
    EXPECT_EQ(editor->image().pixel(keyX, kRangeKeyboardTop + 33) & 0xFFFFFF, 0x96D296u);
}

} // namespace
} // namespace qs300::testing
