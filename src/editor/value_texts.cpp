#include "editor/value_texts.h"

#include "draw/value_texts.h"
#include "editor/value_texts_tables.h"

#include <algorithm>
#include <cstdio>

namespace editor {
namespace {

int clamp7(int value) {
    return std::clamp(value, 0, 127);
}

std::string format(const char* pattern, int value) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace

std::string channelText(int value) {
    if (value < 0) value = 0;
    if (value >= 16) return " OFF";
    return format("CH%3d", value + 1);
}

std::string noteName(int value) {
    static constexpr const char* kLetters[12] = {"C ", "C#", "D ", "D#", "E ", "F ",
                                                 "F#", "G ", "G#", "A ", "A#", "B "};
    value = clamp7(value);
    return kLetters[value % 12] + format("%2d", value / 12 - 2);
}

std::string detuneText(int value) {
    const int tenths = std::clamp(value, 0, 255) - 128;
    const int whole = (tenths < 0 ? -tenths : tenths) / 10;
    const int fraction = (tenths < 0 ? -tenths : tenths) % 10;
    char text[16];
    std::snprintf(text, sizeof text, "%s%d.%d", tenths < 0 ? "-" : "", whole, fraction);
    return text;
}

std::string filterControlText(int value) {
    return std::to_string((clamp7(value) - 64) * 150);
}

std::string ampControlText(int value) {
    return std::to_string(kAmpControlPercent[static_cast<std::size_t>(clamp7(value))]);
}

std::string controllerName(int number) {
    std::string item = kControllerListItems[static_cast<std::size_t>(std::clamp(number, 0, 95))];
    item.erase(0, 3);
    for (int i = 0; i < 2 && !item.empty() && item.front() == ' '; ++i) item.erase(0, 1);
    return item;
}

std::string valueText(ValueForm form, int value) {
    switch (form) {
    case ValueForm::None:
        return {};
    case ValueForm::Plain:
        return std::to_string(clamp7(value));
    case ValueForm::Signed:
        return draw::SignedText(value);
    case ValueForm::SignedCent:
        return std::string(draw::SignedText(value)) + " cent";
    case ValueForm::Channel:
        return channelText(value);
    case ValueForm::MonoPoly:
        return value == 0 ? "Mono" : "Poly";
    case ValueForm::Pan:
        return draw::PanText(value);
    case ValueForm::NoteName:
        return noteName(value);
    case ValueForm::DetuneHz:
        return detuneText(value) + " Hz";
    case ValueForm::FilterCent:
        return filterControlText(value) + " cent";
    case ValueForm::AmpPercent:
        return ampControlText(value) + "%";
    case ValueForm::OffOn:
        return value == 1 ? "On" : "Off";
    }
    return {};
}

} // namespace editor
