// The drum editor's presses and drags: keys, knobs, buttons, envelope handles, the filter
// graph and the setup headers.

#include "drums/drum_editor.h"
#include "drums/drum_keyboard.h"
#include "drums/drum_layout.h"
#include "image/drum_kits.h"

#include <algorithm>
#include <string>

namespace drums {
namespace {

namespace kb = key_byte;
using editor::DragAxis;

bool isKnob(int area) {
    return area >= 1 && area <= kKnobCount;
}

const KnobPlace& knobOf(int area) {
    return kKnobs[static_cast<std::size_t>(area - 1)];
}

// Mouse buttons that start something; the middle one does nothing.
bool acts(editor::MouseButton button) {
    return button != editor::MouseButton::Middle;
}

} // namespace

int DrumEditor::areaAt(int x, int y) const {
    for (int knob = 1; knob <= kKnobCount; ++knob)
        if (knobOf(knob).hit.contains(x, y)) return knob;
    for (int i = 0; i < 4; ++i)
        if (kButtons[static_cast<std::size_t>(i)].hit.contains(x, y)) return AreaSingle + i;
    if (handles_.attack.contains(x, y)) return AreaAttackHandle;
    if (handles_.decay2.contains(x, y)) return AreaDecay2Handle;
    if (handles_.decay1.contains(x, y)) return AreaDecay1Handle;
    if (kFilterArea.contains(x, y)) return AreaFilter;
    if (kSetup1Area.contains(x, y)) return AreaSetup1;
    if (kSetup2Area.contains(x, y)) return AreaSetup2;
    return AreaNone;
}

void DrumEditor::mouseDown(editor::MouseButton button, editor::Modifiers /*modifiers*/, int x,
                           int y) {
    if (engine_.active()) {
        engine_.press(button, x, y);
        return;
    }
    if (!acts(button)) return;
    // A note started by the last click stops at the next one.
    stopSounding();
    const int note = DrumKeyboard::noteAt(x, y);
    if (note >= 0) {
        select(note, listIndexOfNote(note), Sound::HoldUntilRelease);
        return;
    }
    pressArea(button, areaAt(x, y), x, y);
}

void DrumEditor::pressArea(editor::MouseButton /*button*/, int area, int x, int y) {
    if (area == AreaSetup1 || area == AreaSetup2) {
        SwitchDrumSetup(area == AreaSetup1 ? 1 : 2);
        return;
    }
    // Without a key the controls take presses but change nothing.
    if (area == AreaNone || !key()) return;
    if (area >= AreaSingle && area <= AreaNoteOff) {
        toggleButton(area);
        return;
    }
    beginDrag(area, x, y);
}

void DrumEditor::toggleButton(int area) {
    image::DrumSlot& k = *key();
    int byte = kb::kKeyAssign;
    switch (area) {
    case AreaSingle:
    case AreaMulti:
        k[kb::kKeyAssign] = area == AreaMulti ? 1 : 0;
        break;
    case AreaNoteOn:
        byte = kb::kNoteOn;
        k[kb::kNoteOn] = k[kb::kNoteOn] != 0 ? 0 : 1;
        break;
    default:
        byte = kb::kNoteOff;
        k[kb::kNoteOff] = k[kb::kNoteOff] != 0 ? 0 : 1;
        break;
    }
    send(byte);
    painter_.paintButtons(&k);
    host_.repaint({430, 206, 545, 242});
}

// ---- drags -----------------------------------------------------------------------------

void DrumEditor::beginDrag(int area, int x, int y) {
    dragArea_ = area;
    editor::DragSetup setup;
    if (isKnob(area)) {
        setup = editor::DragSetup::single(0, 127);
    } else if (area == AreaFilter) {
        // Cutoff across, resonance up, in a box one row short of the square.
        setup = editor::DragSetup::point({true, 0, 127}, {true, 0, 127});
        setup.confinement = editor::HitRect{0, 0, 127, 126};
    } else {
        // Envelope rates on a line: right lowers the rate and moves the handle right.
        setup = editor::DragSetup::line({true, 0, 127, 1, true});
    }
    redrawDragged(true);
    engine_.begin(setup, *this, x, y);
}

int DrumEditor::dragByte(DragAxis axis) const {
    switch (dragArea_) {
    case AreaAttackHandle:
        return kb::kAttack;
    case AreaDecay1Handle:
        return kb::kDecay1;
    case AreaDecay2Handle:
        return kb::kDecay2;
    case AreaFilter:
        return axis == DragAxis::Horizontal ? kb::kCutoff : kb::kResonance;
    default:
        return isKnob(dragArea_) ? knobOf(dragArea_).keyByte : -1;
    }
}

int DrumEditor::dragValue(DragAxis axis) const {
    const int byte = dragByte(axis);
    if (byte < 0 || record_ < 0) return 0;
    const auto& setup = image_.drums[static_cast<std::size_t>(active_ - 1)];
    return std::min<int>(
        setup.table[static_cast<std::size_t>(record_)][static_cast<std::size_t>(byte)], 127);
}

void DrumEditor::storeDragValue(DragAxis axis, int value) {
    const int byte = dragByte(axis);
    image::DrumSlot* k = key();
    if (byte < 0 || !k) return;
    auto& stored = (*k)[static_cast<std::size_t>(byte)];
    const auto clamped = static_cast<image::Byte>(std::clamp(value, 0, 127));
    if (stored == clamped) return;
    stored = clamped;
    dragged_[axis == DragAxis::Horizontal ? 0 : 1] = byte;
}

void DrumEditor::mouseMove(editor::Modifiers modifiers, int x, int y) {
    if (!engine_.active()) {
        // The program's own pointer over what can be dragged on the graphs.
        const int area = key() ? areaAt(x, y) : AreaNone;
        const auto shape = area >= AreaAttackHandle && area <= AreaFilter
                               ? editor::PointerShape::Drag
                               : editor::PointerShape::Default;
        if (shape != pointerShape_) host_.setPointerShape(shape);
        pointerShape_ = shape;
        return;
    }
    dragged_ = {-1, -1};
    if (engine_.move(modifiers, x, y)) applyDrag();
}

// After a step: what changed is sent, then its knob and graph drawn again.
void DrumEditor::applyDrag() {
    if (dragged_[0] < 0 && dragged_[1] < 0) return;
    if (dragArea_ == AreaFilter) {
        // The graph moves both values; both go out.
        send(kb::kCutoff);
        send(kb::kResonance);
    } else {
        for (int byte : dragged_)
            if (byte >= 0) send(byte);
    }
    redrawDragged(true);
}

void DrumEditor::redrawDragged(bool active) {
    const image::DrumSlot* k = key();
    const auto knobOfByte = [](int byte) {
        for (int knob = 1; knob <= kKnobCount; ++knob)
            if (knobOf(knob).keyByte == byte) return knob;
        return 0;
    };
    const auto paintKnob = [&](int knob) {
        painter_.paintKnob(knob, k, active && dragArea_ == knob);
        const KnobPlace& place = knobOf(knob);
        host_.repaint({place.x - 2, place.y, place.x + 34, place.y + 45});
    };
    const EnvelopeMark mark = !active                         ? EnvelopeMark::None
                              : dragArea_ == AreaAttackHandle ? EnvelopeMark::Attack
                              : dragArea_ == AreaDecay1Handle ? EnvelopeMark::Decay1
                              : dragArea_ == AreaDecay2Handle ? EnvelopeMark::Decay2
                                                              : EnvelopeMark::None;
    switch (dragArea_) {
    case AreaFilter:
        painter_.paintFilter(k, active);
        host_.repaint(kFilterArea);
        paintKnob(knobOfByte(kb::kCutoff));
        paintKnob(knobOfByte(kb::kResonance));
        return;
    case AreaAttackHandle:
    case AreaDecay1Handle:
    case AreaDecay2Handle:
        paintKnob(knobOfByte(dragByte(DragAxis::Horizontal)));
        break;
    default:
        if (!isKnob(dragArea_)) return;
        paintKnob(dragArea_);
        if (const int byte = knobOf(dragArea_).keyByte;
            byte == kb::kCutoff || byte == kb::kResonance) {
            painter_.paintFilter(k, false);
            host_.repaint(kFilterArea);
            return;
        }
        if (dragArea_ > 3) return;
        break;
    }
    handles_ = painter_.paintEnvelope(k, mark);
    host_.repaint({220, 7, 394, 81});
}

void DrumEditor::mouseUp(editor::MouseButton button, editor::Modifiers /*modifiers*/, int x,
                         int y) {
    stopSounding();
    if (engine_.active() && engine_.release(button, x, y)) finishDrag();
}

void DrumEditor::finishDrag() {
    const int area = dragArea_;
    // A handle that moved takes the pointer along.
    const HitRect handle = area == AreaAttackHandle   ? handles_.attack
                           : area == AreaDecay1Handle ? handles_.decay1
                                                      : handles_.decay2;
    redrawDragged(false);
    dragArea_ = 0;
    if (area >= AreaAttackHandle && area <= AreaDecay1Handle)
        engine_.finish((handle.left + handle.right) / 2, (handle.top + handle.bottom) / 2);
    else
        engine_.finish();
    // The drag's end shows the system's pointer.
    pointerShape_ = editor::PointerShape::Default;
}

void DrumEditor::endDrag() {
    if (engine_.active()) finishDrag();
}

void DrumEditor::send(int keyByte) {
    const image::DrumSlot* k = key();
    const int note = noteOfRecord();
    if (!k || note < 0) return;
    messages_.SendDrumParam(active_, note, keyByte, (*k)[static_cast<std::size_t>(keyByte)]);
}

// ---- what a press is tested against ----------------------------------------------------

std::vector<editor::NamedArea> DrumEditor::hitAreas() const {
    std::vector<editor::NamedArea> areas;
    for (int group = kFirstKeyboardNote; group <= kLastKeyboardNote; group += 12)
        for (bool black : {true, false})
            for (int note = group; note < group + 12 && note <= kLastKeyboardNote; ++note)
                if (isBlackKey(note) == black)
                    areas.push_back({"Key " + std::to_string(note), keyHitRect(note)});
    for (const KnobPlace& knob : kKnobs) areas.push_back({knob.label, knob.hit});
    for (const ButtonPlace& button : kButtons) areas.push_back({button.caption, button.hit});
    if (record_ >= 0) {
        areas.push_back({"Attack handle", handles_.attack});
        areas.push_back({"Decay 2 handle", handles_.decay2});
        areas.push_back({"Decay 1 handle", handles_.decay1});
    }
    areas.push_back({"Filter graph", kFilterArea});
    areas.push_back({"DRUMSETUP 1", kSetup1Area});
    areas.push_back({"DRUMSETUP 2", kSetup2Area});
    return areas;
}

} // namespace drums
