// Speed of one step of an effect knob drag: from the mouse event to the two-byte effect
// message on the wire, the redrawn knob and the status field.

#include "effects/effect_editor.h"
#include "surface_bench_rig.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The part editor with the effect editor hooked in, as the window builds them.
struct EffectRig : bench::SurfaceRig {
    std::unique_ptr<effects::EffectEditor> effects;

    EffectRig() {
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
