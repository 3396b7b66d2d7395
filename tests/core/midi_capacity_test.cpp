#include "files/errors.h"
#include "files/midi_data.h"

#include "core/smf_builder.h"
#include "core/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using files::TxMidiData;
using files::TxMidiTrack;
using testsmf::Bytes;

namespace {

void writeBytes(const std::filesystem::path& path, const Bytes& bytes) {
    testfiles::writeText(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string activationError(const std::filesystem::path& path) {
    TxMidiData data;
    data.setFileName(path);
    try {
        data.SetActive(true);
    } catch (const std::exception& e) {
        EXPECT_EQ(data.trackCount(), 0u);
        EXPECT_FALSE(data.active());
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(MidiCapacity, WhatIsNoRegularFileIsRefusedWithOneMessage) {
    testfiles::TempFolder folder("midi_kinds");
    EXPECT_EQ(activationError(folder.path()),
              "Could not open " + folder.path().string() + ": it is a folder, not a file.");
    const auto pipe = folder / "song.mid";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(activationError(pipe),
              "Could not open " + pipe.string() + ": it is not a regular file.");
    EXPECT_EQ(activationError("/dev/zero"), "Could not open /dev/zero: it is not a regular file.");
    const auto missing = folder / "missing.mid";
    EXPECT_EQ(activationError(missing),
              "Could not open " + missing.string() + ": the file does not exist.");
}

TEST(MidiCapacity, AFileLargerThanItsDeclaredTracksCanHoldIsRefused) {
    testfiles::TempFolder folder("midi_large");
    const auto path = folder / "huge.mid";
    Bytes bytes = testsmf::file({0x00, 0xFF, 0x2F, 0x00});
    writeBytes(path, bytes);
    // A sparse file: no disk space, but far more than one track can hold.
    std::filesystem::resize_file(path, 1ull << 30);
    EXPECT_EQ(activationError(path), "Size exceeds capacity");

    // Up to the bound, trailing bytes are read and ignored as before.
    std::filesystem::resize_file(path, bytes.size() + 100);
    TxMidiData data;
    data.setFileName(path);
    data.SetActive(true);
    EXPECT_EQ(data.eventCount(), 1u);
}

TEST(MidiCapacity, ReadingStopsWhereTheChunksStop) {
    testfiles::TempFolder folder("midi_claims");
    // A header that claims 65,535 tracks (a bound far above the file's size) and then
    // nothing but zeros: the reader stops at the first chunk that is none, without taking
    // the gigabyte behind it into memory.
    const auto path = folder / "claims.mid";
    writeBytes(path, {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0xFF, 0xFF, 0, 180});
    std::filesystem::resize_file(path, 1ull << 30);
    EXPECT_EQ(activationError(path), "Invalid Track Start ID");

    // A real track, then a chunk whose length runs past the end: the end of the file is
    // what is reported, as when the whole file was read.
    Bytes bytes = testsmf::file({0x00, 0xFF, 0x2F, 0x00});
    bytes[11] = 2; // two tracks
    const Bytes cut = {'M', 'T', 'r', 'k', 0x00, 0x10, 0x00, 0x00, 0x00};
    bytes.insert(bytes.end(), cut.begin(), cut.end());
    writeBytes(path, bytes);
    EXPECT_EQ(activationError(path), "Unexpected End of File");
}

TEST(MidiCapacity, ATrackChunkLongerThanATrackCanHoldIsRefusedBeforeItIsWalked) {
    Bytes bytes = testsmf::header(1, 1, 180);
    testsmf::appendText(bytes, "MTrk");
    testsmf::appendBigEndian32(bytes, TxMidiTrack::maxChunkLength + 1);
    bytes.resize(bytes.size() + TxMidiTrack::maxChunkLength + 1, 0);
    TxMidiData data;
    EXPECT_THROW(data.readBytes(bytes), files::EVirtualMemory);
    EXPECT_EQ(data.trackCount(), 0u);
}

TEST(MidiCapacity, EachTrackHoldsNoMoreThanItsEvents) {
    // 65,535 tracks of one event: pages per track would take a quarter of a gigabyte.
    constexpr int tracks = 0xFFFF;
    Bytes bytes = testsmf::header(1, tracks, 180);
    for (int i = 0; i < tracks; ++i) testsmf::append(bytes, testsmf::track({0x00, 0xC0, 0x05}));
    TxMidiData data;
    data.readBytes(bytes);
    ASSERT_EQ(data.trackCount(), std::size_t{tracks});
    EXPECT_EQ(data.Track(0).store().committed(), TxMidiTrack::recordSize);
    EXPECT_EQ(data.Track(tracks - 1).store().committed(), TxMidiTrack::recordSize);
    EXPECT_EQ(data.Track(tracks - 1).firstProgram(), 5);
    // A read track still grows by appending.
    data.Track(0).appendChannel(10, 0x90, 60, 100);
    EXPECT_EQ(data.Track(0).event(1).data1, 60);
    EXPECT_EQ(data.Track(0).event(0).data1, 5);
}

TEST(MidiCapacity, TheDataBlocksOfATrackHaveACapacity) {
    TxMidiTrack track;
    const Bytes block(TxMidiTrack::maxBlockLength, 0x10);
    std::size_t held = 0;
    while (held + block.size() <= TxMidiTrack::blockCapacity) {
        track.appendSysEx(0, 0xF0, block);
        held += block.size();
    }
    EXPECT_THROW(track.appendSysEx(0, 0xF0, block), files::EVirtualMemory);
    EXPECT_EQ(track.count(), held / block.size());
}
