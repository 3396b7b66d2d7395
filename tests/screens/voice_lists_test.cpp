#include "screen_test_support.h"

#include "editor/part_controls.h"
#include "editor/voice_list_layout.h"
#include "editor/voice_lists.h"
#include "image/voice_catalogue.h"
#include "midi/voice_selection.h"

namespace editor::testing {
namespace {

struct VoiceListsFixture : EditorFixture {
    std::unique_ptr<midi::VoiceSelection> selection;
    std::unique_ptr<VoiceLists> lists;

    void SetUp() override {
        EditorFixture::SetUp();
        selection = std::make_unique<midi::VoiceSelection>(*image, xg);
        lists = std::make_unique<VoiceLists>(*image, *selection, *editor, host);
        editor->setVoiceListHook(lists.get());
    }
    void TearDown() override { editor->setVoiceListHook(nullptr); }
    void pressVoiceButton(int part) { press(30 + kStripSpacing * part, 390); }
};

TEST_F(VoiceListsFixture, VoiceButtonOpensTheListOfThePartsVoice) {
    image->part(4, image::offset::kBankLsb) = 18; // MelloGrP
    pressVoiceButton(4);
    EXPECT_EQ(image->currentPart, 4);
    ASSERT_TRUE(lists->open());
    EXPECT_EQ(host.popupShown, voiceListId(0));
    EXPECT_EQ(host.popupSelected, 2);
    EXPECT_EQ(host.popupItems.size(), 39u);
    EXPECT_EQ(host.popupY, 18);
    // Beside the strip, right of it.
    EXPECT_GT(host.popupX, 46 + kStripSpacing * 4);

    // Any other press hides the lists.
    press(700, 20);
    EXPECT_FALSE(lists->open());
    EXPECT_FALSE(host.popupShown);
}

TEST_F(VoiceListsFixture, CategoryThenVoiceSelectsAndRedrawsTheStrip) {
    pressVoiceButton(1);
    backend.clearSent();
    editor->popupListClicked(PopupList::VoiceCategories, 5, false);
    EXPECT_EQ(host.popupShown, voiceListId(5));
    EXPECT_EQ(host.popupSelected, -1);
    host.repaints.clear();
    editor->popupListClicked(voiceListId(5), 0, false);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(1, 7, 0), partParam(1, 1, 0), partParam(1, 2, 0),
                                        partParam(1, 3, 40)}));
    EXPECT_FALSE(lists->open());
    EXPECT_FALSE(host.popupShown);
    EXPECT_FALSE(host.repaints.empty());
    EXPECT_EQ(image->part(1, image::offset::kProgram), 40);
}

TEST(VoiceListLayout, ListsStandBesideTheStripInsideTheSurface) {
    for (int width : {113, 226}) {
        for (int part = 0; part < 16; ++part) {
            const ListLefts lefts = voiceListLefts(part, width);
            const int stripLeft = 14 + kStripSpacing * part;
            const int stripRight = 46 + kStripSpacing * part;
            const int left = std::min(lefts.category, lefts.voices);
            const int right = std::max(lefts.category + 89, lefts.voices + width);
            EXPECT_GE(left, 0) << part;
            EXPECT_LE(right, kSurfaceWidth) << part;
            EXPECT_TRUE(left > stripRight || right < stripLeft) << part;
        }
    }
}

TEST_F(VoiceListsFixture, QsListsFollowTheBank) {
    pressVoiceButton(0);
    editor->popupListClicked(PopupList::VoiceCategories, image::kQsUserList, false);
    EXPECT_EQ(host.popupItems[127].substr(11), image::voiceRecordName(image->bank[127]));
    image->bank[127][0] = 'Z';
    lists->refillQsLists();
    EXPECT_EQ(host.popupItems[127][11], 'Z');
}

TEST(VoiceListLayout, PlainListsAreAsTallAsTheirItems) {
    const VoiceListStyle plain{false, 0};
    EXPECT_EQ(voiceListPlace(5, 12, plain).height, 12 * 13 + 5);
    EXPECT_EQ(voiceListPlace(12, 56, plain).height, 57 / 2 * 13 + 18);
    // The long two-column lists stop at the bottom of the surface.
    EXPECT_EQ(voiceListPlace(18, 128, plain).height, kSurfaceHeight - 40);
    const VoiceListStyle graphic{true, 7};
    EXPECT_EQ(voiceListPlace(17, 128, graphic).height, 408);
    EXPECT_EQ(voiceListPlace(0, 39, graphic).height, 473);
    EXPECT_EQ(voiceListNumber(voiceListId(18)), 18);
    EXPECT_FALSE(voiceListNumber(PopupList::VoiceCategories));
}

} // namespace
} // namespace editor::testing

namespace editor::testing {
namespace {

TEST_F(VoiceListsFixture, PairedPartsShareOneWideVoiceButton) {
    // Between the third and fourth strips' buttons, on the button's middle row.
    const int gapX = 46 + kStripSpacing * 2;
    const QRgb before = editor->image().pixel(gapX, 391);
    image->bank[0][image::kVoiceElementSwitchByte] = 0x0F;
    pressVoiceButton(3);
    lists->ListB0Click(image::kQsUserList, 0);
    EXPECT_NE(editor->image().pixel(gapX, 391), before);
    // An XG voice on the second part releases the pair: two buttons again.
    pressVoiceButton(3);
    lists->ListB0Click(0, 0);
    EXPECT_EQ(editor->image().pixel(gapX, 391), before);
}

} // namespace
} // namespace editor::testing
