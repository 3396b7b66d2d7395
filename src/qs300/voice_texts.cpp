#include "qs300/voice_texts.h"

#include "draw/value_texts.h"
#include "qs300/voice_texts_tables.h"

#include <algorithm>
#include <cstdio>

namespace qs300 {

namespace {

template <typename Table> const char* entry(const Table& table, int value) {
    return table[static_cast<std::size_t>(
        std::clamp(value, 0, static_cast<int>(table.size()) - 1))];
}

} // namespace

std::string noteName(int note) {
    note = std::clamp(note, 0, 127);
    char octave[4];
    std::snprintf(octave, sizeof octave, "%2d", note / 12 - 2);
    return std::string(kNoteLetters[static_cast<std::size_t>(note % 12)]) + octave;
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
        return std::to_string((value - 64) * 150);
    case Form::AmpControl:
        return std::to_string(kAmpControlPercent[static_cast<std::size_t>(value)]) + "%";
    case Form::Number:
    case Form::LevelBar:
        break;
    }
    return std::to_string(value);
}

} // namespace qs300
