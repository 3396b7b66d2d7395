// Speed of undo: one knob drag through the panels with and without the undo history
// marking it, and undo/redo of one drag step from the command to the messages queued and
// the surface redrawn.

#include "editor/edit_steps.h"
#include "editor/panels.h"
#include "midi/image_undo.h"
#include "surface_bench_rig.h"

#include <benchmark/benchmark.h>

namespace {

// The reverb send knob of the first strip and where a drag's pointer starts in its square.
constexpr int kKnobX = 31;
constexpr int kKnobY = 86;

struct UndoRig : bench::SurfaceRig {
    midi::ImageUndo undo{*image, xg};
    editor::EditSteps steps{undo};
    editor::Panels panels{*editor};

    explicit UndoRig(bool history) {
        if (history) panels.setEditSteps(&steps);
    }
    // Press, `moves` one-pixel steps, release.
    void drag(int moves) {
        panels.mouseDown(editor::MouseButton::Left, {}, kKnobX, kKnobY);
        for (int i = 1; i <= moves; ++i) panels.mouseMove({}, 64, 63 - i);
        panels.mouseUp(editor::MouseButton::Left, {}, 64, 63 - moves);
    }
    void forgetSent() {
        port.stopSending();
        backend.clearSent();
    }
};

// A whole drag of ten steps; with the history it is also one step of the history.
void wholeDrag(benchmark::State& state, bool history) {
    UndoRig rig(history);
    long drags = 0;
    for (auto _ : state) {
        rig.image->part(0, 19) = 64;
        rig.drag(10);
        if (++drags % 256 == 0) {
            state.PauseTiming();
            rig.forgetSent();
            rig.undo.history().clear();
            state.ResumeTiming();
        }
    }
    state.counters["steps"] = static_cast<double>(rig.undo.history().stepCount());
}

void BM_TenStepDragWithoutHistory(benchmark::State& state) {
    wholeDrag(state, false);
}
BENCHMARK(BM_TenStepDragWithoutHistory)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_TenStepDragWithHistory(benchmark::State& state) {
    wholeDrag(state, true);
}
BENCHMARK(BM_TenStepDragWithHistory)->Repetitions(5)->ReportAggregatesOnly(true);

// Undo, then redo, of one drag: the image restored, the difference queued for the module,
// the step's part shown and the whole surface redrawn. Each iteration is one of the two.
void BM_UndoRedoOfADragStep(benchmark::State& state) {
    UndoRig rig(true);
    rig.drag(10);
    long taken = 0;
    for (auto _ : state) {
        const image::UndoStep* step = (taken++ % 2 == 0) ? rig.undo.undo() : rig.undo.redo();
        editor::showRestored(*rig.editor, *step);
        if (taken % 4096 == 0) {
            state.PauseTiming();
            rig.forgetSent();
            state.ResumeTiming();
        }
    }
    state.counters["messages"] = static_cast<double>(rig.backend.sentCount());
}
BENCHMARK(BM_UndoRedoOfADragStep)->Unit(benchmark::kMicrosecond);

} // namespace
