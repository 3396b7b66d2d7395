#pragma once
// A Standard MIDI File held in memory: the header fields and a list of tracks. Reading
// checks the whole chunk structure; any error leaves the container cleared.

#include "files/midi_track.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace files {

// A system-exclusive (F0, F7) or meta (FF) event as the reader meets it. For meta events
// the block starts with the meta type.
struct SpecialEvent {
    std::size_t track = 0;
    std::size_t index = 0; // position in the track
    std::uint32_t time = 0;
    std::uint8_t status = 0;
    std::span<const std::uint8_t> block; // valid during the call only
};
using SpecialEventListener = std::function<void(const SpecialEvent&)>;

class TxMidiData {
  public:
    static constexpr std::uint16_t defaultFormat = 1;
    static constexpr std::uint16_t defaultDivision = 180; // ticks per quarter note

    TxMidiData();
    ~TxMidiData();
    TxMidiData(TxMidiData&&) noexcept;
    TxMidiData& operator=(TxMidiData&&) noexcept;

    void setFileName(std::filesystem::path name) { fileName_ = std::move(name); }
    const std::filesystem::path& fileName() const { return fileName_; }

    // Offered every system-exclusive and meta event while a file is read. An exception
    // thrown by the listener ends the read like a format error.
    void setSpecialEventListener(SpecialEventListener listener) { listener_ = std::move(listener); }

    // true: Clear, then read the named file; on any error Clear again and rethrow.
    // false: Clear.
    void SetActive(bool active);
    bool active() const { return active_; }

    // Reads a whole file image the same way (for data already in memory).
    void readBytes(std::span<const std::uint8_t> bytes);

    void Clear();

    // Writes the container to the named file; the old file stays intact until the new one
    // is complete.
    void Save() const;
    std::vector<std::uint8_t> toBytes() const;

    std::uint16_t format() const { return format_; }
    void setFormat(std::uint16_t format) { format_ = format; }
    std::uint16_t division() const { return division_; }
    void setDivision(std::uint16_t division) { division_ = division; }
    const std::vector<std::uint8_t>& headerExtra() const { return headerExtra_; }
    void setHeaderExtra(std::vector<std::uint8_t> extra) { headerExtra_ = std::move(extra); }

    // The track count written to the header is always the number of tracks held, so a
    // saved file can be read back: a writer sets it by adding its tracks.
    std::size_t trackCount() const { return tracks_.size(); }
    TxMidiTrack& Track(std::size_t i);
    const TxMidiTrack& Track(std::size_t i) const;
    TxMidiTrack& addTrack(); // at most 65535
    std::size_t eventCount() const;

    // Bytes read from the start of a file before its header tells how large it may be.
    static constexpr std::size_t headerPeekLength = 14;
    // The largest file whose header starts with `head` that the container can hold: the
    // header and as many tracks of the longest possible chunk as it declares. None when
    // the head is no valid header (reading it then raises the format error).
    static std::optional<std::uint64_t> largestFileFor(std::span<const std::uint8_t> head);

  private:
    void parse(std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> readBounded() const;

    std::filesystem::path fileName_;
    SpecialEventListener listener_;
    bool active_ = false;
    std::uint16_t format_ = defaultFormat;
    std::uint16_t division_ = defaultDivision;
    std::vector<std::uint8_t> headerExtra_;
    std::vector<std::unique_ptr<TxMidiTrack>> tracks_;
};

} // namespace files
