#include "files/midi_track.h"

#include "files/errors.h"

#include <stdexcept>

namespace files {

TxMidiTrack::TxMidiTrack() : events_(capacity) {}

MidiEvent TxMidiTrack::event(std::size_t i) const {
    if (i >= count_) throw std::out_of_range("Invalid Event");
    return decodeRecord(events_.data() + i * recordSize);
}

std::span<const std::uint8_t> TxMidiTrack::blockOf(const MidiEvent& e) const {
    if (isChannelStatus(e.status)) return {};
    return std::span(blocks_).subspan(e.block, e.length);
}

std::uint8_t* TxMidiTrack::appendRecord() {
    events_.SetSize((count_ + 1) * recordSize);
    return events_.data() + count_++ * recordSize;
}

std::uint32_t TxMidiTrack::appendBlock(std::span<const std::uint8_t> head,
                                       std::span<const std::uint8_t> rest) {
    if (head.size() + rest.size() > maxBlockLength) throw std::invalid_argument("Invalid Event");
    if (blocks_.size() + head.size() + rest.size() > blockCapacity)
        throw EVirtualMemory("Size exceeds capacity");
    const auto offset = static_cast<std::uint32_t>(blocks_.size());
    blocks_.insert(blocks_.end(), head.begin(), head.end());
    blocks_.insert(blocks_.end(), rest.begin(), rest.end());
    return offset;
}

void TxMidiTrack::appendChannel(std::uint32_t time, std::uint8_t status, std::uint8_t data1,
                                std::uint8_t data2) {
    if (!isChannelStatus(status) || data1 > 0x7F || data2 > 0x7F ||
        (!hasSecondDataByte(status) && data2 != 0))
        throw std::invalid_argument("Invalid Event");
    MidiEvent e;
    e.time = time;
    e.status = status;
    e.data1 = data1;
    e.data2 = data2;
    encodeRecord(appendRecord(), e);
}

void TxMidiTrack::appendSysEx(std::uint32_t time, std::uint8_t status,
                              std::span<const std::uint8_t> data) {
    if (status != statusSysEx && status != statusSysExContinuation)
        throw std::invalid_argument("Invalid Event");
    MidiEvent e;
    e.time = time;
    e.status = status;
    e.block = appendBlock({}, data); // checks the length
    e.length = static_cast<std::uint16_t>(data.size());
    encodeRecord(appendRecord(), e);
}

void TxMidiTrack::appendMeta(std::uint32_t time, std::uint8_t type,
                             std::span<const std::uint8_t> data) {
    MidiEvent e;
    e.time = time;
    e.status = statusMeta;
    const std::uint8_t typeByte[1] = {type};
    e.block = appendBlock(typeByte, data);
    e.length = static_cast<std::uint16_t>(data.size() + 1);
    encodeRecord(appendRecord(), e);
    if (type == metaTrackName) nameEvent_ = count_ - 1;
}

} // namespace files
