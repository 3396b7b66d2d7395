#pragma once
// Helpers for the set file tests: a freshly initialised image, and the events of a written
// file in a form a test can compare whole.

#include "files/midi_data.h"
#include "image/image_init.h"
#include "image/synth_image.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace settest {

using Bytes = std::vector<std::uint8_t>;

inline std::unique_ptr<image::SynthImage> freshImage() {
    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    return image;
}

// One event as a file holds it: sysex with its leading F0 put back, meta as FF type data.
struct Event {
    std::uint32_t time = 0;
    Bytes bytes;
    bool operator==(const Event&) const = default;
};

inline std::vector<Event> eventsOf(const files::TxMidiData& file) {
    std::vector<Event> events;
    const auto& track = file.Track(0);
    for (std::size_t i = 0; i < track.count(); ++i) {
        const auto e = track.event(i);
        Bytes bytes{e.status};
        const auto block = track.blockOf(e);
        bytes.insert(bytes.end(), block.begin(), block.end());
        events.push_back({e.time, bytes});
    }
    return events;
}

// Only the system-exclusive messages, F0 to F7.
inline std::vector<Bytes> sysexOf(const files::TxMidiData& file) {
    std::vector<Bytes> out;
    for (const auto& e : eventsOf(file))
        if (e.bytes[0] == 0xF0) out.push_back(e.bytes);
    return out;
}

inline Bytes withChecksum(Bytes dump) {
    if (dump.size() < 6) return dump;
    int sum = 0;
    for (std::size_t i = 4; i + 2 < dump.size(); ++i) sum += dump[i];
    dump.at(dump.size() - 2) = static_cast<std::uint8_t>((128 - (sum & 0x7F)) & 0x7F);
    return dump;
}

inline Bytes text(std::uint8_t type, const std::string& s) {
    // Pushed one by one: inserting the string's range trips a false array-bounds warning of
    // g++ 12 in optimised builds.
    Bytes out;
    out.reserve(s.size() + 2);
    out.push_back(0xFF);
    out.push_back(type);
    for (char c : s) out.push_back(static_cast<std::uint8_t>(c));
    return out;
}

} // namespace settest
