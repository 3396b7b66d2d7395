#include "qs300/voice_editor.h"

#include "image/voice_dump.h"
#include "image/voice_edit.h"
#include "image/voice_layout.h"

#include <algorithm>
#include <bit>

namespace qs300 {

namespace e = image::voice::element;
using editor::DragAxis;
using editor::MouseButton;

VoiceEditor::VoiceEditor(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
                         editor::SurfaceHost& host)
    : image_data_(image), messages_(messages), port_(port), host_(host),
      edit_(image, messages, port), engine_(host),
      image_(kEditorWidth, kEditorHeight, QImage::Format_RGB32) {
    paintStatic();
}

VoiceEditor::~VoiceEditor() = default;

bool VoiceEditor::open(int currentPart) {
    if (edit_.isOpen()) return true;
    if (!edit_.Open(currentPart)) return false;
    ready_ = true;
    drag_ = {};
    rangeDrag_ = -1;
    redrawAll();
    return true;
}

void VoiceEditor::exit() {
    if (!edit_.isOpen()) return;
    endDrag();
    hidePopupLists();
    const int part = edit_.part();
    const int partAtOpen = edit_.partAtOpen();
    edit_.close();
    if (hooks_) hooks_->voiceEditorClosed(part, partAtOpen);
}

void VoiceEditor::hidden() {
    if (edit_.isOpen()) edit_.abandon();
}

void VoiceEditor::setKnobScheme(draw::KnobScheme scheme) {
    knobScheme_ = scheme;
    if (edit_.isOpen()) paintValues();
}

void VoiceEditor::initializeElement() {
    if (!edit_.isOpen() || edit_.sending()) return;
    edit_.initializeElement();
    redrawAll();
}

void VoiceEditor::redrawAll() {
    paintValues();
    repaintAll();
}

void VoiceEditor::showRestored(const image::StepScope& scope) {
    if (!edit_.isOpen()) return;
    const bool partChanged = scope.parts[static_cast<std::size_t>(edit_.part())];
    if (!scope.editVoice() && !partChanged && !scope.others) return;
    const unsigned elements = scope.editElements;
    const bool oneElement = std::has_single_bit(elements);
    const int element = oneElement ? std::countr_zero(elements) : edit_.currentElement();
    if (oneElement && element == edit_.currentElement() && !scope.editCommon && !partChanged &&
        !scope.others) {
        paintRestoredElement(element, scope.editElementBytes);
        return;
    }
    if (oneElement) edit_.selectElement(element);
    redrawAll();
}

// ---- the bytes ------------------------------------------------------------------------------

int VoiceEditor::valueOf(const VoiceParam& p, int element) const {
    const int raw = p.element ? edit_.elementByteOf(element, p.offset) : edit_.commonByte(p.offset);
    // Bytes from a file or a module may lie outside their range: shown and dragged clamped.
    return std::clamp(raw, p.minimum, p.maximum);
}

void VoiceEditor::store(const VoiceParam& p, int element, int value) {
    const auto byte = static_cast<image::Byte>(std::clamp(value, p.minimum, p.maximum));
    if (!p.element) {
        edit_.setCommonByte(p.offset, byte);
        edit_.mirror(p.offset);
        return;
    }
    edit_.setElementByteOf(element, p.offset, byte);
    // A moved break point pushes its neighbours so that the four stay in order.
    const bool levelPoint = p.offset >= e::kLevelBreakPoints && p.offset < e::kLevelBreakPoints + 4;
    const bool filterPoint =
        p.offset >= e::kFilterBreakPoints && p.offset < e::kFilterBreakPoints + 4;
    if (!levelPoint && !filterPoint) return;
    const int first = levelPoint ? e::kLevelBreakPoints : e::kFilterBreakPoints;
    const int moved = p.offset - first;
    const auto bp = [&](int i) {
        return static_cast<int>(edit_.elementByteOf(element, first + i));
    };
    for (int i = moved - 1; i >= 0; --i)
        if (bp(i) > bp(i + 1))
            edit_.setElementByteOf(element, first + i, static_cast<image::Byte>(bp(i + 1) - 1));
    for (int i = moved + 1; i < 4; ++i)
        if (bp(i) <= bp(i - 1))
            edit_.setElementByteOf(element, first + i, static_cast<image::Byte>(bp(i - 1) + 1));
}

int VoiceEditor::dragValue(DragAxis axis) const {
    if (drag_.kind != DragKind::Point) return valueOf(drag_.row.param, drag_.element);
    const auto& p = axis == DragAxis::Vertical ? drag_.vertical : drag_.horizontal;
    return p ? valueOf(*p, drag_.element) : 0;
}

void VoiceEditor::storeDragValue(DragAxis axis, int value) {
    if (drag_.kind != DragKind::Point) {
        store(drag_.row.param, drag_.element, value);
        if (isNoteKnob(drag_.row)) markedNote_ = valueOf(drag_.row.param, drag_.element);
        paintAfterChange(drag_.row.param, drag_.element, true);
        return;
    }
    const auto& p = axis == DragAxis::Vertical ? drag_.vertical : drag_.horizontal;
    if (!p) return;
    store(*p, drag_.element, value);
    // Both values of a point show in the same graph: it is drawn once after the move.
    changed_[changedCount_++ % changed_.size()] = *p;
}

void VoiceEditor::send() {
    edit_.SendEditVoice();
}

// ---- move and release ---------------------------------------------------------------------

void VoiceEditor::P3Ig2MouseMove(editor::Modifiers modifiers, int x, int y) {
    if (rangeDrag_ >= 0) {
        if (x < 0 || x > 127) return;
        const int element = rangeDrag_ / 2;
        const int offset = rangeDrag_ % 2 == 0 ? e::kNoteLow : e::kNoteHigh;
        edit_.setElementByteOf(element, offset, static_cast<image::Byte>(x));
        paintRanges();
        return;
    }
    if (sounding_) {
        const auto note = rangeKeyboardNote(x, y);
        if (note && *note != *sounding_) {
            const int channel =
                image_data_.part(edit_.part(), image::offset::kReceiveChannel) & 0x0F;
            port_.SendShort(static_cast<std::uint8_t>(0x90 | channel),
                            static_cast<std::uint8_t>(*sounding_), 0);
            sounding_ = note;
            port_.SendShort(static_cast<std::uint8_t>(0x90 | channel),
                            static_cast<std::uint8_t>(*note),
                            static_cast<std::uint8_t>(std::clamp(velocity_, 1, 127)));
            paintRanges();
        }
        return;
    }
    if (engine_.active()) {
        changedCount_ = 0;
        engine_.move(modifiers, x, y);
        const int changed = std::min<int>(changedCount_, static_cast<int>(changed_.size()));
        for (int i = 0; i < changed; ++i)
            paintAfterChange(changed_[static_cast<std::size_t>(i)], drag_.element, i == 0);
        return;
    }
    const bool overHandle = std::any_of(pointRects_.begin(), pointRects_.end(),
                                        [&](const HitRect& r) { return r.contains(x, y); }) ||
                            std::any_of(rangeHandles_.begin(), rangeHandles_.end(),
                                        [&](const HitRect& r) { return r.contains(x, y); });
    const auto shape = overHandle ? editor::PointerShape::Drag : editor::PointerShape::Default;
    // The window changes the cursor only when the shape does.
    if (shape != shownShape_) host_.setPointerShape(shape);
    shownShape_ = shape;
}

void VoiceEditor::P3Ig2MouseUp(MouseButton button, editor::Modifiers, int x, int y) {
    if (button == MouseButton::Middle) return;
    // Drags and presses set the pointer themselves; the next move sets it again.
    shownShape_.reset();
    if (rangeDrag_ >= 0) {
        if (button != MouseButton::Left) return;
        const auto handle = static_cast<std::size_t>(rangeDrag_);
        rangeDrag_ = -1;
        host_.releasePointer();
        paintRanges();
        // Back beside the marker where it now stands.
        host_.setPointerPosition(rangeHandles_[handle].left + 3, rangeHandles_[handle].bottom + 2);
        host_.setPointerShape(editor::PointerShape::Default);
        send();
        ready_ = true;
        return;
    }
    if (pressedPreset_ >= 0) {
        pressedPreset_ = -1;
        paintRanges();
        send();
    }
    if (sounding_) {
        const int channel = image_data_.part(edit_.part(), image::offset::kReceiveChannel) & 0x0F;
        port_.SendShort(static_cast<std::uint8_t>(0x90 | channel),
                        static_cast<std::uint8_t>(*sounding_), 0);
        played_ = sounding_;
        sounding_.reset();
        paintRanges();
    }
    if (engine_.active()) {
        if (engine_.release(button, x, y)) finishDrag(true);
        if (engine_.active()) return;
    }
    if (button != MouseButton::Left) return;
    if (pressedSwitch_) {
        const SwitchKind kind = pressedSwitch_->kind;
        pressedSwitch_.reset();
        const bool changesVoice = kind == SwitchKind::VelocityCurve ||
                                  kind == SwitchKind::FilterCurve || kind == SwitchKind::LfoWave ||
                                  kind == SwitchKind::LfoPhase || kind == SwitchKind::PlayMode ||
                                  kind == SwitchKind::Portamento || kind == SwitchKind::ElementLed;
        if (changesVoice) send();
    }
    if (pressedCommand_) {
        const Command command = *pressedCommand_;
        pressedCommand_.reset();
        paintCommands();
        repaint({440, 353, 700, 372});
        if (command == Command::Exit && hooks_)
            hooks_->voiceEditorClosed(edit_.part(), edit_.partAtOpen());
    }
    ready_ = true;
}

void VoiceEditor::finishDrag(bool sendVoice) {
    const ActiveDrag ended = drag_;
    drag_ = {};
    markedNote_.reset();
    // The pointer goes back where the press was, or onto the handle that moved.
    switch (ended.kind) {
    case DragKind::Point:
        paintGraphs();
        if (ended.point >= 0 && ended.point < 22) {
            const HitRect r = pointRects_[static_cast<std::size_t>(ended.point)];
            engine_.finish(r.left + 3, r.top + 3);
        } else {
            engine_.finish();
        }
        break;
    case DragKind::Mix:
        if (ended.row.param.offset == e::kLevel) {
            paintFader(ended.element, false);
            const HitRect r = faderHandle(ended.element, valueOf(ended.row.param, ended.element));
            engine_.finish(r.left + 11, r.top + 6);
            break;
        }
        [[fallthrough]];
    default:
        engine_.finish();
        break;
    }
    if (ended.kind == DragKind::Knob || ended.kind == DragKind::Overall)
        paintKnobRow(ended.row, ended.element, false, true);
    if (ended.kind == DragKind::Mix && ended.row.param.offset != e::kLevel) paintValues();
    if (egDataForDrag_ && !egDataPinned_) {
        egData_ = false;
        egDataForDrag_ = false;
    }
    paintStrip();
    paintRanges();
    // Release texts of the points that showed two values while they moved.
    if (ended.point >= 0 && ended.point < 8) {
        const bool filter = ended.point >= 4;
        paintStatus(std::string(filter ? "Filter" : "Level") + " Scaling Breakpoint " +
                        std::to_string(4 - ended.point % 4),
                    "");
    } else if (ended.point == 25) {
        paintStatus("Filter Cutoff & Resonance", "");
    }
    repaintAll();
    if (sendVoice) send();
}

void VoiceEditor::endDrag() {
    if (rangeDrag_ >= 0) {
        rangeDrag_ = -1;
        host_.releasePointer();
        paintRanges();
    }
    if (engine_.active()) finishDrag(false);
    ready_ = true;
}

std::vector<editor::NamedArea> VoiceEditor::hitAreas() const {
    std::vector<editor::NamedArea> areas;
    for (int i = 0; i < 8; ++i)
        if (edit_.elementAvailable(i / 2))
            areas.push_back(
                {"Range " + std::to_string(i + 1), rangeHandles_[static_cast<std::size_t>(i)]});
    for (int i = 0; i < kRangePresetCount; ++i)
        areas.push_back({std::string(rangePresetCaption(i)), rangePresetRect(i)});
    areas.push_back({"Keyboard", kRangeKeyboard});
    for (const SwitchEntry& s : kSwitches) {
        if ((s.kind == SwitchKind::ElementTab || s.kind == SwitchKind::ElementRow ||
             s.kind == SwitchKind::WaveField || s.kind == SwitchKind::ElementLed) &&
            !edit_.elementAvailable(s.value))
            continue;
        const std::string name =
            s.status.empty() ? "Element " + std::to_string(s.value + 1) : std::string(s.status);
        areas.push_back({name, s.rect});
    }
    for (const CommandButton& c : kCommands)
        if (!c.caption.empty()) areas.push_back({std::string(c.caption), c.rect});
    for (int i = 0; i < kStripCount; ++i)
        areas.push_back(
            {std::string(
                 (egData_ ? kEgDataRows : kControllerRows)[static_cast<std::size_t>(i)].name),
             stripRect(i)});
    for (int i = 0; i < kOverallCount; ++i)
        areas.push_back({std::string(kOverallRows[static_cast<std::size_t>(i)].name),
                         kOverallRects[static_cast<std::size_t>(i)]});
    for (int row = 0; row < kMixRowCount; ++row)
        for (int element = 0; element < 4; ++element)
            if (edit_.elementAvailable(element))
                areas.push_back({std::string(kMixRows[static_cast<std::size_t>(row)].name),
                                 mixRect(element, row)});
    for (int element = 0; element < 4; ++element)
        if (edit_.elementAvailable(element))
            areas.push_back({"Element Level",
                             faderHandle(element, edit_.elementByteOf(element, e::kLevel) & 0x7F)});
    for (const ParamRow& row : kKnobRows)
        areas.push_back({std::string(row.name), knobRect(row.x, row.y)});
    for (int i = 0; i < kHandlePointCount; ++i) {
        const std::string_view status = kGraphPoints[static_cast<std::size_t>(i)].status;
        const std::string name = !status.empty() ? std::string(status)
                                 : i < 4         ? "Level Scaling BP " + std::to_string(4 - i)
                                                 : "Filter Scaling BP " + std::to_string(8 - i);
        areas.push_back({name, pointRects_[static_cast<std::size_t>(i)]});
    }
    areas.push_back({"Amp LFO Modulation Depth", kAmpLfoArea});
    areas.push_back({"Filter LFO Modulation Depth", kFilterLfoArea});
    areas.push_back({"Pitch LFO Modulation Depth", kPitchLfoArea});
    areas.push_back({"Filter Cutoff & Resonance", kCutoffArea});
    return areas;
}

} // namespace qs300
