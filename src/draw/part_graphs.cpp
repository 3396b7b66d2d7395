#include "draw/part_graphs.h"

#include "draw/artwork.h"
#include "draw/drawn_controls.h"

#include <algorithm>

namespace draw {

PartGraphs::PartGraphs() : work_(kWidth, kHeight, QImage::Format_RGB32) {
    startFromBackground();
}

void PartGraphs::startFromBackground() {
    // One block transfer of the clean background instead of erasing.
    Canvas canvas(work_);
    canvas.blit(0, 0, kWidth, kHeight, artwork().graphBackground, 0, 0);
}

void PartGraphs::copyOut(Canvas& destination, QPoint at, QPoint source, int width,
                         int height) const {
    destination.blit(at.x(), at.y(), width, height, work_, source.x(), source.y());
}

void PartGraphs::noteHandle(Canvas& destination, const HitRect& handle, QPoint at, int width,
                            int height) {
    const int left = std::max(handle.left, at.x());
    const int top = std::max(handle.top, at.y());
    const int right = std::min(handle.right - 1, at.x() + width - 1);
    const int bottom = std::min(handle.bottom - 1, at.y() + height - 1);
    if (left <= right && top <= bottom)
        noteDrawn(destination, DrawnKind::Handle, left, top, right, bottom);
}

} // namespace draw
