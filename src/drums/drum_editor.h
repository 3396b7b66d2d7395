#pragma once
// The drum setup editor (`Panel2`, painted on `P2Ig2`): the two user drum setups, each on
// one of eleven kits, edited key by key. A key is picked on the painted keyboard, in the
// key list or by playing it on the MIDI input; every knob step, handle drag and button
// press is stored in the active setup's drum table of the image and sent at once as a
// drum parameter change.
//
// The editor works on the image's table of the active setup directly, so a file saved
// while the panel is open already holds every edit.

#include "draw/canvas.h"
#include "drums/drum_envelope_graph.h"
#include "drums/drum_panel_painter.h"
#include "editor/drag_engine.h"
#include "editor/screen.h"
#include "image/synth_image.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <QImage>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace drums {

inline constexpr editor::PopupList kKeyList = editor::PopupList::DrumKeys;   // `ListBoxP1`
inline constexpr editor::PopupList kKitList1 = editor::PopupList::DrumKits1; // `ListBoxP2`
inline constexpr editor::PopupList kKitList2 = editor::PopupList::DrumKits2; // `ListBoxP3`

// The velocity of the notes the editor plays itself.
inline constexpr int kPreviewVelocity = 63;

// Asks the user whether a normal part shall play a drum setup: 0 no, 2 setup 1, 3 setup 2.
class DrumPartChooser {
  public:
    virtual ~DrumPartChooser() = default;
    virtual int chooseDrumPart(const std::string& setup1Voice, const std::string& setup2Voice) = 0;
};

class DrumEditor final : public editor::Screen, private editor::DragTarget {
  public:
    DrumEditor(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
               editor::SurfaceHost& host);
    ~DrumEditor() override;
    DrumEditor(const DrumEditor&) = delete;
    DrumEditor& operator=(const DrumEditor&) = delete;

    // Asked before a normal part becomes a drum part; without one the panel stays closed.
    void setPartChooser(DrumPartChooser* chooser) { chooser_ = chooser; }
    // A part's bank, program or mode changed here: its column needs painting again.
    void setPartChanged(std::function<void(int part)> changed) {
        partChanged_ = std::move(changed);
    }
    // The panel wants to be closed (its part no longer plays a drum setup).
    void setCloseRequest(std::function<void()> close) { closeRequest_ = std::move(close); }

    // `ShowDrumEditor` before the panel opens: turns a normal current part into a drum part
    // if the user agrees, then makes the part's setup the active one. False: stay closed.
    bool ShowDrumEditor();
    // `ListBoxP2`/`ListBoxP3` (setup 1 or 2): the kit's reference values into the setup,
    // the setup active, its first key selected and every part of the setup on the kit.
    void SelectDrumKit(int setup, int listIndex);
    // `ListBoxP1`: the key of a list entry, played briefly.
    void SelectDrumKey(int listIndex);
    // A note from the MIDI input or a program: selected without sounding.
    void SelectDrumNote(int note);
    void SwitchDrumSetup(int setup);
    void RedrawDrumKey();
    // A note on with velocity above 0 from the MIDI input while the panel is shown.
    void noteOnReceived(int note);
    // After drum setups were loaded into the image: both setups show the kits the image
    // names and the tables it holds, without resetting them.
    void showImageKits();
    // After the full reset: both setups on the Standard Kit.
    void reset();
    // The current part stopped playing a drum setup: the panel closes.
    void partLeftDrumSetup();

    int activeSetup() const { return active_; }
    int kitIndex(int setup) const;
    int record() const { return record_; }
    int selectedNote() const { return note_; }
    int keyListIndex() const { return keyIndex_; }
    const std::string& keyLabel() const { return label_; }
    const std::vector<std::string>& keyNames() const { return keyNames_; }
    // "D1:" or "D2:" and the setup's kit.
    std::string drumVoiceName(int setup) const;
    bool visible() const { return shown_; }

    // ---- editor::Screen (`DrumMouseDown`, `DrumMouseMove`, `DrumMouseUp`) ----
    const QImage& image() const override { return picture_; }
    void redrawAll() override;
    // The kits follow the image even while the panel is hidden; the shown key's values are
    // painted again when the step changed them, and a step on one other key of the shown
    // setup shows that key.
    void showRestored(const image::StepScope& scope) override;
    void setKnobScheme(draw::KnobScheme scheme) override { canvas_.setKnobScheme(scheme); }
    void mouseDown(editor::MouseButton button, editor::Modifiers modifiers, int x, int y) override;
    void mouseMove(editor::Modifiers modifiers, int x, int y) override;
    void mouseUp(editor::MouseButton button, editor::Modifiers modifiers, int x, int y) override;
    void popupListClicked(editor::PopupList list, int item, bool doubleClick) override;
    void shown() override;
    void hidden() override;
    bool dragging() const override { return engine_.active(); }
    void endDrag() override;
    std::vector<editor::NamedArea> hitAreas() const override;
    draw::Canvas& canvas() { return canvas_; }

  private:
    enum class Sound { Silent, HoldUntilRelease, Blip };

    image::DrumTable& table();
    image::DrumSlot* key();
    int kitNumber(int setup) const;
    int noteOfRecord() const;
    int firstKeyNote() const;
    int listIndexOfNote(int note) const;
    void select(int note, int listIndex, Sound sound);
    void clearSelection();
    void activate(int setup);
    void setPartToKit(int part, int setup);
    void stopSounding();
    void play(int note);
    void showLists();
    void repaint();

    // ---- pressing and dragging ----
    int areaAt(int x, int y) const;
    void pressArea(editor::MouseButton button, int area, int x, int y);
    void toggleButton(int area);
    void beginDrag(int area, int x, int y);
    void applyDrag();
    void finishDrag();
    void redrawDragged(bool active);
    int dragValue(editor::DragAxis axis) const override;
    void storeDragValue(editor::DragAxis axis, int value) override;
    int dragByte(editor::DragAxis axis) const;
    void send(int keyByte);

    image::SynthImage& image_;
    midi::XgMessages& messages_;
    midi::MidiPort& port_;
    editor::SurfaceHost& host_;
    DrumPartChooser* chooser_ = nullptr;
    std::function<void(int)> partChanged_;
    std::function<void()> closeRequest_;

    QImage picture_;
    draw::Canvas canvas_;
    DrumPanelPainter painter_;
    editor::DragEngine engine_;

    int active_ = 1;                // 1 or 2
    std::array<int, 2> kits_{0, 0}; // kit list positions of both setups
    std::vector<std::string> keyNames_;
    int record_ = -1;   // slot of the selected key in the active kit, -1 none
    int note_ = 0;      // the selected key's note, 0 none
    int keyIndex_ = -1; // its key list entry
    std::string label_;
    int sounding_ = 0;                   // the note the editor plays, 0 none
    int dragArea_ = 0;                   // 1..13 knob, 18..20 envelope handle, 21 filter
    std::array<int, 2> dragged_{-1, -1}; // key bytes changed by the last drag step
    EnvelopeHandles handles_{};
    editor::PointerShape pointerShape_ = editor::PointerShape::Default;
    bool shown_ = false;
};

} // namespace drums
