// Speed of one step of a range drag: the pointer event, the limit stored and sent, the bar,
// both note names, the part page's note-limit knobs and the keyboard picture redrawn.

#include "aids/range_geometry.h"
#include "aids/range_page.h"
#include "surface_bench_rig.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RangeDragStep(benchmark::State& state) {
    bench::SurfaceRig rig;
    aids::RangePage page(*rig.image, rig.xg, *rig.editor, rig.host);
    page.shown();
    rig.image->part(0, 16) = 100;
    const auto handle = aids::handleRect(0, 100);
    page.mouseDown(editor::MouseButton::Left, {}, handle.left + 2, handle.top + 3);
    int x = 100;
    int direction = -1;
    long steps = 0;
    for (auto _ : state) {
        x += direction;
        if (x <= 20 || x >= 120) direction = -direction;
        page.mouseMove({}, x, 0);
        if (++steps % 4096 == 0) {
            state.PauseTiming();
            rig.port.stopSending();
            rig.backend.clearSent();
            state.ResumeTiming();
        }
    }
    page.mouseUp(editor::MouseButton::Left, {}, x, 0);
}
BENCHMARK(BM_RangeDragStep);

} // namespace
