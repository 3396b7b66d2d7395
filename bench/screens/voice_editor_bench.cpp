// Speed of the QS300 voice editor: one drag step of an envelope point (value stored, graph
// and strip values redrawn), one step of a value that also goes out as an XG part
// parameter, and painting the whole editor.

#include "core/user_voice_part.h"
#include "image/qs300_factory.h"
#include "image/voice_layout.h"
#include "qs300/voice_editor.h"
#include "surface_bench_rig.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

struct VoiceRig : bench::SurfaceRig {
    std::unique_ptr<qs300::VoiceEditor> voice;

    VoiceRig() {
        testvoice::assignUserVoice(*image, 0, image::factoryUserBank()[0], false);
        voice = std::make_unique<qs300::VoiceEditor>(*image, xg, port, host);
        voice->open(0);
    }
    // Presses at (pressX, pressY), then moves up and down one pixel at a time around (x, y)
    // of the value square, where the window keeps the hidden pointer during a drag.
    void drag(benchmark::State& state, int pressX, int pressY, int x, int y) {
        voice->mouseDown(editor::MouseButton::Left, {}, pressX, pressY);
        const int top = y - 20;
        const int bottom = y + 20;
        int direction = -1;
        long steps = 0;
        for (auto _ : state) {
            y += direction;
            if (y <= top || y >= bottom) direction = -direction;
            voice->mouseMove({}, x, y);
            if (++steps % 4096 == 0) {
                state.PauseTiming();
                backend.clearSent();
                state.ResumeTiming();
            }
        }
        state.counters["messages"] = static_cast<double>(backend.sentCount());
        voice->mouseUp(editor::MouseButton::Left, {}, x, y);
    }
};

void BM_VoiceEnvelopePointDragStep(benchmark::State& state) {
    VoiceRig rig;
    // The filter EG's decay 1 point; the strip shows the envelope values while it moves.
    namespace el = image::voice::element;
    const auto handle = rig.voice->pointRect(14);
    const int rate = rig.voice->edit().elementByte(el::kFilterEgRates + 1);
    const int level = rig.voice->edit().elementByte(el::kFilterEgLevels + 2);
    rig.drag(state, handle.left + 3, handle.top + 3, 63 - rate, std::clamp(127 - level, 21, 106));
}
BENCHMARK(BM_VoiceEnvelopePointDragStep);

void BM_VoiceMirroredValueDragStep(benchmark::State& state) {
    VoiceRig rig;
    // "Voice Level": each step also goes out as the part's volume.
    rig.voice->edit().setCommonByte(image::voice::kLevel, 64);
    rig.drag(state, qs300::kOverallRects[0].left + 5, qs300::kOverallRects[0].top + 5, 64, 63);
}
BENCHMARK(BM_VoiceMirroredValueDragStep);

void BM_VoiceEditorPaintAll(benchmark::State& state) {
    VoiceRig rig;
    for (auto _ : state) rig.voice->redrawAll();
}
BENCHMARK(BM_VoiceEditorPaintAll)->Unit(benchmark::kMillisecond);

} // namespace
