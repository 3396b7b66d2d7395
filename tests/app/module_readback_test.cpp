// "Get From Module" on the real windows: the File menu item, the progress dialog driven
// the way its timer and the module's answers drive it, and what the user is told.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/readback_dialog.h"
#include "app/startup.h"
#include "app/undo_commands.h"
#include "app/voice_editor_link.h"
#include "core/user_voice_part.h"
#include "editor/panels.h"
#include "files/module_readback.h"
#include "files/syx_file.h"
#include "image/qs300_factory.h"
#include "midi/module_simulator.h"

#include "app_test_support.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

namespace app {
namespace {

using namespace std::chrono_literals;
namespace off = image::offset;

constexpr const char* kModuleIni = "[Port]\nIn=Keys In\nOut=Synth A\n";

testing::Message systemDump() {
    testing::Message m{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00,
                       0x00, 0x04, 0x00, 0x00, 90,   0x00, 64,   0x00, 0xF7};
    int sum = 0;
    for (std::size_t i = 4; i + 2 < m.size(); ++i) sum += m[i];
    m[m.size() - 2] = static_cast<std::uint8_t>((128 - (sum & 0x7F)) & 0x7F);
    return m;
}

struct GetFromModule : ::testing::Test {
    testing::SessionFixture f;
    std::unique_ptr<TMF> window;
    int ticks = 0;
    // What "the user" does after so many ticks of the dialog; by default nothing.
    std::function<void(ReadbackDialog&)> atTick;

    void start(const char* ini) {
        f.dir.writeIni(ini);
        window = startUp(f.session, f.prompts, {});
        f.backend.clearSent();
        // The dialog runs as its timer and the input would run it.
        f.prompts.onModal = [this](QDialog& d) {
            auto& dialog = dynamic_cast<ReadbackDialog&>(d);
            bool closed = false;
            QObject::connect(&dialog, &QDialog::finished, [&] { closed = true; });
            while (!closed && ticks < 100000) {
                f.backend.deliverPendingInput();
                QCoreApplication::processEvents();
                if (closed) break;
                f.clock.advance(10ms);
                ++ticks;
                dialog.tick();
                if (atTick) atTick(dialog);
            }
        };
    }
    image::SynthImage& image() { return f.session.image(); }
    void trigger() { window->findChild<QAction*>("GetFromModule1")->trigger(); }
};

TEST_F(GetFromModule, TheItemSitsBeforeImportSysEx) {
    start(kModuleIni);
    const auto actions = window->menu().file->actions();
    const auto at = actions.indexOf(window->findChild<QAction*>("GetFromModule1"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(actions[at]->text(), "&Get From Module ...");
    EXPECT_EQ(actions.value(at + 1)->objectName(), "ImportSysEx1");
}

TEST_F(GetFromModule, WithoutInputOrOutputItSaysSoAndSendsNothing) {
    start(testing::kVirtualOutIni);
    trigger();
    EXPECT_EQ(
        f.prompts.messages,
        std::vector<std::string>{"No MIDI Input Is Open: The Module's Answers Cannot Arrive."});
    EXPECT_TRUE(f.prompts.modals.empty());
    EXPECT_TRUE(f.backend.sent().empty());

    f.session.port().CloseMidiOut();
    f.prompts.messages.clear();
    trigger();
    EXPECT_EQ(f.prompts.messages,
              std::vector<std::string>{
                  "No MIDI Input Is Open: The Module's Answers Cannot Arrive.\nNo MIDI Output "
                  "Is Open: The Module Cannot Be Asked."});
}

TEST_F(GetFromModule, ASilentModuleLeavesTheImageAndIsNamed) {
    start(kModuleIni);
    image().part(2, off::kVolume) = 33;
    const auto before = std::make_unique<image::SynthImage>(image());
    trigger();
    EXPECT_EQ(f.prompts.modals, std::vector<std::string>{"Get From Module"});
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages[0].rfind("The Module Did Not Answer. Nothing Was Changed.\n"
                                          "Not Read: System, Reverb, Chorus, Variation, ",
                                          0),
              0u);
    EXPECT_EQ(image().parts, before->parts);
    window->undoCommands().updateMenu();
    EXPECT_FALSE(f.session.undo().history().canUndo());
    // Only the requests went out.
    for (const auto& m : f.backend.sent()) EXPECT_EQ(m[2], 0x20);
}

TEST_F(GetFromModule, CancelStopsTheRequestsAndKeepsTheImage) {
    start(kModuleIni);
    f.backend.answerWith([](midi::Bytes m) {
        return m.size() == 8 && m[4] == 0 ? std::vector<testing::Message>{systemDump()}
                                          : std::vector<testing::Message>{};
    });
    QString shown;
    atTick = [&](ReadbackDialog& dialog) {
        shown = dialog.label().text();
        dialog.cancelButton().click();
    };
    trigger();
    // The system block came; the reverb was asked for when Cancel was pressed.
    EXPECT_EQ(shown, "Reading Reverb ...");
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_EQ(image().system.masterVolume, 127);
    const auto sent = f.backend.sentCount();
    EXPECT_EQ(sent, 2u);
    f.clock.advance(10 * files::kAnswerTimeout);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.backend.sentCount(), sent);
}

TEST_F(GetFromModule, WhatWasReadIsOneUndoStepAndTheRestIsListed) {
    start(kModuleIni);
    f.backend.answerWith([](midi::Bytes m) {
        return m.size() == 8 && m[4] == 0 ? std::vector<testing::Message>{systemDump()}
                                          : std::vector<testing::Message>{};
    });
    int maximum = 0;
    atTick = [&](ReadbackDialog& dialog) { maximum = std::max(maximum, dialog.bar().value()); };
    trigger();
    EXPECT_GT(maximum, 0);
    EXPECT_EQ(image().system.masterVolume, 90);
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages[0].rfind("Not Everything Could Be Read From The Module.\n"
                                          "Not Read: Reverb, Chorus, Variation, ",
                                          0),
              0u);
    EXPECT_EQ(window->editorWindow().windowTitle(), "Module");
    window->undoCommands().updateMenu();
    EXPECT_EQ(f.session.undo().history().undoAction(), "Get From Module");
    window->undoCommands().undo();
    EXPECT_EQ(image().system.masterVolume, 127);
}

TEST_F(GetFromModule, AWholeModuleBecomesTheImageOnEveryScreenAsOneStep) {
    start(kModuleIni);
    // The module holds a set of its own; the editor plays a user voice in its editor.
    midi::ModuleSimulator module;
    auto set = std::make_unique<image::SynthImage>(image());
    set->part(4, off::kVolume) = 12;
    set->part(5, off::kPan) = 3;
    set->variation.typeIndex = 5;
    set->variation.current = set->variation.rows[4];
    set->drums[0].table[30][2] = 9;
    const auto stream = files::buildSysExStream(*set, files::sectionsOf(files::SetKind::Set), {});
    for (const auto message : files::splitSysEx(stream)) module.receive(message);
    f.backend.answerWith([&](midi::Bytes m) { return module.receive(m); });
    testvoice::assignUserVoice(image(), 6, image::factoryUserBank()[0], false);
    auto& editor = window->editorWindow();
    editor.editor().selectPart(6);
    ASSERT_TRUE(editor.voiceEditor().open(6));
    f.backend.clearSent();
    const auto before = std::make_unique<image::SynthImage>(image());

    trigger();
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_TRUE(f.prompts.errors.empty());
    EXPECT_FALSE(editor.panels().isOpen(editor::Panel::VoiceEditor));
    EXPECT_EQ(image().part(4, off::kVolume), 12);
    EXPECT_EQ(image().part(5, off::kPan), 3);
    EXPECT_EQ(image().variation.typeIndex, 5);
    EXPECT_EQ(image().drums[0].table[30][2], 9);
    EXPECT_FALSE(image().hasUserVoice(6));
    EXPECT_EQ(image().currentPart, 6);
    EXPECT_EQ(editor.windowTitle(), "Module");
    // Of the XG messages only the requests went out: the module holds the image already.
    // (The voice editor hands its voice to the module as it closes.)
    for (const auto& m : f.backend.sent()) {
        if (m[3] == 0x4C) {
            EXPECT_EQ(m[2] & 0xF0, 0x20);
        }
    }

    window->undoCommands().updateMenu();
    EXPECT_EQ(f.session.undo().history().undoAction(), "Get From Module");
    window->undoCommands().undo();
    EXPECT_EQ(image().parts, before->parts);
    EXPECT_EQ(image().variation.typeIndex, before->variation.typeIndex);
}

} // namespace
} // namespace app
