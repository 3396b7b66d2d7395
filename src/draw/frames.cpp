#include "draw/frames.h"

#include "draw/drawn_controls.h"
#include "draw/palette.h"

#include <algorithm>

namespace draw {
namespace {

// The frame shape with its top and left edges in one colour and bottom and right in another.
void twoToneOutline(Canvas& canvas, int left, int top, int right, int bottom, Colour topLeft,
                    Colour bottomRight) {
    canvas.line(left, top, right, top, topLeft);
    canvas.line(left, top, left, bottom, topLeft);
    canvas.line(left, bottom, right + 1, bottom, bottomRight);
    canvas.line(right, top, right, bottom, bottomRight);
}

void framed(Canvas& canvas, int left, int top, int right, int bottom, Colour topLeft,
            Colour bottomRight, Colour inner) {
    twoToneOutline(canvas, left, top, right, bottom, topLeft, bottomRight);
    DrawOutline(canvas, left + 1, top + 1, right - 1, bottom - 1, inner);
}

struct LedColours {
    Colour fill;
    Colour glint;
};

LedColours ledColours(int kind) {
    switch (kind) {
    case LedRed:
        return {ColRed, ColYellow};
    case LedGreen:
        return {rgb(0, 164, 0), rgb(0, 255, 0)};
    case LedGrey:
        return {rgb(128, 128, 128), rgb(192, 192, 192)};
    default:
        return {ColBlack, ColBlack};
    }
}

} // namespace

void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2, Colour colour) {
    canvas.line(x1, y1, x2, y2, colour);
}

void DrawOutline(Canvas& canvas, int left, int top, int right, int bottom, Colour colour) {
    twoToneOutline(canvas, left, top, right, bottom, colour, colour);
}

void DrawRaisedFrame(Canvas& canvas, int left, int top, int right, int bottom) {
    framed(canvas, left, top, right, bottom, ColHighlight, ColBlack, ColBrown);
}

void DrawSunkenFrame(Canvas& canvas, int left, int top, int right, int bottom) {
    framed(canvas, left, top, right, bottom, ColBlack, ColHighlight, ColBrown);
}

void DrawValueBox(Canvas& canvas, int left, int top, int right, int bottom) {
    framed(canvas, left, top, right, bottom, ColDarkBrown, ColHighlight, ColBronze);
    noteDrawn(canvas, DrawnKind::ValueBox, left, top, right, bottom);
}

void DrawRaisedBox(Canvas& canvas, int left, int top, int right, int bottom) {
    framed(canvas, left, top, right, bottom, ColHighlight, ColDarkBrown, ColBronze);
}

void FillPanel(Canvas& canvas, int left, int top, int right, int bottom) {
    canvas.setPen(ColBronze);
    canvas.setBrush(ColPanel);
    canvas.rectangle(left, top, right, bottom);
}

void FillBox(Canvas& canvas, int left, int top, int right, int bottom, Colour colour) {
    canvas.setBrush(colour);
    canvas.rectangle(left, top, right, bottom);
}

void DrawGrip(Canvas& canvas, int x, int y, int width) {
    for (int groove = 0; groove < 3; ++groove) {
        const int row = y + 4 * groove;
        canvas.line(x, row, x + width, row, ColBrown);
        canvas.line(x, row + 1, x + width, row + 1, ColHighlight);
    }
}

void DotRowH(Canvas& canvas, int x, int y, Colour colour, int xEnd) {
    // Dots past the canvas are invisible; stopping there also keeps x from overflowing.
    const int end = std::min(xEnd, canvas.width());
    canvas.setPen(colour);
    do {
        canvas.line(x, y, x + 1, y);
        x += 3;
    } while (x < end);
}

void DotRowV(Canvas& canvas, int x, int y, Colour colour, int yEnd) {
    const int end = std::min(yEnd, canvas.height());
    canvas.setPen(colour);
    do {
        canvas.line(x, y, x + 1, y);
        y += 2;
    } while (y < end);
}

void DrawLed(Canvas& canvas, int x, int y, int kind) {
    const LedColours colours = ledColours(kind);
    canvas.setPen(ColBlack);
    canvas.setBrush(colours.fill);
    canvas.pie(x, y, x + 8, y + 8, x, y, x, y);
    canvas.line(x + 3, y + 2, x + 1, y + 5, colours.glint);
    canvas.line(x + 2, y + 3, x + 4, y + 4, colours.glint);
}

} // namespace draw
