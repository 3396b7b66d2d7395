#include "midi/effect_parameter_names.h"

#include <array>
#include <string_view>

namespace midi {

namespace {

// The bytes between the ten first parameters and the last six, from the block's return on.
constexpr std::array<std::string_view, 2> kReverbTail{"Return", "Pan"};
constexpr std::array<std::string_view, 3> kChorusTail{"Return", "Pan", "Send To Reverb"};
constexpr std::array<std::string_view, 11> kVariationTail{
    "Return",   "Pan",        "Send To Reverb", "Send To Chorus", "Connection", "Part",
    "MW Depth", "Bend Depth", "CAT Depth",      "AC1 Depth",      "AC2 Depth"};

std::string parameter(int n) {
    return "Parameter " + std::to_string(n);
}

} // namespace

EffectAddress effectAddressOf(int address) {
    using image::EffectKind;
    if (address >= 0x00 && address <= 0x0D) return {EffectKind::Reverb, address};
    if (address >= 0x10 && address <= 0x15) return {EffectKind::Reverb, 14 + address - 0x10};
    if (address >= 0x20 && address <= 0x2E) return {EffectKind::Chorus, address - 0x20};
    if (address >= 0x30 && address <= 0x35) return {EffectKind::Chorus, 15 + address - 0x30};
    if (address >= 0x40 && address <= 0x60) return {EffectKind::Variation, address - 0x40};
    if (address >= 0x70 && address <= 0x75) return {EffectKind::Variation, 33 + address - 0x70};
    return {};
}

std::optional<image::EffectKind> effectKindOfAddress(std::uint8_t low) {
    const auto where = effectAddressOf(low);
    if (where.index < 0) return std::nullopt;
    return where.kind;
}

bool isEffectTypeAddress(std::uint8_t low) {
    return low == 0x00 || low == 0x20 || low == 0x40;
}

std::string effectParameterName(std::uint8_t low) {
    const auto where = effectAddressOf(low);
    const int i = where.index;
    if (i < 0) return "unknown";
    if (i == 0) return "Type MSB";
    if (i == 1) return "Type LSB";
    switch (where.kind) {
    case image::EffectKind::Reverb:
        if (i < 12) return parameter(i - 1);
        if (i < 14) return std::string(kReverbTail[static_cast<std::size_t>(i - 12)]);
        return parameter(i - 3);
    case image::EffectKind::Chorus:
        if (i < 12) return parameter(i - 1);
        if (i < 15) return std::string(kChorusTail[static_cast<std::size_t>(i - 12)]);
        return parameter(i - 4);
    case image::EffectKind::Variation:
        // The first ten parameters take two bytes each, high then low.
        if (i < 22) return parameter((i - 2) / 2 + 1) + ((i - 2) % 2 == 0 ? " MSB" : " LSB");
        if (i < 33) return std::string(kVariationTail[static_cast<std::size_t>(i - 22)]);
        return parameter(i - 22);
    }
    return "unknown";
}

} // namespace midi
