#include "midi/message_words.h"

#include "image/checksum.h"
#include "image/effect_types.h"
#include "image/synth_image.h"
#include "midi/effect_parameter_names.h"
#include "midi/parameter_names.h"

#include <cstdio>

namespace midi {

namespace {

constexpr std::uint8_t kYamaha = 0x43;
constexpr std::uint8_t kXgModel = 0x4C;
constexpr std::uint8_t kQsModel = 0x4B;

std::string num(int v) {
    return std::to_string(v);
}

std::string address(std::uint8_t high, std::uint8_t mid, std::uint8_t low) {
    char text[12];
    std::snprintf(text, sizeof text, "%02X %02X %02X", high, mid, low);
    return text;
}

bool isSysEx(Bytes m) {
    return m.size() >= 2 && m.front() == 0xF0 && m.back() == 0xF7;
}

std::string describeChannel(Bytes m) {
    const int status = m[0] & 0xF0;
    const std::string ch = " ch " + num((m[0] & 0x0F) + 1);
    const int d1 = m.size() > 1 ? m[1] : 0;
    const int d2 = m.size() > 2 ? m[2] : 0;
    switch (status) {
    case 0x80:
        return "Note Off" + ch + " " + num(d1) + " v " + num(d2);
    case 0x90:
        return "Note On" + ch + " " + num(d1) + " v " + num(d2);
    case 0xA0:
        return "Key Pressure" + ch + " " + num(d1) + " = " + num(d2);
    case 0xB0:
        return "Control" + ch + " " + num(d1) + " = " + num(d2);
    case 0xC0:
        return "Program" + ch + " " + num(d1);
    case 0xD0:
        return "Channel Pressure" + ch + " = " + num(d1);
    default:
        return "Pitch Bend" + ch + " = " + num((d1 | d2 << 7) - 8192);
    }
}

std::string describeSystemCommon(Bytes m) {
    switch (m[0]) {
    case 0xF8:
        return "Clock";
    case 0xFA:
        return "Start";
    case 0xFB:
        return "Continue";
    case 0xFC:
        return "Stop";
    case 0xFE:
        return "Active Sensing";
    case 0xFF:
        return "System Reset";
    default:
        return "System message";
    }
}

// What an XG address holds, for dumps and requests: a part, an effect block, a drum note.
std::string xgBlockName(std::uint8_t high, std::uint8_t mid, std::uint8_t low) {
    if (high == 0x00 && mid == 0x00) return "System";
    if (high == 0x02 && mid == 0x01) {
        const auto kind = effectKindOfAddress(low);
        if (kind) return std::string(image::effectKindName(*kind));
    }
    if (high == 0x08) return "Part " + num(mid + 1);
    if (high == 0x30 || high == 0x31) return "Drum setup " + num(high - 0x2F) + " note " + num(mid);
    return "unknown block " + address(high, mid, low);
}

std::string describeXgSystemChange(Bytes data, std::uint8_t low) {
    if (low == 0x00 && data.size() == 4) {
        const int tune = (data[0] & 0x0F) << 12 | (data[1] & 0x0F) << 8 | (data[2] & 0x0F) << 4 |
                         (data[3] & 0x0F);
        return "Master Tune = " + num(tune);
    }
    if (data.size() != 1) return "unknown system parameter " + address(0, 0, low);
    switch (low) {
    case 0x04:
        return "Master Volume = " + num(data[0]);
    case 0x05:
        return "Master Attenuator = " + num(data[0]);
    case 0x06:
        return "Transpose = " + num(data[0] - 0x40);
    case 0x7D:
        return "Drum Setup Reset = " + num(data[0] + 1);
    case 0x7E:
        return "XG System On";
    case 0x7F:
        return "All Parameter Reset";
    default:
        return "unknown system parameter " + address(0, 0, low);
    }
}

std::string describeEffectChange(Bytes data, std::uint8_t low) {
    const auto kind = effectKindOfAddress(low);
    if (!kind) return "unknown effect address " + address(0x02, 0x01, low);
    const std::string block(image::effectKindName(*kind));
    if (isEffectTypeAddress(low) && data.size() == 2) {
        const int index = image::FindEffectType(*kind, data[0], data[1]);
        const auto types = image::effectTypes(*kind);
        if (index > 0 && static_cast<std::size_t>(index) < types.size())
            return block + " Type = " + std::string(types[static_cast<std::size_t>(index)].name);
        return block + " Type = " + num(data[0]) + "/" + num(data[1]);
    }
    std::string out;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i > 0) out += ", ";
        out += block + " " + effectParameterName(static_cast<std::uint8_t>(low + i)) + " = " +
               num(data[i]);
    }
    return out;
}

std::string describePartChange(Bytes data, std::uint8_t part, std::uint8_t low) {
    const int offset = low <= 0x28 ? low : (low >= 0x30 && low <= 0x6E ? low - 7 : -1);
    const auto name = partParameterName(offset);
    if (name.empty()) return "Part " + num(part + 1) + " unknown parameter " + num(low);
    if (data.size() == 2)
        return "Part " + num(part + 1) + " " + std::string(name) + " = " +
               num((data[0] & 0x0F) << 4 | (data[1] & 0x0F));
    return "Part " + num(part + 1) + " " + std::string(name) + " = " + num(data[0]);
}

std::string describeXgChange(Bytes m) {
    if (m.size() < 9) return "unknown XG parameter change";
    const auto data = m.subspan(7, m.size() - 8);
    const auto high = m[4], mid = m[5], low = m[6];
    if (high == 0x00 && mid == 0x00) return describeXgSystemChange(data, low);
    if (high == 0x02 && mid == 0x01) return describeEffectChange(data, low);
    if (high == 0x08 && data.size() <= 2) return describePartChange(data, mid, low);
    if ((high == 0x30 || high == 0x31) && data.size() == 1) {
        const auto name = drumParameterName(low);
        if (!name.empty())
            return "Drum setup " + num(high - 0x2F) + " note " + num(mid) + " " +
                   std::string(name) + " = " + num(data[0]);
    }
    return "unknown XG parameter " + address(high, mid, low);
}

std::string checksumWords(Bytes m) {
    const auto covered = m.subspan(4, m.size() - 6);
    return image::yamahaChecksum(covered) == m[m.size() - 2] ? "checksum ok" : "checksum wrong";
}

std::string describeXgDump(Bytes m) {
    if (m.size() < 11) return "unknown XG dump";
    const int count = m[4] << 7 | m[5];
    const int carried = static_cast<int>(m.size()) - 11;
    std::string out = "XG dump, " + xgBlockName(m[6], m[7], m[8]) + " from " +
                      address(m[6], m[7], m[8]) + ", " + num(carried) + " bytes, ";
    if (count != carried) return out + "length wrong (" + num(count) + " announced)";
    return out + checksumWords(m);
}

std::string describeQsVoiceDump(Bytes m) {
    if (m.size() != static_cast<std::size_t>(image::kVoiceDumpSize) || m[4] != 0x02 ||
        m[5] != 0x7D || m[6] != 0x11)
        return "unknown QS300 dump";
    std::string name;
    for (int i = 0; i < image::kVoiceNameSize; ++i) {
        const auto c = m[static_cast<std::size_t>(image::kVoiceDumpDataStart + i)];
        name += c >= 0x20 && c <= 0x7E ? static_cast<char>(c) : '?';
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return "QS300 voice dump, part " + num(m[7] + 1) + ", \"" + name + "\", " + checksumWords(m);
}

std::string describeRequest(Bytes m, bool dump) {
    const std::string what = dump ? "XG dump request, " : "XG parameter request, ";
    if (m.size() != 8) return "unknown " + what;
    return what + xgBlockName(m[4], m[5], m[6]) + " at " + address(m[4], m[5], m[6]);
}

std::string describeYamaha(Bytes m) {
    const int kind = m[2] & 0xF0;
    if (m[3] == kXgModel) {
        if (kind == 0x10) return describeXgChange(m);
        if (kind == 0x00) return describeXgDump(m);
        if (kind == 0x20) return describeRequest(m, true);
        if (kind == 0x30) return describeRequest(m, false);
    }
    if (m[3] == kQsModel) {
        if (kind == 0x00) return describeQsVoiceDump(m);
        if (kind == 0x20 && m.size() == 8 && m[4] == 0x11 && m[6] == 0x00)
            return "QS300 voice request, part " + num(m[5] + 1);
        if (kind == 0x10 && m.size() == 9 && m[4] == 0 && m[5] == 0 && m[6] == 0x09)
            return std::string("QS300 Local = ") + (m[7] != 0 ? "on" : "off");
    }
    return "unknown Yamaha message, " + num(static_cast<int>(m.size())) + " bytes";
}

std::string describeSysEx(Bytes m) {
    if (m.size() >= 6 && m[1] == 0x7E && m[3] == 0x09)
        return m[4] == 0x01 ? "GM System On" : "GM System Off";
    if (m.size() >= 5 && m[1] == kYamaha) return describeYamaha(m);
    return "SysEx, " + num(static_cast<int>(m.size())) + " bytes";
}

} // namespace

MessageKind messageKindOf(Bytes m) {
    if (m.empty()) return MessageKind::Other;
    if (m[0] >= 0x80 && m[0] < 0xF0) return MessageKind::Channel;
    if (!isSysEx(m) || m.size() < 5 || m[1] != kYamaha) return MessageKind::Other;
    switch (m[2] & 0xF0) {
    case 0x00:
        return MessageKind::Dump;
    case 0x10:
        return MessageKind::Parameter;
    case 0x20:
    case 0x30:
        return MessageKind::Request;
    default:
        return MessageKind::Other;
    }
}

std::string hexBytes(Bytes m) {
    constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(m.size() * 3);
    for (const auto b : m) {
        if (!out.empty()) out += ' ';
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

std::string describeMessage(Bytes m) {
    if (m.empty()) return "unknown empty message";
    if (m[0] < 0x80) return "unknown running-status data";
    if (m[0] < 0xF0) return describeChannel(m);
    if (m[0] != 0xF0) return describeSystemCommon(m);
    if (!isSysEx(m))
        return "unknown unterminated SysEx, " + num(static_cast<int>(m.size())) + " bytes";
    return describeSysEx(m);
}

} // namespace midi
