#include "files/set_file_names.h"

#include <gtest/gtest.h>

namespace {

using files::SetKind;

TEST(SetFileNames, TheOwnExtensionOrMidInAnyCaseProceedsAnythingElseDoesNothing) {
    EXPECT_EQ(files::acceptedSetFileName(SetKind::Set, "/a/song.xgs", 1), "/a/song.xgs");
    EXPECT_EQ(files::acceptedSetFileName(SetKind::Set, "/a/song.Mid", 1), "/a/song.Mid");
    EXPECT_EQ(files::acceptedSetFileName(SetKind::Fx, "hall.XFX", 1), "hall.XFX");
    EXPECT_EQ(files::acceptedSetFileName(SetKind::Set, "hall.xfx", 1), std::nullopt);
    EXPECT_EQ(files::acceptedSetFileName(SetKind::Drums, "kit.txt", 2), std::nullopt);
    EXPECT_EQ(files::acceptedSetFileName(SetKind::Drums, "", 1), std::nullopt);
}

TEST(SetFileNames, ANameWithoutADotTakesTheExtensionOfTheChosenFilter) {
    EXPECT_EQ(files::acceptedSetFileName(SetKind::Drums, "/x.y/kit", 1), "/x.y/kit.XDM");
    EXPECT_EQ(files::acceptedSetFileName(SetKind::Drums, "/x.y/kit", 2), "/x.y/kit.MID");
}

TEST(SetFileNames, DialogTitlesAndTheFilterOfTheLastName) {
    EXPECT_EQ(files::setFileDialogTitle(SetKind::Set, false), "Load Set File");
    EXPECT_EQ(files::setFileDialogTitle(SetKind::Drums, true), "Save Drum File");
    EXPECT_EQ(files::setFileFilterIndex("*.XGS"), 1);
    EXPECT_EQ(files::setFileFilterIndex("/songs/a.mid"), 2);
}

} // namespace
