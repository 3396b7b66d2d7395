// Malformed files made by mutating valid ones with a fixed-seed generator, so every build
// (with or without a fuzzer) feeds the reader the same thousands of broken inputs.

#include "files/errors.h"
#include "files/midi_data.h"

#include "core/smf_builder.h"

#include <gtest/gtest.h>

#include <random>

using testsmf::append;
using testsmf::Bytes;

namespace {

Bytes validSeed(std::mt19937& random) {
    Bytes extra;
    if (random() % 4 == 0) extra.assign(random() % 5, 0x11);
    const int tracks = 1 + static_cast<int>(random() % 3);
    Bytes bytes = testsmf::header(1, tracks, 180, extra);
    for (int t = 0; t < tracks; ++t) {
        Bytes events{0x00, 0xFF, 0x03, 0x02, 'X', 'G'};
        bool noteOnRunning = false;
        for (int i = 0; i < 30; ++i) {
            const auto kind = random() % 5;
            switch (kind) {
            case 0:
                append(events, {0x00, 0x90, int(random() % 128), 0x40});
                break;
            case 1:
                if (noteOnRunning) append(events, {0x81, 0x00, int(random() % 128), 0x00});
                break;
            case 2:
                append(events, {0x00, 0xC3, int(random() % 128)});
                break;
            case 3:
                append(events, {0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x01, 0x00, 0xF7});
                break;
            default:
                append(events, {0x00, 0xF0, 0x03, 0x43, 0x10, 0x4C, 0x10, 0xF7, 0x02, 0x00, 0xF7});
            }
            if (kind != 1) noteOnRunning = kind == 0;
        }
        append(events, {0x00, 0xFF, 0x2F, 0x00});
        append(bytes, testsmf::track(events));
    }
    return bytes;
}

void mutate(Bytes& bytes, std::mt19937& random) {
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        const std::size_t at = random() % bytes.size();
        switch (random() % 6) {
        case 0:
            bytes[at] = static_cast<std::uint8_t>(random());
            break;
        case 1:
            bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            break;
        case 2:
            bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at));
            break;
        case 3:
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         static_cast<std::uint8_t>(random()));
            break;
        case 4:
            bytes.resize(at);
            break;
        default:
            bytes[at] = (random() % 2) ? 0xFF : 0x80; // lengths and continuation bits
        }
    }
}

} // namespace

TEST(MidiMalformed, MutatedFilesFailCleanlyOrRoundTrip) {
    std::mt19937 random(20261207);
    files::TxMidiData data;
    int accepted = 0;
    int refused = 0;
    for (int run = 0; run < 4000; ++run) {
        Bytes bytes = validSeed(random);
        mutate(bytes, random);
        try {
            data.readBytes(bytes);
        } catch (const files::EMidiData&) {
            ++refused;
        } catch (const files::EVirtualMemory&) {
            ++refused;
        }
        if (!data.active()) {
            ASSERT_EQ(data.trackCount(), 0u);
            ASSERT_EQ(data.format(), 1);
            continue;
        }
        ++accepted;
        // Whatever was accepted is written in a form that reads back to the same bytes.
        const Bytes written = data.toBytes();
        files::TxMidiData again;
        again.readBytes(written);
        ASSERT_EQ(again.eventCount(), data.eventCount()) << "run " << run;
        ASSERT_EQ(again.toBytes(), written) << "run " << run;
    }
    // Both outcomes must occur, or the mutations test nothing.
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 1000);
}

TEST(MidiMalformed, EveryTruncationOfAValidFileIsAFormatError) {
    std::mt19937 random(7);
    const Bytes bytes = validSeed(random);
    files::TxMidiData data;
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(data.readBytes(cut), files::EMidiData) << size;
        EXPECT_EQ(data.trackCount(), 0u);
    }
    data.readBytes(bytes);
    EXPECT_TRUE(data.active());
}
