#include "effects/display_forms.h"

#include "draw/value_texts.h"
#include "effects/effect_value_tables.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <span>
#include <string_view>

namespace effects {
namespace {

constexpr std::array<std::string_view, 3> kInputSelectTexts{"L", "R", "L&R"};
constexpr std::array<std::string_view, 6> kReflectionTypeTexts{"S-H", "L-H", "Rdm",
                                                               "Rvs", "Plt", "Spr"};
constexpr std::array<std::string_view, 2> kGateTypeTexts{"A-Type", "B-Type"};
constexpr std::array<std::string_view, 4> kAmpTypeTexts{"OFF", "Stack", "Combo", "Tube"};
constexpr std::array<std::string_view, 2> kInputModeTexts{"Mono", "Stereo"};
constexpr std::array<std::string_view, 6> kPanDirectionTexts{"L<->R", "L->R",  "L<-R",
                                                             "Lturn", "Rturn", "L / R"};

// The entry of a table followed by its unit, or nothing outside the table.
std::optional<std::string> tableText(std::span<const std::string_view> table, int value,
                                     std::string_view unit = {}) {
    if (value < 0 || value >= static_cast<int>(table.size())) return std::nullopt;
    std::string text{table[static_cast<std::size_t>(value)]};
    text += unit;
    return text;
}

// A non-negative number of tenths with one decimal: 5 -> "0.5", 7150 -> "715.0".
std::string tenths(long long value) {
    return std::to_string(value / 10) + "." + std::to_string(value % 10);
}

// Two sides around a centre of 64: 1..63 lean to the left with the distance, 65..127 to
// the right ("D63" .. "D1", "D=W", "1W" .. "63W").
std::optional<std::string> mixText(int value, std::string_view left, std::string_view right) {
    if (value < 1 || value > 127) return std::nullopt;
    if (value < 64) return std::string{left} + std::to_string(64 - value);
    if (value == 64) return std::string{left} + "=" + std::string{right};
    return std::to_string(value - 64) + std::string{right};
}

std::optional<std::string> partText(int value) {
    if (value < 0 || value > 127) return std::nullopt;
    if (value < 64) return std::to_string(value + 1) + " ";
    if (value < 127) return "Ad" + std::to_string(value - 63);
    return std::string{"OFF"};
}

// Tenths of a cent around 1024.
std::string masterTuneText(int value) {
    const long long cents = static_cast<long long>(value) - 1024;
    if (cents == 0) return "0 cent";
    const std::string sign = cents < 0 ? "-" : "";
    return sign + tenths(std::llabs(cents)) + " cent";
}

std::optional<std::string> sevenBit(int value, const char* (*text)(int), std::string_view unit) {
    if (value < 0 || value > 127) return std::nullopt;
    return std::string{text(value)} + std::string{unit};
}

std::optional<std::string> formText(int displayForm, int value) {
    switch (displayForm) {
    case form::kDecimal:
        return std::to_string(value);
    case form::kReverbTime:
        return tableText(kReverbTimeTexts, value, " s");
    case form::kDelayTime1:
        return tableText(kDelayTime1Texts, value, " ms");
    case form::kFrequency:
        return tableText(kFrequencyTexts, value, "Hz");
    case form::kRoomDimension:
        return tableText(kRoomDimensionTexts, value, " m");
    case form::kRoomSize:
        return tableText(kRoomSizeTexts, value, " m");
    case form::kDelayTime2:
        return tableText(kDelayTime2Texts, value, " ms");
    case form::kLfoFrequency:
        return tableText(kLfoFrequencyTexts, value, " Hz");
    case form::kDelayOffset:
        return tableText(kDelayOffsetTexts, value, " ms");
    case form::kDryWet:
        return mixText(value, "D", "W");
    case form::kBalance:
        return mixText(value, "E", "R");
    case form::kTenthsMs:
        if (value < 0) return std::nullopt;
        return tenths(value) + " ms";
    case form::kSigned:
        return sevenBit(value, draw::SignedText, "");
    case form::kPhase:
        return std::to_string(3LL * value - 192);
    case form::kPan:
        return sevenBit(value, draw::PanText, "");
    case form::kDecibel:
        return sevenBit(value, draw::SignedText, " dB");
    case form::kPart:
        return partText(value);
    case form::kInputSelect:
        return tableText(kInputSelectTexts, value);
    case form::kReflectionType:
        return tableText(kReflectionTypeTexts, value);
    case form::kGateType:
        return tableText(kGateTypeTexts, value);
    case form::kAmpType:
        return tableText(kAmpTypeTexts, value);
    case form::kInputMode:
        return tableText(kInputModeTexts, value);
    case form::kPanDirection:
        return tableText(kPanDirectionTexts, value);
    case form::kTenths:
        if (value < 0) return std::nullopt;
        return tenths(value);
    case form::kMasterTune:
        return masterTuneText(value);
    default:
        return std::nullopt;
    }
}

} // namespace

bool hasEffectValueText(int displayForm, int value) {
    return formText(displayForm, value).has_value();
}

std::string formatEffectValue(int displayForm, int value) {
    if (auto text = formText(displayForm, value)) return *std::move(text);
    return std::to_string(value);
}

} // namespace effects
