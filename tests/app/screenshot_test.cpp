// --screenshot: the editor as it first appears, and with --hot its hit rectangles on it.

#include "app/screenshot.h"
#include "app_test_support.h"

#include <QImage>

#include <gtest/gtest.h>

namespace app {
namespace {

QImage written(const std::filesystem::path& file) {
    return QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB32);
}

TEST(Screenshot, WritesTheSurfaceWithoutTouchingTheConfiguration) {
    testing::ScratchDir dir;
    testing::ensureApplication();
    const auto file = dir.path() / "editor.png";
    EXPECT_EQ(writeScreenshot(dir.path(), {file}), "");
    EXPECT_EQ(written(file).size(), QSize(792, 554));
    EXPECT_FALSE(std::filesystem::exists(dir.ini())) << "no configuration is written";
    EXPECT_NE(writeScreenshot(dir.path(), {dir.path() / "missing" / "x.png"}), "");
}

TEST(Screenshot, HotOutlinesTheRectanglesAPressIsTestedAgainst) {
    testing::ScratchDir dir;
    testing::ensureApplication();
    const auto plainFile = dir.path() / "plain.png";
    const auto hotFile = dir.path() / "hot.png";
    ASSERT_EQ(writeScreenshot(dir.path(), {plainFile}), "");
    ASSERT_EQ(writeScreenshot(dir.path(), {hotFile, "editor", true}), "");
    const QImage plain = written(plainFile);
    const QImage hot = written(hotFile);
    ASSERT_EQ(hot.size(), plain.size());
    // The master volume's hot area (715, 26)-(753, 53), as far as the part page lets a press
    // reach: its corners are outlined, its inside away from the label and the knob and the
    // page below it are the picture as it was.
    for (const QPoint corner : {QPoint(715, 26), QPoint(753, 26), QPoint(715, 53), QPoint(753, 53)})
        EXPECT_NE(hot.pixel(corner), plain.pixel(corner)) << corner.x() << "," << corner.y();
    EXPECT_EQ(hot.pixel(750, 50), plain.pixel(750, 50));
    EXPECT_EQ(hot.pixel(715, 60), plain.pixel(715, 60));
    // The first part's volume fader (19, 255)-(42, 268) too.
    EXPECT_NE(hot.pixel(19, 255), plain.pixel(19, 255));
    EXPECT_NE(hot.pixel(42, 268), plain.pixel(42, 268));
}

TEST(Screenshot, TheRangePageAndTheKeyboardWindow) {
    testing::ScratchDir dir;
    testing::ensureApplication();
    const auto range = dir.path() / "range.png";
    EXPECT_EQ(writeScreenshot(dir.path(), {range, "range"}), "");
    EXPECT_EQ(written(range).size(), QSize(583, 309));
    const auto keys = dir.path() / "keyboard.png";
    const auto hot = dir.path() / "keyboard-hot.png";
    EXPECT_EQ(writeScreenshot(dir.path(), {keys, "keyboard"}), "");
    EXPECT_EQ(writeScreenshot(dir.path(), {hot, "keyboard", true}), "");
    EXPECT_EQ(written(keys).size(), QSize(555, 85));
    // "CLOSE" (17, 7)-(110, 23) outlined.
    EXPECT_NE(written(hot).pixel(17, 7), written(keys).pixel(17, 7));
    EXPECT_FALSE(std::filesystem::exists(dir.ini()));
}

TEST(Screenshot, NamesTheScreensItKnows) {
    testing::ScratchDir dir;
    testing::ensureApplication();
    const std::string unknown = writeScreenshot(dir.path(), {dir.path() / "x.png", "mixer"});
    EXPECT_EQ(
        unknown,
        "unknown screen \"mixer\" (editor, range, drums, voice, qs300, keyboard or settings)");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.png"));
}

} // namespace
} // namespace app
