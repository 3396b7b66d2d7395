#pragma once
// Text styles of the painted screens. Every style draws with a transparent background;
// (x, y) is the top of the text at the alignment the style uses or the canvas has.

#include "draw/canvas.h"
#include "draw/colour.h"

#include <QString>

namespace draw {

// Caption face at the given height (callers use -8 and -7), alignment as set on the canvas.
void SmallText(Canvas& canvas, int x, int y, Colour colour, const QString& text, int height,
               int angle = 0);
// Sets the canvas alignment to centred, then SmallText.
void CentredText(Canvas& canvas, int x, int y, Colour colour, const QString& text, int height);
// Centred caption, height -8.
void CaptionText(Canvas& canvas, int x, int y, Colour colour, const QString& text);
// Left-aligned label, height -8.
void LabelText(Canvas& canvas, int x, int y, Colour colour, const QString& text);
// Left-aligned: a highlight copy at (x, y) under the text at (x - 1, y - 1).
void EtchedText(Canvas& canvas, int x, int y, Colour colour, const QString& text, int height);

// Title face with weight and height; alignment as set on the canvas.
void SansText(Canvas& canvas, int x, int y, Colour colour, const QString& text, int weight,
              int height, int angle = 0);
// Black title over a highlight shadow, weight 400, height -13.
void TitleText(Canvas& canvas, int x, int y, const QString& text);
// Red title over a black shadow, weight 400, height -13.
void AlertTitle(Canvas& canvas, int x, int y, const QString& text);
void TitleTextSized(Canvas& canvas, int x, int y, const QString& text, int weight, int height);
// Highlight title over a black shadow.
void InverseTitle(Canvas& canvas, int x, int y, const QString& text, int weight, int height);

// Black caption text, height -8, on a graph work image; alignment as set by the caller.
void GraphText(Canvas& work, int x, int y, const QString& text);

} // namespace draw
