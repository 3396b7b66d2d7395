// Start-up in its fixed order, first runs and the port dialog.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/port_dialog.h"
#include "app/startup.h"

#include "app_test_support.h"

#include <QListWidget>
#include <QPushButton>

#include <functional>

namespace app {
namespace {

using testing::bytes;
using testing::Message;

const Message kQsLocalOff = bytes({0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x00, 0xF7});

TEST(Startup, FirstRunAsksForThePortsBeforeTheStartMessages) {
    testing::SessionFixture f;
    // The user picks "Keys In" and the program's own output, then OK.
    f.prompts.onModal = [](QDialog& dialog) {
        auto& ports = dynamic_cast<TXmidif&>(dialog);
        ports.inputList()->setCurrentRow(1);
        ports.outputList()->setCurrentRow(1);
        ports.okButton()->click();
    };
    auto window = startUp(f.session, f.prompts, {});

    EXPECT_EQ(f.prompts.modals, std::vector<std::string>{"XG-Orvo Midi Port"});
    EXPECT_TRUE(f.prompts.errors.empty());
    EXPECT_EQ(f.backend.openedInputId(), 0);
    EXPECT_EQ(f.backend.openedOutputId(), -1);
    // Start messages go out on the port just chosen.
    EXPECT_EQ(f.backend.sent(), std::vector<Message>{kQsLocalOff});
    const auto ini = f.dir.readIni();
    EXPECT_NE(ini.find("In=Keys In"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Out=XG-Orvo Out"), std::string::npos) << ini;
}

TEST(Startup, FirstRunClosedWithoutChoosingOpensNothing) {
    testing::SessionFixture f;
    auto window = startUp(f.session, f.prompts, {});
    EXPECT_EQ(f.prompts.modals.size(), 1u);
    EXPECT_FALSE(f.backend.outputOpen());
    EXPECT_FALSE(f.backend.inputOpen());
    EXPECT_TRUE(f.backend.sent().empty());
    // The lists show what there is to choose from.
    auto& ports = window->portDialog();
    ASSERT_EQ(ports.inputList()->count(), 2);
    EXPECT_EQ(ports.inputList()->item(0)->text(), "NONE");
    ASSERT_EQ(ports.outputList()->count(), 4);
    EXPECT_EQ(ports.outputList()->item(0)->text(), "NONE");
    EXPECT_EQ(ports.outputList()->item(1)->text(), "XG-Orvo Out");
    EXPECT_EQ(ports.outputList()->item(3)->text(), "Synth B");
}

TEST(Startup, StoredPortsOpenSilentlyAndTheDeviceNumberReachesTheStartMessages) {
    testing::SessionFixture f;
    f.dir.writeIni("[Port]\nIn=NONE\nOut=Synth B\nDevice=3\n[Synth]\nXG-Reset=1\n");
    auto window = startUp(f.session, f.prompts, {});
    EXPECT_TRUE(f.prompts.modals.empty());
    EXPECT_EQ(f.backend.openedOutputId(), 1);
    EXPECT_FALSE(f.backend.inputOpen());
    const std::vector<Message> expected{
        bytes({0xF0, 0x43, 0x13, 0x4B, 0x00, 0x00, 0x09, 0x00, 0xF7}),
        bytes({0xF0, 0x43, 0x13, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})};
    EXPECT_EQ(f.backend.sent(), expected);
}

TEST(Startup, StoredVoiceDumpsCarryTheConfiguredDeviceNumber) {
    testing::SessionFixture f;
    f.dir.writeIni(std::string(testing::kVirtualOutIni) + "Device=11\n");
    auto window = startUp(f.session, f.prompts, {});
    // A set saved or a voice sent later takes these dumps as they are.
    const auto& image = f.session.image();
    EXPECT_EQ(image.editVoice[0], 0xF0);
    EXPECT_EQ(image.editVoice[2], 0x0B) << "edit voice";
    for (std::size_t part = 0; part < image.partVoices.size(); ++part) {
        EXPECT_EQ(image.partVoices[part][1], 0x43);
        EXPECT_EQ(image.partVoices[part][2], 0x0B) << "voice of part " << part + 1;
    }
}

TEST(Startup, ImageIsReadyAndTheEditorPaintedBeforeTheWindowShows) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    auto window = startUp(f.session, f.prompts, {});
    EXPECT_EQ(f.session.image().part(0, 19), 40) << "reverb send of the initialised image";
    EXPECT_TRUE(f.session.hasFileContainer());
    auto& editor = window->editorWindow();
    EXPECT_EQ(editor.windowTitle(), "Default") << "the name of the set being edited";
    // The editor lives inside the frame, so the frame's title is where the name shows.
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("XG-Orvo \u2014 Default"));
    editor.setWindowTitle(QStringLiteral("SONG.XGS"));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("XG-Orvo \u2014 SONG.XGS"));
    EXPECT_EQ(editor.size(), QSize(872, 710));
    EXPECT_EQ(editor.surface().size(), QSize(792, 554));
    // The window colour around the surface.
    const QImage shown = editor.grab().toImage();
    EXPECT_EQ(shown.pixel(850, 700), qRgb(190, 154, 74));
}

TEST(Startup, StoredPositionIsUsed) {
    testing::SessionFixture f;
    f.dir.writeIni(std::string(testing::kVirtualOutIni) + "[Position]\nEtop=40\nEleft=30\n");
    auto window = startUp(f.session, f.prompts, {});
    EXPECT_EQ(window->pos(), QPoint(30, 40));
}

TEST(Startup, DeviceThatCannotBeOpenedIsReportedAndTheProgramRuns) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    f.backend.failNextOutputOpen("device busy");
    auto window = startUp(f.session, f.prompts, {});
    ASSERT_EQ(f.prompts.errors.size(), 1u);
    EXPECT_NE(f.prompts.errors[0].find("device busy"), std::string::npos);
    EXPECT_TRUE(f.prompts.modals.empty()) << "the names were found: no dialog";
    EXPECT_TRUE(f.backend.sent().empty());
}

TEST(PortDialog, OkRemembersTheNamesAndReopensTheDevices) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    auto window = startUp(f.session, f.prompts, {});
    ASSERT_EQ(f.backend.openedOutputId(), -1);
    f.prompts.onModal = [](QDialog& dialog) {
        auto& ports = dynamic_cast<TXmidif&>(dialog);
        EXPECT_EQ(ports.outputList()->currentRow(), 1) << "shows the open port";
        ports.inputList()->setCurrentRow(1);
        ports.outputList()->setCurrentRow(2);
        ports.okButton()->click();
    };
    window->MidiPort2Click();
    EXPECT_EQ(f.backend.openedOutputId(), 0);
    EXPECT_EQ(f.backend.openedInputId(), 0);
    const auto ini = f.dir.readIni();
    EXPECT_NE(ini.find("In=Keys In"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Out=Synth A"), std::string::npos) << ini;
}

TEST(PortDialog, EscapeAndTheCloseButtonKeepThePortsAsTheyWere) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    auto window = startUp(f.session, f.prompts, {});
    ASSERT_EQ(f.backend.openedOutputId(), -1);
    const std::function<void(TXmidif&)> ways[] = {
        [](TXmidif& ports) { ports.reject(); }, // Escape
        [](TXmidif& ports) {                    // the window's close button
            ports.show();
            ports.close();
        },
    };
    for (const auto& leave : ways) {
        f.prompts.onModal = [&](QDialog& dialog) {
            auto& ports = dynamic_cast<TXmidif&>(dialog);
            EXPECT_EQ(ports.outputList()->currentRow(), 1) << "the open port, not the last choice";
            ports.inputList()->setCurrentRow(1);
            ports.outputList()->setCurrentRow(2);
            leave(ports);
        };
        window->MidiPort2Click();
        EXPECT_TRUE(f.backend.outputOpen());
        EXPECT_EQ(f.backend.openedOutputId(), -1);
        EXPECT_FALSE(f.backend.inputOpen());
        EXPECT_EQ(f.session.port().selectedOutputLine(), 1);
        EXPECT_NE(f.dir.readIni().find("Out=XG-Orvo Out"), std::string::npos);
    }
}

TEST(PortDialog, NewDevicesAppearWhenShownAgainAndTheSelectionStays) {
    testing::SessionFixture f;
    f.dir.writeIni("[Port]\nIn=NONE\nOut=Synth B\n");
    auto window = startUp(f.session, f.prompts, {});
    f.backend.setDevices({"Keys In"}, {"New Synth", "Synth A", "Synth B"});
    f.prompts.onModal = [](QDialog& dialog) {
        auto& ports = dynamic_cast<TXmidif&>(dialog);
        ASSERT_EQ(ports.outputList()->count(), 5);
        EXPECT_EQ(ports.outputList()->currentItem()->text(), "Synth B");
        ports.okButton()->click();
    };
    window->MidiPort2Click();
    EXPECT_EQ(f.backend.openedOutputId(), 2);
}

TEST(PortDialog, OfTwoSameNamedDevicesTheChosenOneKeepsTheBytes) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    f.backend.setDevices({"USB MIDI", "USB MIDI"}, {"USB MIDI", "USB MIDI"});
    auto window = startUp(f.session, f.prompts, {});
    const auto chooseSecond = [](QDialog& dialog) {
        auto& ports = dynamic_cast<TXmidif&>(dialog);
        ports.inputList()->setCurrentRow(2);
        ports.outputList()->setCurrentRow(3);
        ports.okButton()->click();
    };
    const auto keepSelection = [](QDialog& dialog) {
        auto& ports = dynamic_cast<TXmidif&>(dialog);
        EXPECT_EQ(ports.inputList()->currentRow(), 2);
        EXPECT_EQ(ports.outputList()->currentRow(), 3);
        ports.okButton()->click();
    };
    // Chosen once, then the dialog shown and confirmed again: still the second device.
    for (const auto& user : {std::function<void(QDialog&)>(chooseSecond),
                             std::function<void(QDialog&)>(keepSelection)}) {
        f.prompts.onModal = user;
        window->MidiPort2Click();
        EXPECT_EQ(f.backend.openedInputId(), 1);
        EXPECT_EQ(f.backend.openedOutputId(), 1);
    }
    f.backend.clearSent();
    window->AllNotesOff1Click();
    EXPECT_EQ(f.backend.sentTo(1).size(), 32u);
    EXPECT_TRUE(f.backend.sentTo(0).empty());
}

} // namespace
} // namespace app
