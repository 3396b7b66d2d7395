// What the undo history costs an edit: the image copied when an action begins and
// compared when it ends, with one changed value kept as a step.

#include "image/image_init.h"
#include "image/undo_history.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_UndoStepOfOneValue(benchmark::State& state) {
    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    image::UndoHistory history;
    int value = 0;
    for (auto _ : state) {
        history.begin(*image, "Volume");
        image->part(0, image::offset::kVolume) = static_cast<image::Byte>(++value & 0x7F);
        benchmark::DoNotOptimize(history.end(*image));
    }
    state.counters["image bytes"] = static_cast<double>(sizeof(image::SynthImage));
}
BENCHMARK(BM_UndoStepOfOneValue)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
