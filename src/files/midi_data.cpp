#include "files/midi_data.h"

#include "files/atomic_file.h"
#include "files/errors.h"
#include "files/input_file.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <stdexcept>

namespace files {

TxMidiData::TxMidiData() = default;
TxMidiData::~TxMidiData() = default;
TxMidiData::TxMidiData(TxMidiData&&) noexcept = default;
TxMidiData& TxMidiData::operator=(TxMidiData&&) noexcept = default;

void TxMidiData::Clear() {
    tracks_.clear();
    headerExtra_.clear();
    format_ = defaultFormat;
    division_ = defaultDivision;
    active_ = false;
}

void TxMidiData::SetActive(bool active) {
    Clear();
    if (!active) return;
    try {
        parse(readBounded());
    } catch (...) {
        Clear();
        throw;
    }
    active_ = true;
}

// A file larger than the container can hold is refused before its body is read. The rest
// is read chunk by chunk, only as far as the header and the declared tracks reach: a chunk
// too long for a track is refused before it is read, and whatever follows a broken chunk
// is never read, so memory follows what the file really holds, not what it claims.
std::vector<std::uint8_t> TxMidiData::readBounded() const {
    InputFile file(fileName_);
    auto bytes = file.read(headerPeekLength);
    const auto largest = largestFileFor(bytes);
    if (!largest) return bytes; // too short or no header: its own format error follows
    if (file.size() > *largest) throw EVirtualMemory("Size exceeds capacity");
    // Appends up to n more bytes; false at the end of the file. A length beyond the end is
    // the parser's to report; one that the file really holds but no track can, is refused.
    const auto append = [&](std::uint64_t n) {
        const std::uint64_t available = file.size() - bytes.size();
        const std::uint64_t taken = std::min(n, available);
        if (taken > TxMidiTrack::maxChunkLength) throw EVirtualMemory("Size exceeds capacity");
        const auto more = file.read(static_cast<std::size_t>(taken));
        bytes.insert(bytes.end(), more.begin(), more.end());
        return more.size() == n;
    };
    const auto bigEndian = [&](std::size_t at, int width) {
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i)
            value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
        return value;
    };
    const std::uint32_t headerLength = bigEndian(4, 4);
    const std::uint32_t trackCount = bigEndian(10, 2);
    if (!append(headerLength - 6)) return bytes;
    for (std::uint32_t track = 0; track < trackCount; ++track) {
        const std::size_t chunk = bytes.size();
        if (!append(8) || std::memcmp(bytes.data() + chunk, "MTrk", 4) != 0) return bytes;
        if (!append(bigEndian(chunk + 4, 4))) return bytes;
    }
    return bytes;
}

void TxMidiData::readBytes(std::span<const std::uint8_t> bytes) {
    Clear();
    try {
        parse(bytes);
    } catch (...) {
        Clear();
        throw;
    }
    active_ = true;
}

void TxMidiData::Save() const {
    writeFileAtomically(fileName_, toBytes());
}

TxMidiTrack& TxMidiData::Track(std::size_t i) {
    if (i >= tracks_.size()) throw std::out_of_range("Invalid Track");
    return *tracks_[i];
}

const TxMidiTrack& TxMidiData::Track(std::size_t i) const {
    if (i >= tracks_.size()) throw std::out_of_range("Invalid Track");
    return *tracks_[i];
}

TxMidiTrack& TxMidiData::addTrack() {
    if (tracks_.size() >= 0xFFFF) throw std::length_error("Too many tracks");
    tracks_.push_back(std::make_unique<TxMidiTrack>());
    return *tracks_.back();
}

std::size_t TxMidiData::eventCount() const {
    return std::accumulate(tracks_.begin(), tracks_.end(), std::size_t{0},
                           [](std::size_t sum, const auto& t) { return sum + t->count(); });
}

} // namespace files
