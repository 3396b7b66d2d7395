#include "effects/effect_editor.h"

#include "effects/connection.h"
#include "effects/display_forms.h"
#include "effects/effect_area_names.h"
#include "effects/effect_geometry.h"
#include "image/effect_types.h"

#include <algorithm>
#include <string>
#include <vector>

namespace effects {
namespace {

using image::EffectKind;

constexpr std::array<EffectKind, 3> kKinds{EffectKind::Reverb, EffectKind::Chorus,
                                           EffectKind::Variation};
constexpr int kHiddenLeft = 1000;
constexpr int kStatusWidth = 140;
constexpr int kStatusHeight = 18;
constexpr int kSystemStatusY = 56;
constexpr int kListItemHeight = 15;
constexpr int kListMaxHeight = 420;

std::size_t rowOf(EffectKind kind) {
    return static_cast<std::size_t>(kind);
}

image::Byte blockAddress(EffectKind kind) {
    switch (kind) {
    case EffectKind::Reverb:
        return midi::kReverbBlockAddress;
    case EffectKind::Chorus:
        return midi::kChorusBlockAddress;
    case EffectKind::Variation:
        break;
    }
    return midi::kVariationBlockAddress;
}

editor::PopupList listOf(EffectKind kind) {
    return kind == EffectKind::Reverb   ? kReverbList
           : kind == EffectKind::Chorus ? kChorusList
                                        : kVariationList;
}

// The tool strip's hot areas that are knobs, and the system knob each one drags.
constexpr std::array<std::pair<ToolArea, SystemKnob>, 3> kToolKnobs{{
    {ToolArea::MasterTune, SystemKnob::MasterTune},
    {ToolArea::MasterVolume, SystemKnob::MasterVolume},
    {ToolArea::Transpose, SystemKnob::Transpose},
}};

} // namespace

EffectEditor::EffectEditor(image::SynthImage& image, midi::XgMessages& messages,
                           midi::MidiPort& port, editor::PartEditor& surface,
                           editor::SurfaceHost& host)
    : image_(image), messages_(messages), port_(port), surface_(surface), host_(host),
      types_(image), rows_(surface.canvas()), tools_(surface.canvas()), engine_(host) {
    for (EffectKind kind : kKinds)
        for (int s = 1; s <= slotCount(kind); ++s)
            slotRects_[rowOf(kind)][static_cast<std::size_t>(s)] = knobRect(kind, s);
}

EffectEditor::~EffectEditor() {
    if (attached_) surface_.setEffectHook(nullptr);
}

// ---- Showing ------------------------------------------------------------------------------

void EffectEditor::show() {
    if (!attached_) {
        attached_ = true;
        surface_.setEffectHook(this);
    }
    surface_.setInsertionMode(!variationSystem());
    redrawAll();
}

void EffectEditor::surfaceRepainted() {
    // The part editor painted over everything; what was under the status field is gone.
    status_ = editor::StatusField();
    redrawAll();
}

void EffectEditor::redrawAll() {
    repaint(tools_.paint(image_.system, thru_));
    repaint(rows_.paintBackground());
    for (EffectKind kind : kKinds) redrawRow(kind);
    repaint(rows_.paintConnection(variationSystem() ? Connection::System : Connection::Insertion));
}

void EffectEditor::showRestored(const image::StepScope& scope) {
    if (scope.system)
        for (const auto& [area, knob] : kToolKnobs)
            repaint(tools_.paintKnob(image_.system, knob, false));
    for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus})
        if (scope.effect(kind)) redrawRow(kind);
    // The variation row brings its connection along: the strips' sends follow it. Nothing
    // goes to the module here; the undo has sent the block already.
    if (scope.effect(EffectKind::Variation)) applyConnection();
}

void EffectEditor::reset() {
    if (dragging()) finishDrag();
    hidePopupLists();
    image::resetEffects(image_);
    image_.system = image::SystemBlock{};
    types_.restart();
    applyConnection();
    redrawAll();
}

void EffectEditor::showLoaded() {
    {
        const TypeMemory::KeepStoredBlocks loading(types_);
        for (EffectKind kind : kKinds) {
            // The type change loads the type's stored block; that must be the loaded one.
            types_.storeCurrent(kind);
            showType(kind, types_.current(kind));
        }
    }
    types_.restart();
    applyConnection();
    redrawAll();
}

void EffectEditor::showThruNotice(const std::string& text) {
    if (dragging() || !attached_) return;
    const int x =
        std::clamp(tool::kThruLed.left - kStatusWidth / 2, 0, editor::kSurfaceWidth - kStatusWidth);
    repaint(status_.show(surface_.canvas(), x, tool::kThruLed.bottom + 4, kStatusWidth, "MIDI Thru",
                         text));
}

void EffectEditor::hideThruNotice() {
    if (!dragging()) hideStatus();
}

void EffectEditor::setThru(bool on) {
    thru_ = on;
    repaint(tools_.paintThruLed(on));
}

bool EffectEditor::variationSystem() const {
    return connectionOf(image_) == Connection::System;
}

HitRect EffectEditor::slotRect(EffectKind kind, int slot) const {
    if (slot < 1 || slot > slotCount(kind)) return {kHiddenLeft, 0, 0, 0};
    return slotRects_[rowOf(kind)][static_cast<std::size_t>(slot)];
}

EffectSlot EffectEditor::slot(EffectKind kind, int slot) const {
    return effectSlot(kind, types_.current(kind), slot,
                      variationSystem() ? Connection::System : Connection::Insertion);
}

// ---- Type changes -------------------------------------------------------------------------

void EffectEditor::showType(EffectKind kind, int type) {
    const image::Byte connection = image_.variation.current[kConnectionIndex];
    if (!types_.changeType(kind, type)) return;
    // The stored block of a type was saved under whatever connection was active then; the
    // connection is the editor's, not the type's, so it stays what the screen shows.
    if (kind == EffectKind::Variation && !types_.keepingStoredBlocks())
        image_.variation.current[kConnectionIndex] = connection;
    redrawRow(kind);
}

void EffectEditor::redrawRow(EffectKind kind) {
    const auto values = block(kind);
    for (int s = 1; s <= slotCount(kind); ++s) {
        const EffectSlot es = slot(kind, s);
        const bool visible = es.visible() && !es.record.empty();
        HitRect r = knobRect(kind, s);
        if (!visible) r.left = kHiddenLeft; // no click finds a hidden knob
        slotRects_[rowOf(kind)][static_cast<std::size_t>(s)] = r;
        repaint(rows_.paintKnob(kind, s, visible, readSlotValue(values, es.record),
                                es.record.minimum, es.record.maximum, false));
        repaint(rows_.paintLabel(kind, s, visible ? es.label : std::string_view{}));
    }
    const int type = types_.current(kind);
    repaint(rows_.paintHeader(kind, type, type != 0));
}

void EffectEditor::SetVariationConnection(bool system) {
    const Connection wanted = system ? Connection::System : Connection::Insertion;
    if (!effects::SetVariationConnection(image_, messages_, wanted)) return;
    applyConnection();
}

void EffectEditor::applyConnection() {
    const bool system = variationSystem();
    repaint(rows_.paintConnection(system ? Connection::System : Connection::Insertion));
    surface_.setInsertionMode(!system);
    RedrawVariationSends();
    redrawRow(EffectKind::Variation);
}

void EffectEditor::RedrawVariationSends() {
    surface_.redrawVariationSends();
}

void EffectEditor::sendBlock(EffectKind kind) {
    switch (kind) {
    case EffectKind::Reverb:
        messages_.SendReverb();
        break;
    case EffectKind::Chorus:
        messages_.SendChorus();
        break;
    case EffectKind::Variation:
        messages_.SendVariation();
        break;
    }
}

// ---- Presses ------------------------------------------------------------------------------

void EffectEditor::press(editor::MouseButton button, editor::Modifiers, int x, int y) {
    if (button == editor::MouseButton::Middle) return;
    // A press during a drag belongs to it (the right button: fine mode).
    if (engine_.press(button, x, y)) return;
    if (pressHotArea(x, y) || pressToolArea(x, y)) return;
    pressKnob(x, y);
}

bool EffectEditor::pressHotArea(int x, int y) {
    if (kInsButton.contains(x, y)) {
        SetVariationConnection(false);
        return true;
    }
    if (kSysButton.contains(x, y)) {
        SetVariationConnection(true);
        return true;
    }
    for (EffectKind kind : kKinds) {
        if (listButtonRect(kind).contains(x, y)) {
            openTypeList(kind);
            return true;
        }
    }
    for (EffectKind kind : kKinds) {
        if (ledRect(kind).contains(x, y)) {
            clickLed(kind);
            return true;
        }
    }
    return false;
}

void EffectEditor::showToolButton(ToolArea area, bool pressed) {
    repaint(tools_.paintPanelButton(area, pressed));
}

bool EffectEditor::pressToolArea(int x, int y) {
    const ToolArea area = findToolArea(x, y);
    switch (area) {
    case ToolArea::None:
        return false;
    case ToolArea::MasterTune:
    case ToolArea::MasterVolume:
    case ToolArea::Transpose:
        for (const auto& [knobArea, knob] : kToolKnobs)
            if (knobArea == area) pressSystemKnob(knob, x, y);
        return true;
    case ToolArea::VoiceEditor:
        clickVoiceEditor();
        return true;
    case ToolArea::ThruLed:
        toggleThru();
        return true;
    case ToolArea::About:
        if (hooks_) hooks_->showAbout();
        return true;
    case ToolArea::VirtualKeyboard:
        if (hooks_) hooks_->toggleVirtualKeyboard();
        return true;
    case ToolArea::DrumEditor:
        if (hooks_) hooks_->toggleDrumEditor();
        return true;
    case ToolArea::KeyboardRange:
        if (hooks_) hooks_->toggleKeyboardRange();
        return true;
    }
    return false;
}

bool EffectEditor::pressKnob(int x, int y) {
    for (EffectKind kind : kKinds) {
        for (int s = 1; s <= slotCount(kind); ++s) {
            if (!slotRects_[rowOf(kind)][static_cast<std::size_t>(s)].contains(x, y)) continue;
            const EffectSlot es = slot(kind, s);
            if (es.record.empty()) return false;
            active_ = ActiveSlot{};
            active_.area = kind == EffectKind::Reverb   ? DragArea::Reverb
                           : kind == EffectKind::Chorus ? DragArea::Chorus
                                                        : DragArea::Variation;
            active_.kind = kind;
            active_.slot = s;
            active_.record = es.record;
            startDrag(es.record.minimum, es.record.maximum, x, y);
            return true;
        }
    }
    return false;
}

void EffectEditor::pressSystemKnob(SystemKnob knob, int x, int y) {
    const SystemKnobInfo& info = systemKnobInfo(knob);
    active_ = ActiveSlot{};
    active_.area = DragArea::System;
    active_.knob = knob;
    startDrag(info.minimum, info.maximum, x, y);
}

void EffectEditor::clickLed(EffectKind kind) {
    if (types_.current(kind) != 0) {
        types_.rememberCurrent(kind);
        showType(kind, 0);
        messages_.SendEffectType(blockAddress(kind), 0, 0);
        return;
    }
    showType(kind, types_.last(kind));
    // The whole block, so that the module plays the restored parameters and not the
    // defaults its type code alone would bring.
    sendBlock(kind);
    if (kind == EffectKind::Variation && !variationSystem()) RedrawVariationSends();
}

void EffectEditor::openTypeList(EffectKind kind) {
    std::vector<std::string> items;
    for (const auto& type : image::effectTypes(kind)) items.emplace_back(type.name);
    const int height =
        std::min(static_cast<int>(items.size()) * kListItemHeight + 4, kListMaxHeight);
    const int y = std::max(2, listButtonRect(kind).bottom - height);
    openList_ = listOf(kind);
    host_.showPopupList(*openList_, kTypeListX, y, kTypeListWidth, height, items,
                        types_.current(kind));
}

void EffectEditor::popupListClicked(editor::PopupList list, int item, bool) {
    const auto it = std::find_if(kKinds.begin(), kKinds.end(),
                                 [list](EffectKind kind) { return listOf(kind) == list; });
    if (it == kKinds.end()) return;
    const EffectKind kind = *it;
    hidePopupLists();
    if (item < 0 || item >= TypeMemory::typeCount(kind)) return;
    types_.rememberCurrent(kind);
    showType(kind, item);
    sendBlock(kind);
    if (kind == EffectKind::Variation && !variationSystem()) RedrawVariationSends();
}

void EffectEditor::hidePopupLists() {
    if (!openList_) return;
    host_.hidePopupList(*openList_);
    openList_.reset();
}

void EffectEditor::clickVoiceEditor() {
    const int part = std::clamp(surface_.currentPart(), 0, image::kPartCount - 1);
    const bool userVoice = image_.hasUserVoice(part) ||
                           image_.part(part, image::offset::kBankMsb) == image::kBankQsUserVoice;
    if (!userVoice) {
        repaint(tools_.paintVoiceButton(true));
        host_.showMessage(kNoUserVoiceMessage);
        repaint(tools_.paintVoiceButton(false));
        return;
    }
    if (hooks_) hooks_->openVoiceEditor(part);
}

void EffectEditor::toggleThru() {
    setThru(!thru_);
    if (!thru_) {
        // Notes passed through so far would otherwise hang.
        const int part = std::clamp(surface_.currentPart(), 0, image::kPartCount - 1);
        const int channel = image_.part(part, image::offset::kReceiveChannel);
        if (channel < 16) port_.AllNotesOff(channel);
    }
    if (hooks_) hooks_->thruChanged(thru_);
}

// ---- Knob drags ---------------------------------------------------------------------------

void EffectEditor::startDrag(int minimum, int maximum, int x, int y) {
    showStatus();
    engine_.begin(knobDragSetup(minimum, maximum), *this, x, y);
    redrawActive(true);
}

void EffectEditor::move(editor::Modifiers modifiers, int x, int y) {
    const int old = activeValue();
    if (!engine_.move(modifiers, x, y) || activeValue() == old) return;
    sendActive();
    // A message box about the output may have ended the drag meanwhile.
    if (!dragging()) return;
    hideStatus();
    redrawActive(true);
    showStatus();
}

void EffectEditor::release(editor::MouseButton button, editor::Modifiers, int x, int y) {
    if (engine_.release(button, x, y)) finishDrag();
}

void EffectEditor::endDrag() {
    if (dragging()) finishDrag();
}

void EffectEditor::finishDrag() {
    hideStatus();
    redrawActive(false);
    active_ = ActiveSlot{};
    engine_.finish();
}

int EffectEditor::dragValue(editor::DragAxis) const {
    return activeValue();
}

void EffectEditor::storeDragValue(editor::DragAxis, int value) {
    storeActive(value);
}

int EffectEditor::activeValue() const {
    if (active_.area == DragArea::None) return 0;
    if (active_.area == DragArea::System) return systemKnobValue(image_.system, active_.knob);
    return readSlotValue(block(active_.kind), active_.record);
}

void EffectEditor::storeActive(int value) {
    if (active_.area == DragArea::None) return;
    if (active_.area == DragArea::System)
        storeSystemKnob(image_.system, active_.knob, value);
    else
        writeSlotValue(block(active_.kind), active_.record, value);
}

void EffectEditor::sendActive() {
    if (active_.area == DragArea::System) {
        sendSystemKnob(messages_, image_.system, active_.knob);
        return;
    }
    const auto values = block(active_.kind);
    const int index = active_.record.index;
    const int address = xgLowAddress(active_.kind, index);
    if (address < 0) return;
    const auto at = [&](int i) { return values[static_cast<std::size_t>(i)]; };
    if (active_.record.twoByte)
        messages_.SendEffectType(static_cast<image::Byte>(address), at(index), at(index + 1));
    else
        messages_.SendEffectParam(static_cast<image::Byte>(address), at(index));
    // The part the variation is inserted into decides which strip's sends read as active.
    if (active_.kind == EffectKind::Variation && index == kInsertionPartIndex)
        RedrawVariationSends();
}

void EffectEditor::redrawActive(bool active) {
    if (active_.area == DragArea::System) {
        repaint(tools_.paintKnob(image_.system, active_.knob, active));
        return;
    }
    if (active_.area == DragArea::None) return;
    const SlotRecord& r = active_.record;
    repaint(rows_.paintKnob(active_.kind, active_.slot, true, activeValue(), r.minimum, r.maximum,
                            active));
}

void EffectEditor::showStatus() {
    std::string title;
    std::string value;
    int x = 0;
    int y = 0;
    if (active_.area == DragArea::System) {
        const SystemKnobInfo& info = systemKnobInfo(active_.knob);
        title = std::string(info.title);
        value = systemKnobText(active_.knob, activeValue());
        x = info.rect.left - kStatusWidth / 2;
        y = kSystemStatusY;
    } else {
        title = std::string(active_.record.title);
        value = formatEffectValue(active_.record.form, activeValue());
        const HitRect r = knobRect(active_.kind, active_.slot);
        x = r.left - kStatusWidth / 2 + kKnobSize / 2;
        y = rowGeometry(active_.kind).headerY - kStatusHeight - 1;
    }
    x = std::clamp(x, 0, editor::kSurfaceWidth - kStatusWidth);
    repaint(status_.show(surface_.canvas(), x, y, kStatusWidth, title, value));
}

void EffectEditor::hideStatus() {
    repaint(status_.hide(surface_.canvas()));
}

void EffectEditor::repaint(const HitRect& area) {
    if (area.left <= area.right && area.top <= area.bottom) host_.repaint(area);
}

std::vector<editor::NamedArea> EffectEditor::hitAreas() const {
    // In the order press() tests them.
    std::vector<editor::NamedArea> areas{{kInsAreaName, kInsButton}, {kSysAreaName, kSysButton}};
    for (EffectKind kind : kKinds) areas.push_back({typeListAreaName(kind), listButtonRect(kind)});
    for (EffectKind kind : kKinds) areas.push_back({ledAreaName(kind), ledRect(kind)});
    for (const ToolAreaEntry& tool : toolAreas())
        areas.push_back({toolAreaName(tool.area), pressableToolRect(tool.rect)});
    for (EffectKind kind : kKinds)
        for (int s = 1; s <= slotCount(kind); ++s) {
            const HitRect r = slotRect(kind, s);
            if (r.left > r.right) continue;
            areas.push_back({knobAreaName(kind, s), r});
        }
    return areas;
}

std::span<image::Byte> EffectEditor::block(EffectKind kind) {
    switch (kind) {
    case EffectKind::Reverb:
        return image_.reverb.current;
    case EffectKind::Chorus:
        return image_.chorus.current;
    case EffectKind::Variation:
        break;
    }
    return image_.variation.current;
}

std::span<const image::Byte> EffectEditor::block(EffectKind kind) const {
    return const_cast<EffectEditor*>(this)->block(kind);
}

} // namespace effects
