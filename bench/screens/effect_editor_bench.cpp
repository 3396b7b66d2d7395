// Speed of one step of an effect knob drag: from the mouse event to the two-byte effect
// message on the wire, the redrawn knob and the status field.

#include "draw/fonts.h"
#include "editor/part_editor.h"
#include "effects/effect_editor.h"
#include "image/image_init.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

void ensureEffectBenchApplication() {
    static int argc = 1;
    static char name[] = "bench_screens";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)application;
    draw::initialiseToolkit();
}

class SilentHost final : public editor::SurfaceHost {
  public:
    void confinePointer(const editor::HitRect&) override {}
    void releasePointer() override {}
    void setPointerPosition(int, int) override {}
    void setPointerShape(editor::PointerShape) override {}
    void repaint(const editor::HitRect&) override {}
    void showPopupList(int, int, int, int, int, const std::vector<std::string>&, int) override {}
    void hidePopupList(int) override {}
    void showMessage(const std::string&) override {}
};

struct EffectRig {
    midi::MemoryBackend backend{{}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};
    SilentHost host;
    std::unique_ptr<editor::PartEditor> editor;
    std::unique_ptr<effects::EffectEditor> effects;

    EffectRig() {
        ensureEffectBenchApplication();
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        editor = std::make_unique<editor::PartEditor>(*image, xg, port, host);
        editor->show();
        effects = std::make_unique<effects::EffectEditor>(*image, xg, port, *editor, host);
        effects->show();
    }
};

void BM_EffectKnobDragStep(benchmark::State& state) {
    EffectRig rig;
    // Delay L-C-R's left delay (1..7150, two bytes), at 3333: the pointer sits at y 383.
    rig.editor->Ig2MouseDown(editor::MouseButton::Left, {}, 14, 520);
    int y = 383;
    int direction = -1;
    long steps = 0;
    for (auto _ : state) {
        y += direction;
        if (y <= 350 || y >= 400) direction = -direction;
        rig.editor->Ig2MouseMove({}, 333, y);
        if (++steps % 4096 == 0) {
            state.PauseTiming();
            rig.backend.clearSent();
            state.ResumeTiming();
        }
    }
    state.counters["messages"] = static_cast<double>(rig.backend.sentCount());
    rig.editor->Ig2MouseUp(editor::MouseButton::Left, {}, 333, y);
}
BENCHMARK(BM_EffectKnobDragStep);

} // namespace
