#include "app/virtual_pointer.h"

#include <algorithm>

namespace app {

namespace {
long long floorDiv(long long a, long long b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
} // namespace

void VirtualPointer::setZoomPercent(int percent) {
    const int surfaceX = x();
    const int surfaceY = y();
    zoom_ = percent > 0 ? percent : 100;
    x_ = static_cast<long long>(surfaceX) * zoom_;
    y_ = static_cast<long long>(surfaceY) * zoom_;
}

void VirtualPointer::confine(const draw::HitRect& area) {
    area_ = area;
    confined_ = true;
    clamp();
}

void VirtualPointer::setPosition(int x, int y) {
    x_ = static_cast<long long>(x) * zoom_;
    y_ = static_cast<long long>(y) * zoom_;
    clamp();
}

int VirtualPointer::x() const {
    return static_cast<int>(floorDiv(x_, zoom_));
}

int VirtualPointer::y() const {
    return static_cast<int>(floorDiv(y_, zoom_));
}

void VirtualPointer::syncReal(int screenX, int screenY) {
    realX_ = screenX;
    realY_ = screenY;
}

void VirtualPointer::moveReal(int screenX, int screenY) {
    if (confined_) {
        x_ += static_cast<long long>(screenX - realX_) * 100;
        y_ += static_cast<long long>(screenY - realY_) * 100;
        clamp();
    }
    syncReal(screenX, screenY);
}

// A position pushed against an edge stays on it, so moving back responds at once instead
// of first unwinding the overshoot.
void VirtualPointer::clamp() {
    if (!confined_) return;
    const long long z = zoom_;
    x_ = std::clamp(x_, area_.left * z, area_.right * z);
    y_ = std::clamp(y_, area_.top * z, area_.bottom * z);
}

bool nearScreenEdge(int x, int y, const draw::HitRect& screen, int margin) {
    return x - screen.left < margin || screen.right - x < margin || y - screen.top < margin ||
           screen.bottom - y < margin;
}

} // namespace app
