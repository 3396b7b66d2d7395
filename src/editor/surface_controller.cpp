#include "editor/surface_controller.h"

#include "editor/part_editor.h"
#include "editor/popup_lists.h"

#include <algorithm>
#include <bitset>
#include <string>
#include <vector>

namespace editor {
namespace {

constexpr int kMaxElements = 32;

} // namespace

SurfaceController::SurfaceController(image::SynthImage& image, midi::XgMessages& messages,
                                     midi::MidiPort& port, SurfaceHost& host)
    : image_(image), messages_(messages), port_(port), host_(host),
      view_(image, controls_, strips_, pages_, host), values_(image), engine_(host) {
    image_.currentPart = std::clamp(image_.currentPart, 0, image::kPartCount - 1);
}

// ---- Showing ------------------------------------------------------------------------------

void SurfaceController::show() {
    if (shown_) return;
    shown_ = true;
    strips_.build();
    if (insertion_) setInsertionMode(true);
    // The receive switches are the only page controls whose rectangles never move.
    for (int n = page::kFirstReceive; n <= page::kLastReceive; ++n)
        pages_.set(n, kPageControls[static_cast<std::size_t>(n)].rect);
    redrawAll();
}

void SurfaceController::redrawAll() {
    view_.paintAll();
    if (effectHook_) effectHook_->surfaceRepainted();
    view_.repaint({0, 0, kSurfaceWidth - 1, kSurfaceHeight - 1});
}

void SurfaceController::showRestored(const image::StepScope& scope) {
    // A new drum kit renames the drum setup parts' voices wherever they are shown.
    if (scope.others || scope.anyDrumKit()) {
        redrawAll();
        return;
    }
    for (int part = 0; part < image::kPartCount; ++part)
        if (scope.parts[static_cast<std::size_t>(part)]) showRestoredPart(part, scope);
    if (effectHook_) effectHook_->showRestored(scope);
}

void SurfaceController::showRestoredPart(int part, const image::StepScope& scope) {
    const auto p = static_cast<std::size_t>(part);
    // The strip's knobs and fader show bytes no other control of the surface shows: a step
    // that changed only those repaints only them.
    std::bitset<image::kPartRecordSize> knobs;
    for (int c = strip::kReverb; c <= strip::kVolume; ++c) knobs.set(controls_.strip(c).offset);
    if (scope.partVoices[p] || (scope.partBytes[p] & ~knobs).any()) {
        view_.partVoice(part);
        return;
    }
    for (int c = strip::kReverb; c <= strip::kVolume; ++c)
        if (scope.partBytes[p].test(controls_.strip(c).offset)) view_.stripControl(part, c, false);
}

void SurfaceController::setInsertionMode(bool insertion) {
    const bool changed = insertion != insertion_;
    insertion_ = insertion;
    view_.setVariationInsertion(insertion);
    for (int part = 0; part < image::kPartCount; ++part)
        for (int c : {strip::kVariation, strip::kDry}) {
            if (insertion)
                strips_.switchOff(part, c);
            else
                strips_.switchOn(part, c);
        }
    if (changed && shown_) redrawVariationSends();
}

void SurfaceController::redrawVariationSends() {
    for (int part = 0; part < image::kPartCount; ++part)
        for (int c : {strip::kVariation, strip::kDry}) view_.stripControl(part, c, false);
}

bool SurfaceController::hookDragging() const {
    return effectHook_ && effectHook_->dragging();
}

bool SurfaceController::dragging() const {
    return engine_.active() || hookDragging();
}

void SurfaceController::selectPart(int part) {
    if (part < 0 || part >= image::kPartCount || part == currentPart()) return;
    view_.hideStatus();
    switchPart(part, false);
}

void SurfaceController::switchToPart(int part) {
    if (part < 0 || part >= image::kPartCount || part == currentPart()) return;
    view_.hideStatus();
    switchPart(part, true);
}

void SurfaceController::redrawNoteLimits(bool low, bool high) {
    if (low) view_.pageControl(page::kNoteLimitLow, false);
    if (high) view_.pageControl(page::kNoteLimitHigh, false);
}

// ---- Press --------------------------------------------------------------------------------

void SurfaceController::mouseDown(MouseButton button, Modifiers modifiers, int x, int y) {
    hidePopups();
    if (button == MouseButton::Middle) return;
    if (hookDragging()) {
        effectHook_->press(button, modifiers, x, y);
        return;
    }
    // A press during a drag belongs to it (the right button: fine mode).
    if (engine_.press(button, x, y)) return;
    pressX_ = x;
    pressY_ = y;
    drag_.control = 0;
    if (const int entry = strips_.find(x, y)) {
        stripPress(entry);
    } else if (const int n = pages_.find(x, y)) {
        pagePress(n);
    } else {
        drag_.area = Area::None;
        view_.hideStatus();
    }
    // The presses no control here claims belong to the effect rows and the tool strip.
    if (drag_.area == Area::None && effectHook_) effectHook_->press(button, modifiers, x, y);
}

void SurfaceController::stripPress(int entry) {
    drag_.area = Area::Strip;
    view_.hideStatus();
    const int part = (entry - 1) / 10;
    const int c = (entry - 1) % 10 + 1;
    drag_.control = c;
    if (part != currentPart()) switchPart(part, true);
    const Descriptor& d = controls_.strip(c);
    switch (d.kind) {
    case Kind::PartSelect:
        drag_.control = 0;
        return;
    case Kind::VoiceButton:
        if (voiceListHook_) voiceListHook_->openVoiceLists(part);
        return;
    case Kind::ModeToggle: {
        const int position = partBase(part) + d.offset;
        values_.store(position, values_.stored(position) == 0 ? 1 : 0);
        view_.stripControl(part, c, false);
        send(position);
        view_.showStatus(Area::Strip, c);
        return;
    }
    default:
        break;
    }
    startDrag(oneValueDrag(partBase(part) + d.offset, d), d);
    view_.stripControl(part, c, true);
}

void SurfaceController::pagePress(int n) {
    drag_.area = Area::Page;
    view_.hideStatus();
    drag_.control = n;
    const int part = currentPart();
    if (n == page::kElementReserve) {
        // The module has 32 elements for all parts together: this part may take what the
        // others leave free.
        int others = 0;
        for (int p = 0; p < image::kPartCount; ++p)
            if (p != part)
                others +=
                    std::min<int>(image_.part(p, image::offset::kElementReserve), kMaxElements);
        controls_.setElementReserveMaximum(std::max(0, kMaxElements - others));
    }
    const Descriptor& d = controls_.page(n);
    const int position = partBase(part) + d.offset;
    drag_.yParam = drag_.xParam = position;
    if (isGraphKind(d.kind)) {
        startDrag(graphDrag(n, d, partBase(part)), d);
        view_.pageControl(n, true, n);
        return;
    }
    switch (d.kind) {
    case Kind::Button:
        if (n >= page::kFirstReceive)
            toggleByte(position);
        else
            storeChoice(n);
        return;
    case Kind::ControllerNumberButton: {
        controllerListOwner_ = n == page::kAc1Number ? 1 : 2;
        view_.pageControl(n, true);
        std::vector<std::string> items(kControllerListItems.begin(), kControllerListItems.end());
        host_.showPopupList(PopupList::ControllerNumbers, controllerListOwner_ == 1 ? 594 : 684,
                            kControllerListTop, kControllerListWidth, kControllerListHeight, items,
                            std::min(values_.stored(position), 95));
        return;
    }
    case Kind::ControllerSourceButton:
        controls_.SetControllerSource(d.maximum);
        view_.controllerSection();
        view_.showStatus(Area::Page, n);
        return;
    default:
        break;
    }
    startDrag(oneValueDrag(position, d), d);
    view_.pageControl(n, true);
}

void SurfaceController::startDrag(const PartDrag& drag, const Descriptor& d) {
    drag_.kind = d.kind;
    drag_.yParam = drag.yParam;
    drag_.xParam = drag.xParam;
    values_.bind(drag.yParam, drag.xParam, d.minimum, d.maximum);
    view_.showStatus(drag_.area, drag_.control);
    engine_.begin(drag.setup, values_, pressX_, pressY_);
    shape_ = PointerShape::Hidden;
    drag_.redrawPending = true;
}

// ---- Move ---------------------------------------------------------------------------------

void SurfaceController::mouseMove(Modifiers modifiers, int x, int y) {
    if (hookDragging()) {
        effectHook_->move(modifiers, x, y);
        return;
    }
    if (!engine_.active()) {
        const int n = pages_.find(x, y);
        setShape(n >= 1 && n <= page::kVibrato ? PointerShape::Drag : PointerShape::Default);
        if (effectHook_) effectHook_->move(modifiers, x, y);
        return;
    }
    const int oldY = values_.stored(drag_.yParam);
    const int oldX = values_.stored(drag_.xParam);
    if (!engine_.move(modifiers, x, y)) return;
    if (values_.stored(drag_.yParam) == oldY && values_.stored(drag_.xParam) == oldX) return;
    sendDragValues();
    // A message box about the output may have ended the drag meanwhile.
    if (!engine_.active()) return;
    view_.hideStatus();
    if (drag_.kind == Kind::NoteLimitKnob) pushNoteLimits();
    view_.pressedControl(drag_, true);
    view_.showStatus(drag_.area, drag_.control);
    if (drag_.kind == Kind::NoteLimitKnob && noteLimitListener_) noteLimitListener_();
}

void SurfaceController::sendDragValues() {
    if (drag_.area == Area::Page && drag_.control == page::kDetune) {
        messages_.SendPartDetune(currentPart(), drag_.yParam);
        return;
    }
    send(drag_.yParam);
    if (drag_.xParam != drag_.yParam) send(drag_.xParam);
}

void SurfaceController::pushNoteLimits() {
    // The low limit never lies above the high limit; the pushed limit is not sent.
    const int low = partBase(currentPart()) + image::offset::kNoteLimitLow;
    const int high = partBase(currentPart()) + image::offset::kNoteLimitHigh;
    if (values_.stored(low) <= values_.stored(high)) return;
    if (drag_.control == page::kNoteLimitLow) {
        values_.store(high, values_.stored(low));
        view_.pageControl(page::kNoteLimitHigh, false);
    } else {
        values_.store(low, values_.stored(high));
        view_.pageControl(page::kNoteLimitLow, false);
    }
}

// ---- Release ------------------------------------------------------------------------------

void SurfaceController::mouseUp(MouseButton button, Modifiers modifiers, int x, int y) {
    if (button == MouseButton::Middle) return;
    if (!engine_.active()) {
        if (button == MouseButton::Left) {
            view_.hideStatus();
            drag_.control = 0;
        }
        if (effectHook_) effectHook_->release(button, modifiers, x, y);
        return;
    }
    if (!engine_.release(button, x, y)) return;
    view_.hideStatus();
    finishDrag();
}

void SurfaceController::endDrag() {
    if (hookDragging()) effectHook_->endDrag();
    if (!engine_.active()) return;
    view_.hideStatus();
    finishDrag();
}

void SurfaceController::finishDrag() {
    if (drag_.redrawPending) {
        drag_.redrawPending = false;
        view_.pressedControl(drag_, false);
    }
    // After a graph the pointer goes to the handle where it was drawn just now.
    if (isGraphKind(drag_.kind) && drag_.area == Area::Page) {
        const QPoint p = graphPutBack(drag_.control, pages_, view_.filterPoint());
        engine_.finish(p.x(), p.y());
    } else {
        engine_.finish();
    }
    shape_ = PointerShape::Default;
    drag_.control = 0;
}

// ---- Pop-up lists -------------------------------------------------------------------------

void SurfaceController::popupListClicked(PopupList list, int item, bool doubleClick) {
    if (voiceListHook_ && voiceListHook_->voiceListClicked(list, item)) return;
    if (list != PopupList::ControllerNumbers) {
        if (effectHook_) effectHook_->popupListClicked(list, item, doubleClick);
        return;
    }
    if (controllerListOwner_ == 0) return;
    const int owner = controllerListOwner_;
    if (doubleClick) hidePopups();
    const int n = owner == 1 ? page::kAc1Number : page::kAc2Number;
    const int position = partBase(currentPart()) + controls_.page(n).offset;
    values_.store(position, std::clamp(item, 0, kControllerListSize - 1));
    send(position);
    view_.controllerNumber(owner, !doubleClick);
}

void SurfaceController::popupListRightPressed(PopupList list, int item) {
    popupListClicked(list, item, true);
}

void SurfaceController::hidePopups() {
    if (controllerListOwner_ != 0) {
        controllerListOwner_ = 0;
        host_.hidePopupList(PopupList::ControllerNumbers);
        view_.controllerNumber(1, false);
        view_.controllerNumber(2, false);
    }
    if (voiceListHook_) voiceListHook_->hideVoiceLists();
    if (effectHook_) effectHook_->hidePopupLists();
}

// ---- Edits --------------------------------------------------------------------------------

void SurfaceController::switchPart(int part, bool allNotesOff) {
    const int old = currentPart();
    if (allNotesOff) port_.AllNotesOff(old);
    image_.currentPart = part;
    view_.showPartSwitch(old);
    if (noteLimitListener_) noteLimitListener_();
}

void SurfaceController::toggleByte(int position) {
    values_.store(position, values_.stored(position) == 1 ? 0 : 1);
    send(position);
    view_.receiveSwitch(drag_.control - page::kFirstReceive);
    view_.showStatus(Area::Page, drag_.control);
}

void SurfaceController::storeChoice(int n) {
    const Descriptor& d = controls_.page(n);
    const int position = partBase(currentPart()) + d.offset;
    values_.store(position, d.maximum);
    view_.pageControl(n, false);
    send(position);
    view_.showStatus(Area::Page, n);
}

void SurfaceController::setShape(PointerShape shape) {
    if (shape == shape_) return;
    shape_ = shape;
    host_.setPointerShape(shape);
}

void SurfaceController::send(int position) {
    messages_.SendPartParam(currentPart(), position, values_.stored(position));
}

} // namespace editor
