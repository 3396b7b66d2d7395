#pragma once
// The two piano keyboards.

#include "draw/canvas.h"
#include "draw/hit_rect.h"

#include <array>

namespace draw {

// The 128-key keyboard for MIDI notes 0..127, six pixels per white key, 40 high; spans
// x .. x + 451.
void DrawPianoKeyboard(Canvas& canvas, int x, int top);

// Hit rectangles of the one-octave keyboard in key order C, C sharp, D ... B. The black
// keys own their whole area; a white key only its lower part below the black keys.
using OctaveKeyRects = std::array<HitRect, 12>;

// One octave, C to B, 19 pixels per white key, 44 high.
OctaveKeyRects DrawOctaveKeyboard(int x, int y, Canvas& canvas);

} // namespace draw
