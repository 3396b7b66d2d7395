#include "draw/text.h"

#include "draw/fonts.h"
#include "draw/palette.h"

namespace draw {

void SmallText(Canvas& canvas, int x, int y, Colour colour, const QString& text, int height,
               int angle) {
    canvas.setFont(toolkitFont(FontFace::Small, height));
    canvas.text(x, y, text, colour, angle);
}

void CentredText(Canvas& canvas, int x, int y, Colour colour, const QString& text, int height) {
    canvas.setTextAlign(TextAlign::Centre);
    SmallText(canvas, x, y, colour, text, height);
}

void CaptionText(Canvas& canvas, int x, int y, Colour colour, const QString& text) {
    CentredText(canvas, x, y, colour, text, -8);
}

void LabelText(Canvas& canvas, int x, int y, Colour colour, const QString& text) {
    canvas.setTextAlign(TextAlign::Left);
    SmallText(canvas, x, y, colour, text, -8);
}

void EtchedText(Canvas& canvas, int x, int y, Colour colour, const QString& text, int height) {
    canvas.setTextAlign(TextAlign::Left);
    SmallText(canvas, x, y, ColHighlight, text, height);
    SmallText(canvas, x - 1, y - 1, colour, text, height);
}

void SansText(Canvas& canvas, int x, int y, Colour colour, const QString& text, int weight,
              int height, int angle) {
    canvas.setFont(toolkitFont(FontFace::Sans, height, weight));
    canvas.text(x, y, text, colour, angle);
}

void TitleTextSized(Canvas& canvas, int x, int y, const QString& text, int weight, int height) {
    SansText(canvas, x, y - 1, ColHighlight, text, weight, height);
    SansText(canvas, x - 1, y - 2, ColBlack, text, weight, height);
}

void TitleText(Canvas& canvas, int x, int y, const QString& text) {
    TitleTextSized(canvas, x, y, text, 400, -13);
}

void AlertTitle(Canvas& canvas, int x, int y, const QString& text) {
    SansText(canvas, x, y - 1, ColBlack, text, 400, -13);
    SansText(canvas, x - 1, y - 2, ColRed, text, 400, -13);
}

void InverseTitle(Canvas& canvas, int x, int y, const QString& text, int weight, int height) {
    SansText(canvas, x, y - 1, ColBlack, text, weight, height);
    SansText(canvas, x - 1, y - 2, ColHighlight, text, weight, height);
}

void GraphText(Canvas& work, int x, int y, const QString& text) {
    SmallText(work, x, y, ColBlack, text, -8);
}

} // namespace draw
