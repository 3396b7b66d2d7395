// Writing the chunk format in two passes over the events: the first measures, the second
// fills one buffer of exactly that size.

#include "files/errors.h"
#include "files/midi_data.h"
#include "files/variable_length.h"

#include <cstring>
#include <limits>

namespace files {

namespace {

// Counts bytes (given no buffer) or writes them into a buffer sized by counting first.
class Output {
  public:
    explicit Output(std::uint8_t* out) : out_(out) {}

    void byte(std::uint8_t b) {
        if (out_) out_[size_] = b;
        ++size_;
    }
    void bytes(std::span<const std::uint8_t> data) {
        if (out_ && !data.empty()) std::memcpy(out_ + size_, data.data(), data.size());
        size_ += data.size();
    }
    void variableLength(std::uint32_t v) {
        if (out_) writeVariableLength(out_ + size_, v);
        size_ += variableLengthSize(v);
    }
    void bigEndian32(std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) byte(static_cast<std::uint8_t>(v >> shift));
    }
    void bigEndian16(std::uint16_t v) {
        byte(static_cast<std::uint8_t>(v >> 8));
        byte(static_cast<std::uint8_t>(v));
    }
    void id(const char (&text)[5]) {
        for (int i = 0; i < 4; ++i) byte(static_cast<std::uint8_t>(text[i]));
    }
    std::size_t size() const { return size_; }

  private:
    std::uint8_t* out_;
    std::size_t size_ = 0;
};

void writeTrackData(const TxMidiTrack& track, Output& out) {
    std::uint8_t running = 0;
    std::uint32_t previous = 0;
    const std::uint8_t* record = track.records();
    for (std::size_t i = 0; i < track.count(); ++i, record += TxMidiTrack::recordSize) {
        const MidiEvent e = decodeRecord(record);
        if (e.time < previous) throw EMidiData("Event Time Out Of Order");
        if (e.time - previous > maxVariableLength) throw EMidiData("Event Time Too Large");
        out.variableLength(e.time - previous);
        previous = e.time;
        if (isChannelStatus(e.status)) {
            if (e.status != running) out.byte(e.status);
            running = e.status;
            out.byte(e.data1);
            if (hasSecondDataByte(e.status)) out.byte(e.data2);
            continue;
        }
        const auto block = track.blockOf(e);
        out.byte(e.status);
        if (e.status == statusMeta) {
            out.byte(block.empty() ? 0 : block.front());
            const auto rest = block.empty() ? block : block.subspan(1);
            out.variableLength(static_cast<std::uint32_t>(rest.size()));
            out.bytes(rest);
        } else {
            out.variableLength(static_cast<std::uint32_t>(block.size()));
            out.bytes(block);
        }
        running = 0;
    }
}

void writeFile(const TxMidiData& data, std::span<const std::uint32_t> trackSizes, Output& out) {
    out.id("MThd");
    out.bigEndian32(static_cast<std::uint32_t>(6 + data.headerExtra().size()));
    out.bigEndian16(data.format());
    out.bigEndian16(static_cast<std::uint16_t>(data.trackCount()));
    out.bigEndian16(data.division());
    out.bytes(data.headerExtra());
    for (std::size_t i = 0; i < data.trackCount(); ++i) {
        out.id("MTrk");
        out.bigEndian32(trackSizes[i]);
        writeTrackData(data.Track(i), out);
    }
}

} // namespace

std::vector<std::uint8_t> TxMidiData::toBytes() const {
    if (headerExtra_.size() > std::numeric_limits<std::uint32_t>::max() - 6)
        throw EMidiData("Invalid MIDI Header Size");
    std::vector<std::uint32_t> trackSizes;
    trackSizes.reserve(tracks_.size());
    std::size_t total = 14 + headerExtra_.size();
    for (const auto& track : tracks_) {
        Output measure(nullptr);
        writeTrackData(*track, measure);
        if (measure.size() > std::numeric_limits<std::uint32_t>::max())
            throw EMidiData("Track Too Long");
        trackSizes.push_back(static_cast<std::uint32_t>(measure.size()));
        total += 8 + measure.size();
    }
    std::vector<std::uint8_t> bytes(total);
    Output fill(bytes.data());
    writeFile(*this, trackSizes, fill);
    return bytes;
}

} // namespace files
