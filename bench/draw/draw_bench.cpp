// Drawing speed of the hot paths: one knob with its pointer (redrawn on every step of a
// drag) and each of the four part graphs (redrawn completely on every value change).

#include "draw/buttons.h"
#include "draw/canvas.h"
#include "draw/fonts.h"
#include "draw/knobs.h"
#include "draw/part_graphs.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_draw";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)application;
    draw::initialiseToolkit();
}

// The editor surface the screens draw on.
QImage surface() {
    QImage image(792, 554, QImage::Format_RGB32);
    image.fill(draw::rgb(190, 154, 74));
    return image;
}

image::PartRecord defaultPart() {
    image::PartRecord part{};
    part.fill(64);
    return part;
}

void BM_KnobWithPointer(benchmark::State& state) {
    ensureApplication();
    QImage image = surface();
    draw::Canvas canvas(image);
    int value = 0;
    for (auto _ : state) {
        draw::DrawKnob(canvas, 100, 100, value, true);
        value = (value + 1) & 127;
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_KnobWithPointer);

void BM_Button(benchmark::State& state) {
    ensureApplication();
    QImage image = surface();
    draw::Canvas canvas(image);
    for (auto _ : state) {
        draw::DrawButton(canvas, 100, 100, 150, "Mute", 1);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Button);

template <typename DrawGraph> void runGraph(benchmark::State& state, DrawGraph drawGraph) {
    ensureApplication();
    QImage image = surface();
    draw::Canvas canvas(image);
    draw::PartGraphs graphs;
    image::PartRecord part = defaultPart();
    int value = 0;
    for (auto _ : state) {
        part.fill(static_cast<image::Byte>(value));
        drawGraph(graphs, part, canvas);
        value = (value + 1) & 127;
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_AmplitudeEnvelope(benchmark::State& state) {
    runGraph(
        state, [](draw::PartGraphs& graphs, const image::PartRecord& part, draw::Canvas& canvas) {
            benchmark::DoNotOptimize(graphs.drawAmplitudeEnvelope(part, draw::HandleDecay, canvas));
        });
}
BENCHMARK(BM_AmplitudeEnvelope);

void BM_PitchEnvelope(benchmark::State& state) {
    runGraph(state,
             [](draw::PartGraphs& graphs, const image::PartRecord& part, draw::Canvas& canvas) {
                 benchmark::DoNotOptimize(graphs.drawPitchEnvelope(part, draw::HandleNone, canvas));
             });
}
BENCHMARK(BM_PitchEnvelope);

void BM_Filter(benchmark::State& state) {
    runGraph(state,
             [](draw::PartGraphs& graphs, const image::PartRecord& part, draw::Canvas& canvas) {
                 benchmark::DoNotOptimize(graphs.drawFilter(part, draw::HandleFilter, canvas));
             });
}
BENCHMARK(BM_Filter);

void BM_Vibrato(benchmark::State& state) {
    runGraph(state,
             [](draw::PartGraphs& graphs, const image::PartRecord& part, draw::Canvas& canvas) {
                 graphs.drawVibrato(part, draw::HandleNone, canvas);
             });
}
BENCHMARK(BM_Vibrato);

} // namespace
