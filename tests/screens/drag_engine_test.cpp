// The drag engine on its own: a recording host and two plain values, with the geometry of
// every screen that drags (the part surface, the effect knobs' long delays, the QS300
// editor's origin box, the drum editor's square and envelope line, the range page's line
// and the virtual keyboard's velocity strip).

#include "editor/drag_engine.h"

#include "screen_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace editor;
using editor::testing::ScriptedHost;

struct Values final : DragTarget {
    int vertical = 0;
    int horizontal = 0;
    int stores = 0;
    int dragValue(DragAxis axis) const override {
        return axis == DragAxis::Vertical ? vertical : horizontal;
    }
    void storeDragValue(DragAxis axis, int value) override {
        ++stores;
        (axis == DragAxis::Vertical ? vertical : horizontal) = value;
    }
};

struct Engine : ::testing::Test {
    ScriptedHost host;
    Values values;
    DragEngine engine{host};

    void begin(const DragSetup& setup, int pressX = 300, int pressY = 200) {
        engine.begin(setup, values, pressX, pressY);
    }
    // Moves the virtual pointer as the window would: clamped into the confinement.
    void moveTo(int x, int y, Modifiers m = {}) {
        const auto [cx, cy] = host.clamp(x, y);
        host.pointerX = cx;
        host.pointerY = cy;
        engine.move(m, cx, cy);
    }
    void moveBy(int dx, int dy, Modifiers m = {}) {
        moveTo(host.pointerX + dx, host.pointerY + dy, m);
    }
    std::pair<int, int> placed() const { return host.positions.back(); }
};

TEST_F(Engine, OneValueSitsOnItsSquareAndStopsAtBothEnds) {
    values.vertical = 64;
    begin(DragSetup::single(0, 127));
    EXPECT_TRUE(engine.active());
    EXPECT_EQ(host.confinement, (HitRect{0, 0, 127, 127}));
    EXPECT_EQ(placed(), (std::pair<int, int>{64, 63}));
    EXPECT_EQ(host.shapes.back(), PointerShape::Hidden);
    moveBy(0, -10);
    EXPECT_EQ(values.vertical, 74);
    moveBy(0, -500);
    EXPECT_EQ(values.vertical, 127);
    moveBy(0, 1000);
    EXPECT_EQ(values.vertical, 0);
    EXPECT_EQ(values.horizontal, 0) << "a one-value drag never names the horizontal axis";

    values.vertical = 60;
    begin(DragSetup::single(40, 88));
    EXPECT_EQ(host.confinement, (HitRect{40, 40, 88, 88}));
    EXPECT_EQ(placed(), (std::pair<int, int>{60, 68}));
}

TEST_F(Engine, AValueOutsideItsRangeIsPlacedOnTheNearerEnd) {
    values.vertical = 300;
    begin(DragSetup::single(0, 16));
    EXPECT_EQ(placed(), (std::pair<int, int>{16, 0}));
}

TEST_F(Engine, LongRangesMoveByTenKeepingTheLastDigit) {
    values.vertical = 3333;
    begin(DragSetup::single(1, 7150, 10));
    EXPECT_EQ(host.confinement, (HitRect{1, 1, 715, 715}));
    EXPECT_EQ(placed(), (std::pair<int, int>{333, 383}));
    moveBy(0, -1);
    EXPECT_EQ(values.vertical, 3343);
    moveBy(0, 2);
    EXPECT_EQ(values.vertical, 3323);
    moveTo(0, 0);
    EXPECT_EQ(values.vertical, 7150);
    moveTo(0, 2000);
    EXPECT_EQ(values.vertical, 1);
}

TEST_F(Engine, ThePointerMustMoveForAStepToCount) {
    values.vertical = 64;
    begin(DragSetup::single(0, 127));
    EXPECT_TRUE(engine.move({}, 64, 62));
    EXPECT_FALSE(engine.move({}, 64, 62));
    EXPECT_EQ(values.stores, 1);
}

TEST_F(Engine, APointFollowsBothAxesAndAReversedAxisRunsLeftwards) {
    values.horizontal = 50;
    values.vertical = 20;
    begin(DragSetup::point({true, 0, 127}, {true, 0, 127}));
    EXPECT_EQ(host.confinement, (HitRect{0, 0, 127, 127}));
    EXPECT_EQ(placed(), (std::pair<int, int>{50, 107}));
    moveBy(5, -3);
    EXPECT_EQ(values.horizontal, 55);
    EXPECT_EQ(values.vertical, 23);

    values.horizontal = 64;
    values.vertical = 64;
    begin(DragSetup::point({true, 0, 127, 1, true}, {true, 0, 127}));
    EXPECT_EQ(placed(), (std::pair<int, int>{63, 63}));
    moveBy(-3, 0);
    EXPECT_EQ(values.horizontal, 67);
    EXPECT_EQ(values.vertical, 64);
    moveTo(500, 63);
    EXPECT_EQ(values.horizontal, 0);
}

TEST_F(Engine, ShiftKeepsTheHorizontalValueAndCtrlTheVerticalOne) {
    values.horizontal = 50;
    values.vertical = 20;
    begin(DragSetup::point({true, 0, 127}, {true, 0, 127}));
    moveBy(10, -10, {.shift = true, .ctrl = false});
    EXPECT_EQ(values.horizontal, 50);
    EXPECT_EQ(values.vertical, 30);
    moveBy(5, -5, {.shift = false, .ctrl = true});
    EXPECT_EQ(values.horizontal, 65);
    EXPECT_EQ(values.vertical, 30);

    // In fine mode too.
    engine.press(MouseButton::Right, host.pointerX, host.pointerY);
    moveBy(10, -10, {.shift = true, .ctrl = false});
    EXPECT_EQ(values.horizontal, 65);
    EXPECT_EQ(values.vertical, 31);
    moveBy(10, -10, {.shift = false, .ctrl = true});
    EXPECT_EQ(values.horizontal, 66);
    EXPECT_EQ(values.vertical, 31);
}

TEST_F(Engine, FineModeStepsOncePerTenPixelsAndLeavingItDoesNotJump) {
    values.vertical = 64;
    begin(DragSetup::single(0, 127));
    EXPECT_TRUE(engine.press(MouseButton::Right, host.pointerX, host.pointerY));
    EXPECT_TRUE(engine.fine());
    EXPECT_EQ(host.confinement, kUnconfinedArea);
    for (int i = 0; i < 25; ++i) moveBy(0, -1);
    EXPECT_EQ(values.vertical, 66);
    // One-value drags of the part surface step with sideways motion too, right raising.
    for (int i = 0; i < 10; ++i) moveBy(1, 0);
    EXPECT_EQ(values.vertical, 67);
    for (int i = 0; i < 20; ++i) moveBy(-1, 0);
    EXPECT_EQ(values.vertical, 65);

    EXPECT_FALSE(engine.release(MouseButton::Right, host.pointerX, host.pointerY));
    EXPECT_FALSE(engine.fine());
    EXPECT_TRUE(engine.active());
    EXPECT_EQ(host.confinement, kUnconfinedArea) << "the pointer stays free and hidden";
    moveBy(0, -1);
    EXPECT_EQ(values.vertical, 66);
    moveBy(0, 3);
    EXPECT_EQ(values.vertical, 63);
}

TEST_F(Engine, FineModeStopsAtTheRangeAndCanIgnoreSidewaysMotion) {
    values.vertical = 2;
    DragSetup setup = DragSetup::single(1, 127);
    setup.fineSideways = false;
    begin(setup);
    engine.press(MouseButton::Right, host.pointerX, host.pointerY);
    for (int i = 0; i < 40; ++i) moveBy(0, 1);
    EXPECT_EQ(values.vertical, 1);
    for (int i = 0; i < 40; ++i) moveBy(1, 0);
    EXPECT_EQ(values.vertical, 1);
}

TEST_F(Engine, LeavingFineModeOnAPointAnchorsEachAxisOnItsOwnValue) {
    values.horizontal = 100;
    values.vertical = 20;
    begin(DragSetup::point({true, 0, 127, 1, true}, {true, 0, 127}));
    engine.press(MouseButton::Right, host.pointerX, host.pointerY);
    for (int i = 0; i < 10; ++i) moveBy(1, -1);
    EXPECT_EQ(values.horizontal, 99) << "reversed: right lowers";
    EXPECT_EQ(values.vertical, 21);
    engine.release(MouseButton::Right, host.pointerX, host.pointerY);
    moveBy(0, -1);
    EXPECT_EQ(values.horizontal, 99);
    EXPECT_EQ(values.vertical, 22);
    moveBy(-2, 0);
    EXPECT_EQ(values.horizontal, 101);
}

TEST_F(Engine, LeavingFineModeCanConfineAndPlaceThePointerAgain) {
    values.vertical = 30;
    DragSetup setup = DragSetup::single(0, 63);
    setup.afterFine = AfterFine::Rearm;
    begin(setup);
    engine.press(MouseButton::Right, host.pointerX, host.pointerY);
    for (int i = 0; i < 20; ++i) moveBy(0, -1);
    EXPECT_EQ(values.vertical, 32);
    engine.release(MouseButton::Right, host.pointerX, host.pointerY);
    EXPECT_EQ(host.confinement, (HitRect{0, 0, 63, 63}));
    EXPECT_EQ(placed(), (std::pair<int, int>{32, 31}));
}

TEST_F(Engine, OnlyTheLeftReleaseEndsADragAndItPutsThePointerBack) {
    values.vertical = 10;
    begin(DragSetup::single(0, 127), 31, 86); // started with either button
    EXPECT_FALSE(engine.release(MouseButton::Right, 64, 117));
    EXPECT_FALSE(engine.release(MouseButton::Middle, 64, 117));
    EXPECT_TRUE(engine.press(MouseButton::Left, 64, 117)) << "a press during a drag is its own";
    EXPECT_FALSE(engine.fine());
    EXPECT_TRUE(engine.active());
    EXPECT_TRUE(engine.release(MouseButton::Left, 64, 117));
    engine.finish();
    EXPECT_FALSE(engine.active());
    EXPECT_FALSE(host.confined);
    EXPECT_EQ(placed(), (std::pair<int, int>{31, 86}));
    EXPECT_EQ(host.shapes.back(), PointerShape::Default);
    EXPECT_FALSE(engine.move({}, 10, 10));
    EXPECT_FALSE(engine.press(MouseButton::Right, 10, 10));

    begin(DragSetup::single(0, 127), 31, 86);
    engine.finish(620, 90); // a graph handle that moved
    EXPECT_EQ(placed(), (std::pair<int, int>{620, 90}));
}

// The QS300 editor: single values in a box at the surface origin + minimum, graph points
// in a box one pixel larger than their ranges, nothing changing outside.
TEST_F(Engine, AnOriginBoxWithoutClampingServesTheVoiceEditor) {
    values.vertical = 40;
    DragSetup single = DragSetup::single(0, 63);
    single.originX = 100;
    single.originY = 50;
    single.outside = OutsideRange::Ignore;
    single.afterFine = AfterFine::Rearm;
    begin(single);
    EXPECT_EQ(host.confinement, (HitRect{100, 50, 163, 113}));
    EXPECT_EQ(placed(), (std::pair<int, int>{140, 73}));
    moveBy(0, -100);
    EXPECT_EQ(values.vertical, 63);

    values.horizontal = 10;
    values.vertical = 100;
    DragSetup point = DragSetup::point({true, 0, 63, 1, true}, {true, 0, 127});
    point.originX = 100;
    point.originY = 50;
    point.confinement = HitRect{100, 50, 164, 178};
    point.outside = OutsideRange::Ignore;
    begin(point);
    EXPECT_EQ(host.confinement, (HitRect{100, 50, 164, 178}));
    EXPECT_EQ(placed(), (std::pair<int, int>{153, 77}));
    moveBy(10, 0);
    EXPECT_EQ(values.horizontal, 0);
    const int stores = values.stores;
    moveTo(164, 60); // one pixel beyond the horizontal range: nothing changes
    EXPECT_EQ(values.stores, stores);
    EXPECT_EQ(values.vertical, 100);
}

// The drum editor: knobs in the 128 x 128 square at the panel origin, the envelope
// handles on a reversed line, the filter in a 128 x 127 box.
TEST_F(Engine, ThePanelSquaresAndLinesServeTheDrumEditor) {
    values.vertical = 100;
    DragSetup knob = DragSetup::single(0, 127);
    knob.originX = 1;
    knob.originY = 56;
    begin(knob);
    EXPECT_EQ(host.confinement, (HitRect{1, 56, 128, 183}));
    EXPECT_EQ(placed(), (std::pair<int, int>{101, 83}));
    moveBy(0, -1);
    EXPECT_EQ(values.vertical, 101);

    values.horizontal = 30;
    DragSetup envelope = DragSetup::line({true, 0, 127, 1, true});
    envelope.originX = 1;
    envelope.originY = 56;
    begin(envelope);
    EXPECT_EQ(host.confinement, (HitRect{1, 56, 128, 56}));
    EXPECT_EQ(placed(), (std::pair<int, int>{98, 56}));
    moveBy(2, 0);
    EXPECT_EQ(values.horizontal, 28) << "right lowers the rate and moves the handle right";

    values.horizontal = 64;
    values.vertical = 10;
    DragSetup filter = DragSetup::point({true, 0, 127}, {true, 0, 127});
    filter.originX = 1;
    filter.originY = 56;
    filter.confinement = HitRect{1, 56, 128, 182};
    begin(filter);
    EXPECT_EQ(placed(), (std::pair<int, int>{65, 173}));
    moveBy(1, -1);
    EXPECT_EQ(values.horizontal, 65);
    EXPECT_EQ(values.vertical, 11);
}

// The range page: a 128-pixel line at the page origin, x is the note; no fine mode.
TEST_F(Engine, AHorizontalLineServesTheRangePage) {
    values.horizontal = 60;
    DragSetup line = DragSetup::line({true, 0, 127});
    line.originX = 1;
    line.originY = 72;
    line.fineMode = false;
    line.outside = OutsideRange::Ignore;
    begin(line, 90, 88);
    EXPECT_EQ(host.confinement, (HitRect{1, 72, 128, 72}));
    EXPECT_EQ(placed(), (std::pair<int, int>{61, 72}));
    moveBy(30, 0);
    EXPECT_EQ(values.horizontal, 90);
    engine.press(MouseButton::Right, host.pointerX, host.pointerY);
    EXPECT_FALSE(engine.fine());
    EXPECT_TRUE(host.confined);
}

// The virtual keyboard: a strip one pixel wide, 1000 pixels right of the window origin.
TEST_F(Engine, AOnePixelStripServesTheVelocityField) {
    values.vertical = 64;
    DragSetup strip = DragSetup::single(0, 127);
    strip.originX = 1000;
    strip.confinement = HitRect{1000, 0, 1000, 127};
    begin(strip, 150, 12);
    EXPECT_EQ(placed(), (std::pair<int, int>{1000, 63}));
    moveTo(1000, 0);
    EXPECT_EQ(values.vertical, 127);
    moveTo(1000, 127);
    EXPECT_EQ(values.vertical, 0);
}

} // namespace
