// The File menu's set commands on the real windows: dialogs answered by the test, the
// module played by the memory backend.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/send_progress.h"
#include "app/set_file_commands.h"
#include "app/startup.h"
#include "image/part_defaults.h"

#include "app_test_support.h"

#include <QAction>
#include <QMenu>
#include <QProgressBar>

namespace app {
namespace {

namespace off = image::offset;

class ScriptedFiles final : public FilePrompts {
  public:
    std::vector<FileDialogRequest> asked;
    std::optional<FileDialogAnswer> answer;

    std::optional<FileDialogAnswer> openFile(QWidget*, const FileDialogRequest& r) override {
        asked.push_back(r);
        return answer;
    }
    std::optional<FileDialogAnswer> saveFile(QWidget*, const FileDialogRequest& r) override {
        asked.push_back(r);
        return answer;
    }
};

struct SetFiles : ::testing::Test {
    testing::SessionFixture f;
    ScriptedFiles files;
    std::unique_ptr<TMF> window;

    void SetUp() override {
        f.dir.writeIni(testing::kVirtualOutIni);
        window = startUp(f.session, f.prompts, {});
        window->setFiles().setFilePrompts(files);
        f.prompts.answer = true;
        f.backend.clearSent();
    }
    image::SynthImage& image() { return f.session.image(); }
    QAction* item(const char* name) { return window->findChild<QAction*>(name); }
    void openFileMenu() { emit window->menu().file->aboutToShow(); }
    std::string path(const char* name) const { return (f.dir.path() / name).string(); }
    void answer(const std::string& p, int filter = 1) {
        files.answer = FileDialogAnswer{QString::fromStdString(p), filter};
    }
};

TEST_F(SetFiles, SaveItemsFollowTheChangeCounts) {
    openFileMenu();
    EXPECT_FALSE(item("SaveSet1")->isEnabled());
    EXPECT_FALSE(item("SaveFX1")->isEnabled());
    EXPECT_FALSE(item("SaveDrums1")->isEnabled());
    EXPECT_TRUE(item("LoadSet1")->isEnabled());

    image().part(2, off::kPan) = 10;
    openFileMenu();
    EXPECT_TRUE(item("SaveSet1")->isEnabled());
    EXPECT_FALSE(item("SaveFX1")->isEnabled());

    image().chorus.current[3] ^= 1;
    image().drums[0].table[30][1] ^= 1;
    openFileMenu();
    EXPECT_TRUE(item("SaveFX1")->isEnabled());
    EXPECT_TRUE(item("SaveDrums1")->isEnabled());
}

TEST_F(SetFiles, NewAnsweredNoChangesNothing) {
    image().part(2, off::kPan) = 10;
    window->editorWindow().setWindowTitle("song.XGS");
    f.prompts.answer = false;
    item("FileNewItem")->trigger();
    EXPECT_EQ(f.prompts.questions,
              (std::vector<std::string>{"Initialize All Data. Are You Sure?"}));
    EXPECT_EQ(image().part(2, off::kPan), 10);
    EXPECT_TRUE(f.backend.sent().empty());
    EXPECT_EQ(window->editorWindow().windowTitle(), "song.XGS");

    f.prompts.answer = true;
    item("FileNewItem")->trigger();
    EXPECT_EQ(image().part(2, off::kPan), 64);
    EXPECT_EQ(f.backend.sent(), (std::vector<testing::Message>{testing::bytes(
                                    {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})}));
    EXPECT_EQ(window->editorWindow().windowTitle(), "Default");
    EXPECT_EQ(window->setFiles().memory().lastName(files::FileKind::Set), "*.XGS");
}

TEST_F(SetFiles, DialogsOfferTheKindAndTheLastName) {
    image().drums[0].table[30][1] ^= 1;
    answer(path("kit"), 2);
    item("SaveDrums1")->trigger();
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_EQ(files.asked[0].title, "Save Drum File");
    EXPECT_EQ(files.asked[0].presetName, "*.XDM");
    EXPECT_EQ(files.asked[0].filterIndex, 1);
    EXPECT_EQ(files.asked[0].filters,
              QStringList({"Drum File (*.XDM *.xdm)", "Midi File (*.MID *.mid)"}));
    // A name without a dot took the extension of the chosen filter.
    EXPECT_TRUE(std::filesystem::exists(path("kit.MID")));
    item("LoadDrums1")->trigger();
    EXPECT_EQ(files.asked[1].title, "Load Drum File");
    EXPECT_EQ(files.asked[1].presetName, QString::fromStdString(path("kit.MID")));
    EXPECT_EQ(files.asked[1].filterIndex, 2);
    // Drum files do not enter the history of sets.
    EXPECT_TRUE(f.session.settings().history.empty());
}

TEST_F(SetFiles, AForeignExtensionDoesNothingAndABrokenFileIsReported) {
    answer(path("notes.txt"));
    item("LoadSet1")->trigger();
    EXPECT_TRUE(f.prompts.errors.empty());
    { std::ofstream(path("broken.xgs")) << "MThd"; }
    image().part(4, off::kVolume) = 3;
    answer(path("broken.xgs"));
    item("LoadSet1")->trigger();
    ASSERT_EQ(f.prompts.errors.size(), 1u);
    EXPECT_EQ(image().part(4, off::kVolume), 3);
    EXPECT_TRUE(f.backend.sent().empty());
}

TEST_F(SetFiles, SaveNewAndLoadBringTheSurfaceBack) {
    auto& editor = window->editorWindow();
    image().part(2, off::kPan) = 20;
    editor.editor().redrawAll();
    editor.effects().ShowReverb(3);
    ASSERT_EQ(image().reverb.typeIndex, 3);
    const QImage edited = editor.surface().copy();

    answer(path("Song.xgs"));
    item("SaveSet1")->trigger();
    ASSERT_TRUE(f.prompts.errors.empty()) << f.prompts.errors.front();
    item("FileNewItem")->trigger();
    EXPECT_NE(editor.surface(), edited);
    f.backend.clearSent();

    item("LoadSet1")->trigger();
    ASSERT_TRUE(f.prompts.errors.empty()) << f.prompts.errors.front();
    const auto sent = f.backend.sent();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0], testing::bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}));
    EXPECT_EQ(sent[1], testing::bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0E, 20, 0xF7}));
    EXPECT_EQ(sent[2].size(), 25u); // reverb dump A
    EXPECT_EQ(sent[2][9], 0x02);    // Room 1
    EXPECT_EQ(sent[3].size(), 17u);
    EXPECT_EQ(image().reverb.typeIndex, 3);
    EXPECT_EQ(editor.surface(), edited);
    EXPECT_EQ(editor.windowTitle(), "Song.xgs");

    // The history offers the set; opening it from there loads it again.
    const auto& menu = window->menu();
    EXPECT_TRUE(menu.historySeparator->isVisible());
    EXPECT_EQ(menu.history[0]->text().toStdString(), path("Song.xgs"));
    item("FileNewItem")->trigger();
    menu.history[0]->trigger();
    EXPECT_EQ(image().part(2, off::kPan), 20);
    EXPECT_EQ(f.session.settings().history, (std::vector<std::string>{path("Song.xgs")}));
}

TEST_F(SetFiles, RefreshDrumsetsSendsWhatDiffersFromTheModule) {
    image().drums[0].table[10][3] = 9;
    item("RefreshDrumMaps1")->trigger();
    EXPECT_EQ(f.backend.sent(), (std::vector<testing::Message>{testing::bytes(
                                    {0xF0, 0x43, 0x10, 0x4C, 0x30, 23, 3, 9, 0xF7})}));
}

// A set as a musician leaves it: every part moved, so that its send takes a while.
void editEveryPart(image::SynthImage& image) {
    for (int p = 0; p < image::kPartCount; ++p)
        for (int o = 41; o < 100; ++o) image.part(p, o) = static_cast<image::Byte>(p + 1);
}

TEST(SetFilesFreshStart, ASavedSetReopensFromTheHistoryOfTheNextRun) {
    testing::SessionFixture first;
    first.dir.writeIni(testing::kVirtualOutIni);
    const auto song = (first.dir.path() / "Evening.xgs").string();
    {
        ScriptedFiles files;
        auto window = startUp(first.session, first.prompts, {});
        window->setFiles().setFilePrompts(files);
        first.session.image().part(2, off::kPan) = 20;
        files.answer = FileDialogAnswer{QString::fromStdString(song), 1};
        window->findChild<QAction*>("SaveSet1")->trigger();
        window->close();
    }
    EXPECT_NE(first.dir.readIni().find("1=" + song), std::string::npos);

    midi::MemoryBackend backend{{}, {"Synth"}};
    midi::ManualClock clock;
    Session next{backend, clock, files::AppPaths{first.dir.path()}};
    testing::RecordingPrompts prompts;
    auto window = startUp(next, prompts, {});
    const auto& menu = window->menu();
    ASSERT_TRUE(menu.history[0]->isVisible());
    EXPECT_TRUE(menu.history[0]->isEnabled());
    menu.history[0]->trigger();
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(next.image().part(2, off::kPan), 20);
    EXPECT_EQ(window->editorWindow().windowTitle(), "Evening.xgs");
}

TEST(SetFilesWhileSending, ALoadReturnsAtOnceShowsItsProgressAndAnEarlyCloseStopsIt) {
    testing::SessionFixture f;
    f.dir.writeIni(testing::kVirtualOutIni);
    Session session{f.backend, f.clock, files::AppPaths{f.dir.path()}, midi::SenderMode::Stepped};
    ScriptedFiles files;
    auto window = startUp(session, f.prompts, {});
    window->setFiles().setFilePrompts(files);
    const auto song = (f.dir.path() / "Busy.XGS").string();
    editEveryPart(session.image());
    files.answer = FileDialogAnswer{QString::fromStdString(song), 1};
    window->findChild<QAction*>("SaveSet1")->trigger();
    session.port().queue().runDue();

    window->findChild<QAction*>("LoadSet1")->trigger();
    // The window is free again while the set still waits for the cable.
    const auto progress = session.port().progress();
    ASSERT_GT(progress.queuedMicros - progress.doneMicros, SendProgress::kShowAboveMicros);
    window->sendProgress().check();
    EXPECT_FALSE(window->sendProgress().bar().isHidden());
    f.clock.advance(midi::Millis(100));
    session.port().queue().runDue();
    const auto before = f.backend.sentCount();
    window->close();
    // What still waited is forgotten; the configuration is written whole.
    EXPECT_LE(f.backend.sentCount(), before + 1);
    EXPECT_NE(f.dir.readIni().find("1=" + song), std::string::npos);
    EXPECT_NE(f.dir.readIni().find("Etop="), std::string::npos);
}

} // namespace
} // namespace app

namespace app {
namespace {

TEST_F(SetFiles, ExportNewImportSysExBringsTheSetBack) {
    image().part(2, off::kPan) = 10;
    image().drums[0].table[12][2] = 44;
    image().variation.current[24] = 99;
    const auto before = std::make_unique<image::SynthImage>(image());
    answer(path("song"));
    item("ExportSysEx1")->trigger();
    EXPECT_EQ(files.asked.at(0).filters, QStringList({"SysEx Files (*.SYX *.syx)"}));
    ASSERT_TRUE(std::filesystem::exists(path("song.syx")));
    EXPECT_TRUE(f.prompts.errors.empty());

    item("FileNewItem")->trigger();
    EXPECT_EQ(image().part(2, off::kPan), 64);
    f.backend.clearSent();
    answer(path("song.syx"));
    item("ImportSysEx1")->trigger();
    EXPECT_TRUE(f.prompts.errors.empty());
    EXPECT_EQ(image().parts, before->parts);
    EXPECT_EQ(image().drums[0].table, before->drums[0].table);
    EXPECT_EQ(image().variation.current, before->variation.current);
    EXPECT_EQ(window->editorWindow().windowTitle(), "song.syx");
    // The module got the imported set: a reset first.
    ASSERT_FALSE(f.backend.sent().empty());
    EXPECT_EQ(f.backend.sent().front(),
              testing::bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}));
}

TEST_F(SetFiles, ABrokenSysExFileIsReportedAndChangesNothing) {
    { std::ofstream(path("cut.syx")) << "\xF0\x43\x10\x4C"; }
    image().part(4, off::kVolume) = 3;
    answer(path("cut.syx"));
    item("ImportSysEx1")->trigger();
    ASSERT_EQ(f.prompts.errors.size(), 1u);
    EXPECT_NE(f.prompts.errors[0].find("cut.syx"), std::string::npos);
    EXPECT_EQ(image().part(4, off::kVolume), 3);
    EXPECT_TRUE(f.backend.sent().empty());
}

} // namespace
} // namespace app
