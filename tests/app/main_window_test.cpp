// The main menu's commands, closing, the configuration written back and the command line.

#include "app/about_dialog.h"
#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "midi/forwarding_backend.h"

#include "app_test_support.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace app {
namespace {

using testing::bytes;
using testing::Message;

QStringList captions(const QMenu* menu) {
    QStringList result;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) result << action->text();
    return result;
}

// Records, for every message sent, whether the configuration file held the window
// position at that moment.
class ConfigWatchingBackend final : public midi::ForwardingBackend {
  public:
    ConfigWatchingBackend(midi::MemoryBackend& inner, std::filesystem::path ini)
        : ForwardingBackend(inner), ini_(std::move(ini)) {}
    void send(midi::Bytes message) override {
        std::ifstream in(ini_);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        configWritten.push_back(text.find("Etop=") != std::string::npos);
        ForwardingBackend::send(message);
    }
    std::vector<bool> configWritten;

  private:
    std::filesystem::path ini_;
};

TEST(MainMenu, CaptionsAndWhatWorksToday) {
    testing::SessionFixture f;
    auto window = startUp(f.session, f.prompts, {});
    const auto& menu = window->menu();
    QStringList bar;
    for (const QAction* action : window->menuBar()->actions()) bar << action->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Edit", "&Job", "&Option", "&View", "&Help"}));
    EXPECT_EQ(
        captions(menu.file).mid(0, 15),
        QStringList({"&New ...", "&1 Load Set ... (XGS,MID) ...", "&2 Load FX ... (XFX,MID) ...",
                     "&3 Load Drums ... (XDM,MID) ...", "&4 Load QS300 Voice ... (QVC) ...",
                     "&5 Load QS300 Bank ... (QVB) ...", "&6 Save Set ... (XGS,MID) ...",
                     "&7 Save FX ... (XFX,MID) ...", "&8 Save Drums ... (XDM,MID) ...",
                     "&9 Save QS300 Voice ... (QVC) ...", "&0 Save QS300 Bank ... (QVB) ...",
                     "&Get From Module ...", "Import SysEx ...", "Export SysEx ...", "&Exit"}));
    EXPECT_EQ(captions(menu.job),
              QStringList({"&Copy Part ...", "&Initialize Part ...", "&Refresh Drumsets",
                           "&All Notes Off", "&Virtual Keyboard ...", "&Edit QS300 Voice ...",
                           "&Store QS300 Voice ...", "&Initialize Element ..."}));
    EXPECT_EQ(captions(menu.option),
              QStringList({"&Midi Port ...", "&Settings ...", "&MIDI Monitor ..."}));
    EXPECT_EQ(captions(menu.view), QStringList({"100 %", "150 %", "200 %"}));
    EXPECT_EQ(captions(menu.help),
              QStringList({"XG-Orvo &Help", "&English Help", "&Deutsche Hilfe", "&Info ..."}));
    // The QS300 file commands work; saving or storing a voice waits for a part with one.
    const QStringList qs300Files{"LoadQS300Voice1", "LoadQS300Bank1", "SaveQS300Bank1"};
    for (const QAction* later : menu.comingLater)
        EXPECT_EQ(later->isEnabled(), qs300Files.contains(later->objectName()))
            << later->objectName().toStdString();
    for (const QAction* now : {menu.exit, menu.allNotesOff, menu.midiPort, menu.info})
        EXPECT_TRUE(now->isEnabled());
    EXPECT_TRUE(menu.englishHelp->isChecked());
    EXPECT_TRUE(menu.zoom->checkedAction()->text() == "100 %");
}

TEST(MainMenu, HistoryItemsShowTheStoredSetsOnly) {
    testing::SessionFixture f;
    f.dir.writeIni("[History]\n1=/sets/a.XGS\n2=/sets/b.XGS\n");
    auto window = startUp(f.session, f.prompts, {});
    const auto& menu = window->menu();
    EXPECT_TRUE(menu.historySeparator->isVisible());
    EXPECT_EQ(menu.history[0]->text(), "/sets/a.XGS");
    EXPECT_TRUE(menu.history[1]->isVisible());
    EXPECT_FALSE(menu.history[2]->isVisible());

    testing::SessionFixture empty;
    auto plain = startUp(empty.session, empty.prompts, {});
    EXPECT_FALSE(plain->menu().historySeparator->isVisible());
    for (const QAction* item : plain->menu().history) EXPECT_FALSE(item->isVisible());
}

TEST(MainMenu, AllNotesOffThenResetAllControllersOnEveryChannel) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    auto window = startUp(f.session, f.prompts, {});
    f.backend.clearSent();
    window->menu().allNotesOff->trigger();
    std::vector<Message> expected;
    for (int ch = 0; ch < 16; ++ch) expected.push_back(bytes({0xB0 | ch, 123, 0}));
    for (int ch = 0; ch < 16; ++ch) expected.push_back(bytes({0xB0 | ch, 121, 0}));
    EXPECT_EQ(f.backend.sent(), expected);
}

TEST(MainMenu, LostOutputIsToldOnceAfterTheCommand) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    auto window = startUp(f.session, f.prompts, {});
    f.backend.disconnectOutput("device unplugged");
    window->menu().allNotesOff->trigger();
    EXPECT_TRUE(f.prompts.errors.empty()) << "not in the middle of the command";
    QCoreApplication::processEvents();
    ASSERT_EQ(f.prompts.errors.size(), 1u);
    EXPECT_NE(f.prompts.errors[0].find("device unplugged"), std::string::npos);
    EXPECT_FALSE(f.session.port().outputOpen());
}

TEST(MainMenu, InfoShowsTheAboutBox) {
    testing::SessionFixture f;
    auto window = startUp(f.session, f.prompts, {});
    f.prompts.modals.clear();
    window->menu().info->trigger();
    EXPECT_EQ(f.prompts.modals, std::vector<std::string>{"INFO"});
    EXPECT_EQ(aboutLines().last(), "Version 1.0");
}

TEST(MainMenu, ExitClosesAndSendsLocalOnBeforeWritingTheConfiguration) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    ConfigWatchingBackend watching(f.backend, f.dir.ini());
    Session session(watching, f.clock, files::AppPaths{f.dir.path()});
    auto window = startUp(session, f.prompts, {});
    window->show();
    f.backend.clearSent();
    watching.configWritten.clear();

    window->menu().exit->trigger();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(f.backend.sent(),
              std::vector<Message>{bytes({0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x01, 0xF7})});
    EXPECT_EQ(watching.configWritten, std::vector<bool>{false});
    const auto ini = f.dir.readIni();
    EXPECT_NE(ini.find("Etop="), std::string::npos) << ini;
    EXPECT_NE(ini.find("QS Local On=1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Out=XG-Orvo Out"), std::string::npos) << "port keys are kept";
}

TEST(MainMenu, ZoomIsRememberedBetweenRuns) {
    testing::SessionFixture f;
    {
        auto window = startUp(f.session, f.prompts, {});
        window->menu().zoom->actions().at(1)->trigger(); // 150 %
        EXPECT_EQ(window->editorWindow().zoomPercent(), 150);
        window->close();
    }
    EXPECT_NE(f.dir.readIni().find("[View]\nZoom=150"), std::string::npos) << f.dir.readIni();

    midi::MemoryBackend backend;
    Session again(backend, f.clock, files::AppPaths{f.dir.path()});
    auto window = startUp(again, f.prompts, {});
    EXPECT_EQ(window->editorWindow().zoomPercent(), 150);
    EXPECT_EQ(window->menu().zoom->checkedAction()->text(), "150 %");
}

TEST(MainMenu, UnknownZoomReadsAs100) {
    testing::SessionFixture f;
    f.dir.writeIni("[View]\nZoom=130\n");
    auto window = startUp(f.session, f.prompts, {});
    EXPECT_EQ(window->editorWindow().zoomPercent(), 100);
}

TEST(CommandLine, Options) {
    const auto none = parseCommandLine({"xg-orvo"});
    EXPECT_FALSE(none.screenshot);
    EXPECT_FALSE(none.baseDir);
    EXPECT_TRUE(none.error.empty());

    const auto both =
        parseCommandLine({"xg-orvo", "--screenshot", "/tmp/x.png", "--base-dir", "/work"});
    EXPECT_EQ(both.screenshot, std::filesystem::path("/tmp/x.png"));
    EXPECT_EQ(both.baseDir, std::filesystem::path("/work"));

    const auto hot =
        parseCommandLine({"xg-orvo", "--screenshot", "x.png", "--screen", "drums", "--hot"});
    EXPECT_EQ(hot.screen, "drums");
    EXPECT_TRUE(hot.hot);
    EXPECT_EQ(none.screen, "editor");
    EXPECT_FALSE(none.hot);

    EXPECT_FALSE(parseCommandLine({"xg-orvo", "--screenshot"}).error.empty());
    EXPECT_FALSE(parseCommandLine({"xg-orvo", "--screen"}).error.empty());
    EXPECT_FALSE(parseCommandLine({"xg-orvo", "--zoom"}).error.empty());
    EXPECT_TRUE(parseCommandLine({"xg-orvo", "--help"}).help);
}

} // namespace
} // namespace app

namespace app {
namespace {

// Prompts that note whether the main window was still on screen when a box was shown.
class VisibilityPrompts final : public Prompts {
  public:
    const QWidget* window = nullptr;
    std::vector<std::pair<std::string, bool>> errors; // text, window visible
    void message(QWidget*, const QString&) override {}
    void error(QWidget*, const QString& text) override {
        errors.emplace_back(text.toStdString(), window != nullptr && window->isVisible());
    }
    void runModal(QDialog& dialog) override { dialog.reject(); }
};

TEST(Closing, AnOutputLostWhileClosingIsToldBeforeTheWindowGoes) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    VisibilityPrompts prompts;
    auto window = startUp(f.session, prompts, {});
    prompts.window = window.get();
    window->show();
    int closedSignals = 0;
    QObject::connect(window.get(), &TMF::closed, [&] { ++closedSignals; });
    // Only the local-on message at closing finds the device gone.
    f.backend.disconnectOutput("device unplugged");

    window->menu().exit->trigger();
    QCoreApplication::processEvents();

    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].first.find("device unplugged"), std::string::npos);
    EXPECT_TRUE(prompts.errors[0].second) << "the box came after the window was gone";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closedSignals, 1) << "the program is told to end";
    EXPECT_NE(f.dir.readIni().find("Etop="), std::string::npos);
}

TEST(Closing, AStoredPositionOffEveryScreenOpensCentred) {
    testing::SessionFixture f;
    f.dir.writeIni("[Position]\nEtop=100000\nEleft=100000\n");
    auto window = startUp(f.session, f.prompts, {});
    QRect centred = window->frameGeometry();
    centred.moveCenter(window->screen()->availableGeometry().center());
    EXPECT_EQ(window->pos(), centred.topLeft());

    testing::SessionFixture g;
    g.dir.writeIni("[Position]\nEtop=20\nEleft=30\n");
    auto placed = startUp(g.session, g.prompts, {});
    EXPECT_EQ(placed->pos(), QPoint(30, 20)) << "a position on the screen is kept";
}

TEST(Closing, AConfigurationThatCannotBeReadIsToldOnceAndLeftAlone) {
    testing::SessionFixture f;
    std::filesystem::create_directory(f.dir.ini()); // a folder where the file should be
    auto window = startUp(f.session, f.prompts, {});
    ASSERT_FALSE(f.prompts.errors.empty());
    EXPECT_EQ(f.prompts.errors[0],
              "Could not open " + f.dir.ini().string() + ": it is a folder, not a file.");
    f.prompts.errors.clear();
    window->close();
    ASSERT_EQ(f.prompts.errors.size(), 1u) << "saving says why it cannot";
    EXPECT_TRUE(std::filesystem::is_directory(f.dir.ini()));
}

TEST(Closing, ASaveThatFailsSaysWhyInWordsAndTheProgramEnds) {
    testing::SessionFixture f;
    auto window = startUp(f.session, f.prompts, {});
    std::filesystem::remove_all(f.dir.path()); // the folder went away while we ran
    int closedSignals = 0;
    QObject::connect(window.get(), &TMF::closed, [&] { ++closedSignals; });
    window->close();
    EXPECT_EQ(f.prompts.errors,
              std::vector<std::string>{"Could not save the settings to " + f.dir.ini().string() +
                                       ": the folder does not exist."});
    EXPECT_EQ(closedSignals, 1);
}

} // namespace
} // namespace app
