#include "editor/surface_controller.h"

#include "editor/part_editor.h"
#include "editor/popup_lists.h"
#include "editor/value_texts.h"

#include <algorithm>
#include <string>
#include <vector>

namespace editor {
namespace {

constexpr int kMaxElements = 32;
constexpr int kChannelOff = 127;
constexpr int kVibratoPointerX = 602 + (741 - 602) / 2 + 6;
constexpr int kVibratoPointerY = 291 + 30;

} // namespace

SurfaceController::SurfaceController(image::SynthImage& image, midi::XgMessages& messages,
                                     midi::MidiPort& port, SurfaceHost& host)
    : image_(image), messages_(messages), port_(port), host_(host),
      surface_(kSurfaceWidth, kSurfaceHeight, QImage::Format_RGB32), canvas_(surface_),
      stripPainter_(canvas_), pagePainter_(canvas_, pages_) {
    surface_.fill(kWindowColour);
    current_ = std::clamp(image_.currentPart, 0, image::kPartCount - 1);
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
    status_ = StatusField();
    stripPainter_.paintBackground();
    for (int part = 0; part < image::kPartCount; ++part)
        stripPainter_.paintStrip(image_, part, part == current_);
    for (int k = 0; k <= page::kLastReceive - page::kFirstReceive; ++k)
        stripPainter_.paintReceiveSwitch(image_, current_, k);
    stripPainter_.paintTitle(image_, current_);
    pagePainter_.paintPage(image_, current_, controls_);
    if (effectHook_) effectHook_->surfaceRepainted();
    repaint({0, 0, kSurfaceWidth - 1, kSurfaceHeight - 1});
}

void SurfaceController::setInsertionMode(bool insertion) {
    const bool changed = insertion != insertion_;
    insertion_ = insertion;
    stripPainter_.setVariationInsertion(insertion);
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
        for (int c : {strip::kVariation, strip::kDry}) redrawStripControl(part, c, false);
}

bool SurfaceController::hookDragging() const {
    return effectHook_ && effectHook_->dragging();
}

bool SurfaceController::dragging() const {
    return drag_.dragging || hookDragging();
}

void SurfaceController::selectPart(int part) {
    if (part < 0 || part >= image::kPartCount || part == current_) return;
    hideStatus();
    switchPart(part, false);
}

// ---- Press --------------------------------------------------------------------------------

void SurfaceController::mouseDown(MouseButton button, Modifiers modifiers, int x, int y) {
    hidePopups();
    if (button == MouseButton::Middle) return;
    if (hookDragging()) {
        effectHook_->press(button, modifiers, x, y);
        return;
    }
    if (drag_.dragging) {
        if (button == MouseButton::Right) enterFineMode(x, y);
        return;
    }
    drag_.pressX = x;
    drag_.pressY = y;
    drag_.lastX = drag_.lastY = kNoPosition;
    drag_.control = 0;
    if (const int entry = strips_.find(x, y)) {
        stripPress(entry);
    } else if (const int n = pages_.find(x, y)) {
        pagePress(n);
    } else {
        drag_.area = Area::None;
        hideStatus();
    }
    // The effect editor owns the presses no control here claims; it also sees the start of
    // every drag so that it can leave its own state alone.
    const bool offered = drag_.area == Area::None || drag_.dragging;
    if (offered && effectHook_) effectHook_->press(button, modifiers, x, y);
}

void SurfaceController::stripPress(int entry) {
    drag_.area = Area::Strip;
    hideStatus();
    const int part = (entry - 1) / 10;
    const int c = (entry - 1) % 10 + 1;
    drag_.control = c;
    if (part != current_) switchPart(part, true);
    const Descriptor& d = controls_.strip(c);
    switch (d.kind) {
    case Kind::PartSelect:
        drag_.control = 0;
        return;
    case Kind::VoiceButton:
        if (voiceListHook_) voiceListHook_->openVoiceLists(current_);
        return;
    case Kind::ModeToggle: {
        const int position = partBase(part) + d.offset;
        storeValue(position, image_.parts[static_cast<std::size_t>(position)] == 0 ? 1 : 0);
        redrawStripControl(part, c, false);
        send(position);
        showStatus(Area::Strip, c);
        return;
    }
    default:
        break;
    }
    drag_.kind = d.kind;
    startOneAxisDrag(partBase(part) + d.offset, d);
    redrawStripControl(part, c, true);
}

void SurfaceController::pagePress(int n) {
    drag_.area = Area::Page;
    hideStatus();
    drag_.control = n;
    if (n == page::kElementReserve) {
        // The module has 32 elements for all parts together: this part may take what the
        // others leave free.
        int others = 0;
        for (int part = 0; part < image::kPartCount; ++part)
            if (part != current_)
                others +=
                    std::min<int>(image_.part(part, image::offset::kElementReserve), kMaxElements);
        controls_.setElementReserveMaximum(std::max(0, kMaxElements - others));
    }
    const Descriptor& d = controls_.page(n);
    drag_.kind = d.kind;
    const int position = partBase(current_) + d.offset;
    drag_.yParam = drag_.xParam = position;
    drag_.anchorMode = AnchorMode::Strip;
    switch (d.kind) {
    case Kind::AmplitudeHandle:
    case Kind::PitchHandle:
    case Kind::FilterPad:
    case Kind::VibratoGraph:
        startGraphDrag(n, d, partBase(current_));
        redrawPageControl(n, true, n);
        return;
    case Kind::Button:
        if (n >= page::kFirstReceive)
            toggleByte(position);
        else
            storeChoice(n);
        return;
    case Kind::ControllerNumberButton: {
        controllerListOwner_ = n == page::kAc1Number ? 1 : 2;
        redrawPageControl(n, true);
        std::vector<std::string> items(kControllerListItems.begin(), kControllerListItems.end());
        host_.showPopupList(kControllerList, controllerListOwner_ == 1 ? 594 : 684,
                            kControllerListTop, kControllerListWidth, kControllerListHeight, items,
                            std::min<int>(image_.parts[static_cast<std::size_t>(position)], 95));
        return;
    }
    case Kind::ControllerSourceButton:
        controls_.SetControllerSource(d.maximum);
        repaint(pagePainter_.paintControllerSection(image_, current_, controls_));
        showStatus(Area::Page, n);
        return;
    default:
        break;
    }
    startOneAxisDrag(position, d);
    redrawPageControl(n, true);
}

void SurfaceController::startOneAxisDrag(int position, const Descriptor& d) {
    drag_.yParam = drag_.xParam = position;
    drag_.minimum = d.minimum;
    drag_.maximum = d.maximum;
    drag_.anchorMode = AnchorMode::Strip;
    drag_.twoAxis = false;
    drag_.horizontalOnly = false;
    drag_.yTop = drag_.minimum;
    drag_.yBottom = drag_.maximum;
    drag_.xLeft = drag_.minimum;
    drag_.xRight = drag_.maximum;
    showStatus(drag_.area, drag_.control);
    host_.confinePointer({drag_.minimum, drag_.minimum, drag_.maximum, drag_.maximum});
    setShape(PointerShape::Hidden);
    const int v = readValue(position);
    host_.setPointerPosition(v, drag_.maximum + drag_.minimum - v);
    drag_.redrawPending = true;
    drag_.dragging = true;
}

void SurfaceController::startGraphDrag(int n, const Descriptor& d, int partBase) {
    drag_.minimum = d.minimum;
    drag_.maximum = d.maximum;
    drag_.yTop = drag_.minimum;
    drag_.yBottom = drag_.maximum;
    drag_.xLeft = drag_.minimum;
    drag_.xRight = drag_.maximum;
    drag_.anchorMode = AnchorMode::Graph;
    drag_.twoAxis = true;
    drag_.horizontalOnly = false;
    const HitRect square{drag_.minimum, drag_.minimum, drag_.maximum, drag_.maximum};
    switch (d.kind) {
    case Kind::AmplitudeHandle:
        // The envelope times move along a line: only x counts.
        drag_.horizontalOnly = true;
        host_.confinePointer({square.left, square.top, square.right, square.top});
        host_.setPointerPosition(readValue(drag_.xParam), square.top);
        break;
    case Kind::PitchHandle:
        drag_.xParam = drag_.yParam + 1; // the time belonging to the level
        drag_.twoAxis = n == page::kPitchRelease;
        host_.confinePointer(square);
        if (n == page::kPitchAttack)
            host_.setPointerPosition(127 - readValue(drag_.xParam), 127 - readValue(drag_.yParam));
        else
            host_.setPointerPosition(readValue(drag_.xParam), 127 - readValue(drag_.yParam));
        break;
    default: // filter pad and vibrato graph: cutoff or rate across, resonance or depth up
        drag_.xParam = partBase + d.offset;
        drag_.yParam = partBase + d.offset + 1;
        host_.confinePointer(square);
        host_.setPointerPosition(readValue(drag_.xParam), 127 - readValue(drag_.yParam));
        break;
    }
    setShape(PointerShape::Hidden);
    showStatus(Area::Page, n);
    drag_.dragging = true;
    drag_.redrawPending = true;
}

void SurfaceController::enterFineMode(int x, int y) {
    drag_.fine = true;
    drag_.fineTop = y - kFineStep;
    drag_.fineBottom = y + kFineStep;
    drag_.fineLeft = x - kFineStep;
    drag_.fineRight = x + kFineStep;
    host_.confinePointer(kUnconfinedArea);
}

// ---- Move ---------------------------------------------------------------------------------

void SurfaceController::mouseMove(Modifiers modifiers, int x, int y) {
    if (hookDragging()) {
        effectHook_->move(modifiers, x, y);
        return;
    }
    if (!drag_.dragging) {
        const int n = pages_.find(x, y);
        setShape(n >= 1 && n <= page::kVibrato ? PointerShape::Drag : PointerShape::Default);
        if (effectHook_) effectHook_->move(modifiers, x, y);
        return;
    }
    if (x == drag_.lastX && y == drag_.lastY) return;
    const bool changed = drag_.fine ? stepFine(modifiers, x, y) : stepNormal(modifiers, x, y);
    drag_.lastX = x;
    drag_.lastY = y;
    if (!changed) return;
    sendDragValues();
    hideStatus();
    if (drag_.kind == Kind::NoteLimitKnob) pushNoteLimits();
    redrawDragged(true);
    showStatus(drag_.area, drag_.control);
}

bool SurfaceController::isHorizontalReversed() const {
    return drag_.area == Area::Page && drag_.control == page::kPitchAttack;
}

bool SurfaceController::stepNormal(Modifiers modifiers, int x, int y) {
    const int oldY = storedByte(drag_.yParam);
    const int oldX = storedByte(drag_.xParam);
    const int span = drag_.maximum - drag_.minimum;
    if (!modifiers.ctrl && !drag_.horizontalOnly) {
        if (y < drag_.yTop)
            storeValue(drag_.yParam, drag_.maximum);
        else if (y > drag_.yBottom)
            storeValue(drag_.yParam, drag_.minimum);
        else if (y != drag_.lastY)
            storeValue(drag_.yParam, span - (y - drag_.yTop) + drag_.minimum);
        if (drag_.anchorMode == AnchorMode::Strip) {
            drag_.xLeft = x - (readValue(drag_.xParam) - drag_.minimum);
            drag_.xRight = drag_.xLeft + span;
        }
    }
    const bool reversed = isHorizontalReversed();
    if (!modifiers.shift && (drag_.twoAxis || drag_.horizontalOnly || reversed)) {
        if (x < drag_.xLeft)
            storeValue(drag_.xParam, reversed ? drag_.maximum : drag_.minimum);
        else if (x > drag_.xRight)
            storeValue(drag_.xParam, reversed ? drag_.minimum : drag_.maximum);
        else if (x != drag_.lastX)
            storeValue(drag_.xParam, reversed ? drag_.maximum + drag_.xLeft - x + drag_.minimum
                                              : x - drag_.xRight + drag_.maximum);
        if (drag_.anchorMode == AnchorMode::Strip) {
            const int v = readValue(drag_.yParam);
            drag_.yTop = y + v - drag_.maximum;
            drag_.yBottom = y + v;
        }
    }
    return storedByte(drag_.yParam) != oldY || storedByte(drag_.xParam) != oldX;
}

bool SurfaceController::stepFine(Modifiers modifiers, int x, int y) {
    const int oldY = storedByte(drag_.yParam);
    const int oldX = storedByte(drag_.xParam);
    const auto step = [this](int position, int delta) {
        const int v = readValue(position);
        if (delta > 0 && v < drag_.maximum) storeValue(position, v + 1);
        if (delta < 0 && v > drag_.minimum) storeValue(position, v - 1);
    };
    if (!modifiers.ctrl && !drag_.horizontalOnly) {
        if (y <= drag_.fineTop || y >= drag_.fineBottom) {
            step(drag_.yParam, y <= drag_.fineTop ? 1 : -1);
            drag_.fineTop = y - kFineStep;
            drag_.fineBottom = y + kFineStep;
        }
    }
    if (!modifiers.shift) {
        if (x >= drag_.fineRight || x <= drag_.fineLeft) {
            const int direction =
                (x >= drag_.fineRight ? 1 : -1) * (isHorizontalReversed() ? -1 : 1);
            step(drag_.xParam, direction);
            drag_.fineLeft = x - kFineStep;
            drag_.fineRight = x + kFineStep;
        }
    }
    return storedByte(drag_.yParam) != oldY || storedByte(drag_.xParam) != oldX;
}

void SurfaceController::sendDragValues() {
    if (drag_.area == Area::Page && drag_.control == page::kDetune) {
        messages_.SendPartDetune(current_, drag_.yParam);
        return;
    }
    send(drag_.yParam);
    if (drag_.xParam != drag_.yParam) send(drag_.xParam);
}

void SurfaceController::pushNoteLimits() {
    // The low limit never lies above the high limit; the pushed limit is not sent.
    const int low = partBase(current_) + image::offset::kNoteLimitLow;
    const int high = partBase(current_) + image::offset::kNoteLimitHigh;
    auto& parts = image_.parts;
    if (parts[static_cast<std::size_t>(low)] <= parts[static_cast<std::size_t>(high)]) return;
    if (drag_.control == page::kNoteLimitLow) {
        parts[static_cast<std::size_t>(high)] = parts[static_cast<std::size_t>(low)];
        redrawPageControl(page::kNoteLimitHigh, false);
    } else {
        parts[static_cast<std::size_t>(low)] = parts[static_cast<std::size_t>(high)];
        redrawPageControl(page::kNoteLimitLow, false);
    }
}

// ---- Release ------------------------------------------------------------------------------

void SurfaceController::mouseUp(MouseButton button, Modifiers modifiers, int x, int y) {
    if (button == MouseButton::Middle) return;
    if (button == MouseButton::Right) {
        if (drag_.dragging)
            leaveFineMode(x, y);
        else if (effectHook_)
            effectHook_->release(button, modifiers, x, y);
        return;
    }
    drag_.twoAxis = false;
    hideStatus();
    if (!drag_.dragging) {
        drag_.control = 0;
        if (effectHook_) effectHook_->release(button, modifiers, x, y);
        return;
    }
    finishDrag();
}

void SurfaceController::leaveFineMode(int x, int y) {
    // Re-anchor both axes at the pointer so that normal dragging goes on from the reached
    // values; each axis is anchored on its own value, or a graph would jump sideways.
    drag_.fine = false;
    const int v = readValue(drag_.yParam);
    const int h = readValue(drag_.xParam);
    const int span = drag_.maximum - drag_.minimum;
    drag_.xLeft =
        isHorizontalReversed() ? x + h - drag_.maximum - drag_.minimum : x + drag_.minimum - h;
    drag_.xRight = drag_.xLeft + span;
    drag_.yTop = y + v - drag_.maximum;
    drag_.yBottom = y + v;
    // Free, but still the virtual pointer: the real one is elsewhere (it cannot always be
    // moved, nor beyond the screen), and taking it now would make the value jump.
    host_.confinePointer(kUnconfinedArea);
}

void SurfaceController::finishDrag() {
    host_.releasePointer();
    drag_.dragging = false;
    drag_.fine = false;
    drag_.horizontalOnly = false;
    if (drag_.redrawPending) {
        drag_.redrawPending = false;
        redrawDragged(false);
    }
    placePointerAfterDrag();
    setShape(PointerShape::Default);
    drag_.control = 0;
}

void SurfaceController::placePointerAfterDrag() {
    if (drag_.anchorMode != AnchorMode::Graph) {
        host_.setPointerPosition(drag_.pressX, drag_.pressY);
        return;
    }
    const int n = drag_.control;
    if (n >= page::kAttack && n <= page::kPitchRelease) {
        const HitRect& handle = pages_.entry(n);
        host_.setPointerPosition(handle.left + 4, handle.top + 4);
    } else if (n == page::kFilter) {
        const HitRect& pad = kPageControls[page::kFilter].rect;
        const QPoint point = pagePainter_.filterPoint();
        host_.setPointerPosition(std::clamp(point.x(), pad.left, pad.right),
                                 std::clamp(point.y(), pad.top, pad.bottom));
    } else {
        host_.setPointerPosition(kVibratoPointerX, kVibratoPointerY);
    }
}

// ---- Pop-up lists -------------------------------------------------------------------------

void SurfaceController::popupListClicked(int list, int item, bool doubleClick) {
    if (list != kControllerList) {
        if (effectHook_) effectHook_->popupListClicked(list, item, doubleClick);
        return;
    }
    if (controllerListOwner_ == 0) return;
    const int owner = controllerListOwner_;
    if (doubleClick) hidePopups();
    const int n = owner == 1 ? page::kAc1Number : page::kAc2Number;
    const int position = partBase(current_) + controls_.page(n).offset;
    storeValue(position, std::clamp(item, 0, kControllerListSize - 1));
    send(position);
    repaint(pagePainter_.paintControllerNumber(image_, current_, owner, !doubleClick));
}

void SurfaceController::popupListRightPressed(int list, int item) {
    popupListClicked(list, item, true);
}

void SurfaceController::hidePopups() {
    if (controllerListOwner_ != 0) {
        controllerListOwner_ = 0;
        host_.hidePopupList(kControllerList);
        repaint(pagePainter_.paintControllerNumber(image_, current_, 1, false));
        repaint(pagePainter_.paintControllerNumber(image_, current_, 2, false));
    }
    if (voiceListHook_) voiceListHook_->hideVoiceLists();
    if (effectHook_) effectHook_->hidePopupLists();
}

// ---- Edits --------------------------------------------------------------------------------

void SurfaceController::switchPart(int part, bool allNotesOff) {
    const int old = current_;
    repaint(stripPainter_.paintStrip(image_, old, false));
    if (allNotesOff) port_.AllNotesOff(old);
    current_ = part;
    image_.currentPart = part;
    repaint(stripPainter_.paintStrip(image_, part, true));
    repaint(stripPainter_.paintTitle(image_, part));
    for (int k = 0; k <= page::kLastReceive - page::kFirstReceive; ++k)
        repaint(stripPainter_.paintReceiveSwitch(image_, part, k));
    repaint(pagePainter_.paintPage(image_, part, controls_));
}

void SurfaceController::toggleByte(int position) {
    storeValue(position, image_.parts[static_cast<std::size_t>(position)] == 1 ? 0 : 1);
    send(position);
    repaint(
        stripPainter_.paintReceiveSwitch(image_, current_, drag_.control - page::kFirstReceive));
    showStatus(Area::Page, drag_.control);
}

void SurfaceController::storeChoice(int n) {
    const Descriptor& d = controls_.page(n);
    const int position = partBase(current_) + d.offset;
    storeValue(position, d.maximum);
    redrawPageControl(n, false);
    send(position);
    showStatus(Area::Page, n);
}

// A step counts as a change when the byte in the image changed, not only the value read
// back through the range: a value above the range is cut back on the first step, and the
// module must get the cut-back value too.
int SurfaceController::storedByte(int position) const {
    return image_.parts[static_cast<std::size_t>(position)];
}

int SurfaceController::readValue(int position) const {
    const int v = image_.parts[static_cast<std::size_t>(position)];
    // A receive channel of 127 (off) reads as the top of its 0..16 range.
    return drag_.maximum > drag_.minimum ? std::clamp(v, drag_.minimum, drag_.maximum) : v;
}

void SurfaceController::storeValue(int position, int value) {
    const bool channel = position % image::kPartRecordSize == image::offset::kReceiveChannel;
    if (channel && value >= 16) value = kChannelOff;
    image_.parts[static_cast<std::size_t>(position)] = static_cast<image::Byte>(value);
}

void SurfaceController::send(int position) {
    messages_.SendPartParam(current_, position, image_.parts[static_cast<std::size_t>(position)]);
}

} // namespace editor
