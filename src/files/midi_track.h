#pragma once
// One track of a Standard MIDI File: an array of fixed 11-byte event records in a growable
// store, plus the data blocks of its system-exclusive and meta events.

#include "files/virtual_memory.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace files {

inline constexpr std::uint8_t statusSysEx = 0xF0;
inline constexpr std::uint8_t statusSysExContinuation = 0xF7;
inline constexpr std::uint8_t statusMeta = 0xFF;
inline constexpr std::uint8_t metaTrackName = 0x03;

// Channel statuses 0xC0 (program change) and 0xD0 (channel pressure) carry one data byte.
constexpr bool hasSecondDataByte(std::uint8_t status) {
    const std::uint8_t kind = status & 0xF0;
    return kind != 0xC0 && kind != 0xD0;
}

constexpr bool isChannelStatus(std::uint8_t status) {
    return status >= 0x80 && status < 0xF0;
}

// The decoded contents of one record. For a channel message data1/data2 are its data bytes
// (data2 is 0 when it has one); for system-exclusive and meta events `length` is the size
// of the data block and `block` refers to it. A meta block starts with the meta type.
struct MidiEvent {
    std::uint32_t time = 0;
    std::uint16_t length = 0;
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    std::uint32_t block = 0;
};

class TxMidiTrack {
  public:
    static constexpr std::size_t recordSize = 11;
    static constexpr std::size_t capacity = 1048576;
    static constexpr std::size_t maxBlockLength = 0xFFFF;
    // The data blocks of one track together hold at most as much as its records.
    static constexpr std::size_t blockCapacity = capacity;
    // The longest track chunk a track can hold: every record's event at its longest
    // encoding (4 bytes of delta time, status, meta type, 4 bytes of length) plus the
    // blocks. A longer chunk is refused before it is read.
    static constexpr std::size_t maxEventOverhead = 10;
    static constexpr std::size_t maxChunkLength =
        capacity / recordSize * maxEventOverhead + blockCapacity;

    TxMidiTrack();

    std::size_t count() const { return count_; }
    // Throws std::out_of_range("Invalid Event") for an index outside 0 .. count - 1.
    MidiEvent event(std::size_t i) const;
    // The data block of a system-exclusive or meta event (empty for channel messages).
    std::span<const std::uint8_t> blockOf(const MidiEvent& e) const;

    // Appending grows the record store by one; each checks its arguments and throws
    // std::invalid_argument("Invalid Event") for a record that could not be written back.
    void appendChannel(std::uint32_t time, std::uint8_t status, std::uint8_t data1,
                       std::uint8_t data2 = 0);
    // status F0 or F7; the bytes that follow the length in a file (without the leading F0).
    void appendSysEx(std::uint32_t time, std::uint8_t status, std::span<const std::uint8_t> data);
    void appendMeta(std::uint32_t time, std::uint8_t type, std::span<const std::uint8_t> data);

    // Index of the last track name meta event, if any.
    std::optional<std::size_t> nameEvent() const { return nameEvent_; }
    // Data byte of the first program change and channel of the first channel message read.
    std::optional<std::uint8_t> firstProgram() const { return firstProgram_; }
    std::optional<std::uint8_t> firstChannel() const { return firstChannel_; }

    // The raw 11-byte records, for the reader and writer.
    const std::uint8_t* records() const { return events_.data(); }
    const TxVirtualMemory& store() const { return events_; }

  private:
    friend class TrackReader; // fills a whole track at once when reading a file

    std::uint8_t* appendRecord(); // count += 1; size := count x 11
    std::uint32_t appendBlock(std::span<const std::uint8_t> head,
                              std::span<const std::uint8_t> rest);
    void noteChannel(std::uint8_t status, std::uint8_t data1) {
        if (!firstChannel_) firstChannel_ = status & 0x0F;
        if (!firstProgram_ && (status & 0xF0) == 0xC0) firstProgram_ = data1;
    }

    TxVirtualMemory events_;
    std::size_t count_ = 0;
    std::vector<std::uint8_t> blocks_; // every data block of the track, back to back
    std::optional<std::size_t> nameEvent_;
    std::optional<std::uint8_t> firstProgram_;
    std::optional<std::uint8_t> firstChannel_;
};

namespace detail {

inline void put32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

inline std::uint32_t get32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace detail

// The record layout: time (4, little-endian), block length (2), status (1), then the two
// data bytes of a channel message or the 4-byte block offset.
inline void encodeRecord(std::uint8_t* record, const MidiEvent& e) {
    detail::put32(record, e.time);
    record[4] = static_cast<std::uint8_t>(e.length);
    record[5] = static_cast<std::uint8_t>(e.length >> 8);
    record[6] = e.status;
    if (isChannelStatus(e.status)) {
        record[7] = e.data1;
        record[8] = e.data2;
        record[9] = 0;
        record[10] = 0;
    } else {
        detail::put32(record + 7, e.block);
    }
}

inline MidiEvent decodeRecord(const std::uint8_t* record) {
    MidiEvent e;
    e.time = detail::get32(record);
    e.length = static_cast<std::uint16_t>(record[4] | record[5] << 8);
    e.status = record[6];
    if (isChannelStatus(e.status)) {
        e.data1 = record[7];
        e.data2 = record[8];
    } else {
        e.block = detail::get32(record + 7);
    }
    return e;
}

} // namespace files
