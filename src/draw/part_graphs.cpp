#include "draw/part_graphs.h"

#include "draw/artwork.h"

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

} // namespace draw
