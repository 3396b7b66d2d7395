// Dragging on the voice editor, with the bytes that reach the module: nothing but mirrored
// part parameters while a value moves, and one whole dump with a fresh checksum at the
// release.

#include "voice_editor_fixture.h"

namespace qs300::testing {
namespace {

using VoiceDrag = VoiceEditorFixture;

TEST_F(VoiceDrag, AnEnvelopePointSendsOneDumpAtTheRelease) {
    openOn(0);
    // Points far enough apart that the attack handle is the one pressed.
    setByte(el::kAmpEgRates + 1, 20);
    setByte(el::kAmpEgRates + 2, 20);
    setByte(el::kAmpEgRates, 40);
    pressOn(editor->pointRect(11)); // the amp EG attack point
    EXPECT_TRUE(host.confined);
    // A rate axis runs reversed: right is a longer segment, a lower rate.
    moveBy(10, 0);
    moveBy(0, -30); // an attack point has no level
    EXPECT_EQ(byte(el::kAmpEgRates), 30);
    EXPECT_TRUE(sent().empty());
    release();
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(checksumHolds(m[0]));
    EXPECT_EQ(dumpElementByte(m[0], 0, el::kAmpEgRates), 30);
    EXPECT_EQ(editor->statusText(), "AMP EG Attack");
    // The pointer goes onto the handle where it now stands.
    const auto handle = editor->pointRect(11);
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{handle.left + 3, handle.top + 3}));
}

TEST_F(VoiceDrag, AMirroredValueSendsThePartParameterEachStepAndOneDump) {
    openOn(2);
    editor->edit().setCommonByte(image::voice::kLevel, 100);
    pressOn(kOverallRects[0]); // "Voice Level"
    moveBy(0, -1);
    moveBy(0, -1);
    moveBy(0, -200); // the pointer stops at the top of the value square
    release();
    const auto m = sent();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0], editor::testing::partParam(2, 0x0B, 101));
    EXPECT_EQ(m[1], editor::testing::partParam(2, 0x0B, 102));
    EXPECT_EQ(m[2], editor::testing::partParam(2, 0x0B, 127));
    EXPECT_TRUE(checksumHolds(m[3]));
    EXPECT_EQ(m[3][image::dumpIndex(image::voice::kLevel)], 127);
}

TEST_F(VoiceDrag, OnAPairTheDumpAndTheMirrorGoToBothParts) {
    openOn(4, true);
    pressOn(kOverallRects[3]); // "Voice Reverb Send Level"
    moveBy(0, -1);
    release();
    const auto m = sent();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0][5], 4);
    EXPECT_EQ(m[1][5], 5);
    EXPECT_EQ(m[2][7], 4);
    EXPECT_EQ(m[3][7], 5);
    EXPECT_TRUE(checksumHolds(m[2]));
    EXPECT_TRUE(checksumHolds(m[3]));
}

TEST_F(VoiceDrag, FineModeStepsOncePerTenPixels) {
    openOn(0);
    setByte(el::kLfoSpeed, 20);
    const ParamRow& speed = kKnobRows[16];
    pressOn(knobRect(speed.x, speed.y));
    press(host.pointerX, host.pointerY, MouseButton::Right);
    for (int i = 0; i < 25; ++i) moveBy(0, -1);
    EXPECT_EQ(byte(el::kLfoSpeed), 22);
    release(MouseButton::Right);
    EXPECT_TRUE(editor->dragging());
    moveBy(0, -100); // back in normal mode: stops at the maximum
    EXPECT_EQ(byte(el::kLfoSpeed), 63);
    release();
    EXPECT_FALSE(editor->dragging());
    EXPECT_EQ(sent().size(), 1u);
}

TEST_F(VoiceDrag, DecayOneBelowDecayTwoTakesItAlongAndShiftKeepsTheRate) {
    openOn(0);
    setByte(el::kAmpEgDecay1Level, 100);
    setByte(el::kAmpEgDecay2Level, 80);
    const int rate = byte(el::kAmpEgRates + 1);
    pressOn(editor->pointRect(10)); // decay 1
    for (int i = 0; i < 50; ++i) {
        moveBy(0, 1, {true, false});
        if (i % 10 == 0) moveBy(-2, 0, {true, false}); // Shift keeps the rate
    }
    EXPECT_EQ(byte(el::kAmpEgDecay1Level), 50);
    EXPECT_EQ(byte(el::kAmpEgDecay2Level), 50);
    EXPECT_EQ(byte(el::kAmpEgRates + 1), rate);
    release();
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(dumpElementByte(m[0], 0, el::kAmpEgDecay2Level), 50);
}

TEST_F(VoiceDrag, ABreakPointPushesItsUpperNeighboursButNotAnEqualLowerOne) {
    openOn(0);
    for (int i = 0; i < 4; ++i) setByte(el::kLevelBreakPoints + i, 24 * (i + 1));
    pressOn(editor->pointRect(2)); // break point 2
    moveTo(124, host.pointerY);
    EXPECT_EQ(byte(el::kLevelBreakPoints + 1), 124);
    EXPECT_EQ(byte(el::kLevelBreakPoints + 2), 125);
    EXPECT_EQ(byte(el::kLevelBreakPoints + 3), 126);
    EXPECT_EQ(editor->statusText().substr(0, 20), "Level Scaling BP 2  ");
    release();
    EXPECT_EQ(editor->statusText(), "Level Scaling Breakpoint 2");

    for (int i = 0; i < 4; ++i) setByte(el::kLevelBreakPoints + i, 24 * (i + 1));
    pressOn(editor->pointRect(1)); // break point 3 down onto break point 2
    moveTo(48, host.pointerY);
    EXPECT_EQ(byte(el::kLevelBreakPoints + 2), 48);
    EXPECT_EQ(byte(el::kLevelBreakPoints + 1), 48);
    EXPECT_EQ(byte(el::kLevelBreakPoints), 24);
    release();
}

TEST_F(VoiceDrag, SetSixThenElementFoursHighLimitMovesOnlyElementFour) {
    use(midi::SynthType::Qs300);
    openOn(0);
    pressOn(rangePresetRect(5));
    release();
    ASSERT_EQ(sent().size(), 1u);
    const auto preset = sent()[0];
    EXPECT_EQ(dumpElementByte(preset, 0, el::kNoteLow), 84);
    EXPECT_EQ(dumpElementByte(preset, 3, el::kNoteHigh), 59);
    backend.clearSent();
    pressOn(editor->rangeHandle(7));
    EXPECT_EQ(editor->currentElement(), 3);
    moveTo(70, host.pointerY);
    release();
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(dumpElementByte(m[0], 3, el::kNoteHigh), 70);
    EXPECT_EQ(dumpElementByte(m[0], 3, el::kNoteLow), 0);
    for (int element = 0; element < 3; ++element) {
        EXPECT_EQ(dumpElementByte(m[0], element, el::kNoteLow),
                  dumpElementByte(preset, element, el::kNoteLow));
        EXPECT_EQ(dumpElementByte(m[0], element, el::kNoteHigh),
                  dumpElementByte(preset, element, el::kNoteHigh));
    }
}

TEST_F(VoiceDrag, ElementsThreeAndFourAreOutOfReachWithoutFourElements) {
    openOn(0); // DB-50, one part: two elements
    press(tabLeft(2) + 10, kTabTop + 5);
    release();
    EXPECT_EQ(editor->currentElement(), 0);
    press(tabLeft(1) + 10, kTabTop + 5);
    release();
    EXPECT_EQ(editor->currentElement(), 1);
    EXPECT_TRUE(sent().empty());
}

TEST_F(VoiceDrag, ValuesOutOfRangeAreShownClampedAndDraggedInRange) {
    openOn(0);
    auto& voice = editor->edit().voice();
    for (int offset = 0; offset < image::kVoiceElementSize; ++offset)
        voice[image::elementIndex(0, offset)] = 127;
    editor->redrawAll(); // no graph or text table reaches past its end
    const ParamRow& speed = kKnobRows[16];
    pressOn(knobRect(speed.x, speed.y));
    moveBy(0, 1);
    release();
    EXPECT_EQ(byte(el::kLfoSpeed), 62);
}

TEST_F(VoiceDrag, ATimedOutSendTellsTheUserAndPressesWaitMeanwhile) {
    use(midi::SynthType::Qs300, true);
    openOn(0);
    const ParamRow& speed = kKnobRows[16];
    bool pressedDuringWait = false;
    xg.handshake().setPump([&] {
        if (pressedDuringWait) return;
        pressedDuringWait = true;
        press(kOverallRects[0].left + 2, kOverallRects[0].top + 2);
    });
    pressOn(knobRect(speed.x, speed.y));
    moveBy(0, -3);
    release();
    EXPECT_TRUE(pressedDuringWait);
    EXPECT_FALSE(editor->dragging()) << "the press during the wait started nothing";
    EXPECT_EQ(alerts, (std::vector<std::string>{"QS300 Timeout"}));
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x30, 0x4C, 0x08, 0x00, 0x00, 0xF7}}));
}

TEST_F(VoiceDrag, AnInitializedElementOnOtherXgGoesOutWithTheNextDrag) {
    use(midi::SynthType::OtherXg);
    openOn(1);
    setByte(el::kLevel, 33);
    editor->initializeElement();
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(byte(el::kLevel), 100);
    const ParamRow& delay = kKnobRows[2]; // "Amp EG Key On Delay"
    pressOn(knobRect(delay.x, delay.y));
    moveBy(0, -2);
    release();
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(checksumHolds(m[0]));
    EXPECT_EQ(dumpElementByte(m[0], 0, el::kLevel), 100);
    EXPECT_EQ(dumpElementByte(m[0], 0, el::kKeyOnDelay), 2);
}

TEST_F(VoiceDrag, ExitCompactsTheElementsSendsOnceAndStoresTheVoice) {
    struct Hooks final : VoiceEditorHooks {
        void voiceEditorClosed(int part, int partAtOpen) override { closed = {part, partAtOpen}; }
        std::pair<int, int> closed{-1, -1};
    } hooks;
    editor->setHooks(&hooks);
    use(midi::SynthType::Qs300);
    openOn(3);
    editor->edit().setCommonByte(image::voice::kElementSwitch, 0x05);
    const auto exitRect = kCommands[4].rect;
    pressOn(exitRect);
    release();
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0][image::dumpIndex(image::voice::kElementSwitch)], 3);
    EXPECT_TRUE(checksumHolds(m[0]));
    EXPECT_EQ(image->partVoices[3][image::dumpIndex(image::voice::kElementSwitch)], 3);
    EXPECT_EQ(hooks.closed, (std::pair<int, int>{3, 3}));
}

} // namespace
} // namespace qs300::testing
