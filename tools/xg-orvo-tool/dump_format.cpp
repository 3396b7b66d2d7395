#include "dump_format.h"

#include <cstdio>

namespace tool {

namespace {

void appendHex(std::string& out, std::uint8_t b) {
    constexpr char digits[] = "0123456789ABCDEF";
    out += digits[b >> 4];
    out += digits[b & 0x0F];
}

void appendHexBytes(std::string& out, std::span<const std::uint8_t> bytes) {
    for (const auto b : bytes) {
        out += ' ';
        appendHex(out, b);
    }
}

// Text metas are shown as text; bytes that would break the line are escaped.
void appendQuoted(std::string& out, std::span<const std::uint8_t> bytes) {
    out += '"';
    for (const auto b : bytes) {
        if (b == '"' || b == '\\') {
            out += '\\';
            out += static_cast<char>(b);
        } else if (b < 0x20 || b >= 0x7F) {
            out += "\\x";
            appendHex(out, b);
        } else {
            out += static_cast<char>(b);
        }
    }
    out += '"';
}

std::string describeChannel(const files::MidiEvent& e) {
    const int channel = (e.status & 0x0F) + 1;
    std::string out(channelMessageName(e.status));
    out += " ch=" + std::to_string(channel);
    const auto n = [](std::uint8_t v) { return std::to_string(v); };
    switch (e.status & 0xF0) {
    case 0x80:
    case 0x90:
        return out + " key=" + n(e.data1) + " vel=" + n(e.data2);
    case 0xA0:
        return out + " key=" + n(e.data1) + " value=" + n(e.data2);
    case 0xB0:
        return out + " ctrl=" + n(e.data1) + " value=" + n(e.data2);
    case 0xC0:
        return out + " program=" + n(e.data1);
    case 0xD0:
        return out + " value=" + n(e.data1);
    default:
        return out + " value=" + std::to_string(e.data1 | e.data2 << 7);
    }
}

} // namespace

std::string describeEvent(const files::TxMidiTrack& track, const files::MidiEvent& e) {
    if (files::isChannelStatus(e.status)) return describeChannel(e);
    const auto block = track.blockOf(e);
    std::string out;
    if (e.status != files::statusMeta) {
        out = "SysEx ";
        appendHex(out, e.status);
        appendHexBytes(out, block);
        return out;
    }
    const std::uint8_t type = block.empty() ? 0 : block.front();
    const auto data = block.empty() ? block : block.subspan(1);
    out = "Meta ";
    const auto name = metaTypeName(type);
    if (name.empty()) {
        out += "Type";
        appendHex(out, type);
    } else {
        out += name;
    }
    if (type >= 0x01 && type <= 0x0F) {
        out += ' ';
        appendQuoted(out, data);
    } else {
        appendHexBytes(out, data);
    }
    return out;
}

} // namespace tool
