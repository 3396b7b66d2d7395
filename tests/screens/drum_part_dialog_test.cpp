// The drum part dialog: its choice starts on setup 1 at every show, "OK " takes it,
// "CANCEL" takes none, and pressing the choice that is already down changes nothing.

#include "drums/drum_part_dialog.h"
#include "screen_test_support.h"

#include <gtest/gtest.h>

namespace drums {
namespace {

// The application (for the fonts) before the dialog paints itself.
struct WithApplication {
    WithApplication() { editor::testing::ensureApplication(); }
};

struct PartDialog : ::testing::Test {
    WithApplication application;
    DrumPartDialog dialog{"D1:Standard Kit", "D2:Rock Kit"};

    bool click(const draw::HitRect& area) { return dialog.mouseDown(area.left + 3, area.top + 3); }
};

TEST_F(PartDialog, OkUntouchedChoosesSetupOne) {
    dialog.show();
    EXPECT_FALSE(click(DrumPartDialog::kSetup1Area)) << "a choice does not close the dialog";
    EXPECT_TRUE(click(DrumPartDialog::kOkArea));
    EXPECT_EQ(dialog.result(), 2);
}

TEST_F(PartDialog, CancelAfterChangingTheChoiceReturnsNothingAndTheNextShowStartsAgain) {
    dialog.show();
    click(DrumPartDialog::kSetup2Area);
    EXPECT_EQ(dialog.choice(), 3);
    EXPECT_TRUE(click(DrumPartDialog::kCancelArea));
    EXPECT_EQ(dialog.result(), 0);

    dialog.show();
    EXPECT_EQ(dialog.choice(), 2);
    click(DrumPartDialog::kSetup2Area);
    EXPECT_TRUE(click(DrumPartDialog::kOkArea));
    EXPECT_EQ(dialog.result(), 3);
    dialog.show();
    EXPECT_EQ(dialog.result(), 0);
}

TEST_F(PartDialog, ThePressedChoiceRedrawsNothingAndTheOtherOneSwapsThePicture) {
    dialog.show();
    const QImage before = dialog.image().copy();
    const int paints = dialog.choicePaints();
    click(DrumPartDialog::kSetup1Area);
    EXPECT_EQ(dialog.choicePaints(), paints);
    EXPECT_EQ(dialog.image(), before);
    click(DrumPartDialog::kSetup2Area);
    EXPECT_EQ(dialog.choicePaints(), paints + 1);
    EXPECT_NE(dialog.image(), before);
    EXPECT_FALSE(dialog.mouseDown(2, 2)) << "outside every area";
}

} // namespace
} // namespace drums
