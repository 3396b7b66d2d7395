// How long an edit takes from the image to the backend, and whether it allocates.

#include "image/image_init.h"
#include "image/part_defaults.h"
#include "midi/backend.h"
#include "midi/clock.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <benchmark/benchmark.h>

#include "allocation_counter.h"

#include <memory>

namespace {

// A backend that takes every message and keeps only a byte count.
class CountingBackend final : public midi::Backend {
  public:
    std::vector<std::string> inputNames() override { return {}; }
    std::vector<std::string> outputNames() override { return {"Sink"}; }
    std::string virtualOutputName() const override { return "XG-Orvo Out"; }
    void openOutput(int) override {}
    void closeOutput() override {}
    void openInput(int, midi::InputCallback) override {}
    void closeInput() override {}
    void send(midi::Bytes message) override { bytes += message.size(); }
    std::size_t bytes = 0;
};

// The cable rate would throttle a tight loop; the benchmark measures our own cost, so
// time stands still here.
class FrozenClock final : public midi::Clock {
  public:
    midi::Millis now() const override { return midi::Millis(0); }
    void sleepFor(midi::Millis) override {}
};

struct Rig {
    CountingBackend backend;
    FrozenClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};
    Rig() {
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
    }
};

void BM_SendPartParam(benchmark::State& state) {
    Rig rig;
    int value = 0;
    const long before = benchutil::allocationCount();
    for (auto _ : state) {
        rig.xg.SendPartParam(2, 2 * 104 + 11, static_cast<std::uint8_t>(value++ & 0x7F));
    }
    state.counters["allocs_per_send"] =
        benchmark::Counter(static_cast<double>(benchutil::allocationCount() - before),
                           benchmark::Counter::kAvgIterations);
    benchmark::DoNotOptimize(rig.backend.bytes);
}
BENCHMARK(BM_SendPartParam);

// Handing an edit to the output queue, with the sender thread taking it from there.
void BM_QueuePartParam(benchmark::State& state) {
    CountingBackend backend;
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock, midi::SenderMode::Threaded);
    auto image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg(port, *image, clock);
    image::initialiseImage(*image);
    port.FillDeviceLists();
    port.OpenMidiOut(0);
    int value = 0;
    long queued = 0;
    const long before = benchutil::allocationCount();
    for (auto _ : state) {
        xg.SendPartParam(2, 2 * 104 + 11, static_cast<std::uint8_t>(value++ & 0x7F));
        if (++queued % 4096 == 0) {
            state.PauseTiming();
            port.stopSending(); // the cable is far slower than this loop
            state.ResumeTiming();
        }
    }
    state.counters["allocs_per_send"] =
        benchmark::Counter(static_cast<double>(benchutil::allocationCount() - before),
                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_QueuePartParam);

void BM_SendPartTableFullyChanged(benchmark::State& state) {
    Rig rig;
    // Every byte differs from its default, so every offset of every part goes out.
    for (int p = 0; p < image::kPartCount; ++p)
        for (int o = 0; o < image::kPartRecordSize; ++o)
            rig.image->part(p, o) = static_cast<std::uint8_t>(image::ExpectedPartValue(p, o) ^ 1);
    const long before = benchutil::allocationCount();
    for (auto _ : state) rig.xg.SendPartTable();
    state.counters["allocs_per_table"] =
        benchmark::Counter(static_cast<double>(benchutil::allocationCount() - before),
                           benchmark::Counter::kAvgIterations);
    state.counters["bytes_per_table"] = benchmark::Counter(static_cast<double>(rig.backend.bytes),
                                                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SendPartTableFullyChanged);

} // namespace
