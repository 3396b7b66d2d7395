#include "qs300/voice_texts.h"

#include "draw/value_texts.h"
#include "editor/value_texts.h"
#include "qs300/voice_texts_tables.h"

#include <algorithm>

namespace qs300 {

namespace {

template <typename Table> const char* entry(const Table& table, int value) {
    return table[static_cast<std::size_t>(
        std::clamp(value, 0, static_cast<int>(table.size()) - 1))];
}

} // namespace

std::string noteName(int note) {
    return editor::noteName(std::clamp(note, 0, 127));
}

std::string formText(Form form, int value) {
    value = std::clamp(value, 0, 127);
    switch (form) {
    case Form::Signed:
    case Form::EgLevel:
    case Form::NoteShift:
    case Form::PitchControl:
        return draw::SignedText(value);
    case Form::Note:
        return noteName(value);
    case Form::Pan:
        return entry(kElementPanTexts, value);
    case Form::Cent:
        return std::string(draw::SignedText(value)) + " cent";
    case Form::ScalingRate:
        return entry(kScalingRateTexts, value);
    case Form::EgDepth:
        return entry(kEgDepthTexts, value);
    case Form::CutoffControl:
        return editor::filterControlText(value);
    case Form::AmpControl:
        return editor::ampControlText(value) + "%";
    case Form::Number:
    case Form::LevelBar:
        break;
    }
    return std::to_string(value);
}

} // namespace qs300
