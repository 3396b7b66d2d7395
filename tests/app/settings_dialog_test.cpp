// "Settings": what the dialog shows, Cancel, the order in which OK applies, and the start
// actions its creation runs.

#include "app/editor_window.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/settings_command.h"
#include "app/settings_dialog.h"
#include "app/startup.h"
#include "draw/artwork.h"
#include "editor/part_controls.h"

#include "app_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>

#include <fstream>

namespace app {
namespace {

using testing::bytes;
using testing::Message;

template <typename T> T* control(QWidget& dialog, const char* name) {
    auto* found = dialog.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

struct SettingsFixture : testing::SessionFixture {
    std::unique_ptr<TMF> window;
    SettingsFixture(const std::string& ini = testing::kVirtualOutIni) {
        dir.writeIni(ini);
        window = startUp(session, prompts, {});
        backend.clearSent();
        // The colour dialog "chooses" pure green.
        window->settingsDialog().setColourPicker(
            [](const QColor&) -> std::optional<QColor> { return QColor(0, 255, 0); });
    }
    TFSets& dialog() { return window->settingsDialog(); }
    // Opens "Settings", lets `user` work the controls, then presses a button.
    void settings(const std::function<void(TFSets&)>& user, const char* button) {
        prompts.onModal = [user, button](QDialog& shown) {
            auto& d = dynamic_cast<TFSets&>(shown);
            user(d);
            control<QPushButton>(d, button)->click();
        };
        window->Settings1Click();
    }
};

TEST(SettingsDialog, ShowsEveryPageAndStoredValuesWithinRange) {
    SettingsFixture f("[Port]\nOut=XG-Orvo Out\nDevice=4\n[Synth]\nType=1\nTimeout=3\n"
                      "[Color]\nPoti=3\nXG=-1\n[List]\nType=1\nColor=6407914\nOffset=900\n");
    f.settings(
        [](TFSets& d) {
            EXPECT_EQ(d.windowTitle(), "Settings");
            EXPECT_TRUE(control<QRadioButton>(d, "RadioB2")->isChecked());
            EXPECT_EQ(control<QComboBox>(d, "ComboB0")->currentText(), "05");
            EXPECT_EQ(control<QComboBox>(d, "ComboB0")->count(), 16);
            EXPECT_EQ(control<QComboBox>(d, "ComboB1")->currentText(), "400 ms");
            EXPECT_EQ(control<QComboBox>(d, "ComboB1")->itemText(19), "2000 ms");
            EXPECT_TRUE(control<QComboBox>(d, "ComboB1")->isEnabled());
            EXPECT_TRUE(control<QRadioButton>(d, "RadioButton3")->isChecked());
            EXPECT_TRUE(control<QRadioButton>(d, "RadioButton5")->isChecked());
            EXPECT_TRUE(control<QPushButton>(d, "Panel2")->isChecked());
            EXPECT_FALSE(control<QPushButton>(d, "Panel1")->isChecked());
            // The plain style: colour panels usable, the offset not.
            EXPECT_TRUE(control<QPushButton>(d, "Panel1")->isEnabled());
            EXPECT_FALSE(control<QSpinBox>(d, "UpDown1")->isEnabled());
            EXPECT_EQ(control<QSpinBox>(d, "UpDown1")->value(), kMaxListOffset);
            EXPECT_EQ(control<QCheckBox>(d, "CheckBL1")->text(),
                      "Autoload.QVB  (QS300 Voice Bank)");
            EXPECT_EQ(d.choice().xgColor, 0xFFFFFF);
            // Choosing the graphic style swaps what is usable.
            control<QRadioButton>(d, "RadioButton4")->click();
            EXPECT_FALSE(control<QPushButton>(d, "Panel1")->isEnabled());
            EXPECT_TRUE(control<QSpinBox>(d, "UpDown1")->isEnabled());
        },
        "CancelBtn");
}

TEST(SettingsDialog, OnlyQs300EnablesTheTroubleControls) {
    SettingsFixture f;
    f.settings(
        [](TFSets& d) {
            const char* trouble[] = {"ComboB1", "CheckB1", "CheckBox5"};
            for (const char* name : trouble) EXPECT_FALSE(control<QWidget>(d, name)->isEnabled());
            control<QRadioButton>(d, "RadioB2")->click();
            for (const char* name : trouble) EXPECT_TRUE(control<QWidget>(d, name)->isEnabled());
            control<QRadioButton>(d, "RadioB3")->click();
            for (const char* name : trouble) EXPECT_FALSE(control<QWidget>(d, name)->isEnabled());
        },
        "CancelBtn");
}

TEST(SettingsDialog, CancelAfterPickingColoursChangesNothing) {
    SettingsFixture f;
    const files::Settings before = f.session.settings();
    f.settings(
        [](TFSets& d) {
            for (const char* sample : {"iig1", "iig2", "iig3", "Imcol1", "Imcol4"})
                control<QPushButton>(d, sample)->click();
            EXPECT_EQ(d.choice().xgColor, 0x00FF00);
            control<QRadioButton>(d, "RadioButton1")->click();
            control<QComboBox>(d, "ComboB0")->setCurrentIndex(4);
        },
        "CancelBtn");
    EXPECT_EQ(f.session.settings(), before);
    EXPECT_TRUE(f.prompts.questions.empty());
    // Opened again, it shows the settings, not the colours picked before.
    f.settings([](TFSets& d) { EXPECT_EQ(d.choice().xgColor, 0); }, "CancelBtn");
}

TEST(SettingsDialog, RefusedTypeChangeKeepsEverything) {
    SettingsFixture f;
    const files::Settings before = f.session.settings();
    f.prompts.answer = false;
    f.settings(
        [](TFSets& d) {
            control<QRadioButton>(d, "RadioB3")->click();
            control<QComboBox>(d, "ComboB0")->setCurrentIndex(4);
            control<QPushButton>(d, "iig1")->click();
            control<QCheckBox>(d, "CheckBox2")->click();
        },
        "OKBtn");
    EXPECT_EQ(f.prompts.questions,
              std::vector<std::string>{"Change Synth Type And Reset All Data?"});
    EXPECT_EQ(f.session.settings(), before);
    EXPECT_TRUE(f.backend.sent().empty());
}

TEST(SettingsDialog, AcceptedTypeChangeResetsTheImage) {
    SettingsFixture f;
    f.session.image().part(3, image::offset::kPan) = 5;
    f.prompts.answer = true;
    f.settings([](TFSets& d) { control<QRadioButton>(d, "RadioB2")->click(); }, "OKBtn");
    EXPECT_EQ(f.session.settings().synthType, 1);
    EXPECT_EQ(f.session.messages().options().type, midi::SynthType::Qs300);
    EXPECT_EQ(f.session.image().part(3, image::offset::kPan), 64);
    // XG System On went out.
    const Message systemOn = bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
    const auto sent = f.backend.sent();
    EXPECT_NE(std::find(sent.begin(), sent.end(), systemOn), sent.end());
}

TEST(SettingsDialog, DeviceFiveReachesTheNextParameterChange) {
    SettingsFixture f;
    f.settings([](TFSets& d) { control<QComboBox>(d, "ComboB0")->setCurrentIndex(4); }, "OKBtn");
    EXPECT_EQ(f.session.settings().deviceNumber, 4);
    f.session.messages().SendPartParam(0, image::offset::kPan, 64);
    const auto sent = f.backend.sent();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), bytes({0xF0, 0x43, 0x14, 0x4C, 0x08, 0x00, 0x0E, 0x40, 0xF7}));
}

TEST(SettingsDialog, KnobSchemeRepaintsTheSurfaceAndIsKeptAfterARestart) {
    SettingsFixture f;
    f.settings([](TFSets& d) { control<QRadioButton>(d, "RadioButton3")->click(); }, "OKBtn");
    EXPECT_EQ(f.session.settings().potiColor, 3);
    EXPECT_EQ(f.window->editorWindow().panels().knobScheme(), draw::KnobScheme::Silver);
    // A knob pixel of the first strip in silver: the same in every colour channel or nearly.
    const QImage& surface = f.window->editorWindow().surface();
    int greyish = 0;
    for (int y = 80; y < 130; ++y)
        for (int x = 15; x < 50; ++x) {
            const QRgb p = surface.pixel(x, y);
            if (qRed(p) > 200 && std::abs(qRed(p) - qBlue(p)) < 12) ++greyish;
        }
    EXPECT_GT(greyish, 10);

    f.window->close();
    testing::SessionFixture again;
    std::ofstream(again.dir.ini()) << f.dir.readIni();
    auto restarted = startUp(again.session, again.prompts, {});
    EXPECT_EQ(again.session.settings().potiColor, 3);
    EXPECT_EQ(restarted->editorWindow().panels().knobScheme(), draw::KnobScheme::Silver);
}

// Green pixels in the column where a strip writes its voice name upward.
int greenNamePixels(const QImage& surface, int part) {
    int count = 0;
    for (int y = 274; y <= 379; ++y)
        for (int x = 28; x <= 44; ++x)
            if (surface.pixel(x + editor::kStripSpacing * part, y) == qRgb(0, 255, 0)) ++count;
    return count;
}

TEST(SettingsDialog, NameColoursComeFromTheSettingsAndChangeOnOk) {
    // Drum names green from the start (Windows colour values hold blue in the high byte).
    SettingsFixture f(std::string(testing::kVirtualOutIni) + "[Color]\nDrum=65280\n");
    const QImage& surface = f.window->editorWindow().surface();
    const int drumPart = image::kDrumPartIndex;
    EXPECT_GT(greenNamePixels(surface, drumPart), 0);
    EXPECT_EQ(greenNamePixels(surface, 0), 0);
    // XG names green too, on screen as soon as "OK" is pressed.
    f.settings([](TFSets& d) { control<QPushButton>(d, "iig1")->click(); }, "OKBtn");
    EXPECT_EQ(f.session.settings().xgColor, 0x00FF00);
    for (int part : {0, 1, 15}) EXPECT_GT(greenNamePixels(surface, part), 0) << part;
    EXPECT_GT(greenNamePixels(surface, drumPart), 0);
}

TEST(SettingsDialog, HelpButtonOpensTheSettingsTopic) {
    SettingsFixture f;
    f.settings([](TFSets& d) { control<QPushButton>(d, "HelpBtn")->click(); }, "CancelBtn");
    ASSERT_NE(f.window->helpWindow(), nullptr);
    EXPECT_EQ(f.window->helpWindow()->browser().documentTitle(), "Settings");
}

// Records the order in which a confirmed choice is applied.
class RecordingTargets final : public SettingsTargets {
  public:
    std::vector<std::string> steps;
    bool answer = true;
    bool confirmTypeChange() override {
        steps.push_back("ask");
        return answer;
    }
    void resetForType(int type) override { steps.push_back("reset " + std::to_string(type)); }
    void applyMessageSettings() override { steps.push_back("messages"); }
    void knobSchemeChanged(int poti) override { steps.push_back("knobs " + std::to_string(poti)); }
    void nameColoursChanged() override { steps.push_back("names"); }
    void sectionColourChanged(SectionColour which) override {
        steps.push_back("section " + std::to_string(static_cast<int>(which)));
    }
    void voiceListsChanged() override { steps.push_back("lists"); }
};

TEST(SettingsApply, StepsRunInTheirOrderAndOnlyForWhatChanged) {
    files::Settings settings;
    SettingsChoice choice = choiceFromSettings(settings);
    choice.synthType = 2;
    choice.potiColor = 1;
    choice.qsColor = 0x123456;
    sectionSetting(choice, SectionColour::QsLine) = 0xFF;
    choice.listType = 1;
    choice.listColor = kListColourCyan;
    RecordingTargets targets;
    EXPECT_TRUE(applySettingsChoice(settings, choice, targets));
    EXPECT_EQ(targets.steps, (std::vector<std::string>{"ask", "reset 2", "messages", "knobs 1",
                                                       "names", "section 3", "lists"}));
    EXPECT_EQ(settings.secQsName, 0xFF); // "Line" of the QS section edits SecQSName
    EXPECT_EQ(settings.listColor, kListColourCyan);

    RecordingTargets again;
    EXPECT_TRUE(applySettingsChoice(settings, choice, again));
    EXPECT_EQ(again.steps, std::vector<std::string>{"messages"});
}

TEST(SettingsApply, NothingOutOfRangeReachesTheSettings) {
    files::Settings settings;
    SettingsChoice choice = settings;
    choice.deviceNumber = 300;
    choice.timeout = -4;
    choice.potiColor = 9;
    choice.xgColor = -1;
    choice.listOffset = -3;
    RecordingTargets targets;
    applySettingsChoice(settings, choice, targets);
    EXPECT_EQ(settings.deviceNumber, 15);
    EXPECT_EQ(settings.timeout, 0);
    EXPECT_EQ(settings.potiColor, 3);
    EXPECT_EQ(settings.xgColor, 0xFFFFFF);
    EXPECT_EQ(settings.listOffset, 0);
}

TEST(StartActions, AutoloadThenLocalOffThenReset) {
    testing::SessionFixture f;
    f.dir.writeIni(std::string(testing::kVirtualOutIni) + "[Synth]\nXG-Reset=1\n");
    std::ofstream(f.dir.path() / "Autoload.QVB") << "bank";
    std::size_t sentBeforeAutoload = 99;
    StartOptions options;
    options.autoload = [&](Session& session) {
        sentBeforeAutoload = f.backend.sent().size();
        session.image().bank[0][0] = 'A';
    };
    auto window = startUp(f.session, f.prompts, options);
    EXPECT_EQ(sentBeforeAutoload, 0u);
    EXPECT_EQ(f.session.image().bank[0][0], 'A');
    EXPECT_EQ(
        f.backend.sent(),
        (std::vector<Message>{bytes({0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x00, 0xF7}),
                              bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})}));
}

TEST(StartActions, NoAutoloadForOtherXgOrWithoutTheFile) {
    for (const char* ini : {"[Synth]\nType=2\n", ""}) {
        testing::SessionFixture f;
        f.dir.writeIni(ini);
        if (*ini) std::ofstream(f.dir.path() / "Autoload.QVB") << "bank";
        bool called = false;
        StartOptions options;
        options.restorePorts = false;
        options.autoload = [&](Session&) { called = true; };
        auto window = startUp(f.session, f.prompts, options);
        EXPECT_FALSE(called) << ini;
    }
}

} // namespace
} // namespace app
