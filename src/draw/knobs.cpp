#include "draw/knobs.h"

#include "draw/artwork.h"
#include "draw/drawn_controls.h"
#include "draw/frames.h"
#include "draw/palette.h"
#include "draw/text.h"

#include <algorithm>

namespace draw {
namespace {

constexpr int kSpriteSize = 32;

// The knob is masked in a 33 x 33 scratch copy of the destination at (x - 5, y) with the
// sprite placed at (1, 1), and the scratch's top-left 32 x 32 pixels are copied back. Doing
// the AND and XOR straight on the destination at (x - 4, y + 1) with the sprite's top-left
// 31 x 31 pixels gives the same pixels without the scratch copy.
constexpr int kSpriteShiftX = -4;
constexpr int kSpriteShiftY = 1;
constexpr int kVisibleSprite = kSpriteSize - 1;

struct UnitGeometry {
    int boxLeft;
    int boxRight;
    int potOffset;
    int captionOffset;
};

UnitGeometry unitGeometry(KnobWidth width) {
    switch (width) {
    case KnobWidth::Wide:
        return {-2, 34, 0, 16};
    case KnobWidth::Narrow:
        return {0, 29, 0, 15};
    case KnobWidth::Narrowest:
        return {0, 26, -2, 13};
    case KnobWidth::Normal:
        break;
    }
    return {0, 32, 0, 16};
}

// The knob's own pixels inside the visible sprite: the bounding box of the black part of
// its AND mask, relative to the sprite's top left. Found once from the artwork.
HitRect knobBody() {
    static const HitRect body = [] {
        const QImage& knob = artwork().knob;
        HitRect box{kVisibleSprite, kVisibleSprite, -1, -1};
        for (int y = 0; y < kVisibleSprite; ++y) {
            for (int x = 0; x < kVisibleSprite; ++x) {
                if ((knob.pixel(kSpriteSize + x, y) & 0xFFFFFF) != 0) continue;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
        return box;
    }();
    return body;
}

} // namespace

void DrawPot(Canvas& canvas, int x, int y) {
    const QImage& knob = knobSprite(canvas.knobScheme());
    const int left = x + kSpriteShiftX;
    const int top = y + kSpriteShiftY;
    canvas.blit(left, top, kVisibleSprite, kVisibleSprite, knob, kSpriteSize, 0, RasterOp::And);
    canvas.blit(left, top, kVisibleSprite, kVisibleSprite, knob, 0, 0, RasterOp::Xor);
    if (canvas.drawnControls()) {
        const HitRect body = knobBody().translated(left, top);
        noteDrawn(canvas, DrawnKind::Knob, body.left, body.top, body.right, body.bottom);
    }
}

void DrawKnobPointer(Canvas& canvas, int x, int y, int value, bool active) {
    // The pointer rectangle is (px + 4, py + 1)..(px + 8, py + 5) in the scratch copy,
    // whose origin is (x - 5, y).
    const QPoint offset = knobPointerOffset(value);
    const int left = x - 5 + offset.x() + 4;
    const int top = y + offset.y() + 1;
    canvas.setPen(active ? ColRed : ColBlack);
    canvas.setBrush(active ? ColYellow : ColCyan);
    canvas.roundRect(left, top, left + 4, top + 4, 2, 2);
}

void DrawKnob(Canvas& canvas, int x, int y, int value, bool active) {
    DrawPot(canvas, x, y);
    DrawKnobPointer(canvas, x, y, value, active);
}

void DrawKnobUnit(Canvas& canvas, int x, int y, const QString& caption, KnobWidth width) {
    const UnitGeometry unit = unitGeometry(width);
    DrawValueBox(canvas, x + unit.boxLeft, y, x + unit.boxRight, y + 13);
    DrawPot(canvas, x + unit.potOffset, y + 13);
    CaptionText(canvas, x + unit.captionOffset, y + 35, ColBlack, caption);
}

int knobUnitPotOffset(KnobWidth width) {
    return unitGeometry(width).potOffset;
}

void DrawNamedValue(Canvas& canvas, int x, int y, int width, const QString& name, int value,
                    Colour colour) {
    if (width < 3) return;
    QImage scratch(width + 3, 33, QImage::Format_RGB32);
    scratch.fill(ColPanel);
    {
        Canvas line(scratch);
        line.blit(0, 0, width, 13, artwork().titleStrip, x, 1);
        line.setTextAlign(TextAlign::Left);
        SmallText(line, 2, 0, colour, name, -8);
        line.setTextAlign(TextAlign::Right);
        SmallText(line, width - 5, 0, colour, QString::number(value), -8);
    }
    canvas.blit(x, y, width - 2, 11, scratch, 0, 0);
}

} // namespace draw
