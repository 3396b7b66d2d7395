// Loading a 1 MB MIDI song as a set: the container reads it and the interpreter applies its
// 20,000 XG messages (part, effect and drum parameter changes and part dumps) to a copy of
// the image, between notes of a busy song.

#include "files/midi_data.h"
#include "files/set_loader.h"
#include "image/image_init.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr int kXgMessages = 20000;
constexpr std::size_t kSongBytes = 1 << 20;

void appendXgMessage(files::TxMidiTrack& track, std::uint32_t time, int i) {
    const auto part = static_cast<std::uint8_t>(i % 16);
    const auto value = static_cast<std::uint8_t>(i % 128);
    switch (i % 5) {
    case 0: {
        const std::uint8_t pan[] = {0x43, 0x10, 0x4C, 0x08, part, 0x0E, value, 0xF7};
        track.appendSysEx(time, 0xF0, pan);
        break;
    }
    case 1: {
        const std::uint8_t scale[] = {0x43, 0x10, 0x4C, 0x08, part, 0x41, value, 0xF7};
        track.appendSysEx(time, 0xF0, scale);
        break;
    }
    case 2: {
        const std::uint8_t reverbReturn[] = {0x43, 0x10, 0x4C, 0x02, 0x01, 0x0C, value, 0xF7};
        track.appendSysEx(time, 0xF0, reverbReturn);
        break;
    }
    case 3: {
        const std::uint8_t level[] = {0x43, 0x10, 0x4C, 0x30, 36, 0x02, value, 0xF7};
        track.appendSysEx(time, 0xF0, level);
        break;
    }
    default: {
        std::vector<std::uint8_t> dump{0x43, 0x00, 0x4C, 0x00, 0x3F, 0x08, part, 0x30};
        for (int o = 0; o < 63; ++o) dump.push_back(static_cast<std::uint8_t>(64));
        dump.push_back(0);
        dump.push_back(0xF7);
        track.appendSysEx(time, 0xF0, dump);
        break;
    }
    }
}

std::vector<std::uint8_t> makeSong() {
    files::TxMidiData song;
    auto& setUp = song.addTrack();
    std::uint32_t time = 0;
    for (int i = 0; i < kXgMessages; ++i) {
        time += 4;
        appendXgMessage(setUp, time, i);
    }
    // Notes on tracks of their own fill the rest of the megabyte.
    constexpr int kNoteTracks = 4;
    for (int t = 0; t < kNoteTracks; ++t) song.addTrack();
    for (int i = 0; song.toBytes().size() < kSongBytes;) {
        for (int n = 0; n < 4096; ++n, ++i) {
            auto& track = song.Track(1 + static_cast<std::size_t>(i / 4096 % kNoteTracks));
            track.appendChannel(static_cast<std::uint32_t>(i), static_cast<std::uint8_t>(0x90),
                                static_cast<std::uint8_t>(i % 128), (i % 2) * 100);
        }
    }
    return song.toBytes();
}

void loadSongAsSet(benchmark::State& state) {
    static const auto song = makeSong();
    auto start = std::make_unique<image::SynthImage>();
    image::initialiseImage(*start);
    int applied = 0;
    for (auto _ : state) {
        const auto loaded =
            files::readSetBytes(song, files::SetKind::Set, *start, midi::SynthType::Db50);
        applied = loaded.counters.total();
        benchmark::DoNotOptimize(loaded.image.get());
    }
    state.counters["file_bytes"] = static_cast<double>(song.size());
    state.counters["bytes_applied"] = static_cast<double>(applied);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * song.size()));
}
BENCHMARK(loadSongAsSet)->Unit(benchmark::kMillisecond);

} // namespace
