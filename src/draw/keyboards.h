#pragma once
// The two piano keyboards.

#include "draw/canvas.h"
#include "draw/hit_rect.h"
#include "draw/palette.h"

#include <array>

namespace draw {

// The 128-key keyboard for MIDI notes 0..127, six pixels per white key, 40 high; spans
// x .. x + 451.
void DrawPianoKeyboard(Canvas& canvas, int x, int top);

// A keyboard of octave groups: white keys whiteWidth x 40 at whiteStep apart (neighbours
// share their outline), black keys blackWidth x 25 with a glint, the last group holding
// only C to G. The 128-key keyboard above is one of them.
struct PianoLayout {
    int groups = 11;
    int groupWidth = 42;
    int whiteStep = 6;
    std::array<int, 5> blackOffsets{4, 10, 22, 28, 34};
    int blackWidth = 5;
    Colour whiteBrush = ColHighlight;
    Colour blackBrush = ColDarkBrown;
};
// The larger 128-key keyboard: seven pixels per white key.
inline constexpr PianoLayout kWidePiano{11, 49,           7,           {5, 12, 26, 33, 40},
                                        6,  ColHighlight, ColDarkBrown};
void DrawPianoKeyboard(Canvas& canvas, int x, int top, const PianoLayout& layout);

// Hit rectangles of the one-octave keyboard in key order C, C sharp, D ... B. The black
// keys own their whole area; a white key only its lower part below the black keys.
using OctaveKeyRects = std::array<HitRect, 12>;

// One octave, C to B, 19 pixels per white key, 44 high.
OctaveKeyRects DrawOctaveKeyboard(int x, int y, Canvas& canvas);

} // namespace draw
