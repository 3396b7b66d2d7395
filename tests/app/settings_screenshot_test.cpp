// --screenshot FILE --screen settings: the first page of "Settings" as a picture.

#include "app/screenshot.h"
#include "app_test_support.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace app {
namespace {

TEST(SettingsScreenshot, WritesTheFirstPageWithoutTouchingTheConfiguration) {
    testing::ScratchDir dir;
    testing::ensureApplication();
    const auto file = dir.path() / "settings.png";
    ASSERT_EQ(writeScreenshot(dir.path(), {file, "settings"}), "");
    const QImage picture(QString::fromStdString(file.string()));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), 250);
    EXPECT_GT(picture.height(), 250);
    // Not a blank picture: text and frames give it a handful of colours at least.
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 4u);
    EXPECT_FALSE(std::filesystem::exists(dir.ini()));
}

} // namespace
} // namespace app
