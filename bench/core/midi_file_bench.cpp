// Reading and writing a 1 MB set-like MIDI file: mostly channel events, with system-exclusive
// parameter changes in between.

#include "allocation_counter.h"
#include "files/midi_data.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

files::TxMidiData makeMegabyteFile() {
    files::TxMidiData data;
    const std::uint8_t parameterChange[] = {0x43, 0x10, 0x4C, 0x08, 0x00, 0x07, 0x40, 0xF7};
    for (int t = 0; t < 4; ++t) {
        auto& track = data.addTrack();
        std::uint32_t time = 0;
        for (int i = 0; i < 47000; ++i) {
            time += static_cast<std::uint32_t>(i % 3);
            const auto channel = static_cast<std::uint8_t>(i % 16);
            track.appendChannel(time, 0x90 | channel, static_cast<std::uint8_t>(i % 128), 100);
            if (i % 8 == 0) track.appendSysEx(time, 0xF0, parameterChange);
        }
    }
    return data;
}

const std::vector<std::uint8_t>& megabyteFile() {
    static const std::vector<std::uint8_t> bytes = makeMegabyteFile().toBytes();
    return bytes;
}

void readMidiFile(benchmark::State& state) {
    const auto& bytes = megabyteFile();
    files::TxMidiData data;
    long allocationsPerRead = 0;
    for (auto _ : state) {
        const long before = benchutil::allocationCount();
        data.readBytes(bytes);
        allocationsPerRead = benchutil::allocationCount() - before;
        benchmark::DoNotOptimize(data.eventCount());
    }
    state.counters["allocations"] = static_cast<double>(allocationsPerRead);
    state.counters["tracks"] = static_cast<double>(data.trackCount());
    state.counters["events"] = static_cast<double>(data.eventCount());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(readMidiFile);

void writeMidiFile(benchmark::State& state) {
    files::TxMidiData data;
    data.readBytes(megabyteFile());
    std::size_t size = 0;
    for (auto _ : state) {
        const auto bytes = data.toBytes();
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(writeMidiFile);

} // namespace
