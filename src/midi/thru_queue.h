#pragma once
// MIDI thru waiting for the cable: a bounded queue of channel messages that never leaves
// a note hanging. When the input plays faster than the output carries, messages are
// dropped instead of queued without end; a note off (or a controller that releases notes)
// always gets through, and the note off of a dropped note on is dropped with it.

#include "midi/backend.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

namespace midi {

class ThruQueue {
  public:
    // About 100 ms of MIDI 1.0 wire time: what thru may keep waiting at most, so that it
    // never adds more than that to the latency.
    static constexpr std::size_t kBudgetBytes = 312;
    // Room for the budget plus every message that must not be dropped: one note off for
    // each of 16 x 128 keys and the releasing controllers of each channel.
    static constexpr std::size_t kSlots = 4096;

    struct Entry {
        std::array<std::uint8_t, 3> bytes{};
        std::uint8_t size = 0;
    };

    // Takes a complete channel message (already on its output channel). False when it was
    // dropped.
    bool push(Bytes message);
    bool empty() const { return count_ == 0; }
    const Entry& front() const { return slots_[head_]; }
    void pop();
    // The editor's All Notes Off on `channel` overtakes the thru queue: note ons still
    // waiting there on that channel would otherwise sound after it and hang.
    void dropNoteOns(int channel);
    void clear();

    std::size_t queuedBytes() const { return bytes_; }
    std::size_t size() const { return count_; }
    std::uint64_t dropped() const { return dropped_; }

  private:
    void append(Bytes message);
    bool holdsSameController(std::uint8_t status, std::uint8_t controller) const;
    static std::size_t keyOf(std::uint8_t status, std::uint8_t note) {
        return static_cast<std::size_t>(status & 0x0F) * 128 + (note & 0x7F);
    }

    std::array<Entry, kSlots> slots_{};
    std::size_t head_ = 0;
    std::size_t count_ = 0;
    std::size_t bytes_ = 0;
    std::uint64_t dropped_ = 0;
    std::bitset<16 * 128> sounding_;  // passed note on, no note off yet
    std::bitset<16 * 128> droppedOn_; // dropped note on: its note off goes too
};

} // namespace midi
