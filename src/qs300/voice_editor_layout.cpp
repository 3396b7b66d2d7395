#include "qs300/voice_editor_layout.h"

#include <array>

namespace qs300 {

namespace {
// Where a note lies in its octave on the range bars and the keyboard.
constexpr std::array<int, 12> kOctaveOffsets = {0, 4, 6, 10, 12, 18, 22, 24, 28, 30, 34, 36};
} // namespace

bool isNoteKnob(const ParamRow& row) {
    return row.form == Form::Note;
}

HitRect knobRect(int x, int y) {
    return {x + 2, y + 13, x + 24, y + 34};
}

HitRect mixRect(int element, int row) {
    const int x = 9 + 34 * element;
    const int y = 65 + 45 * row;
    return {x, y, x + 22, y + 21};
}

HitRect stripRect(int index) {
    const int x = 15 + 29 * index;
    return {x, 522, x + 20, 542};
}

HitRect rangePresetRect(int preset) {
    const int row = preset % 3;
    const int top = 442 + 14 * row;
    return preset < 3 ? HitRect{151, top, 192, top + 12} : HitRect{651, top, 695, top + 12};
}

int rangeNoteX(int note) {
    if (note < 0) note = 0;
    if (note > 127) note = 127;
    return kRangeLeft + 42 * (note / 12) + kOctaveOffsets[static_cast<std::size_t>(note % 12)];
}

} // namespace qs300
