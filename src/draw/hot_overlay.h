#pragma once
// The hit rectangles of a painted screen drawn over its picture: each outlined in a colour
// that stands out from the brass palette and labelled small with the control it belongs
// to, so that anyone can see where a press lands.

#include "draw/canvas.h"
#include "draw/hit_rect.h"

#include <span>
#include <string>

namespace draw {

struct NamedHitRect {
    HitRect area; // inclusive
    std::string name;
};

void DrawHotOverlay(Canvas& canvas, std::span<const NamedHitRect> rects);

} // namespace draw
