#include "draw/drawn_controls.h"

#include "draw/canvas.h"

#include <algorithm>

#include <algorithm>

namespace draw {

const char* drawnKindName(DrawnKind kind) {
    switch (kind) {
    case DrawnKind::Knob:
        return "knob";
    case DrawnKind::Button:
        return "button";
    case DrawnKind::ValueBox:
        return "value box";
    case DrawnKind::Handle:
        return "handle";
    }
    return "control";
}

DrawnOwner::DrawnOwner(Canvas& canvas, const std::string& owner) : record_(canvas.drawnControls()) {
    if (!record_) return;
    previous_ = record_->owner();
    record_->setOwner(owner);
}

DrawnOwner::~DrawnOwner() {
    if (record_) record_->setOwner(std::move(previous_));
}

void noteDrawn(Canvas& canvas, DrawnKind kind, int left, int top, int right, int bottom) {
    DrawnControls* record = canvas.drawnControls();
    if (!record) return;
    // Only what the clip let through is on the picture.
    const QRect clip = canvas.clip();
    const HitRect shown{std::max(left, clip.left()), std::max(top, clip.top()),
                        std::min(right, clip.right()), std::min(bottom, clip.bottom())};
    if (shown.left <= shown.right && shown.top <= shown.bottom) record->add(kind, shown);
}

} // namespace draw
