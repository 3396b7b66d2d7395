#include "effects/effect_knob_drag.h"

#include <algorithm>

namespace effects {
namespace {

constexpr int kLongRange = 3000;
constexpr int kLongStep = 10;
constexpr int kFineDistance = 10;

} // namespace

int knobStep(int maximum) {
    return maximum > kLongRange ? kLongStep : 1;
}

void EffectKnobDrag::begin(int minimum, int maximum, int value, editor::SurfaceHost& host) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    step_ = knobStep(maximum_);
    fine_ = false;
    const int v = std::clamp(value, minimum_, maximum_);
    // A long delay keeps its last digit while the pointer moves it in tens.
    remainder_ = step_ > 1 ? v % step_ : 0;
    const int units = maximum_ / step_;
    top_ = minimum_;
    bottom_ = units;
    host.confinePointer({minimum_, minimum_, units, units});
    host.setPointerPosition(v / step_, units + minimum_ - v / step_);
}

int EffectKnobDrag::move(int /*x*/, int y, int value) {
    if (fine_) {
        if (y <= fineTop_ || y >= fineBottom_) {
            if (y <= fineTop_ && value < maximum_) ++value;
            if (y >= fineBottom_ && value > minimum_) --value;
            fineTop_ = y - kFineDistance;
            fineBottom_ = y + kFineDistance;
        }
        return value;
    }
    if (y <= top_) return maximum_;
    if (y >= bottom_) return minimum_;
    const int units = maximum_ / step_;
    return std::clamp((units + top_ - y) * step_ + remainder_, minimum_, maximum_);
}

void EffectKnobDrag::enterFine(int /*x*/, int y, editor::SurfaceHost& host) {
    fine_ = true;
    fineTop_ = y - kFineDistance;
    fineBottom_ = y + kFineDistance;
    host.confinePointer(editor::kUnconfinedArea);
}

void EffectKnobDrag::leaveFine(int /*x*/, int y, int value, editor::SurfaceHost& host) {
    fine_ = false;
    anchor(y, std::clamp(value, minimum_, maximum_));
    // Still the hidden virtual pointer, without bounds: the real pointer is elsewhere, and
    // taking it now would make the value jump.
    host.confinePointer(editor::kUnconfinedArea);
}

void EffectKnobDrag::anchor(int y, int value) {
    // Put the square's edges where the pointer at y reads the reached value.
    const int units = maximum_ / step_;
    remainder_ = step_ > 1 ? value % step_ : 0;
    top_ = value / step_ - units + y;
    bottom_ = top_ + units - minimum_;
}

} // namespace effects
