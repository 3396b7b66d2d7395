// Speed of the part editor's hot paths: one step of a knob drag from the mouse event to the
// bytes on the wire and the redrawn knob and status field, and painting the whole surface.

#include "surface_bench_rig.h"

#include <benchmark/benchmark.h>

namespace {

using Rig = bench::SurfaceRig;

void dragSteps(benchmark::State& state, Rig& rig) {
    rig.image->part(0, 19) = 64;
    rig.editor->Ig2MouseDown(editor::MouseButton::Left, {}, 31,
                             86); // reverb knob of the first part
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
            // The cable would take minutes for what a tight loop queues: what has not left
            // yet is forgotten, which costs the loop nothing.
            rig.port.stopSending();
            rig.backend.clearSent();
            state.ResumeTiming();
        }
    }
    rig.editor->Ig2MouseUp(editor::MouseButton::Left, {}, 64, y);
}

void BM_DragStep(benchmark::State& state) {
    Rig rig;
    dragSteps(state, rig);
}
BENCHMARK(BM_DragStep);

// The same step as the program takes it: the message is handed to the output queue and a
// sender thread puts it on the backend.
void BM_DragStepThroughTheQueue(benchmark::State& state) {
    Rig rig(midi::SenderMode::Threaded);
    dragSteps(state, rig);
}
BENCHMARK(BM_DragStepThroughTheQueue);

void BM_PaintWholeSurface(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.editor->redrawAll();
        benchmark::DoNotOptimize(rig.editor->image().constBits());
    }
}
BENCHMARK(BM_PaintWholeSurface)->Unit(benchmark::kMillisecond);

} // namespace
