// Reading the chunk format. Every length taken from the file is checked against the bytes
// that are really there before it is used, so no input can make the reader step outside
// its buffer, allocate beyond the file's size or loop without progress.

#include "files/errors.h"
#include "files/midi_data.h"
#include "files/variable_length.h"

#include <cstring>
#include <limits>
#include <optional>

namespace files {

namespace {

constexpr const char* endOfFile = "Unexpected End of File";
constexpr const char* endOfTrack = "Unexpected End of Track";

class Cursor {
  public:
    Cursor(const std::uint8_t* begin, const std::uint8_t* end, const char* truncated)
        : p_(begin), end_(end), truncated_(truncated) {}

    bool atEnd() const { return p_ == end_; }
    std::size_t remaining() const { return static_cast<std::size_t>(end_ - p_); }

    std::uint8_t byte() {
        if (p_ == end_) throw EMidiData(truncated_);
        return *p_++;
    }

    std::uint8_t dataByte() {
        const std::uint8_t b = byte();
        if (b & 0x80) throw EMidiData("Invalid Data Byte");
        return b;
    }

    std::uint32_t variableLength() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            v = v << 7 | (b & 0x7F);
            if (!(b & 0x80)) return v;
        }
        throw EMidiData("Invalid Variable Length Number");
    }

    std::uint32_t bigEndian32() {
        const auto bytes = take(4);
        return static_cast<std::uint32_t>(bytes[0]) << 24 |
               static_cast<std::uint32_t>(bytes[1]) << 16 |
               static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
    }

    std::uint16_t bigEndian16() {
        const auto bytes = take(2);
        return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
    }

    std::span<const std::uint8_t> take(std::size_t n) {
        if (n > remaining()) throw EMidiData(truncated_);
        const std::span<const std::uint8_t> bytes(p_, n);
        p_ += n;
        return bytes;
    }

    bool startsWith(const char (&id)[5]) {
        const auto bytes = take(4);
        return std::memcmp(bytes.data(), id, 4) == 0;
    }

  private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;
    const char* truncated_;
};

// Walks the events of one track chunk and hands each to the sink; throws on the first
// format error. The same walk serves the counting pass and the filling pass.
template <class Sink> void walkTrack(std::span<const std::uint8_t> chunk, Sink& sink) {
    Cursor in(chunk.data(), chunk.data() + chunk.size(), endOfTrack);
    std::uint8_t running = 0;
    bool sysExOpen = false; // a system-exclusive message waits for its F7 continuation
    std::uint64_t time = 0;
    while (!in.atEnd()) {
        time += in.variableLength();
        if (time > std::numeric_limits<std::uint32_t>::max())
            throw EMidiData("Event Time Too Large");
        const auto at = static_cast<std::uint32_t>(time);
        std::uint8_t status = in.byte();
        std::uint8_t first = 0;
        bool firstRead = false;
        if (!(status & 0x80)) {
            if (running == 0) throw EMidiData("Running Status Error");
            first = status;
            firstRead = true;
            status = running;
        }
        if (sysExOpen && status != statusSysExContinuation) throw EMidiData("Sysex Error");
        if (isChannelStatus(status)) {
            if (!firstRead) first = in.dataByte();
            const std::uint8_t second = hasSecondDataByte(status) ? in.dataByte() : 0;
            running = status;
            sink.channel(at, status, first, second);
        } else if (status == statusSysEx || status == statusSysExContinuation) {
            const auto data = in.take(in.variableLength());
            if (data.size() > TxMidiTrack::maxBlockLength) throw EMidiData("Event Too Long");
            // An F7 event outside a split message is an escape and continues nothing.
            if (status == statusSysEx || sysExOpen) sysExOpen = data.empty() || data.back() != 0xF7;
            running = 0;
            sink.sysEx(at, status, data);
        } else if (status == statusMeta) {
            const std::uint8_t type = in.byte();
            const auto data = in.take(in.variableLength());
            if (data.size() + 1 > TxMidiTrack::maxBlockLength) throw EMidiData("Event Too Long");
            running = 0;
            sink.meta(at, type, data);
        } else {
            throw EMidiData("Invalid Status Byte");
        }
    }
}

struct EventCounter {
    std::size_t events = 0;
    std::size_t blockBytes = 0;

    void channel(std::uint32_t, std::uint8_t, std::uint8_t, std::uint8_t) { ++events; }
    void sysEx(std::uint32_t, std::uint8_t, std::span<const std::uint8_t> data) {
        ++events;
        blockBytes += data.size();
    }
    void meta(std::uint32_t, std::uint8_t, std::span<const std::uint8_t> data) {
        ++events;
        blockBytes += data.size() + 1;
    }
};

} // namespace

// Fills a track from a chunk that the counting pass has accepted: the record store and
// the block store are sized once, then every record is written in place.
class TrackReader {
  public:
    TrackReader(TxMidiTrack& track, std::size_t trackIndex, const SpecialEventListener& listener)
        : track_(track), trackIndex_(trackIndex), listener_(listener) {}

    void read(std::span<const std::uint8_t> chunk) {
        EventCounter counter;
        walkTrack(chunk, counter);
        track_.events_.SetFinalSize(counter.events * TxMidiTrack::recordSize);
        track_.blocks_.reserve(counter.blockBytes);
        record_ = track_.events_.data();
        walkTrack(chunk, *this);
    }

    void channel(std::uint32_t time, std::uint8_t status, std::uint8_t first, std::uint8_t second) {
        MidiEvent e;
        e.time = time;
        e.status = status;
        e.data1 = first;
        e.data2 = second;
        put(e);
        track_.noteChannel(status, first);
    }

    void sysEx(std::uint32_t time, std::uint8_t status, std::span<const std::uint8_t> data) {
        special(time, status, {}, data);
    }

    void meta(std::uint32_t time, std::uint8_t type, std::span<const std::uint8_t> data) {
        const std::uint8_t typeByte[1] = {type};
        special(time, statusMeta, typeByte, data);
        if (type == metaTrackName) track_.nameEvent_ = track_.count_ - 1;
    }

  private:
    void put(const MidiEvent& e) {
        encodeRecord(record_, e);
        record_ += TxMidiTrack::recordSize;
        ++track_.count_;
    }

    void special(std::uint32_t time, std::uint8_t status, std::span<const std::uint8_t> head,
                 std::span<const std::uint8_t> data) {
        MidiEvent e;
        e.time = time;
        e.status = status;
        e.length = static_cast<std::uint16_t>(head.size() + data.size());
        e.block = track_.appendBlock(head, data);
        put(e);
        if (listener_) {
            listener_(
                SpecialEvent{trackIndex_, track_.count_ - 1, time, status, track_.blockOf(e)});
        }
    }

    TxMidiTrack& track_;
    std::size_t trackIndex_;
    const SpecialEventListener& listener_;
    std::uint8_t* record_ = nullptr;
};

std::optional<std::uint64_t> TxMidiData::largestFileFor(std::span<const std::uint8_t> head) {
    if (head.size() < headerPeekLength || std::memcmp(head.data(), "MThd", 4) != 0)
        return std::nullopt;
    Cursor in(head.data() + 4, head.data() + head.size(), endOfFile);
    const std::uint32_t headerLength = in.bigEndian32();
    if (headerLength < 6) return std::nullopt;
    in.bigEndian16(); // format
    const std::uint16_t trackCount = in.bigEndian16();
    constexpr std::uint64_t chunkHead = 8; // ID and length
    return chunkHead + headerLength + trackCount * (chunkHead + TxMidiTrack::maxChunkLength);
}

void TxMidiData::parse(std::span<const std::uint8_t> bytes) {
    Cursor in(bytes.data(), bytes.data() + bytes.size(), endOfFile);
    if (in.remaining() < 4 || !in.startsWith("MThd")) throw EMidiData("Invalid MIDI File ID");
    const std::uint32_t headerLength = in.bigEndian32();
    if (headerLength < 6) throw EMidiData("Invalid MIDI Header Size");
    if (headerLength > in.remaining()) throw EMidiData(endOfFile);
    format_ = in.bigEndian16();
    const std::uint16_t trackCount = in.bigEndian16();
    division_ = in.bigEndian16();
    const auto extra = in.take(headerLength - 6);
    headerExtra_.assign(extra.begin(), extra.end());

    // A track chunk takes at least 8 bytes, so a false count cannot make us reserve much.
    tracks_.reserve(std::min<std::size_t>(trackCount, in.remaining() / 8));
    for (std::size_t i = 0; i < trackCount; ++i) {
        if (!in.startsWith("MTrk")) throw EMidiData("Invalid Track Start ID");
        const std::uint32_t length = in.bigEndian32();
        if (length > in.remaining()) throw EMidiData(endOfFile);
        if (length > TxMidiTrack::maxChunkLength) throw EVirtualMemory("Size exceeds capacity");
        const auto chunk = in.take(length);
        auto track = std::make_unique<TxMidiTrack>();
        TrackReader(*track, i, listener_).read(chunk);
        tracks_.push_back(std::move(track));
    }
}

} // namespace files
