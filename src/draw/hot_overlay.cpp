#include "draw/hot_overlay.h"

#include "draw/palette.h"
#include "draw/text.h"

#include <array>

namespace draw {
namespace {

// Saturated colours that none of the palette's browns, golds and greys come near; next
// rectangles take turns, so neighbours that touch stay apart.
constexpr std::array<Colour, 4> kOutlines = {rgb(255, 0, 255), rgb(0, 200, 255), rgb(0, 230, 0),
                                             rgb(255, 90, 0)};
constexpr int kLabelHeight = -7;

} // namespace

void DrawHotOverlay(Canvas& canvas, std::span<const NamedHitRect> rects) {
    std::size_t turn = 0;
    for (const NamedHitRect& rect : rects) {
        const Colour colour = kOutlines[turn++ % kOutlines.size()];
        const HitRect& a = rect.area;
        canvas.line(a.left, a.top, a.right + 1, a.top, colour);
        canvas.line(a.left, a.bottom, a.right + 1, a.bottom, colour);
        canvas.line(a.left, a.top, a.left, a.bottom + 1, colour);
        canvas.line(a.right, a.top, a.right, a.bottom + 1, colour);
        // The label stays inside its rectangle, cut where the rectangle ends.
        canvas.setClip(a.left + 1, a.top + 1, a.right, a.bottom);
        canvas.setTextAlign(TextAlign::Left);
        SmallText(canvas, a.left + 3, a.top + 2, ColBlack, QString::fromStdString(rect.name),
                  kLabelHeight);
        SmallText(canvas, a.left + 2, a.top + 1, colour, QString::fromStdString(rect.name),
                  kLabelHeight);
        canvas.resetClip();
    }
}

} // namespace draw
