#include "files/errors.h"
#include "files/midi_data.h"

#include "core/smf_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using files::TxMidiData;
using testsmf::append;
using testsmf::Bytes;

namespace {

std::string readError(const Bytes& bytes) {
    TxMidiData data;
    try {
        data.readBytes(bytes);
    } catch (const files::EMidiData& e) {
        EXPECT_EQ(data.trackCount(), 0u);
        EXPECT_FALSE(data.active());
        return e.what();
    }
    return "no error";
}

Bytes block(const files::TxMidiTrack& track, std::size_t i) {
    const auto b = track.blockOf(track.event(i));
    return {b.begin(), b.end()};
}

// A file as another sequencer writes it: a name, running status, a text, a system-exclusive
// message split over an F7 continuation and an end of track.
Bytes foreignFile() {
    Bytes events;
    append(events, {0x00, 0xFF, 0x03, 0x04});
    testsmf::appendText(events, "Bass");
    append(events, {0x00, 0xC2, 0x21});       // program change, channel 3
    append(events, {0x00, 0x92, 0x28, 0x50}); // note on
    append(events, {0x81, 0x48, 0x28, 0x00}); // running status, delta 200
    append(events, {0x0A, 0x2B, 0x40});       // running status again
    append(events, {0x00, 0xFF, 0x01, 0x02, 'h', 'i'});
    append(events, {0x00, 0xF0, 0x05, 0x43, 0x10, 0x4C, 0x00, 0x00});
    append(events, {0x05, 0xF7, 0x03, 0x7E, 0x00, 0xF7});
    append(events, {0x00, 0xB2, 0x07, 0x64});
    append(events, {0x00, 0xFF, 0x2F, 0x00});
    return testsmf::file(events);
}

} // namespace

TEST(MidiReader, ReadsAFileWrittenByAnotherProgram) {
    TxMidiData data;
    std::vector<std::pair<std::uint8_t, Bytes>> offered;
    data.setSpecialEventListener([&](const files::SpecialEvent& e) {
        EXPECT_EQ(e.track, 0u);
        offered.emplace_back(e.status, Bytes(e.block.begin(), e.block.end()));
    });
    data.readBytes(foreignFile());
    ASSERT_TRUE(data.active());
    EXPECT_EQ(data.format(), 1);
    EXPECT_EQ(data.division(), 180);
    ASSERT_EQ(data.trackCount(), 1u);
    const auto& track = data.Track(0);
    ASSERT_EQ(track.count(), 10u);

    EXPECT_EQ(block(track, 0), (Bytes{0x03, 'B', 'a', 's', 's'}));
    EXPECT_EQ(track.nameEvent(), 0u);
    EXPECT_EQ(track.event(1).status, 0xC2);
    EXPECT_EQ(track.event(1).data1, 0x21);
    EXPECT_EQ(track.event(1).data2, 0);
    const auto third = track.event(3);
    EXPECT_EQ(third.time, 200u);
    EXPECT_EQ(third.status, 0x92);
    EXPECT_EQ(third.data1, 0x28);
    EXPECT_EQ(third.data2, 0x00);
    EXPECT_EQ(track.event(4).time, 210u);
    EXPECT_EQ(track.event(4).data1, 0x2B);
    EXPECT_EQ(block(track, 5), (Bytes{0x01, 'h', 'i'}));
    EXPECT_EQ(track.event(6).status, 0xF0);
    EXPECT_EQ(track.event(6).length, 5);
    EXPECT_EQ(block(track, 6), (Bytes{0x43, 0x10, 0x4C, 0x00, 0x00}));
    EXPECT_EQ(track.event(7).status, 0xF7);
    EXPECT_EQ(track.event(7).time, 215u);
    EXPECT_EQ(block(track, 7), (Bytes{0x7E, 0x00, 0xF7}));
    EXPECT_EQ(track.event(8).status, 0xB2);
    EXPECT_EQ(block(track, 9), (Bytes{0x2F}));

    EXPECT_EQ(track.firstProgram(), 0x21);
    EXPECT_EQ(track.firstChannel(), 2);
    ASSERT_EQ(offered.size(), 5u);
    EXPECT_EQ(offered[2].first, 0xF0);
    EXPECT_EQ(offered[3].second, (Bytes{0x7E, 0x00, 0xF7}));
}

TEST(MidiReader, EventIndexOutsideTheTrackIsAnInvalidEvent) {
    TxMidiData data;
    data.readBytes(foreignFile());
    try {
        (void)data.Track(0).event(10);
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Invalid Event");
    }
}

TEST(MidiReader, HeaderErrors) {
    EXPECT_EQ(readError({}), "Invalid MIDI File ID");
    EXPECT_EQ(readError({'M', 'T', 'h'}), "Invalid MIDI File ID");
    EXPECT_EQ(readError({'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 1, 0, 0, 0, 180}),
              "Invalid MIDI File ID");
    EXPECT_EQ(readError({'M', 'T', 'h', 'd', 0, 0, 0, 5, 0, 1, 0, 0, 0}),
              "Invalid MIDI Header Size");
    EXPECT_EQ(readError({'M', 'T', 'h', 'd', 0xFF, 0xFF, 0xFF, 0xFF, 0, 1, 0, 0, 0, 180}),
              "Unexpected End of File");
    EXPECT_EQ(readError({'M', 'T', 'h', 'd', 0, 0}), "Unexpected End of File");
}

TEST(MidiReader, HeaderExtraIsKept) {
    Bytes bytes = testsmf::header(1, 1, 180, {0xAB, 0xCD});
    append(bytes, testsmf::track({0x00, 0xFF, 0x2F, 0x00}));
    TxMidiData data;
    data.readBytes(bytes);
    EXPECT_EQ(data.headerExtra(), (Bytes{0xAB, 0xCD}));
    EXPECT_EQ(data.toBytes(), bytes);
}

TEST(MidiReader, TrackChunkErrors) {
    Bytes wrongId = testsmf::header(1, 1, 180);
    testsmf::appendText(wrongId, "XFIH");
    append(wrongId, {0, 0, 0, 0});
    EXPECT_EQ(readError(wrongId), "Invalid Track Start ID");

    Bytes missingTrack = testsmf::header(1, 2, 180);
    append(missingTrack, testsmf::track({0x00, 0x90, 0x3C, 0x40}));
    EXPECT_EQ(readError(missingTrack), "Unexpected End of File");

    Bytes longerThanFile = testsmf::header(1, 1, 180);
    testsmf::appendText(longerThanFile, "MTrk");
    append(longerThanFile, {0x7F, 0xFF, 0xFF, 0xFF, 0x00, 0x90, 0x3C, 0x40});
    EXPECT_EQ(readError(longerThanFile), "Unexpected End of File");
}

TEST(MidiReader, EventErrors) {
    EXPECT_EQ(readError(testsmf::file({0x00, 0x3C, 0x40})), "Running Status Error");
    EXPECT_EQ(readError(testsmf::file({0x00, 0xFF, 0x01, 0x00, 0x00, 0x3C, 0x40})),
              "Running Status Error");
    EXPECT_EQ(readError(testsmf::file({0x00, 0xF0, 0x01, 0xF7, 0x00, 0x3C, 0x40})),
              "Running Status Error");
    EXPECT_EQ(readError(testsmf::file({0x00, 0x90, 0x3C})), "Unexpected End of Track");
    EXPECT_EQ(readError(testsmf::file({0x00, 0xF0, 0x10, 0x43})), "Unexpected End of Track");
    EXPECT_EQ(readError(testsmf::file({0x00, 0xFF})), "Unexpected End of Track");
    EXPECT_EQ(readError(testsmf::file({0x80})), "Unexpected End of Track");
    EXPECT_EQ(readError(testsmf::file({0x80, 0x80, 0x80, 0x80, 0x00, 0x90, 0x3C, 0x40})),
              "Invalid Variable Length Number");
    EXPECT_EQ(readError(testsmf::file({0x00, 0x90, 0x3C, 0x90})), "Invalid Data Byte");
    EXPECT_EQ(readError(testsmf::file({0x00, 0xF8})), "Invalid Status Byte");
}

TEST(MidiReader, SplitSystemExclusiveNeedsItsContinuation) {
    const Bytes open{0x00, 0xF0, 0x05, 0x43, 0x10, 0x4C, 0x00, 0x00};
    Bytes thenNote = open;
    append(thenNote, {0x00, 0x90, 0x3C, 0x40});
    EXPECT_EQ(readError(testsmf::file(thenNote)), "Sysex Error");
    Bytes thenMeta = open;
    append(thenMeta, {0x00, 0xFF, 0x01, 0x00});
    EXPECT_EQ(readError(testsmf::file(thenMeta)), "Sysex Error");

    Bytes continued = open;
    append(continued,
           {0x00, 0xF7, 0x02, 0x7E, 0x00, 0x00, 0xF7, 0x01, 0xF7, 0x00, 0x90, 0x3C, 0x40});
    TxMidiData data;
    data.readBytes(testsmf::file(continued));
    EXPECT_EQ(data.Track(0).count(), 4u);
}

TEST(MidiReader, AnF7EscapeOutsideASplitMessageContinuesNothing) {
    TxMidiData data;
    data.readBytes(testsmf::file({0x00, 0xF7, 0x01, 0xF8, 0x00, 0x90, 0x3C, 0x40}));
    EXPECT_EQ(data.Track(0).count(), 2u);
}

TEST(MidiReader, TooManyEventsForOneTrackExceedTheCapacity) {
    constexpr std::size_t fitting = files::TxMidiTrack::capacity / files::TxMidiTrack::recordSize;
    Bytes events{0x00, 0xC0, 0x00};
    for (std::size_t i = 1; i < fitting; ++i) append(events, {0x00, 0x01});
    TxMidiData data;
    data.readBytes(testsmf::file(events));
    EXPECT_EQ(data.eventCount(), fitting);

    append(events, {0x00, 0x01});
    try {
        data.readBytes(testsmf::file(events));
        FAIL() << "no exception";
    } catch (const files::EVirtualMemory& e) {
        EXPECT_STREQ(e.what(), "Size exceeds capacity");
    }
    EXPECT_EQ(data.trackCount(), 0u);
}

TEST(MidiReader, ABlockTooLongForItsRecordIsRefused) {
    Bytes events{0x00, 0xFF, 0x01};
    testsmf::appendVariableLength(events, 0xFFFF);
    events.resize(events.size() + 0xFFFF, 'x');
    EXPECT_EQ(readError(testsmf::file(events)), "Event Too Long");
}

TEST(MidiReader, AfterAnErrorTheContainerIsClearAndReadsTheNextFile) {
    TxMidiData data;
    data.readBytes(foreignFile());
    data.setFormat(0);
    EXPECT_THROW(data.readBytes(testsmf::file({0x00, 0x3C})), files::EMidiData);
    EXPECT_FALSE(data.active());
    EXPECT_EQ(data.format(), 1);
    EXPECT_EQ(data.division(), 180);
    EXPECT_EQ(data.trackCount(), 0u);
    EXPECT_TRUE(data.headerExtra().empty());
    data.readBytes(foreignFile());
    EXPECT_EQ(data.eventCount(), 10u);
}

TEST(MidiReader, AListenerThatThrowsEndsTheRead) {
    TxMidiData data;
    data.setSpecialEventListener([](const files::SpecialEvent& e) {
        if (e.status == 0xF0) throw std::runtime_error("bad set");
    });
    EXPECT_THROW(data.readBytes(foreignFile()), std::runtime_error);
    EXPECT_EQ(data.trackCount(), 0u);
}

TEST(MidiReader, SetActiveReadsTheNamedFileAndFalseClears) {
    const auto path = std::filesystem::temp_directory_path() / "xgorvo_reader_test.mid";
    const Bytes bytes = foreignFile();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    TxMidiData data;
    data.setFileName(path);
    data.SetActive(true);
    EXPECT_TRUE(data.active());
    EXPECT_EQ(data.eventCount(), 10u);
    data.SetActive(false);
    EXPECT_FALSE(data.active());
    EXPECT_EQ(data.trackCount(), 0u);
    std::filesystem::remove(path);
    EXPECT_THROW(data.SetActive(true), files::EFileError);
    EXPECT_FALSE(data.active());
}
