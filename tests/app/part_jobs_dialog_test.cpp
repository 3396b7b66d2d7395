// "Copy Part" and "Initialize Part" as the user meets them.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/part_copy_dialog.h"
#include "app/startup.h"
#include "editor/voice_naming.h"

#include "app_test_support.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace app {
namespace {

namespace off = image::offset;

template <typename T> T* control(QWidget& dialog, const QString& name) {
    auto* found = dialog.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

struct JobsFixture : testing::SessionFixture {
    std::unique_ptr<TMF> window;
    JobsFixture() {
        dir.writeIni(testing::kVirtualOutIni);
        window = startUp(session, prompts, {});
        backend.clearSent();
    }
};

TEST(CopyPartDialog, StartsWithNoTargetAndChannelUnchecked) {
    JobsFixture f;
    f.session.image().currentPart = 2;
    f.session.image().part(4, off::kBankMsb) = image::kBankQsUserVoice;
    f.prompts.onModal = [](QDialog& shown) {
        auto& d = dynamic_cast<TFP_coper&>(shown);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Copy from Part %1").arg(3));
        EXPECT_FALSE(control<QCheckBox>(d, "CB15")->isChecked());
        EXPECT_EQ(control<QCheckBox>(d, "CB15")->text(), "Channel");
        EXPECT_TRUE(control<QCheckBox>(d, "CB21")->isChecked());
        EXPECT_FALSE(control<QPushButton>(d, "OKBtn")->isEnabled());
        EXPECT_FALSE(control<QRadioButton>(d, "RB2")->isEnabled());
        EXPECT_TRUE(control<QRadioButton>(d, "RB3")->isEnabled());
        EXPECT_EQ(control<QRadioButton>(d, "RB0")->text(), "  1");
        EXPECT_EQ(control<QRadioButton>(d, "RB15")->text(), "16");
        // Drum part, QS300 voice and XG voice in their name colours.
        EXPECT_EQ(control<QRadioButton>(d, "RB9")->palette().color(QPalette::WindowText),
                  QColor(0, 0, 128));
        EXPECT_EQ(control<QRadioButton>(d, "RB4")->palette().color(QPalette::WindowText),
                  QColor(128, 0, 0));
        EXPECT_EQ(control<QRadioButton>(d, "RB5")->palette().color(QPalette::WindowText),
                  QColor(0, 0, 0));
        control<QRadioButton>(d, "RB7")->click();
        EXPECT_TRUE(control<QPushButton>(d, "OKBtn")->isEnabled());
        d.reject();
    };
    f.window->CopyPart1Click();
    EXPECT_TRUE(f.backend.sent().empty());
}

TEST(CopyPartDialog, OnlyPanToAllSendsTheOtherFifteen) {
    JobsFixture f;
    auto& image = f.session.image();
    image.part(0, off::kPan) = 3;
    image.part(0, off::kVolume) = 9;
    f.prompts.onModal = [](QDialog& shown) {
        auto& d = dynamic_cast<TFP_coper&>(shown);
        control<QPushButton>(d, "NoneGroup")->click();
        control<QPushButton>(d, "NoneParam")->click();
        control<QCheckBox>(d, "CB19")->click();
        control<QRadioButton>(d, "RBAll")->click();
        control<QPushButton>(d, "OKBtn")->click();
    };
    f.window->CopyPart1Click();
    for (int p = 1; p < 16; ++p) {
        EXPECT_EQ(image.part(p, off::kPan), 3) << p;
        EXPECT_EQ(image.part(p, off::kVolume), 100) << p;
    }
    EXPECT_EQ(f.backend.sent().size(), 30u); // two bulk dumps per part
    // The next time the boxes are as they were left, but no target is chosen.
    f.prompts.onModal = [](QDialog& shown) {
        auto& d = dynamic_cast<TFP_coper&>(shown);
        EXPECT_FALSE(control<QCheckBox>(d, "CB1")->isChecked());
        EXPECT_TRUE(control<QCheckBox>(d, "CB19")->isChecked());
        EXPECT_FALSE(control<QRadioButton>(d, "RBAll")->isChecked());
        EXPECT_FALSE(control<QPushButton>(d, "OKBtn")->isEnabled());
        d.reject();
    };
    f.window->CopyPart1Click();
}

TEST(InitializePartDialog, KeepsTheVoiceUnlessAskedAndTheDrumPartGetsItsKit) {
    JobsFixture f;
    auto& image = f.session.image();
    image.currentPart = 9;
    image.part(9, off::kBankMsb) = 0;
    image.part(9, off::kPartMode) = 0;
    image.part(9, off::kProgram) = 24;
    image.part(9, off::kPan) = 1;
    const auto runWith = [&](bool defaultVoice) {
        f.prompts.onModal = [defaultVoice, &image](QDialog& shown) {
            EXPECT_EQ(shown.windowTitle(),
                      QStringLiteral("Initialize Part %1").arg(image.currentPart + 1));
            control<QCheckBox>(shown, "CheckBox1")->setChecked(defaultVoice);
            shown.accept();
        };
        f.window->InitializePart1Click();
    };
    runWith(false);
    EXPECT_EQ(image.part(9, off::kPan), 64);
    EXPECT_EQ(image.part(9, off::kProgram), 24);
    EXPECT_NE(editor::partVoiceName(image, 9), "D1:Standard Kit");
    runWith(true);
    EXPECT_EQ(editor::partVoiceName(image, 9), "D1:Standard Kit");

    // Any other part gets the first XG voice, the piano.
    image.currentPart = 0;
    image.part(0, off::kProgram) = 24;
    image.part(0, off::kBankLsb) = 8;
    image.userVoiceKind[0] = image::kSinglePartVoice;
    runWith(true);
    EXPECT_EQ(image.part(0, off::kProgram), 0);
    EXPECT_EQ(image.part(0, off::kBankLsb), 0);
    EXPECT_EQ(image.userVoiceKind[0], image::kXgVoice);
    EXPECT_EQ(editor::partVoiceKind(image, 0), editor::VoiceKind::Normal);
}

} // namespace
} // namespace app
