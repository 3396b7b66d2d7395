#include "aids/range_painter.h"

#include "draw/artwork.h"
#include "draw/buttons.h"
#include "draw/drawn_controls.h"
#include "draw/frames.h"
#include "draw/keyboards.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "editor/value_texts.h"

#include <algorithm>

namespace aids {
namespace {

// The editor's light text colour and the colour of the other parts' handles.
constexpr draw::Colour kTitleShadow = draw::ColHighlight;
constexpr draw::Colour kHandle = draw::ColBrown;
constexpr draw::Colour kCurrentHandle = draw::rgb(128, 0, 0);
constexpr draw::Colour kDraggedHandle = draw::ColRed;
constexpr draw::Colour kLimitMark = draw::ColRed;

// An area that holds no pixel: nothing to show again.
constexpr HitRect kNothing{0, 0, -1, -1};

constexpr int kTitleX = 277;
constexpr int kTitleY = 12;
constexpr int kNameHeight = -8;
constexpr int kNameRows = 12;
// The bars' rows reach past the textured strip where the top notes lie.
constexpr int kRowRight = kScaleLeft + kStripWidth + kHandleWidth;

bool isBlack(int note) {
    const int k = note % 12;
    return k == 1 || k == 3 || k == 6 || k == 8 || k == 10;
}

} // namespace

RangePainter::RangePainter(draw::Canvas& canvas) : canvas_(canvas) {}

std::string RangePainter::handleName(int part, bool high) {
    return "P" + std::to_string(part + 1) + (high ? " High Limit" : " Low Limit");
}

HitRect RangePainter::paintAll(const RangeLayout& ranges, int currentPart) {
    canvas_.resetClip();
    draw::FillPanel(canvas_, 0, 0, kRangePageWidth, kRangePageHeight);
    draw::DrawRaisedFrame(canvas_, 0, 0, kRangePageWidth - 1, kRangePageHeight - 1);
    canvas_.setTextAlign(draw::TextAlign::Left);
    draw::SansText(canvas_, kTitleX + 1, kTitleY + 1, kTitleShadow, "KEYBOARD-RANGE", 400, -13);
    draw::SansText(canvas_, kTitleX, kTitleY, draw::ColBlack, "KEYBOARD-RANGE", 400, -13);
    for (int part = 0; part < image::kPartCount; ++part) {
        const NoteRange range = ranges[static_cast<std::size_t>(part)];
        const bool current = part == currentPart;
        paintBar(part, range, current ? BarLook::Current : BarLook::Normal);
        paintNames(part, range, current);
    }
    for (int button = 1; button <= kButtonCount; ++button) paintButton(button, false);
    marked_.reset();
    paintKeyboard(ranges[static_cast<std::size_t>(currentPart)]);
    return {0, 0, kRangePageWidth - 1, kRangePageHeight - 1};
}

HitRect RangePainter::paintBar(int part, NoteRange range, BarLook look) {
    const int top = barTop(part);
    const int bottom = top + kBarHeight;
    canvas_.fillRect(kScaleLeft, top, kRowRight, bottom, draw::ColPanel);
    canvas_.blit(kScaleLeft, top, kStripWidth, kBarHeight, draw::artwork().titleStrip, 0, 0);
    const int lowX = noteX(range.low);
    const int highX = noteX(range.high);
    if (highX >= lowX) {
        canvas_.setPen(draw::ColBlack);
        draw::FillBox(canvas_, lowX + kHandleWidth - 1, top, highX + 1, bottom, draw::ColPanel);
    }
    const draw::Colour colour = look == BarLook::Dragged   ? kDraggedHandle
                                : look == BarLook::Current ? kCurrentHandle
                                                           : kHandle;
    for (const bool high : {false, true}) {
        const int x = high ? highX : lowX;
        const draw::DrawnOwner owner(canvas_, handleName(part, high));
        canvas_.fillRect(x, top, x + kHandleWidth - 1, bottom, colour);
        draw::noteDrawn(canvas_, draw::DrawnKind::Handle, x, top, x + kHandleWidth - 2, bottom - 1);
    }
    return {kScaleLeft, top, kRowRight - 1, bottom - 1};
}

HitRect RangePainter::paintNames(int part, NoteRange range, bool current) {
    const HitRect low = paintName(part, false, range.low, current);
    const HitRect high = paintName(part, true, range.high, current);
    return {low.left, low.top, high.right, high.bottom};
}

HitRect RangePainter::paintName(int part, bool high, int note, bool current) {
    const int x = high ? kHighNameX : kLowNameX;
    const int width = high ? kHighNameWidth : kLowNameWidth;
    const int y = barTop(part) - 1;
    canvas_.fillRect(x, y, x + width, y + kNameRows, draw::ColPanel);
    canvas_.setTextAlign(draw::TextAlign::Left);
    canvas_.setClip(x, y, x + width, y + kNameRows);
    draw::SmallText(canvas_, x, y, current ? draw::ColRed : draw::ColBlack,
                    QString::fromStdString(editor::noteName(note)), kNameHeight);
    canvas_.resetClip();
    return {x, y, x + width - 1, y + kNameRows - 1};
}

HitRect RangePainter::paintKeyboard(NoteRange current) {
    const HitRect whole{kScaleLeft, kKeyboardTop, kScaleLeft + kKeyboardWidth - 1,
                        kKeyboardTop + kKeyboardHeight - 1};
    if (keyboard_.isNull()) {
        keyboard_ = QImage(kKeyboardWidth, kKeyboardHeight, QImage::Format_RGB32);
        keyboard_.fill(draw::ColPanel);
        draw::Canvas work(keyboard_);
        draw::DrawPianoKeyboard(work, 0, 0);
    }
    HitRect changed = whole;
    if (marked_) {
        if (*marked_ == current) return kNothing;
        // The old marks' keys from the clean picture; a key's column holds all of it.
        int left = whole.right;
        int right = whole.left;
        for (const int note : {int{marked_->low}, int{marked_->high}}) {
            const int x = noteX(note);
            canvas_.blit(x, kKeyboardTop, kHandleWidth, kKeyboardHeight, keyboard_, x - kScaleLeft,
                         0);
            left = std::min(left, x);
            right = std::max(right, x + kHandleWidth - 1);
        }
        for (const int note : {int{current.low}, int{current.high}}) {
            left = std::min(left, noteX(note));
            right = std::max(right, noteX(note) + kHandleWidth - 1);
        }
        changed = {left, whole.top, right, whole.bottom};
    } else {
        canvas_.blit(kScaleLeft, kKeyboardTop, kKeyboardWidth, kKeyboardHeight, keyboard_, 0, 0);
    }
    // A mark in the lower part of each limit's key, inside its outline.
    for (const int note : {int{current.low}, int{current.high}}) {
        const int x = noteX(note);
        if (isBlack(note))
            canvas_.fillRect(x + 1, kKeyboardTop + 16, x + 5, kKeyboardTop + 24, kLimitMark);
        else
            canvas_.fillRect(x + 1, kKeyboardTop + 30, x + 6, kKeyboardTop + 39, kLimitMark);
    }
    marked_ = current;
    return changed;
}

HitRect RangePainter::paintButton(int button, bool pressed) {
    if (button < 1 || button > kButtonCount) return {};
    const RangeButton& b = rangeButtons()[static_cast<std::size_t>(button - 1)];
    const draw::DrawnOwner owner(canvas_, std::string(b.caption));
    // A button reaches two pixels left of its left end and one right of its right end.
    draw::DrawButton(canvas_, b.rect.left + 2, b.rect.top, b.rect.right - 1,
                     QString::fromUtf8(b.caption.data(), static_cast<int>(b.caption.size())),
                     pressed ? draw::ButtonPressed : draw::ButtonUp);
    return b.rect;
}

} // namespace aids
