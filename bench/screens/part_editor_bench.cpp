// Speed of the part editor's hot paths: one step of a knob drag from the mouse event to the
// bytes on the wire and the redrawn knob and status field, and painting the whole surface.

#include "draw/fonts.h"
#include "editor/part_editor.h"
#include "image/image_init.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_screens";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)application;
    draw::initialiseToolkit();
}

// A window that does nothing but count the repaints it is asked for.
class QuietHost final : public editor::SurfaceHost {
  public:
    void confinePointer(const editor::HitRect&) override {}
    void releasePointer() override {}
    void setPointerPosition(int, int) override {}
    void setPointerShape(editor::PointerShape) override {}
    void repaint(const editor::HitRect&) override { ++repaints; }
    void showPopupList(int, int, int, int, int, const std::vector<std::string>&, int) override {}
    void hidePopupList(int) override {}
    void showMessage(const std::string&) override {}
    long repaints = 0;
};

struct Rig {
    midi::MemoryBackend backend{{}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};
    QuietHost host;
    std::unique_ptr<editor::PartEditor> editor;

    Rig() {
        ensureApplication();
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        editor = std::make_unique<editor::PartEditor>(*image, xg, port, host);
        editor->show();
    }
};

void BM_DragStep(benchmark::State& state) {
    Rig rig;
    rig.image->part(0, 19) = 64;
    rig.editor->Ig2MouseDown(editor::MouseButton::Left, {}, 31, 86); // reverb knob of the first part
    // The pointer sits at (64, 63) in the value square; each step moves it one pixel.
    int y = 63;
    int direction = -1;
    long steps = 0;
    for (auto _ : state) {
        y += direction;
        if (y <= 40 || y >= 80) direction = -direction;
        rig.editor->Ig2MouseMove({}, 64, y);
        if (++steps % 4096 == 0) {
            state.PauseTiming();
            rig.backend.clearSent();
            state.ResumeTiming();
        }
    }
    state.counters["messages"] = static_cast<double>(rig.backend.sentCount());
    rig.editor->Ig2MouseUp(editor::MouseButton::Left, {}, 64, y);
}
BENCHMARK(BM_DragStep);

void BM_PaintWholeSurface(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.editor->redrawAll();
        benchmark::DoNotOptimize(rig.editor->image().constBits());
    }
}
BENCHMARK(BM_PaintWholeSurface)->Unit(benchmark::kMillisecond);

} // namespace
