#include "files/errors.h"
#include "files/midi_data.h"

#include "core/smf_builder.h"

#include <gtest/gtest.h>

#include <filesystem>

using files::TxMidiData;
using testsmf::Bytes;

namespace {

Bytes trackData(const TxMidiData& data) {
    const Bytes bytes = data.toBytes();
    return Bytes(bytes.begin() + 22, bytes.end()); // header 14, track id and length 8
}

} // namespace

TEST(MidiWriter, WritesHeaderAndTrackChunks) {
    TxMidiData data;
    auto& track = data.addTrack();
    track.appendChannel(0, 0xC0, 5);
    const Bytes expected{'M', 'T', 'h', 'd', 0,   0, 0, 6, 0, 1,    0,    1,   0,
                         180, 'M', 'T', 'r', 'k', 0, 0, 0, 3, 0x00, 0xC0, 0x05};
    EXPECT_EQ(data.toBytes(), expected);
}

TEST(MidiWriter, UsesRunningStatusForChannelMessagesOnly) {
    TxMidiData data;
    auto& track = data.addTrack();
    track.appendChannel(0, 0x90, 0x3C, 0x40);
    track.appendChannel(0, 0x90, 0x40, 0x40);
    track.appendChannel(0, 0x91, 0x40, 0x40);
    const Bytes sysEx{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7};
    track.appendSysEx(0, 0xF0, sysEx);
    track.appendChannel(0, 0x91, 0x40, 0x00);
    const Bytes expected{0x00, 0x90, 0x3C, 0x40, 0x00, 0x40, 0x40, 0x00, 0x91,
                         0x40, 0x40, 0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x00,
                         0x00, 0x7E, 0x00, 0xF7, 0x00, 0x91, 0x40, 0x00};
    EXPECT_EQ(trackData(data), expected);
}

TEST(MidiWriter, WritesDeltaTimesAsVariableLengthNumbers) {
    TxMidiData data;
    auto& track = data.addTrack();
    track.appendChannel(200, 0xC0, 1);
    track.appendChannel(200 + 0x3FFF, 0xC0, 2);
    track.appendChannel(200 + 0x3FFF + 0x0FFFFFFF, 0xC0, 3);
    const Bytes expected{0x81, 0x48, 0xC0, 0x01, 0xFF, 0x7F, 0x02, 0xFF, 0xFF, 0xFF, 0x7F, 0x03};
    EXPECT_EQ(trackData(data), expected);
}

TEST(MidiWriter, WritesMetaTypeThenLength) {
    TxMidiData data;
    auto& track = data.addTrack();
    const Bytes name{'S', 'e', 't'};
    track.appendMeta(0, 0x03, name);
    track.appendMeta(0, 0x2F, {});
    EXPECT_EQ(trackData(data),
              (Bytes{0x00, 0xFF, 0x03, 0x03, 'S', 'e', 't', 0x00, 0xFF, 0x2F, 0x00}));
    EXPECT_EQ(track.nameEvent(), 0u);
}

TEST(MidiWriter, RefusesEventsItCouldNotWriteBack) {
    TxMidiData data;
    auto& track = data.addTrack();
    EXPECT_THROW(track.appendChannel(0, 0xF0, 0), std::invalid_argument);
    EXPECT_THROW(track.appendChannel(0, 0x90, 0x80, 0), std::invalid_argument);
    EXPECT_THROW(track.appendSysEx(0, 0x90, {}), std::invalid_argument);
    const Bytes tooLong(0xFFFF, 0);
    EXPECT_THROW(track.appendMeta(0, 1, tooLong), std::invalid_argument);
    EXPECT_EQ(track.count(), 0u);
    track.appendChannel(10, 0xC0, 1);
    track.appendChannel(5, 0xC0, 2);
    EXPECT_THROW((void)data.toBytes(), files::EMidiData);
}

TEST(MidiWriter, AppendingBeyondTheCapacityThrows) {
    TxMidiData data;
    auto& track = data.addTrack();
    constexpr std::size_t fitting = files::TxMidiTrack::capacity / files::TxMidiTrack::recordSize;
    for (std::size_t i = 0; i < fitting; ++i) track.appendChannel(0, 0xC0, 0);
    EXPECT_THROW(track.appendChannel(0, 0xC0, 0), files::EVirtualMemory);
    EXPECT_EQ(track.count(), fitting);
}

TEST(MidiWriter, WhatItWritesReadsBackIdentically) {
    TxMidiData written;
    written.setHeaderExtra({1, 2});
    written.setDivision(480);
    for (int t = 0; t < 3; ++t) {
        auto& track = written.addTrack();
        const Bytes name{'T', static_cast<std::uint8_t>('0' + t)};
        track.appendMeta(0, 0x03, name);
        for (std::uint32_t i = 0; i < 500; ++i) {
            track.appendChannel(i * 7, static_cast<std::uint8_t>(0x90 | (i % 3)), i % 128, 64);
            track.appendChannel(i * 7 + 3, 0xD0 | t, i % 100);
            if (i % 50 == 0) {
                const Bytes sysEx{0x43, 0x10, 0x4C, 0x08, static_cast<std::uint8_t>(i % 16),
                                  0x01, 0x00, 0xF7};
                track.appendSysEx(i * 7 + 3, 0xF0, sysEx);
            }
        }
        track.appendMeta(3500, 0x2F, {});
    }
    const auto path = std::filesystem::temp_directory_path() / "xgorvo_writer_test.mid";
    written.setFileName(path);
    written.Save();

    TxMidiData read;
    read.setFileName(path);
    read.SetActive(true);
    std::filesystem::remove(path);
    EXPECT_EQ(read.division(), 480);
    EXPECT_EQ(read.headerExtra(), written.headerExtra());
    ASSERT_EQ(read.trackCount(), 3u);
    for (std::size_t t = 0; t < 3; ++t) {
        const auto& a = written.Track(t);
        const auto& b = read.Track(t);
        ASSERT_EQ(a.count(), b.count());
        for (std::size_t i = 0; i < a.count(); ++i) {
            const auto ea = a.event(i);
            const auto eb = b.event(i);
            EXPECT_EQ(ea.time, eb.time);
            EXPECT_EQ(ea.status, eb.status);
            EXPECT_EQ(ea.data1, eb.data1);
            EXPECT_EQ(ea.data2, eb.data2);
            const auto ba = a.blockOf(ea);
            const auto bb = b.blockOf(eb);
            EXPECT_TRUE(std::equal(ba.begin(), ba.end(), bb.begin(), bb.end()));
        }
        EXPECT_EQ(b.nameEvent(), 0u);
    }
    EXPECT_EQ(read.toBytes(), written.toBytes());
}
