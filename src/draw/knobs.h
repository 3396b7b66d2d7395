#pragma once
// Small rotary knobs, knob units with value box and caption, and named-value lines.

#include "draw/canvas.h"
#include "draw/colour.h"

#include <QPoint>
#include <QString>

namespace draw {

// Offset of the pointer dot inside the knob sprite for a value 0..127 (clamped).
QPoint knobPointerOffset(int value);

// The knob sprite masked onto the canvas for a knob placed at (x, y): the area the knob
// owns is the 32 x 32 square at (x - 5, y). The canvas's knob scheme gives the colours.
void DrawPot(Canvas& canvas, int x, int y);
// The pointer of a knob placed at (x, y) for a value 0..127: red on yellow when the knob
// is the active one, otherwise black on cyan.
void DrawKnobPointer(Canvas& canvas, int x, int y, int value, bool active);
// A knob showing a value: DrawPot, then its pointer.
void DrawKnob(Canvas& canvas, int x, int y, int value, bool active);

enum class KnobWidth { Wide, Normal, Narrow, Narrowest };
// A value box above a knob with a centred caption under it. The knob is placed at
// (x + knobUnitPotOffset(width), y + 13); its pointer goes there too.
void DrawKnobUnit(Canvas& canvas, int x, int y, const QString& caption,
                  KnobWidth width = KnobWidth::Normal);
int knobUnitPotOffset(KnobWidth width);

// One line over the title-strip texture: name left, value right, both in colour; covers
// (width - 2) x 11 pixels at (x, y).
void DrawNamedValue(Canvas& canvas, int x, int y, int width, const QString& name, int value,
                    Colour colour);

} // namespace draw
