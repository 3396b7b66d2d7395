#include "drums/drum_keyboard.h"

#include "draw/palette.h"
#include "drums/drum_layout.h"

namespace drums {
namespace {

constexpr int kKeysPerGroup = 12;

const KeyShape& shapeOf(int note) {
    return kKeyShapes[static_cast<std::size_t>(note % kKeysPerGroup)];
}

int groupLeft(int note) {
    return kKeyboardLeft + (note - kFirstKeyboardNote) / kKeysPerGroup * kGroupWidth;
}

bool onKeyboard(int note) {
    return note >= kFirstKeyboardNote && note <= kLastKeyboardNote;
}

} // namespace

bool isBlackKey(int note) {
    return shapeOf(note).black;
}

HitRect keyRectangle(int note) {
    const int left = groupLeft(note) + shapeOf(note).offset;
    if (isBlackKey(note))
        return {left, kKeyboardTop, left + kBlackWidth, kKeyboardTop + kBlackHeight};
    return {left, kKeyboardTop, left + kWhiteWidth, kKeyboardTop + kWhiteHeight};
}

HitRect keyHitRect(int note) {
    const HitRect r = keyRectangle(note);
    // White keys share their outline column with the next key, which takes it.
    return {r.left, r.top, r.right - (isBlackKey(note) ? 1 : 2), r.bottom - 1};
}

void DrumKeyboard::draw(draw::Canvas& canvas, draw::Colour whiteKeys) {
    canvas.setPen(draw::ColBlack);
    for (bool black : {false, true}) {
        canvas.setBrush(black ? draw::ColBronze : whiteKeys);
        for (int note = kFirstKeyboardNote; note <= kLastKeyboardNote; ++note) {
            if (isBlackKey(note) != black) continue;
            const HitRect r = keyRectangle(note);
            canvas.rectangle(r.left, r.top, r.right, r.bottom);
        }
    }
    clean_ = canvas.image().copy(kKeyboardLeft, kKeyboardTop, kKeyboardWidth, kKeyboardHeight);
}

void DrumKeyboard::highlight(draw::Canvas& canvas, int note, draw::Colour colour) const {
    if (!clean_.isNull())
        canvas.blit(kKeyboardLeft, kKeyboardTop, kKeyboardWidth, kKeyboardHeight, clean_, 0, 0);
    if (!onKeyboard(note)) return;
    const HitRect r = keyRectangle(note);
    canvas.setPen(colour);
    canvas.setBrush(colour);
    if (isBlackKey(note)) {
        canvas.rectangle(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
        return;
    }
    const KeyShape& shape = shapeOf(note);
    canvas.rectangle(r.left + 1, r.top + 25, r.right - 1, r.bottom - 1);
    canvas.rectangle(r.left + shape.h, r.top + 1, r.right + shape.k, r.bottom - 15);
}

int DrumKeyboard::noteAt(int x, int y) {
    for (int group = kFirstKeyboardNote; group <= kLastKeyboardNote; group += kKeysPerGroup)
        for (bool black : {true, false})
            for (int note = group; note < group + kKeysPerGroup && note <= kLastKeyboardNote;
                 ++note)
                if (isBlackKey(note) == black && keyHitRect(note).contains(x, y)) return note;
    return -1;
}

} // namespace drums
