// Presses that toggle or choose, the controller list, the hooks and the arrow keys.

#include "screen_test_support.h"

#include "editor/popup_lists.h"
#include "editor/surface_controller.h"

namespace {

using namespace editor;
using namespace editor::testing;

struct Press : EditorFixture {};

TEST_F(Press, ModeFieldTogglesMonoAndPolyWithoutADrag) {
    ASSERT_EQ(value(0, 5), 1);
    press(30, 50);
    EXPECT_FALSE(editor->dragging());
    press(30, 50);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x05, 0), partParam(0, 0x05, 1)}));
}

TEST_F(Press, ReceiveSwitchesToggleAndAnythingButOneBecomesOne) {
    press(110, 12); // "PB", offset 41, address 30
    value(0, 42) = 5;
    press(140, 12); // "CAT"
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x30, 0), partParam(0, 0x31, 1)}));
}

TEST_F(Press, RadioButtonsStoreTheirValue) {
    press(610, 420); // portamento "ON"
    press(690, 436); // key on assign "INST"
    press(605, 436); // "SINGLE"
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x67, 1), partParam(0, 0x06, 2),
                                        partParam(0, 0x06, 0)}));
    EXPECT_FALSE(editor->dragging());
}

TEST_F(Press, ControllerListChoosesTheAssignableControllerNumber) {
    value(0, 82) = 16;
    press(610, 485); // "AC1 ="
    EXPECT_EQ(host.popupShown, PopupList::ControllerNumbers);
    EXPECT_EQ(host.popupX, 594);
    EXPECT_EQ(host.popupSelected, 16);
    ASSERT_EQ(host.popupItems.size(), 96u);
    EXPECT_EQ(host.popupItems[85], "     CRTL.NR 85");
    editor->popupListClicked(PopupList::ControllerNumbers, 7, false);
    EXPECT_EQ(host.popupShown, PopupList::ControllerNumbers); // a single click keeps the list open
    editor->popupListRightPressed(PopupList::ControllerNumbers, 11);
    EXPECT_FALSE(host.popupShown.has_value());
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x59, 7), partParam(0, 0x59, 11)}));

    press(700, 485); // "AC2 ="
    EXPECT_EQ(host.popupX, 684);
    editor->popupListClicked(PopupList::ControllerNumbers, 1, true);
    EXPECT_EQ(value(0, 89), 1);
    // A click in a closed list does nothing.
    backend.clearSent();
    editor->popupListClicked(PopupList::ControllerNumbers, 3, false);
    EXPECT_TRUE(sent().empty());
}

TEST_F(Press, PressOnTheSurfaceHidesTheControllerList) {
    press(610, 485);
    press(300, 450);
    EXPECT_FALSE(host.popupShown.has_value());
}

struct RecordingEffects : EffectHook {
    void press(MouseButton, Modifiers, int x, int y) override { presses.push_back({x, y}); }
    void move(Modifiers, int, int) override { ++moves; }
    void release(MouseButton, Modifiers, int, int) override { ++releases; }
    std::vector<std::pair<int, int>> presses;
    int moves = 0;
    int releases = 0;
};

struct RecordingVoiceLists : VoiceListHook {
    void openVoiceLists(int part) override { opened.push_back(part); }
    std::vector<int> opened;
};

TEST_F(Press, UnclaimedPressesGoToTheEffectEditor) {
    RecordingEffects effects;
    editor->setEffectHook(&effects);
    press(300, 450);
    editor->Ig2MouseMove({}, 301, 451);
    release();
    EXPECT_EQ(effects.presses, (std::vector<std::pair<int, int>>{{300, 450}}));
    EXPECT_EQ(effects.moves, 1);
    EXPECT_EQ(effects.releases, 1);
    press(610, 420); // a radio choice is not offered
    EXPECT_EQ(effects.presses.size(), 1u);
}

TEST_F(Press, VoiceButtonOpensTheVoiceListsForItsPart) {
    RecordingVoiceLists lists;
    editor->setVoiceListHook(&lists);
    press(100, 390); // the third part's voice button
    EXPECT_EQ(lists.opened, (std::vector<int>{2}));
    EXPECT_EQ(editor->currentPart(), 2);
    EXPECT_FALSE(editor->dragging());
}

TEST_F(Press, PointerTakesTheDragShapeOverGraphHandles) {
    editor->Ig2MouseMove({}, 700, 250);
    EXPECT_EQ(host.shapes.back(), PointerShape::Drag);
    editor->Ig2MouseMove({}, 300, 450);
    EXPECT_EQ(host.shapes.back(), PointerShape::Default);
}

// The arrow keys drive the controller directly, whose focus the tests can read.
struct Keys : EditorFixture {
    std::unique_ptr<SurfaceController> surface;
    void SetUp() override {
        EditorFixture::SetUp();
        surface = std::make_unique<SurfaceController>(*image, xg, port, host);
        surface->show();
    }
    int key(ArrowKey k) {
        surface->keyDown(k);
        return surface->keyFocus();
    }
};

TEST_F(Keys, LeftOnPartOneWrapsToPartSixteenWithoutAllNotesOff) {
    key(ArrowKey::Left);
    EXPECT_EQ(surface->currentPart(), 15);
    key(ArrowKey::Right);
    key(ArrowKey::Right);
    EXPECT_EQ(surface->currentPart(), 1);
    EXPECT_EQ(image->currentPart, 1);
    EXPECT_TRUE(sent().empty());
}

TEST_F(Keys, UpAndDownWalkTheStripControlsAndWrap) {
    EXPECT_EQ(key(ArrowKey::Up), 9); // navigation starts at reverb; up wraps to volume
    EXPECT_EQ(key(ArrowKey::Down), 4);
    EXPECT_EQ(key(ArrowKey::Down), 5);
    EXPECT_EQ(key(ArrowKey::Right), 5);
    EXPECT_EQ(surface->drag().yParam, 1 * 104 + 18);
    EXPECT_TRUE(sent().empty());
}

TEST_F(Keys, StatusFieldFollowsTheFocusedStripControl) {
    key(ArrowKey::Right); // the second part, reverb send
    EXPECT_EQ(surface->stripTable().entry(0), (HitRect{4 + 35 - 18, 58, 4 + 35 - 18 + 89, 75}));
    key(ArrowKey::Left); // the first part: no shift to the left
    key(ArrowKey::Up);   // volume
    EXPECT_EQ(surface->stripTable().entry(0), (HitRect{4, 212, 93, 229}));
}

TEST_F(Keys, SwitchedOffControlsAreSkipped) {
    surface->setInsertionMode(true);
    EXPECT_EQ(key(ArrowKey::Down), 5);
    EXPECT_EQ(key(ArrowKey::Down), 8); // variation send is off
    EXPECT_EQ(key(ArrowKey::Up), 5);   // dry level is off
    surface->setInsertionMode(false);
    EXPECT_EQ(key(ArrowKey::Down), 6);
    EXPECT_EQ(key(ArrowKey::Down), 7);
}

TEST_F(Keys, SwitchedOffControlsCannotBePressed) {
    editor->setInsertionMode(true);
    press(31, 146);
    EXPECT_FALSE(editor->dragging());
    editor->setInsertionMode(false);
    press(31, 146);
    EXPECT_TRUE(editor->dragging());
}

} // namespace
