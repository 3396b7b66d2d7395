// Dragging controls of the part editor through its three mouse handlers, with the bytes
// that reach the module.

#include "screen_test_support.h"

#include "draw/canvas.h"
#include "draw/part_graphs.h"
#include "editor/part_controls.h"

#include <algorithm>

namespace {

using namespace editor;
using namespace editor::testing;
namespace off = image::offset;

constexpr int kReverbAddress = 0x13;

struct Drag : EditorFixture {};

TEST_F(Drag, TenPixelsUpSendTenStepsAndStopAtTheTop) {
    value(0, 19) = 64;
    press(31, 86);
    ASSERT_TRUE(editor->dragging());
    EXPECT_EQ(host.confines.back(), (HitRect{0, 0, 127, 127}));
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{64, 63}));
    EXPECT_EQ(host.shapes.back(), PointerShape::Hidden);
    for (int i = 0; i < 10; ++i) moveBy(0, -1);
    std::vector<Msg> expected;
    for (int v = 65; v <= 74; ++v) expected.push_back(partParam(0, kReverbAddress, v));
    EXPECT_EQ(sent(), expected);

    backend.clearSent();
    moveBy(0, -500);
    moveBy(0, -500);
    moveBy(30, -20);
    EXPECT_EQ(value(0, 19), 127);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, kReverbAddress, 127)}));
}

TEST_F(Drag, ReleasePutsThePointerBackAtThePress) {
    press(25, 80);
    moveBy(0, -3);
    release();
    EXPECT_FALSE(editor->dragging());
    EXPECT_FALSE(host.confined);
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{25, 80}));
    EXPECT_EQ(host.shapes.back(), PointerShape::Default);
}

TEST_F(Drag, PressOnAnotherPartSendsAllNotesOffOnTheOldChannelFirst) {
    value(15, 19) = 10;
    press(545, 75); // top-left corner of the sixteenth part's reverb knob
    EXPECT_EQ(editor->currentPart(), 15);
    EXPECT_EQ(image->currentPart, 15);
    moveBy(0, -1);
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xB0, 0x7B, 0x00}, partParam(15, kReverbAddress, 11)}));
}

// A message box about to show ends the drag as the left release would, and sends nothing.
TEST_F(Drag, AnEndedDragLeavesNothingBehindAndTheNextPressStartsAfresh) {
    value(0, 19) = 40;
    press(31, 86);
    moveBy(0, -4);
    backend.clearSent();
    editor->endDrag();
    EXPECT_FALSE(editor->dragging());
    EXPECT_FALSE(host.confined);
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{31, 86}));
    EXPECT_EQ(host.shapes.back(), PointerShape::Default);
    EXPECT_TRUE(sent().empty());
    // The knob in its normal colours and no status field: the same as painted afresh.
    const QImage after = editor->image().copy();
    editor->redrawAll();
    EXPECT_EQ(after, editor->image());

    // The release that the box swallowed never comes; the next press is a new drag.
    value(1, 19) = 70;
    press(60, 86); // the second part's reverb send
    moveBy(0, -1);
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xB0, 0x7B, 0x00}, partParam(1, kReverbAddress, 71)}));
    EXPECT_EQ(value(0, 19), 44);
}

TEST_F(Drag, RectangleEdgesAreInside) {
    editor->selectPart(15);
    press(568, 98); // bottom-right corner
    EXPECT_TRUE(editor->dragging());
    release();
    press(569, 98);
    EXPECT_FALSE(editor->dragging());
    press(568, 99);
    EXPECT_FALSE(editor->dragging());
}

TEST_F(Drag, FineModeStepsOncePerTenPixelsAndReleasingItDoesNotJump) {
    value(0, 19) = 64;
    press(31, 86);
    press(host.pointerX, host.pointerY, MouseButton::Right);
    EXPECT_EQ(host.confines.back(), (HitRect{-10000, -10000, 10000, 10000}));
    for (int i = 0; i < 25; ++i) moveBy(0, -1);
    EXPECT_EQ(value(0, 19), 66);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, kReverbAddress, 65),
                                        partParam(0, kReverbAddress, 66)}));
    release(MouseButton::Right);
    EXPECT_TRUE(editor->dragging());
    backend.clearSent();
    moveBy(0, -1);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, kReverbAddress, 67)}));
    release();
    EXPECT_FALSE(editor->dragging());
}

TEST_F(Drag, LeavingFineModeOnAGraphKeepsBothAxesWhereTheyAre) {
    value(0, 24) = 100; // cutoff across
    value(0, 25) = 20;  // resonance up
    press(700, 250);
    press(host.pointerX, host.pointerY, MouseButton::Right);
    for (int i = 0; i < 10; ++i) moveBy(0, -1);
    EXPECT_EQ(value(0, 25), 21);
    release(MouseButton::Right);
    backend.clearSent();
    moveBy(1, 0);
    EXPECT_EQ(value(0, 24), 101);
    EXPECT_EQ(value(0, 25), 21);
    moveBy(0, -1);
    EXPECT_EQ(value(0, 25), 22);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x19, 21), partParam(0, 0x18, 101),
                                        partParam(0, 0x19, 22), partParam(0, 0x18, 101)}));
}

TEST_F(Drag, FineModeCountsSidewaysMotionOnAKnobToo) {
    value(0, 19) = 64;
    press(31, 86);
    press(host.pointerX, host.pointerY, MouseButton::Right);
    for (int i = 0; i < 10; ++i) moveBy(1, 0);
    EXPECT_EQ(value(0, 19), 65);
    for (int i = 0; i < 20; ++i) moveBy(-1, 0);
    EXPECT_EQ(value(0, 19), 63);
}

TEST_F(Drag, RightPressOutsideADragStartsOneThatEndsWithTheLeftRelease) {
    press(31, 86, MouseButton::Right);
    EXPECT_TRUE(editor->dragging());
    release(MouseButton::Right);
    EXPECT_TRUE(editor->dragging());
    release();
    EXPECT_FALSE(editor->dragging());
}

TEST_F(Drag, CtrlFreezesTheVerticalAxis) {
    value(0, 19) = 64;
    press(31, 86);
    moveBy(0, -5, {.shift = false, .ctrl = true});
    EXPECT_EQ(value(0, 19), 64);
    EXPECT_TRUE(sent().empty());
}

TEST_F(Drag, ShiftFreezesTheHorizontalAxisOfAGraph) {
    value(0, 24) = 50; // cutoff
    value(0, 25) = 20; // resonance
    press(700, 250);
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{50, 107}));
    moveBy(10, -10, {.shift = true, .ctrl = false});
    EXPECT_EQ(value(0, 24), 50);
    EXPECT_EQ(value(0, 25), 30);
    moveBy(5, -5, {.shift = false, .ctrl = true});
    EXPECT_EQ(value(0, 24), 65);
    EXPECT_EQ(value(0, 25), 30);
}

TEST_F(Drag, FilterPadAndVibratoGraphReachBothEndsOnBothAxes) {
    press(700, 250);
    moveTo(-50, 500);
    EXPECT_EQ(value(0, 24), 0);
    EXPECT_EQ(value(0, 25), 0);
    backend.clearSent();
    moveTo(900, -50);
    EXPECT_EQ(value(0, 24), 127);
    EXPECT_EQ(value(0, 25), 127);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x19, 127), partParam(0, 0x18, 127)}));
    release();

    press(640, 320);
    moveTo(-50, 500);
    EXPECT_EQ(value(0, 21), 0);
    EXPECT_EQ(value(0, 22), 0);
    moveTo(900, -50);
    EXPECT_EQ(value(0, 21), 127);
    EXPECT_EQ(value(0, 22), 127);
    release();
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{677, 321}));
}

TEST_F(Drag, FilterPadPutsThePointerBesideThePointItLeft) {
    value(0, 24) = 100; // cutoff
    value(0, 25) = 40;  // resonance
    press(700, 250);
    moveBy(-30, 20);
    release();
    // Where the filter point is drawn for the values reached, on a scratch surface.
    image::PartRecord record{};
    std::copy_n(image->parts.begin(), record.size(), record.begin());
    QImage scratch(kSurfaceWidth, kSurfaceHeight, QImage::Format_RGB32);
    draw::Canvas canvas(scratch);
    const QPoint point = draw::PartGraphs().drawFilter(record, 0, canvas);
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{point.x() + 4, point.y() + 2}));
}

TEST_F(Drag, AmplitudeHandleFollowsXAlongALine) {
    value(0, 26) = 30; // attack: handle at 607 + 10
    editor->redrawAll();
    press(620, 82);
    EXPECT_EQ(host.confines.back(), (HitRect{0, 0, 127, 0}));
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{30, 0}));
    moveBy(6, 0);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x1A, 36)}));
    release();
    const auto [x, y] = host.positions.back();
    EXPECT_EQ(x, 607 + 36 / 3 + 4);
    EXPECT_EQ(y, 78 + 4);
}

TEST_F(Drag, PitchAttackHandleRunsItsTimeAxisReversed) {
    value(0, 98) = 64; // initial level
    value(0, 99) = 64; // attack time
    editor->redrawAll();
    // Handle centre: (597 + 76 - 21 + 4, 141 + 53 - 21 + 4)
    press(656, 177);
    ASSERT_TRUE(editor->dragging());
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{63, 63}));
    moveBy(-3, 0);
    EXPECT_EQ(value(0, 99), 67);
    EXPECT_EQ(value(0, 98), 64);
}

TEST_F(Drag, ReceiveChannelAtTheTopIsOffAndSentAs127) {
    value(0, off::kReceiveChannel) = 14;
    press(30, 60);
    moveBy(0, -1);
    moveBy(0, -1);
    EXPECT_EQ(value(0, off::kReceiveChannel), 127);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x04, 15), partParam(0, 0x04, 127)}));
    release();
    // Off reads as the top of the range: one step down is channel 16 again.
    press(30, 60);
    EXPECT_EQ(host.positions.back(), (std::pair<int, int>{16, 0}));
    moveBy(0, 1);
    EXPECT_EQ(value(0, off::kReceiveChannel), 15);
}

TEST_F(Drag, ElementReserveTakesWhatTheOtherPartsLeave) {
    for (int part = 0; part < 16; ++part) value(part, 0) = 0;
    press(760, 436);
    EXPECT_EQ(host.confines.back(), (HitRect{0, 0, 32, 32}));
    moveBy(0, -200);
    EXPECT_EQ(value(0, 0), 32);
    release();

    for (int part = 0; part < 16; ++part) value(part, 0) = 2;
    press(760, 436);
    // The other fifteen parts hold 30 of the 32 elements.
    EXPECT_EQ(host.confines.back(), (HitRect{0, 0, 2, 2}));
    moveBy(0, 200);
    EXPECT_EQ(value(0, 0), 0);
}

TEST_F(Drag, ElementReserveAboveWhatIsLeftIsSentWhenCutBack) {
    // A loaded set may hold more elements than the module has: this part keeps 10 while
    // the others use 27. Touching its box cuts it back to the 5 left free, and the module
    // must hear of that, not only the image.
    for (int part = 0; part < 16; ++part) value(part, 0) = 0;
    value(0, 0) = 10;
    value(1, 0) = 27;
    press(760, 436);
    EXPECT_EQ(host.confines.back(), (HitRect{0, 0, 5, 5}));
    moveBy(1, 0);
    EXPECT_EQ(value(0, 0), 5);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x00, 5)}));
}

TEST_F(Drag, ScaleTuningKeysAreHitUpToTheirRightAndBottomEdges) {
    value(0, 58) = 64;
    press(625, 407); // bottom-right corner of C, where D's rectangle begins as well
    ASSERT_TRUE(editor->dragging());
    moveBy(0, -1);
    release();
    value(0, 59) = 64;
    press(633, 389); // bottom-right corner of C sharp
    ASSERT_TRUE(editor->dragging());
    moveBy(0, -1);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x41, 65), partParam(0, 0x42, 65)}));
}

TEST_F(Drag, MiddleButtonChangesNothing) {
    press(31, 86, MouseButton::Middle);
    EXPECT_FALSE(editor->dragging());
    EXPECT_TRUE(host.confines.empty());
    press(31, 86);
    editor->Ig2MouseUp(MouseButton::Middle, {}, host.pointerX, host.pointerY);
    EXPECT_TRUE(editor->dragging());
    press(31, 86, MouseButton::Middle);
    EXPECT_TRUE(editor->dragging());
    EXPECT_TRUE(sent().empty());
}

TEST_F(Drag, DestinationKnobsFollowTheControllerSource) {
    press(665, 540); // "CAT"
    release();
    value(0, 70) = 64;
    press(605, 510); // "PITCH"
    EXPECT_EQ(host.confines.back(), (HitRect{40, 40, 88, 88}));
    moveBy(0, -1);
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(0, 0x4D, 65)}));
    EXPECT_EQ(value(0, 70), 65);
}

TEST_F(Drag, DetuneGoesOutAsTwoNibbles) {
    EXPECT_EQ(value(0, 9), 128);
    press(750, 390);
    EXPECT_EQ(host.confines.back(), (HitRect{0, 0, 255, 255}));
    moveBy(0, -1);
    moveBy(0, 1);
    const Msg detune128{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x09, 0x08, 0x00, 0xF7};
    const Msg detune129{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x09, 0x08, 0x01, 0xF7};
    EXPECT_EQ(sent(), (std::vector<Msg>{detune129, detune128}));
}

TEST_F(Drag, VelocityLimitsNeverGoBelowOne) {
    value(0, 102) = 5;
    press(665, 450);
    EXPECT_EQ(host.confines.back(), (HitRect{1, 1, 127, 127}));
    moveBy(0, 500);
    EXPECT_EQ(value(0, 102), 1);
    press(host.pointerX, host.pointerY, MouseButton::Right);
    for (int i = 0; i < 40; ++i) moveBy(0, 1);
    EXPECT_EQ(value(0, 102), 1);
    release();
    value(0, 103) = 3;
    press(695, 450);
    for (int i = 0; i < 10; ++i) moveBy(0, 1);
    EXPECT_EQ(value(0, 103), 1);
}

// Re-anchored after fine mode, the square must still end at the minimum: one pixel further
// down used to give 0 for a range of 1..127.
TEST_F(Drag, LeavingFineModeKeepsARangeThatStartsAboveZero) {
    value(0, 102) = 5; // velocity limit low, 1..127
    press(665, 450);
    press(host.pointerX, host.pointerY, MouseButton::Right);
    moveBy(0, -10);
    release(MouseButton::Right);
    backend.clearSent();
    for (int i = 0; i < 20; ++i) moveBy(0, 1);
    EXPECT_EQ(value(0, 102), 1);
    std::vector<Msg> expected;
    for (int v = 5; v >= 1; --v) expected.push_back(partParam(0, 0x6D, v));
    EXPECT_EQ(sent(), expected);
}

TEST_F(Drag, NoteLimitsPushEachOtherWithoutSendingThePushedOne) {
    value(0, 15) = 50;
    value(0, 16) = 60;
    press(725, 450); // low limit
    for (int i = 0; i < 15; ++i) moveBy(0, -1);
    EXPECT_EQ(value(0, 15), 65);
    EXPECT_EQ(value(0, 16), 65);
    std::vector<Msg> expected;
    for (int v = 51; v <= 65; ++v) expected.push_back(partParam(0, 0x0F, v));
    EXPECT_EQ(sent(), expected);
    release();
    backend.clearSent();
    press(755, 450); // high limit
    for (int i = 0; i < 20; ++i) moveBy(0, 1);
    EXPECT_EQ(value(0, 16), 45);
    EXPECT_EQ(value(0, 15), 45);
    expected.clear();
    for (int v = 64; v >= 45; --v) expected.push_back(partParam(0, 0x10, v));
    EXPECT_EQ(sent(), expected);
}

} // namespace
