#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/wire_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(WirePacer, LetsASmallBurstThroughAtOnce) {
    midi::ManualClock clock;
    midi::WirePacer pacer(clock, 512);
    pacer.beforeSend(9);
    pacer.beforeSend(9);
    EXPECT_EQ(clock.now().count(), 0);
    EXPECT_DOUBLE_EQ(pacer.pendingBytes(), 18.0);
}

TEST(WirePacer, HoldsALargeBurstToTheMidiCableRate) {
    midi::ManualClock clock;
    midi::WirePacer pacer(clock, 512);
    // Sixteen 392-byte voice dumps: 6272 bytes, of which all but the backlog must have
    // left the cable (3125 bytes per second) before the last one is queued.
    for (int i = 0; i < 16; ++i) pacer.beforeSend(392);
    const double minimumMs = (16 * 392 - 512) * 1000.0 / 3125.0;
    EXPECT_GE(static_cast<double>(clock.now().count()), minimumMs);
    EXPECT_LE(static_cast<double>(clock.now().count()), minimumMs + 16 * 2);
    EXPECT_LE(pacer.pendingBytes(), 512.0);
}

TEST(WirePacer, TheBacklogDrainsWithTime) {
    midi::ManualClock clock;
    midi::WirePacer pacer(clock, 512);
    pacer.beforeSend(500);
    clock.advance(midi::Millis(160)); // 500 bytes take 160 ms
    EXPECT_DOUBLE_EQ(pacer.pendingBytes(), 0.0);
    pacer.beforeSend(500);
    EXPECT_EQ(clock.now().count(), 160);
}

TEST(WirePacer, ThePortKeepsEveryMessageOfABurstInOrder) {
    midi::MemoryBackend backend({}, {"Slow Cable"});
    midi::ManualClock clock;
    midi::MidiPort port(backend, clock);
    port.FillDeviceLists();
    port.OpenMidiOut(0);
    std::vector<std::vector<std::uint8_t>> expected;
    for (int i = 0; i < 200; ++i) {
        std::vector<std::uint8_t> m{
            0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, static_cast<std::uint8_t>(i & 0x7F), 0x00, 0xF7};
        port.SendLong(m);
        expected.push_back(m);
    }
    EXPECT_EQ(backend.sent(), expected);
    EXPECT_GE(clock.now().count(), (200 * 9 - 512) * 1000 / 3125);
}

} // namespace
