// Keyboard navigation of the part strips with the arrow keys.
#include "editor/surface_controller.h"

namespace editor {

void SurfaceController::keyDown(ArrowKey key) {
    if (engine_.active()) return;
    if (!keyNavigation_) {
        keyNavigation_ = true;
        keyFocus_ = strip::kReverb;
    }
    drag_.area = Area::Strip;
    const int oldFocus = keyFocus_;
    const int oldPart = currentPart();
    const bool inside = keyFocus_ >= strip::kReverb && keyFocus_ <= strip::kVolume;
    view_.hideStatus();
    switch (key) {
    case ArrowKey::Right:
    case ArrowKey::Left: {
        if (!inside) keyFocus_ = strip::kReverb;
        const int step = key == ArrowKey::Right ? 1 : image::kPartCount - 1;
        switchPart((currentPart() + step) % image::kPartCount, false);
        break;
    }
    case ArrowKey::Down:
        keyFocus_ = !inside || keyFocus_ == strip::kVolume ? strip::kReverb : keyFocus_ + 1;
        if ((keyFocus_ == strip::kVariation || keyFocus_ == strip::kDry) &&
            strips_.switchedOff(currentPart(), keyFocus_))
            keyFocus_ = strip::kPan;
        break;
    case ArrowKey::Up:
        keyFocus_ = !inside || keyFocus_ == strip::kReverb ? strip::kVolume : keyFocus_ - 1;
        if ((keyFocus_ == strip::kVariation || keyFocus_ == strip::kDry) &&
            strips_.switchedOff(currentPart(), keyFocus_))
            keyFocus_ = strip::kChorus;
        break;
    }
    if (oldPart == currentPart() && oldFocus >= 1 && oldFocus <= kStripControlCount)
        view_.stripControl(currentPart(), oldFocus, false);
    view_.stripControl(currentPart(), keyFocus_, true);
    drag_.control = keyFocus_;
    drag_.yParam = drag_.xParam = partBase(currentPart()) + controls_.strip(keyFocus_).offset;
    view_.showStatus(Area::Strip, keyFocus_);
}

} // namespace editor
