// Speed of the drum setup editor: one knob drag step (the mouse event to the drum parameter
// change queued, the knob, its value text and the graph redrawn) and the whole panel drawn.

#include "drums/drum_editor.h"
#include "drums/drum_layout.h"
#include "surface_bench_rig.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct DrumRig : bench::SurfaceRig {
    std::unique_ptr<drums::DrumEditor> drums;

    DrumRig() {
        editor->selectPart(image::kDrumPartIndex);
        drums = std::make_unique<drums::DrumEditor>(*image, xg, port, host);
        drums->ShowDrumEditor();
        drums->SelectDrumNote(36);
    }
};

// Drags a knob up and down by one step per event; `knob` 1 is ATTACK, whose steps also
// redraw the envelope graph, 4 is CUTOFF with the filter graph.
void dragKnob(benchmark::State& state, int knob) {
    DrumRig rig;
    const draw::HitRect r = drums::kKnobs[static_cast<std::size_t>(knob - 1)].hit;
    rig.drums->mouseDown(editor::MouseButton::Left, {}, r.left + 5, r.top + 5);
    int y = 64;
    int direction = -1;
    long steps = 0;
    for (auto _ : state) {
        y += direction;
        if (y <= 30 || y >= 100) direction = -direction;
        rig.drums->mouseMove({}, 64, y);
        if (++steps % 4096 == 0) {
            state.PauseTiming();
            rig.backend.clearSent();
            state.ResumeTiming();
        }
    }
    state.counters["messages"] = static_cast<double>(rig.backend.sentCount());
    rig.drums->mouseUp(editor::MouseButton::Left, {}, 64, y);
}

void BM_DrumKnobDragStep(benchmark::State& state) {
    dragKnob(state, 9); // LEVEL
}
// Medians over repetitions: the target is a median step.
BENCHMARK(BM_DrumKnobDragStep)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DrumEnvelopeKnobDragStep(benchmark::State& state) {
    dragKnob(state, 1);
}
BENCHMARK(BM_DrumEnvelopeKnobDragStep)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DrumFilterKnobDragStep(benchmark::State& state) {
    dragKnob(state, 4);
}
BENCHMARK(BM_DrumFilterKnobDragStep)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DrumPanelRedraw(benchmark::State& state) {
    DrumRig rig;
    for (auto _ : state) rig.drums->redrawAll();
}
BENCHMARK(BM_DrumPanelRedraw)->Unit(benchmark::kMillisecond);

} // namespace
