#include "draw/buttons.h"

#include "draw/drawn_controls.h"
#include "draw/palette.h"
#include "draw/text.h"

#include <array>

namespace draw {
namespace {

constexpr Colour G(int step) {
    return kButtonGradient[static_cast<std::size_t>(step)];
}

// Gradient step of each body row from the top (row t + 2 first).
constexpr std::array<int, 12> kBodyUp = {2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9, 10};
// Pressed: rows t + 2 .. t + 6 G10, then G9 at t + 7 down to G2 at t + 14.
constexpr std::array<int, 13> kBodyPressed = {10, 10, 10, 10, 10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 8> kSmallBodyUp = {2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<int, 8> kSmallBodyPressed = {10, 9, 8, 7, 6, 5, 4, 3};

// The edge colours that change with the state: light rim, bottom edge, inner left side and
// outer right side.
struct Bevel {
    Colour rim;
    Colour bottom;
    Colour innerLeft;
    Colour outerRight;
};

Bevel bevelOf(int state) {
    if (state == ButtonPressed) return {G(11), G(1), G(11), G(1)};
    return {G(1), G(0), G(1), G(0)};
}

// Body of either button height; `height` is 16 for the large and 12 for the small button.
template <std::size_t Rows>
void drawBody(Canvas& canvas, int left, int top, int right, int state, int height,
              const std::array<int, Rows>& rows) {
    const Bevel bevel = bevelOf(state);
    canvas.line(left - 2, top, right + 2, top, G(0));
    canvas.line(left - 1, top + 1, right + 1, top + 1, bevel.rim);
    for (std::size_t row = 0; row < Rows; ++row) {
        const int y = top + 2 + static_cast<int>(row);
        canvas.line(left, y, right, y, G(rows[row]));
    }
    canvas.line(left - 1, top + height - 2, right + 1, top + height - 2, G(11));
    canvas.line(left - 2, top + height - 1, right + 2, top + height - 1, bevel.bottom);
    canvas.line(left - 2, top, left - 2, top + height, G(0));
    canvas.line(left - 1, top + 1, left - 1, top + height - 1, bevel.innerLeft);
    canvas.line(right, top + 2, right, top + height - 1, G(11));
    canvas.line(right + 1, top + 1, right + 1, top + height, bevel.outerRight);
    noteDrawn(canvas, DrawnKind::Button, left - 2, top, right + 1, top + height - 1);
}

void drawLargeBody(Canvas& canvas, int left, int top, int right, int state) {
    if (state == ButtonUp) drawBody(canvas, left, top, right, state, 16, kBodyUp);
    if (state == ButtonPressed) drawBody(canvas, left, top, right, state, 16, kBodyPressed);
}

void drawCaption(Canvas& canvas, int left, int top, int right, const QString& text, Colour shadow,
                 Colour face) {
    const int centre = captionCentre(left, right);
    canvas.setTextAlign(TextAlign::Centre);
    SmallText(canvas, centre + 1, top + 4, shadow, text, -8);
    SmallText(canvas, centre, top + 3, face, text, -8);
}

} // namespace

void DrawButton(Canvas& canvas, int left, int top, int right, const QString& text, int state) {
    drawLargeBody(canvas, left, top, right, state);
    if (state == ButtonPressed)
        drawCaption(canvas, left, top, right, text, ColBlack, ColHighlight);
    else
        drawCaption(canvas, left, top, right, text, ColHighlight, ColBlack);
}

void DrawPadButton(Canvas& canvas, int left, int top, int right, const QString& text, int state) {
    drawLargeBody(canvas, left, top, right, state);
    drawCaption(canvas, left, top, right, text, ColHighlight, ColBlack);
}

void DrawSmallButton(Canvas& canvas, int left, int top, int right, const QString& text, int state) {
    if (state == ButtonUp) drawBody(canvas, left, top, right, state, 12, kSmallBodyUp);
    if (state == ButtonPressed) drawBody(canvas, left, top, right, state, 12, kSmallBodyPressed);
    CentredText(canvas, captionCentre(left, right), top + 2, ColBlack, text, -7);
}

void DrawArrowButton(Canvas& canvas, int left, int top, int right, int state) {
    DrawSmallButton(canvas, left, top, right, QString(), state);
    const std::array<QPoint, 3> arrow = {QPoint(left + 3, top + 3), QPoint(left + 7, top + 6),
                                         QPoint(left + 3, top + 8)};
    canvas.setPen(ColDarkBrown);
    canvas.setBrush(ColBronze);
    canvas.polygon(arrow);
}

} // namespace draw
