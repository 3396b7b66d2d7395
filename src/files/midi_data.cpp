#include "files/midi_data.h"

#include "files/atomic_file.h"
#include "files/errors.h"
#include "files/input_file.h"

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

// A file larger than the container can hold is refused before its body is read, so a huge
// or endless file costs no more memory than a few bytes of its header.
std::vector<std::uint8_t> TxMidiData::readBounded() const {
    InputFile file(fileName_);
    auto bytes = file.read(headerPeekLength);
    const auto largest = largestFileFor(bytes);
    if (!largest) return bytes; // too short or no header: its own format error follows
    if (file.size() > *largest) throw EVirtualMemory("Size exceeds capacity");
    const auto rest = file.read(static_cast<std::size_t>(file.size() - bytes.size()));
    bytes.insert(bytes.end(), rest.begin(), rest.end());
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
