#include "editor/drag_engine.h"

#include <algorithm>

namespace editor {
namespace {

// The square's near edge stays at the minimum whatever the step, so that a long delay of
// 1..7150 uses pixels 1..715 and a knob of 40..88 pixels 40..88.
int nearUnit(const AxisRange& r) {
    return r.minimum;
}

int farUnit(const AxisRange& r) {
    return r.maximum / std::max(1, r.step);
}

int unitsOf(const AxisRange& r, int value) {
    return value / std::max(1, r.step);
}

// Up raises a value and right raises one: on the vertical axis the value falls as the
// coordinate grows, on the horizontal axis it rises, and a reversed axis swaps that.
bool fallsWithCoordinate(DragAxis which, const AxisRange& r) {
    return (which == DragAxis::Vertical) != r.reversed;
}

} // namespace

DragSetup DragSetup::single(int minimum, int maximum, int step) {
    DragSetup setup;
    setup.vertical = {true, minimum, std::max(minimum, maximum), step, false};
    return setup;
}

DragSetup DragSetup::point(AxisRange horizontal, AxisRange vertical) {
    DragSetup setup;
    setup.horizontal = horizontal;
    setup.horizontal.used = true;
    setup.vertical = vertical;
    setup.vertical.used = true;
    return setup;
}

DragSetup DragSetup::line(AxisRange horizontal) {
    DragSetup setup;
    setup.horizontal = horizontal;
    setup.horizontal.used = true;
    return setup;
}

// ---- start --------------------------------------------------------------------------------

void DragEngine::begin(const DragSetup& setup, DragTarget& target, int pressX, int pressY) {
    setup_ = setup;
    target_ = &target;
    pressX_ = pressX;
    pressY_ = pressY;
    active_ = true;
    fine_ = false;
    moved_ = false;
    place();
    host_.setPointerShape(PointerShape::Hidden);
}

HitRect DragEngine::confinement() const {
    if (setup_.confinement) return *setup_.confinement;
    const AxisRange& h = setup_.horizontal;
    const AxisRange& v = setup_.vertical;
    const int ox = setup_.originX;
    const int oy = setup_.originY;
    if (h.used && v.used)
        return {ox + nearUnit(h), oy + nearUnit(v), ox + farUnit(h), oy + farUnit(v)};
    if (h.used) return {ox + nearUnit(h), oy + nearUnit(h), ox + farUnit(h), oy + nearUnit(h)};
    return {ox + nearUnit(v), oy + nearUnit(v), ox + farUnit(v), oy + farUnit(v)};
}

void DragEngine::place() {
    const AxisRange& h = setup_.horizontal;
    const AxisRange& v = setup_.vertical;
    vertical_.low = setup_.originY + nearUnit(v);
    horizontal_.low = setup_.originX + nearUnit(h);
    vertical_.remainder = 0;
    horizontal_.remainder = 0;
    int x = setup_.originX;
    int y = setup_.originY + nearUnit(h);
    if (v.used) {
        const int value = std::clamp(target_->dragValue(DragAxis::Vertical), v.minimum, v.maximum);
        if (v.step > 1) vertical_.remainder = value % v.step;
        y = coordinateOf(DragAxis::Vertical, value);
        // A one-value drag shows the pointer on the square's diagonal.
        x = setup_.originX + unitsOf(v, value);
    }
    if (h.used) {
        const int value =
            std::clamp(target_->dragValue(DragAxis::Horizontal), h.minimum, h.maximum);
        if (h.step > 1) horizontal_.remainder = value % h.step;
        x = coordinateOf(DragAxis::Horizontal, value);
    }
    const HitRect area = confinement();
    host_.confinePointer(area);
    host_.setPointerPosition(std::clamp(x, area.left, std::max(area.left, area.right)),
                             std::clamp(y, area.top, std::max(area.top, area.bottom)));
}

int DragEngine::coordinateOf(DragAxis which, int value) const {
    const AxisRange& r = range(which);
    const int low = which == DragAxis::Vertical ? vertical_.low : horizontal_.low;
    const int u = unitsOf(r, value);
    return low + (fallsWithCoordinate(which, r) ? farUnit(r) - u : u - nearUnit(r));
}

// ---- presses and releases -----------------------------------------------------------------

bool DragEngine::press(MouseButton button, int x, int y) {
    if (!active_) return false;
    if (button == MouseButton::Right && setup_.fineMode && !fine_) {
        fine_ = true;
        fineTop_ = y - kFineDistance;
        fineBottom_ = y + kFineDistance;
        fineLeft_ = x - kFineDistance;
        fineRight_ = x + kFineDistance;
        host_.confinePointer(kUnconfinedArea);
    }
    return true;
}

bool DragEngine::release(MouseButton button, int x, int y) {
    if (!active_ || button == MouseButton::Middle) return false;
    if (button == MouseButton::Left) return true;
    if (!fine_) return false;
    fine_ = false;
    if (setup_.afterFine == AfterFine::Rearm) {
        place();
        return false;
    }
    // Each axis is anchored on its own value at the pointer, so that normal dragging goes on
    // from the reached values; anchored on one, a graph would jump sideways.
    if (setup_.vertical.used) anchor(DragAxis::Vertical, y);
    if (setup_.horizontal.used) anchor(DragAxis::Horizontal, x);
    // Free, but still the virtual pointer: the real one is elsewhere (it cannot always be
    // moved, nor beyond the screen), and taking it now would make the value jump.
    host_.confinePointer(kUnconfinedArea);
    return false;
}

void DragEngine::anchor(DragAxis which, int coordinate) {
    const AxisRange& r = range(which);
    Axis& a = axis(which);
    const int value = std::clamp(target_->dragValue(which), r.minimum, r.maximum);
    a.remainder = r.step > 1 ? value % r.step : 0;
    const int u = unitsOf(r, value);
    a.low = coordinate - (fallsWithCoordinate(which, r) ? farUnit(r) - u : u - nearUnit(r));
}

void DragEngine::finish() {
    finish(pressX_, pressY_);
}

void DragEngine::finish(int putBackX, int putBackY) {
    if (!active_) return;
    active_ = false;
    fine_ = false;
    host_.releasePointer();
    host_.setPointerPosition(putBackX, putBackY);
    host_.setPointerShape(PointerShape::Default);
}

// ---- moves --------------------------------------------------------------------------------

bool DragEngine::move(Modifiers modifiers, int x, int y) {
    if (!active_) return false;
    if (moved_ && x == lastX_ && y == lastY_) return false;
    const bool verticalFree = setup_.vertical.used && !modifiers.ctrl;
    const bool horizontalFree = !modifiers.shift;
    if (fine_) {
        if (verticalFree && (y <= fineTop_ || y >= fineBottom_)) {
            const int delta = y <= fineTop_ ? 1 : -1;
            stepFine(DragAxis::Vertical, setup_.vertical.reversed ? -delta : delta);
            fineTop_ = y - kFineDistance;
            fineBottom_ = y + kFineDistance;
        }
        if (horizontalFree && (x >= fineRight_ || x <= fineLeft_)) {
            const int delta = x >= fineRight_ ? 1 : -1;
            if (setup_.horizontal.used)
                stepFine(DragAxis::Horizontal, setup_.horizontal.reversed ? -delta : delta);
            else if (setup_.vertical.used && setup_.fineSideways)
                // Sideways motion steps a one-value drag too, right raising it.
                stepFine(DragAxis::Vertical, setup_.vertical.reversed ? -delta : delta);
            fineLeft_ = x - kFineDistance;
            fineRight_ = x + kFineDistance;
        }
    } else {
        const auto inside = [this](DragAxis which, int c) {
            const AxisRange& r = range(which);
            const int low = axis(which).low;
            return c >= low && c <= low + farUnit(r) - nearUnit(r);
        };
        const bool ignored = setup_.outside == OutsideRange::Ignore &&
                             ((setup_.vertical.used && !inside(DragAxis::Vertical, y)) ||
                              (setup_.horizontal.used && !inside(DragAxis::Horizontal, x)));
        if (!ignored) {
            if (verticalFree) stepNormal(DragAxis::Vertical, y, lastY_);
            if (horizontalFree && setup_.horizontal.used)
                stepNormal(DragAxis::Horizontal, x, lastX_);
        }
    }
    lastX_ = x;
    lastY_ = y;
    moved_ = true;
    return true;
}

void DragEngine::stepNormal(DragAxis which, int coordinate, int last) {
    const AxisRange& r = range(which);
    const Axis& a = axis(which);
    const bool falls = fallsWithCoordinate(which, r);
    const int high = a.low + farUnit(r) - nearUnit(r);
    if (coordinate <= a.low) {
        target_->storeDragValue(which, falls ? r.maximum : r.minimum);
    } else if (coordinate >= high) {
        target_->storeDragValue(which, falls ? r.minimum : r.maximum);
    } else if (!moved_ || coordinate != last) {
        const int offset = coordinate - a.low;
        const int u = falls ? farUnit(r) - offset : nearUnit(r) + offset;
        target_->storeDragValue(
            which, std::clamp(u * std::max(1, r.step) + a.remainder, r.minimum, r.maximum));
    }
}

void DragEngine::stepFine(DragAxis which, int delta) {
    const AxisRange& r = range(which);
    const int value = target_->dragValue(which);
    if (delta > 0 && value < r.maximum) target_->storeDragValue(which, value + 1);
    if (delta < 0 && value > r.minimum) target_->storeDragValue(which, value - 1);
}

const AxisRange& DragEngine::range(DragAxis which) const {
    return which == DragAxis::Vertical ? setup_.vertical : setup_.horizontal;
}

DragEngine::Axis& DragEngine::axis(DragAxis which) {
    return which == DragAxis::Vertical ? vertical_ : horizontal_;
}

} // namespace editor
