#pragma once
// Builds Standard MIDI File bytes by hand, independently of the container, the way another
// program would write them (running status, any chunk layout the test wants).

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace testsmf {

using Bytes = std::vector<std::uint8_t>;

inline void append(Bytes& out, std::initializer_list<int> bytes) {
    for (int b : bytes) out.push_back(static_cast<std::uint8_t>(b));
}

inline void append(Bytes& out, const Bytes& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

inline void appendText(Bytes& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

inline void appendBigEndian32(Bytes& out, std::uint32_t v) {
    append(out, {int(v >> 24 & 0xFF), int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)});
}

inline void appendVariableLength(Bytes& out, std::uint32_t v) {
    Bytes groups{static_cast<std::uint8_t>(v & 0x7F)};
    while (v >>= 7) groups.insert(groups.begin(), static_cast<std::uint8_t>(0x80 | (v & 0x7F)));
    append(out, groups);
}

inline Bytes header(int format, int tracks, int division, const Bytes& extra = {}) {
    Bytes out;
    appendText(out, "MThd");
    appendBigEndian32(out, static_cast<std::uint32_t>(6 + extra.size()));
    append(out, {format >> 8, format & 0xFF, tracks >> 8, tracks & 0xFF, division >> 8,
                 division & 0xFF});
    append(out, extra);
    return out;
}

inline Bytes track(const Bytes& events) {
    Bytes out;
    appendText(out, "MTrk");
    appendBigEndian32(out, static_cast<std::uint32_t>(events.size()));
    append(out, events);
    return out;
}

inline Bytes file(const Bytes& events) {
    Bytes out = header(1, 1, 180);
    append(out, track(events));
    return out;
}

} // namespace testsmf
