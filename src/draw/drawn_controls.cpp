#include "draw/drawn_controls.h"

#include "draw/canvas.h"

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
    if (DrawnControls* record = canvas.drawnControls())
        record->add(kind, {left, top, right, bottom});
}

} // namespace draw
