// Speed of the voice chooser: from the press on a strip's voice button to both lists
// filled and painted, and from a click on a voice to the last message queued with the
// strips redrawn.

#include "app/editor_window.h"
#include "app/prompts.h"
#include "app/session.h"
#include "app/voice_chooser.h"
#include "draw/fonts.h"
#include "editor/voice_list_layout.h"
#include "image/image_init.h"
#include "image/voice_catalogue.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_app";
    static char* argv[] = {name, nullptr};
    static QApplication* application =
        QApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)application;
    draw::initialiseToolkit();
}

struct SilentPrompts final : app::Prompts {
    void message(QWidget*, const QString&) override {}
    void error(QWidget*, const QString&) override {}
    void runModal(QDialog& dialog) override { dialog.reject(); }
};

struct Rig {
    midi::MemoryBackend backend{{}, {"Module Out"}};
    midi::ManualClock clock;
    app::Session session{backend, clock, files::AppPaths{std::filesystem::temp_directory_path()}};
    SilentPrompts prompts;
    std::unique_ptr<app::TFXg> window;

    Rig() {
        ensureApplication();
        image::initialiseImage(session.image());
        session.applySettings();
        session.port().FillDeviceLists();
        session.port().OpenMidiOut(0);
        window = std::make_unique<app::TFXg>(session, prompts);
        window->FormShow();
    }
    // Paints a shown list as the window would on its next paint.
    void paint(editor::PopupList id, QImage& target) {
        if (QListWidget* list = window->popupList(id)) list->render(&target);
    }
};

void BM_OpenVoiceLists(benchmark::State& state) {
    Rig rig;
    QImage target(300, 560, QImage::Format_RGB32);
    int part = 0;
    for (auto _ : state) {
        // The press on the voice button of the part, then both lists painted.
        rig.window->editor().Ig2MouseDown(editor::MouseButton::Left, {}, 30 + 35 * part, 390);
        rig.paint(editor::PopupList::VoiceCategories, target);
        rig.paint(editor::voiceListId(0), target);
        state.PauseTiming();
        rig.window->editor().Ig2MouseUp(editor::MouseButton::Left, {}, 30 + 35 * part, 390);
        rig.window->voices().hideVoiceLists();
        part = (part + 1) % 16;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenVoiceLists)->Unit(benchmark::kMillisecond);

// The heaviest click: a voice of four elements on a pair of parts, with both dumps, the
// mirrored controls of both parts and both strips redrawn.
void BM_SelectFourElementVoice(benchmark::State& state) {
    Rig rig;
    rig.session.image().bank[0][image::kVoiceElementSwitchByte] = 0x0F;
    rig.session.settings().qsData = true;
    for (auto _ : state) {
        rig.window->voices().select(image::kQsUserList, 0);
        state.PauseTiming();
        rig.backend.clearSent();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectFourElementVoice)->Unit(benchmark::kMillisecond);

void BM_SelectXgVoice(benchmark::State& state) {
    Rig rig;
    int item = 0;
    for (auto _ : state) {
        rig.window->voices().select(0, item);
        item = (item + 1) % image::voiceListSize(0);
        state.PauseTiming();
        rig.backend.clearSent();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectXgVoice)->Unit(benchmark::kMillisecond);

} // namespace
