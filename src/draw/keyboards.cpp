#include "draw/keyboards.h"

#include "draw/palette.h"

namespace draw {
namespace {

constexpr int kPianoWhiteHeight = 40;
constexpr int kPianoBlackHeight = 25;

void drawPianoGroup(Canvas& canvas, const PianoLayout& layout, int e, int top, bool fullOctave) {
    canvas.setPen(ColBlack);
    canvas.setBrush(layout.whiteBrush);
    const int whiteKeys = fullOctave ? 7 : 5;
    const int step = layout.whiteStep;
    for (int key = 0; key < whiteKeys; ++key)
        canvas.rectangle(e + step * key, top, e + step * key + step + 1, top + kPianoWhiteHeight);

    const int blackKeys = fullOctave ? 5 : 3;
    const int width = layout.blackWidth;
    canvas.setBrush(layout.blackBrush);
    for (int key = 0; key < blackKeys; ++key) {
        const int left = e + layout.blackOffsets[static_cast<std::size_t>(key)];
        canvas.rectangle(left, top, left + width, top + kPianoBlackHeight);
    }
    for (int key = 0; key < blackKeys; ++key) {
        const int left = e + layout.blackOffsets[static_cast<std::size_t>(key)];
        canvas.line(left + 1, top + 1, left + 1, top + 24, ColHighlight);
        canvas.line(left + 2, top + 23, left + width - 1, top + 23, ColHighlight);
    }
}

} // namespace

void DrawPianoKeyboard(Canvas& canvas, int x, int top, const PianoLayout& layout) {
    for (int group = 1; group <= layout.groups; ++group)
        drawPianoGroup(canvas, layout, x + layout.groupWidth * (group - 1), top,
                       group < layout.groups);
}

void DrawPianoKeyboard(Canvas& canvas, int x, int top) {
    DrawPianoKeyboard(canvas, x, top, PianoLayout{});
}

OctaveKeyRects DrawOctaveKeyboard(int x, int y, Canvas& canvas) {
    constexpr int kWhite[7] = {0, 2, 4, 5, 7, 9, 11}; // key index of each white key
    constexpr int kBlackLow[2] = {1, 3};              // C sharp, D sharp
    constexpr int kBlackHigh[3] = {6, 8, 10};         // F sharp, G sharp, A sharp
    OctaveKeyRects keys{};

    canvas.setPen(ColBlack);
    canvas.setBrush(ColGilt);
    for (int i = 0; i < 7; ++i) {
        canvas.rectangle(x + 19 * i, y, x + 19 * i + 20, y + 44);
        keys[kWhite[i]] = {x + 19 * i, y + 27, x + 19 * i + 20, y + 44};
    }
    for (int i = 0; i < 2; ++i) {
        keys[kBlackLow[i]] = {x + 19 * i + 10, y, x + 19 * i + 28, y + 26};
        canvas.rectangle(x + 19 * i + 10, y, x + 19 * i + 28, y + 26);
    }
    for (int i = 0; i < 3; ++i) {
        keys[kBlackHigh[i]] = {x + 19 * i + 67, y, x + 19 * i + 85, y + 26};
        canvas.rectangle(x + 19 * i + 67, y, x + 19 * i + 85, y + 26);
    }
    canvas.setBrush(ColBronze);
    for (int i = 0; i < 2; ++i) canvas.rectangle(x + 19 * i + 12, y, x + 19 * i + 27, y + 24);
    for (int i = 0; i < 3; ++i) canvas.rectangle(x + 19 * i + 69, y, x + 19 * i + 84, y + 24);
    return keys;
}

} // namespace draw
