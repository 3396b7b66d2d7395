// The virtual pointer of a drag and the mapping between window and surface pixels.

#include "app/virtual_pointer.h"
#include "app/zoom.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(VirtualPointer, FollowsRealMotionOnlyWhileConfined) {
    VirtualPointer pointer;
    pointer.setPosition(40, 87);
    pointer.syncReal(500, 500);
    pointer.moveReal(510, 480);
    EXPECT_EQ(pointer.x(), 40) << "not confined: the surface maps positions itself";
    EXPECT_EQ(pointer.y(), 87);

    pointer.confine({0, 0, 127, 127});
    pointer.moveReal(511, 479); // one pixel right and up since the last real position
    pointer.moveReal(513, 476);
    EXPECT_EQ(pointer.x(), 43);
    EXPECT_EQ(pointer.y(), 83);

    pointer.release();
    pointer.moveReal(600, 600);
    EXPECT_EQ(pointer.x(), 43) << "released: motion no longer moves it";
    EXPECT_EQ(pointer.y(), 83);
}

TEST(VirtualPointer, ConfinementClampsAndRespondsAtOnceWhenComingBack) {
    VirtualPointer pointer;
    pointer.setPosition(200, -5);
    pointer.confine({0, 0, 127, 127});
    EXPECT_EQ(pointer.x(), 127) << "confining pulls the pointer into the area";
    EXPECT_EQ(pointer.y(), 0);

    pointer.syncReal(0, 0);
    pointer.moveReal(0, -300); // far beyond the top edge
    EXPECT_EQ(pointer.y(), 0);
    pointer.moveReal(0, -299); // one pixel back down
    EXPECT_EQ(pointer.y(), 1);
    pointer.moveReal(0, 10000);
    EXPECT_EQ(pointer.y(), 127) << "bottom edge inclusive";

    pointer.setPosition(-40, 300);
    EXPECT_EQ(pointer.x(), 0);
    EXPECT_EQ(pointer.y(), 127);
}

TEST(VirtualPointer, ZoomScalesMotionDownWithoutLosingFractions) {
    VirtualPointer pointer;
    pointer.setZoomPercent(150);
    pointer.setPosition(40, 87);
    pointer.confine({-10000, -10000, 10000, 10000});
    pointer.syncReal(100, 100);
    for (int i = 1; i <= 3; ++i) pointer.moveReal(100, 100 - i); // 3 window pixels up
    EXPECT_EQ(pointer.y(), 85) << "3 window pixels at 150 % are 2 surface pixels";
    for (int i = 4; i <= 300; ++i) pointer.moveReal(100, 100 - i);
    EXPECT_EQ(pointer.y(), -113) << "300 pixels are exactly 200 surface pixels";

    VirtualPointer doubled;
    doubled.setZoomPercent(200);
    doubled.setPosition(40, 87);
    doubled.confine({0, 0, 127, 127});
    doubled.moveReal(0, -1); // one window pixel at 200 %: half a surface pixel
    EXPECT_EQ(doubled.y(), 86);
    doubled.moveReal(0, -2);
    EXPECT_EQ(doubled.y(), 86);
    doubled.moveReal(0, -3);
    EXPECT_EQ(doubled.y(), 85);
}

TEST(VirtualPointer, ScreenEdgesAreDetectedWithinTheMargin) {
    const draw::HitRect screen{0, 0, 1919, 1079};
    EXPECT_FALSE(nearScreenEdge(960, 540, screen, 100));
    EXPECT_FALSE(nearScreenEdge(100, 100, screen, 100));
    EXPECT_TRUE(nearScreenEdge(99, 540, screen, 100));
    EXPECT_TRUE(nearScreenEdge(960, 1079 - 99, screen, 100));
    EXPECT_TRUE(nearScreenEdge(1820, 540, screen, 100));
    EXPECT_TRUE(nearScreenEdge(960, 0, screen, 100));
}

TEST(Zoom, EverySurfacePixelMapsBackFromItsWindowPoint) {
    for (int zoom : kOfferedZooms) {
        for (int s = 0; s < 800; ++s) {
            ASSERT_EQ(surfaceFromWindow(windowCentreOfSurface(s, zoom), zoom), s)
                << "zoom " << zoom << " pixel " << s;
            ASSERT_EQ(surfaceFromWindow(windowFromSurface(s, zoom), zoom), s);
        }
    }
}

TEST(Zoom, WindowPixelsFallIntoTheEnlargedSquares) {
    EXPECT_EQ(surfaceFromWindow(47, 150), 31);
    EXPECT_EQ(surfaceFromWindow(130, 150), 86);
    EXPECT_EQ(surfaceFromWindow(63, 200), 31);
    EXPECT_EQ(surfaceFromWindow(64, 200), 32);
    EXPECT_EQ(surfaceFromWindow(-1, 150), -1) << "left of the window stays outside";
    EXPECT_EQ(windowLength(872, 150), 1308);
    EXPECT_EQ(windowLength(710, 150), 1065);
    EXPECT_EQ(windowLength(792, 200), 1584);
    EXPECT_TRUE(isOfferedZoom(150));
    EXPECT_FALSE(isOfferedZoom(125));
}

} // namespace
} // namespace app
