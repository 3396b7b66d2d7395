// Speed of undo: one knob drag through the panels with and without the undo history
// marking it, and undo/redo of one step from the command to the messages queued and the
// screens redrawn: a part knob, an effect knob, an effect type, a drum knob, a system knob.

#include "core/user_voice_part.h"
#include "drums/drum_editor.h"
#include "drums/drum_layout.h"
#include "editor/edit_steps.h"
#include "editor/panels.h"
#include "effects/effect_editor.h"
#include "image/qs300_factory.h"
#include "image/voice_layout.h"
#include "midi/image_undo.h"
#include "qs300/voice_editor.h"
#include "surface_bench_rig.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// The reverb send knob of the first strip and where a drag's pointer starts in its square.
constexpr int kKnobX = 31;
constexpr int kKnobY = 86;

// The part editor with the effect rows, the drum editor installed as the window does, and
// the history marking what the panels do.
struct UndoRig : bench::SurfaceRig {
    midi::ImageUndo undo{*image, xg};
    editor::EditSteps steps{undo};
    editor::Panels panels{*editor};
    std::unique_ptr<effects::EffectEditor> effects;
    std::unique_ptr<drums::DrumEditor> drums;

    explicit UndoRig(bool history) {
        effects = std::make_unique<effects::EffectEditor>(*image, xg, port, *editor, host);
        effects->show();
        drums = std::make_unique<drums::DrumEditor>(*image, xg, port, host);
        panels.install(editor::Panel::DrumEditor, *drums);
        if (history) panels.setEditSteps(&steps);
    }
    // Press at (x, y), `moves` one-pixel steps up (down when negative), release; surface
    // coordinates.
    void dragAt(int x, int y, int moves) {
        panels.mouseDown(editor::MouseButton::Left, {}, x, y);
        const int step = moves < 0 ? -1 : 1;
        for (int i = step; i != moves + step; i += step) panels.mouseMove({}, x, y - i);
        panels.mouseUp(editor::MouseButton::Left, {}, x, y - moves);
    }
    void drag(int moves) { dragAt(kKnobX, kKnobY, moves); }
    // A drag on the control of that name, from its middle.
    void dragArea(const std::string& name, int moves) {
        for (const auto& area : panels.hitAreas())
            if (area.name == name) {
                dragAt((area.rect.left + area.rect.right) / 2,
                       (area.rect.top + area.rect.bottom) / 2, moves);
                return;
            }
    }
    void openDrums() {
        editor->selectPart(image::kDrumPartIndex);
        drums->ShowDrumEditor();
        panels.open(editor::Panel::DrumEditor);
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

// Undo, then redo, of the one step the rig holds: the image restored, the difference queued
// for the module, the step's part shown and what the step changed redrawn. Each iteration
// is one of the two.
void undoAndRedo(benchmark::State& state, UndoRig& rig) {
    if (rig.undo.history().stepCount() != 1) {
        state.SkipWithError("the edit made no single step");
        return;
    }
    rig.forgetSent();
    long taken = 0;
    for (auto _ : state) {
        const image::UndoStep* step = (taken++ % 2 == 0) ? rig.undo.undo() : rig.undo.redo();
        editor::showRestored(rig.panels, *rig.editor, *step);
        if (taken % 4096 == 0) {
            state.PauseTiming();
            rig.forgetSent();
            state.ResumeTiming();
        }
    }
    state.counters["messages"] = static_cast<double>(rig.backend.sentCount());
}

void BM_UndoRedoOfADragStep(benchmark::State& state) {
    UndoRig rig(true);
    rig.drag(10);
    undoAndRedo(state, rig);
}
BENCHMARK(BM_UndoRedoOfADragStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_UndoRedoOfAnEffectKnobStep(benchmark::State& state) {
    UndoRig rig(true);
    rig.dragArea("Reverb knob 1", 10);
    undoAndRedo(state, rig);
}
BENCHMARK(BM_UndoRedoOfAnEffectKnobStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A new variation type: the row shows other knobs and the strips' sends follow.
void BM_UndoRedoOfAnEffectTypeChange(benchmark::State& state) {
    UndoRig rig(true);
    rig.panels.popupListClicked(editor::PopupList::VariationTypes, 5, false);
    undoAndRedo(state, rig);
}
BENCHMARK(BM_UndoRedoOfAnEffectTypeChange)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_UndoRedoOfADrumKnobStep(benchmark::State& state) {
    UndoRig rig(true);
    rig.openDrums();
    rig.undo.history().clear();
    rig.dragArea(drums::kKnobs[8].label, 10); // LEVEL
    undoAndRedo(state, rig);
}
BENCHMARK(BM_UndoRedoOfADrumKnobStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_UndoRedoOfASystemKnobStep(benchmark::State& state) {
    UndoRig rig(true);
    rig.dragArea("Master Volume", -10);
    undoAndRedo(state, rig);
}
BENCHMARK(BM_UndoRedoOfASystemKnobStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One value of the edit voice's first element while the QS300 editor is open: the whole
// voice goes out again and the editor repaints.
void BM_UndoRedoOfAVoiceEditorStep(benchmark::State& state) {
    UndoRig rig(true);
    testvoice::assignUserVoice(*rig.image, 0, image::factoryUserBank()[0], false);
    qs300::VoiceEditor voice(*rig.image, rig.xg, rig.port, rig.host);
    rig.panels.install(editor::Panel::VoiceEditor, voice);
    voice.open(0);
    rig.panels.open(editor::Panel::VoiceEditor);
    rig.undo.history().clear();
    rig.steps.begin("Cutoff");
    voice.edit().setElementByteOf(0, image::voice::element::kCutoff, 20);
    rig.steps.end();
    undoAndRedo(state, rig);
}
BENCHMARK(BM_UndoRedoOfAVoiceEditorStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
