// Presses on the voice editor: the key ranges first, then the switches, the command
// buttons and the tables of values that are dragged.

#include "image/voice_layout.h"
#include "qs300/voice_editor.h"

#include <algorithm>

namespace qs300 {

namespace e = image::voice::element;
namespace c = image::voice;
using editor::DragSetup;
using editor::MouseButton;

namespace {

// The voice editor's drags keep the value where the pointer leaves the range, and leaving
// fine mode puts the pointer back on the value square.
DragSetup voiceDragSetup(DragSetup setup) {
    setup.outside = editor::OutsideRange::Ignore;
    setup.afterFine = editor::AfterFine::Rearm;
    return setup;
}

} // namespace

void VoiceEditor::P3Ig2MouseDown(MouseButton button, editor::Modifiers, int x, int y) {
    if (button == MouseButton::Middle || !edit_.isOpen()) return;
    // A press during a drag belongs to it: the right button enters fine mode.
    if (engine_.active()) {
        engine_.press(button, x, y);
        return;
    }
    if (rangeDrag_ >= 0) return;
    hidePopupLists();
    // Nothing new starts while a send waits for the module or before the last release.
    if (!ready_ || edit_.sending()) return;
    if (pressRange(button, x, y)) return;
    ready_ = false;
    if (pressSwitch(x, y)) return;
    if (pressCommand(x, y)) return;
    pressDragTables(x, y);
}

bool VoiceEditor::pressRange(MouseButton button, int x, int y) {
    for (int handle = 0; handle < 8; ++handle) {
        if (!edit_.elementAvailable(handle / 2)) continue;
        if (!rangeHandles_[static_cast<std::size_t>(handle)].contains(x, y)) continue;
        ready_ = false;
        selectElement(handle / 2);
        paintStatus("Keyboard Range", "");
        rangeDrag_ = handle;
        const int limit =
            edit_.elementByteOf(handle / 2, handle % 2 == 0 ? e::kNoteLow : e::kNoteHigh) & 0x7F;
        host_.confinePointer({0, 0, 127, 127});
        host_.setPointerShape(editor::PointerShape::Hidden);
        host_.setPointerPosition(limit, 127 - limit);
        paintRanges();
        repaintAll();
        return true;
    }
    for (int preset = 0; preset < kRangePresetCount; ++preset) {
        if (!rangePresetRect(preset).contains(x, y)) continue;
        ready_ = false;
        const auto& ranges = kRangePresets[static_cast<std::size_t>(preset)];
        for (int element = 0; element < 4; ++element) {
            const NoteRange r = ranges[static_cast<std::size_t>(element)];
            edit_.setElementByteOf(element, e::kNoteHigh, 127);
            edit_.setElementByteOf(element, e::kNoteLow, static_cast<image::Byte>(r.low));
            edit_.setElementByteOf(element, e::kNoteHigh, static_cast<image::Byte>(r.high));
        }
        pressedPreset_ = preset;
        paintStatus("Keyboard Range", "");
        paintRanges();
        repaintAll();
        return true;
    }
    if (button == MouseButton::Left) {
        if (const auto note = rangeKeyboardNote(x, y)) {
            ready_ = false;
            const int channel =
                image_data_.part(edit_.part(), image::offset::kReceiveChannel) & 0x0F;
            sounding_ = *note;
            port_.SendShort(static_cast<std::uint8_t>(0x90 | channel),
                            static_cast<std::uint8_t>(*note),
                            static_cast<std::uint8_t>(std::clamp(velocity_, 1, 127)));
            paintStatus("Keyboard Range", "");
            paintRanges();
            repaintAll();
            return true;
        }
    }
    return false;
}

bool VoiceEditor::pressSwitch(int x, int y) {
    for (const SwitchEntry& entry : kSwitches) {
        if (!entry.rect.contains(x, y)) continue;
        const bool perElement =
            entry.kind == SwitchKind::ElementTab || entry.kind == SwitchKind::ElementRow ||
            entry.kind == SwitchKind::ElementLed || entry.kind == SwitchKind::WaveField;
        // Elements 3 and 4 are out of reach without four elements.
        if (perElement && !edit_.elementAvailable(entry.value)) return true;
        if (!entry.status.empty()) paintStatus(std::string(entry.status), "");
        pressedSwitch_ = entry;
        applySwitch(entry);
        repaintAll();
        return true;
    }
    return false;
}

void VoiceEditor::applySwitch(const SwitchEntry& entry) {
    const auto value = static_cast<image::Byte>(entry.value);
    switch (entry.kind) {
    case SwitchKind::VelocityCurve:
        edit_.setElementByte(e::kVelocityCurve, value);
        break;
    case SwitchKind::FilterCurve:
        edit_.setElementByte(e::kFilterCurve, value);
        break;
    case SwitchKind::LfoWave:
        edit_.setElementByte(e::kLfoWave, value);
        paintLfos();
        break;
    case SwitchKind::LfoPhase:
        edit_.setElementByte(e::kLfoPhaseInit, value);
        break;
    case SwitchKind::PlayMode:
        edit_.setCommonByte(c::kPlayMode, value);
        edit_.mirror(c::kPlayMode);
        break;
    case SwitchKind::Portamento:
        edit_.setCommonByte(c::kPortamentoSwitch, value);
        edit_.mirror(c::kPortamentoSwitch);
        break;
    case SwitchKind::ElementTab:
    case SwitchKind::ElementRow:
        selectElement(entry.value);
        return;
    case SwitchKind::ElementLed: {
        const int on = edit_.commonByte(c::kElementSwitch);
        edit_.setCommonByte(c::kElementSwitch, static_cast<image::Byte>(on ^ (1 << entry.value)));
        paintLeds();
        return;
    }
    case SwitchKind::AmpTemplates:
    case SwitchKind::FilterTemplates:
    case SwitchKind::PitchTemplates:
        openTemplates(entry.kind);
        return;
    case SwitchKind::WaveField:
        openWaves(entry.value);
        return;
    case SwitchKind::NameField:
        nameFieldShown_ = true;
        if (hooks_) {
            const auto name = image::voiceNameOf(edit_.voice());
            std::string text(name.begin(), name.end());
            text.erase(text.find_last_not_of(' ') + 1);
            hooks_->showNameField(kNameField, text);
        }
        return;
    }
    paintSwitchGroups();
}

void VoiceEditor::selectElement(int element) {
    if (!edit_.selectElement(element)) return;
    paintValues();
}

bool VoiceEditor::pressCommand(int x, int y) {
    for (const CommandButton& button : kCommands) {
        if (!button.rect.contains(x, y)) continue;
        if (button.command == Command::NameField) return true;
        pressedCommand_ = button.command;
        paintCommands();
        switch (button.command) {
        case Command::EgData:
            egDataPinned_ = !egDataPinned_;
            egData_ = egDataPinned_;
            paintStrip();
            paintCommands();
            break;
        case Command::Exit: {
            // The closing work runs at the press; the panel goes at the release.
            edit_.close();
            break;
        }
        case Command::Random:
        case Command::Copy:
        case Command::Scan:
            // The dialog takes the release; the button comes up when it is closed.
            if (hooks_) hooks_->elementAidRequested(button.command);
            pressedCommand_.reset();
            paintCommands();
            break;
        case Command::NameField:
            break;
        }
        repaintAll();
        return true;
    }
    return false;
}

bool VoiceEditor::pressDragTables(int x, int y) {
    const auto& strip = egData_ ? kEgDataRows : kControllerRows;
    for (int i = 0; i < kStripCount; ++i)
        if (stripRect(i).contains(x, y)) {
            startSingle(DragKind::Strip, strip[static_cast<std::size_t>(i)], edit_.currentElement(),
                        x, y);
            return true;
        }
    for (int i = 0; i < kOverallCount; ++i)
        if (kOverallRects[static_cast<std::size_t>(i)].contains(x, y)) {
            startSingle(DragKind::Overall, kOverallRows[static_cast<std::size_t>(i)], 0, x, y);
            return true;
        }
    for (int row = 0; row < kMixRowCount; ++row)
        for (int element = 0; element < 4; ++element)
            if (edit_.elementAvailable(element) && mixRect(element, row).contains(x, y)) {
                startSingle(DragKind::Mix, kMixRows[static_cast<std::size_t>(row)], element, x, y);
                return true;
            }
    for (int element = 0; element < 4; ++element) {
        if (!edit_.elementAvailable(element)) continue;
        const int level = edit_.elementByteOf(element, e::kLevel) & 0x7F;
        if (faderHandle(element, level).contains(x, y)) {
            const ParamRow row{
                "Element Level", {true, e::kLevel, 0, 127}, 0, 0, Form::LevelBar, ""};
            startSingle(DragKind::Mix, row, element, x, y);
            return true;
        }
    }
    for (const ParamRow& row : kKnobRows)
        if (knobRect(row.x, row.y).contains(x, y)) {
            startSingle(DragKind::Knob, row, edit_.currentElement(), x, y);
            return true;
        }
    for (int point = 0; point < kGraphPointCount; ++point) {
        const HitRect area = point < kHandlePointCount
                                 ? pointRects_[static_cast<std::size_t>(point)]
                             : point == 22 ? kAmpLfoArea
                             : point == 23 ? kFilterLfoArea
                             : point == 24 ? kPitchLfoArea
                                           : kCutoffArea;
        if (area.contains(x, y)) {
            startPoint(point, x, y);
            return true;
        }
    }
    return false;
}

HitRect VoiceEditor::pointRect(int entry) const {
    if (entry >= 0 && entry < kHandlePointCount)
        return pointRects_[static_cast<std::size_t>(entry)];
    switch (entry) {
    case 22:
        return kAmpLfoArea;
    case 23:
        return kFilterLfoArea;
    case 24:
        return kPitchLfoArea;
    default:
        break;
    }
    return kCutoffArea;
}

void VoiceEditor::startSingle(DragKind kind, const ParamRow& row, int element, int x, int y) {
    drag_ = {};
    drag_.kind = kind;
    drag_.row = row;
    drag_.element = element;
    paintStatus(std::string(row.name), "");
    if (isNoteKnob(row)) markedNote_ = valueOf(row.param, element);
    if (kind == DragKind::Knob || kind == DragKind::Overall) paintKnobRow(row, element, true, true);
    if (kind == DragKind::Strip) paintStrip();
    if (kind == DragKind::Mix && row.param.offset == e::kLevel) paintFader(element, true);
    if (kind == DragKind::Mix && row.param.offset != e::kLevel)
        for (int r = 0; r < kMixRowCount; ++r)
            if (kMixRows[static_cast<std::size_t>(r)].param.offset == row.param.offset)
                paintMixCell(element, r, true);
    if (markedNote_) paintRanges();
    repaintAll();
    engine_.begin(voiceDragSetup(DragSetup::single(row.param.minimum, row.param.maximum)), *this, x,
                  y);
}

void VoiceEditor::startPoint(int point, int x, int y) {
    const GraphPointRow& row = kGraphPoints[static_cast<std::size_t>(point)];
    drag_ = {};
    drag_.kind = DragKind::Point;
    drag_.point = point;
    drag_.element = edit_.currentElement();
    drag_.horizontal = row.horizontal;
    drag_.vertical = row.vertical;
    DragSetup setup;
    if (row.horizontal && row.vertical) {
        const VoiceParam& h = *row.horizontal;
        const VoiceParam& v = *row.vertical;
        setup = DragSetup::point({true, h.minimum, h.maximum, 1, row.reversed},
                                 {true, v.minimum, v.maximum, 1, false});
        setup.confinement = HitRect{h.minimum, v.minimum, h.maximum + 1, v.maximum + 1};
    } else if (row.horizontal) {
        setup = DragSetup::line(
            {true, row.horizontal->minimum, row.horizontal->maximum, 1, row.reversed});
    } else {
        setup = DragSetup::single(row.vertical->minimum, row.vertical->maximum);
    }
    // Envelope points show their values in the strip while they move.
    if (point >= 8 && point < kHandlePointCount && autoEgData_ && !egData_) {
        egData_ = true;
        egDataForDrag_ = true;
    }
    if (row.status.empty())
        paintAfterChange(*row.vertical, drag_.element, false); // the two-value status texts
    else
        paintStatus(std::string(row.status), "");
    paintGraphs();
    paintStrip();
    repaintAll();
    engine_.begin(voiceDragSetup(setup), *this, x, y);
}

} // namespace qs300
