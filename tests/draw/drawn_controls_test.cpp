#include "draw/drawn_controls.h"

#include "draw/buttons.h"
#include "draw/frames.h"
#include "draw/hot_overlay.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/part_graphs.h"
#include "draw_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace draw {
namespace {

// The bounding box (inclusive) of every pixel a drawing changed.
HitRect changedPixels(const QImage& before, const QImage& after) {
    HitRect box{after.width(), after.height(), -1, -1};
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
    return box;
}

struct Recorded {
    std::vector<DrawnControl> items;
    HitRect changed;
};

Recorded record(const std::function<void(Canvas&)>& paint) {
    testing::ensureApplication();
    QImage image = testing::blankImage(120, 80, ColPanel);
    const QImage before = image.copy();
    DrawnControls controls;
    {
        Canvas canvas(image);
        canvas.setDrawnControls(&controls);
        DrawnOwner owner(canvas, "the control");
        paint(canvas);
    }
    return {controls.items(), changedPixels(before, image)};
}

// Each primitive records exactly the pixels it drew, so a control found outside its hit
// rectangle is really drawn there.
TEST(DrawnControls, EachPrimitiveRecordsTheBoxOfItsPixels) {
    const struct {
        const char* what;
        DrawnKind kind;
        std::function<void(Canvas&)> paint;
    } cases[] = {
        {"knob", DrawnKind::Knob, [](Canvas& c) { DrawPot(c, 30, 20); }},
        {"button", DrawnKind::Button,
         [](Canvas& c) { DrawButton(c, 20, 10, 60, QString(), ButtonUp); }},
        {"pressed button", DrawnKind::Button,
         [](Canvas& c) { DrawButton(c, 20, 10, 60, QString(), ButtonPressed); }},
        {"small button", DrawnKind::Button,
         [](Canvas& c) { DrawSmallButton(c, 20, 10, 60, QString(), ButtonUp); }},
        {"value box", DrawnKind::ValueBox, [](Canvas& c) { DrawValueBox(c, 10, 12, 50, 25); }},
    };
    for (const auto& c : cases) {
        const Recorded r = record(c.paint);
        ASSERT_EQ(r.items.size(), 1u) << c.what;
        EXPECT_EQ(r.items[0].kind, c.kind) << c.what;
        EXPECT_EQ(r.items[0].owner, "the control") << c.what;
        EXPECT_EQ(r.items[0].area, r.changed) << c.what;
    }
}

TEST(DrawnControls, OnlyWhatTheClipShowsIsRecorded) {
    const Recorded clipped = record([](Canvas& c) {
        c.setClip(0, 0, 120, 30);
        DrawPot(c, 30, 20);
    });
    ASSERT_EQ(clipped.items.size(), 1u);
    // The knob's box cut at the clip (the disc is narrower in its top rows than its box).
    EXPECT_EQ(clipped.items[0].area.top, clipped.changed.top);
    EXPECT_EQ(clipped.items[0].area.left, clipped.changed.left);
    EXPECT_EQ(clipped.items[0].area.bottom, 29);
    EXPECT_EQ(clipped.changed.bottom, 29);
    const Recorded hidden = record([](Canvas& c) {
        c.setClip(0, 0, 10, 10);
        DrawPot(c, 30, 20);
    });
    EXPECT_TRUE(hidden.items.empty());
}

TEST(DrawnControls, EnvelopeHandlesAreRecordedWhereTheyShow) {
    testing::ensureApplication();
    QImage image = testing::blankImage(800, 400, ColPanel);
    image::PartRecord part{};
    part[graph_offset::kAttackTime] = 64;
    part[graph_offset::kDecayTime] = 64;
    part[graph_offset::kReleaseTime] = 64;
    DrawnControls controls;
    Canvas canvas(image);
    canvas.setDrawnControls(&controls);
    PartGraphs graphs;
    const AmplitudeHandles handles = graphs.drawAmplitudeEnvelope(part, HandleNone, canvas);
    ASSERT_EQ(controls.items().size(), 3u);
    for (const DrawnControl& drawn : controls.items()) {
        EXPECT_EQ(drawn.kind, DrawnKind::Handle);
        EXPECT_EQ(drawn.area.right - drawn.area.left, 7);
    }
    // The 8 x 8 square lies inside the handle's (inclusive) hit rectangle.
    const HitRect& attack = controls.items()[0].area;
    EXPECT_EQ(attack.left, handles.attack.left);
    EXPECT_EQ(attack.bottom, handles.attack.bottom - 1);
}

TEST(DrawnControls, NothingIsRecordedWithoutARecordAndOwnersNest) {
    testing::ensureApplication();
    QImage image = testing::blankImage(60, 60);
    Canvas canvas(image);
    DrawnOwner ignored(canvas, "nobody listens");
    DrawPot(canvas, 10, 10); // no record: must not crash or record anywhere

    DrawnControls controls;
    canvas.setDrawnControls(&controls);
    {
        DrawnOwner outer(canvas, "outer");
        {
            DrawnOwner inner(canvas, "inner");
            DrawValueBox(canvas, 1, 1, 20, 10);
        }
        DrawValueBox(canvas, 1, 20, 20, 30);
    }
    ASSERT_EQ(controls.items().size(), 2u);
    EXPECT_EQ(controls.items()[0].owner, "inner");
    EXPECT_EQ(controls.items()[1].owner, "outer");
    EXPECT_EQ(controls.owner(), "");
}

TEST(HotOverlay, OutlinesEachRectangleOnItsInclusiveEdges) {
    testing::ensureApplication();
    QImage image = testing::blankImage(100, 60, ColPanel);
    const std::vector<NamedHitRect> rects = {{{10, 10, 40, 30}, "Volume"},
                                             {{50, 10, 90, 50}, "Pan"}};
    {
        Canvas canvas(image);
        DrawHotOverlay(canvas, rects);
    }
    // Corners of both rectangles, right and bottom included, in two different colours.
    const QRgb first = image.pixel(10, 10);
    EXPECT_NE(first & 0xFFFFFF, ColPanel & 0xFFFFFF);
    EXPECT_EQ(image.pixel(40, 30), first);
    EXPECT_EQ(image.pixel(40, 10), first);
    EXPECT_EQ(image.pixel(10, 30), first);
    EXPECT_NE(image.pixel(90, 50), first);
    EXPECT_EQ(image.pixel(90, 50), image.pixel(50, 10));
    // Just outside stays untouched.
    EXPECT_EQ(image.pixel(41, 31) & 0xFFFFFF, ColPanel & 0xFFFFFF);
    EXPECT_EQ(image.pixel(9, 9) & 0xFFFFFF, ColPanel & 0xFFFFFF);
}

} // namespace
} // namespace draw
