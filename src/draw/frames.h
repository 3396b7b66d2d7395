#pragma once
// Lines, frames, fills, grooves, dotted rules and LEDs.

#include "draw/canvas.h"
#include "draw/colour.h"

namespace draw {

void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2, Colour colour);
// The four-line frame shape every frame uses: top (left,top)->(right,top), left
// (left,top)->(left,bottom), bottom (left,bottom)->(right+1,bottom), right
// (right,top)->(right,bottom).
void DrawOutline(Canvas& canvas, int left, int top, int right, int bottom, Colour colour);
void DrawRaisedFrame(Canvas& canvas, int left, int top, int right, int bottom);
void DrawSunkenFrame(Canvas& canvas, int left, int top, int right, int bottom);
void DrawValueBox(Canvas& canvas, int left, int top, int right, int bottom);
void DrawRaisedBox(Canvas& canvas, int left, int top, int right, int bottom);
// Panel fill: outline ColBronze, inside ColPanel; right and bottom excluded.
void FillPanel(Canvas& canvas, int left, int top, int right, int bottom);
// Rectangle filled with colour, outlined with the canvas's current pen.
void FillBox(Canvas& canvas, int left, int top, int right, int bottom, Colour colour);
// Three grooves four pixels apart, each a brown line over a highlight line.
void DrawGrip(Canvas& canvas, int x, int y, int width);
// One-pixel dots every third pixel from x while below xEnd; always at least one.
void DotRowH(Canvas& canvas, int x, int y, Colour colour, int xEnd);
// One-pixel dots every second pixel from y while below yEnd; always at least one.
void DotRowV(Canvas& canvas, int x, int y, Colour colour, int yEnd);

enum LedKind { LedRed = 0, LedGreen = 1, LedGrey = 2, LedOff = 3 };
// An 8 x 8 round LED with a glint; kinds other than 0..2 are black.
void DrawLed(Canvas& canvas, int x, int y, int kind);

} // namespace draw
