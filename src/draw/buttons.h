#pragma once
// Bevelled gradient buttons. A button covers x from left - 2 to right + 2; its caption is
// centred at left + (right - left) / 2. State 0 is up, 1 pressed; any other state draws
// only the caption, in the colours of state 0.

#include "draw/canvas.h"

#include <QString>

namespace draw {

enum ButtonState { ButtonUp = 0, ButtonPressed = 1 };

// 17 pixels high; the caption is black on a highlight shadow, light on black when pressed.
void DrawButton(Canvas& canvas, int left, int top, int right, const QString& text, int state);
// As DrawButton, but the caption stays black on its highlight shadow in every state.
void DrawPadButton(Canvas& canvas, int left, int top, int right, const QString& text, int state);
// 13 pixels high, black caption of height -7.
void DrawSmallButton(Canvas& canvas, int left, int top, int right, const QString& text, int state);
// A small button with a right-pointing arrow at its left end.
void DrawArrowButton(Canvas& canvas, int left, int top, int right, int state);

// Centre of a caption over left..right, rounding toward left.
constexpr int captionCentre(int left, int right) {
    return left + (right - left) / 2;
}

} // namespace draw
