#pragma once
// The effect editor: the reverb, chorus and variation rows in the lower third of the
// editor surface and the tool strip at its top right. It receives the presses no part
// control claims (as the part editor's effect hook), keeps the type memory, the variation
// connection and the knob drags, and sends every change at once.

#include "editor/drag_engine.h"
#include "editor/part_editor.h"
#include "editor/status_field.h"
#include "editor/surface_host.h"
#include "effects/effect_knob_drag.h"
#include "effects/effect_rows_painter.h"
#include "effects/effect_slot_lookup.h"
#include "effects/system_knobs.h"
#include "effects/tool_strip.h"
#include "effects/tool_strip_hooks.h"
#include "effects/type_memory.h"
#include "image/synth_image.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace effects {

// The type lists (`ListBox1`..`ListBox3`).
inline constexpr editor::PopupList kReverbList = editor::PopupList::ReverbTypes;
inline constexpr editor::PopupList kChorusList = editor::PopupList::ChorusTypes;
inline constexpr editor::PopupList kVariationList = editor::PopupList::VariationTypes;
inline constexpr int kTypeListX = 584;
inline constexpr int kTypeListWidth = 110;

inline constexpr const char* kNoUserVoiceMessage = "No QS300 Voice For This Part Selected !";

class EffectEditor final : public editor::EffectHook, private editor::DragTarget {
  public:
    EffectEditor(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
                 editor::PartEditor& surface, editor::SurfaceHost& host);
    ~EffectEditor() override;
    EffectEditor(const EffectEditor&) = delete;
    EffectEditor& operator=(const EffectEditor&) = delete;

    // The shell's side of the tool strip; may be null (then those areas do nothing).
    void setHooks(ToolStripHooks* hooks) { hooks_ = hooks; }

    // Becomes the surface's effect hook, applies the connection and paints.
    void show();
    // Paints the rows and the tool strip from the image.
    void redrawAll();
    // After the full reset of the image: type memory from the built-in defaults, "INS",
    // Hall 1 / Chorus 1 / Delay L-C-R, master tune 1024, volume 127, transpose 64.
    void reset();
    // After a file load: the loaded blocks are shown as they are (no type saving) and the
    // connection follows the loaded variation block.
    void showLoaded();

    // The tool strip's button of a screen the shell opens, drawn pressed while it is open.
    void showToolButton(ToolArea area, bool pressed);

    void setThru(bool on);
    bool thru() const { return thru_; }
    // A notice about MIDI thru in the status field under the thru LED; a knob drag's own
    // status takes the field back.
    void showThruNotice(const std::string& text);
    void hideThruNotice();

    // Type changes of the rows; an index outside a row's list is ignored.
    void ShowReverb(int type) { showType(image::EffectKind::Reverb, type); }
    void ShowChorus(int type) { showType(image::EffectKind::Chorus, type); }
    void ShowVariation(int type) { showType(image::EffectKind::Variation, type); }
    void SetVariationConnection(bool system);
    void RedrawVariationSends();

    TypeMemory& typeMemory() { return types_; }
    const TypeMemory& typeMemory() const { return types_; }
    bool variationSystem() const;
    // Hit rectangle of a knob slot (left 1000 while the slot is hidden).
    HitRect slotRect(image::EffectKind kind, int slot) const;
    // The slot as the current type and connection show it.
    EffectSlot slot(image::EffectKind kind, int slot) const;
    const editor::DragEngine& knobDrag() const { return engine_; }

    // ---- editor::EffectHook ----
    void press(editor::MouseButton button, editor::Modifiers modifiers, int x, int y) override;
    void move(editor::Modifiers modifiers, int x, int y) override;
    void release(editor::MouseButton button, editor::Modifiers modifiers, int x, int y) override;
    bool dragging() const override { return engine_.active(); }
    void endDrag() override;
    void popupListClicked(editor::PopupList list, int item, bool doubleClick) override;
    void hidePopupLists() override;
    void surfaceRepainted() override;
    // The rows and system knobs the step changed; a restored type shows its own knobs.
    void showRestored(const image::StepScope& scope) override;
    std::vector<editor::NamedArea> hitAreas() const override;

  private:
    enum class DragArea { None = 0, Reverb = 3, Chorus = 4, Variation = 5, System = 6 };
    struct ActiveSlot {
        DragArea area = DragArea::None;
        image::EffectKind kind = image::EffectKind::Reverb;
        int slot = 0;
        SlotRecord record{};
        SystemKnob knob = SystemKnob::MasterTune;
    };

    bool pressHotArea(int x, int y);
    bool pressToolArea(int x, int y);
    bool pressKnob(int x, int y);
    void pressSystemKnob(SystemKnob knob, int x, int y);
    void clickLed(image::EffectKind kind);
    void openTypeList(image::EffectKind kind);
    void clickVoiceEditor();
    void toggleThru();
    void startDrag(int minimum, int maximum, int x, int y);
    void finishDrag();

    // ---- editor::DragTarget: the knob being dragged ----
    int dragValue(editor::DragAxis axis) const override;
    void storeDragValue(editor::DragAxis axis, int value) override;

    void showType(image::EffectKind kind, int type);
    void redrawRow(image::EffectKind kind);
    void applyConnection();
    void sendBlock(image::EffectKind kind);

    int activeValue() const;
    void storeActive(int value);
    void sendActive();
    void redrawActive(bool active);
    void showStatus();
    void hideStatus();
    void repaint(const HitRect& area);

    std::span<image::Byte> block(image::EffectKind kind);
    std::span<const image::Byte> block(image::EffectKind kind) const;

    image::SynthImage& image_;
    midi::XgMessages& messages_;
    midi::MidiPort& port_;
    editor::PartEditor& surface_;
    editor::SurfaceHost& host_;
    ToolStripHooks* hooks_ = nullptr;
    bool attached_ = false;

    TypeMemory types_;
    EffectRowsPainter rows_;
    ToolStripPainter tools_;
    editor::StatusField status_;
    editor::DragEngine engine_;
    ActiveSlot active_;
    std::array<std::array<HitRect, kVariationSlotCount + 1>, 3> slotRects_{};
    std::optional<editor::PopupList> openList_;
    bool thru_ = true;
};

} // namespace effects
