#pragma once
// The QS300 voice editor: the painted surface `P3Ig2` of `Panel3`, 792 x 554, laid over
// the whole editor surface while a part's user voice is edited. A press picks a control
// from the screen's own tables, a drag changes the byte through the shared drag engine,
// and the release sends the whole voice. The template and wave lists and the name field
// pop up over it.

#include "draw/drawn_controls.h"
#include "editor/drag_engine.h"
#include "editor/screen.h"
#include "editor/surface_host.h"
#include "image/synth_image.h"
#include "midi/midi_port.h"
#include "midi/qs_voice_edit.h"
#include "midi/xg_messages.h"
#include "qs300/voice_editor_layout.h"
#include "qs300/voice_graphs.h"

#include <QImage>

#include <array>
#include <bitset>
#include <optional>
#include <string>

namespace qs300 {

// What the voice editor asks of the window beyond the surface host.
class VoiceEditorHooks {
  public:
    virtual ~VoiceEditorHooks() = default;
    // "EXIT": the voice is stored in the part; the window hides the panel, shows the
    // part's new voice and makes `partAtOpen` current again.
    virtual void voiceEditorClosed(int /*part*/, int /*partAtOpen*/) {}
    // The voice name field (`Edit1`): shown over the surface with the name, or hidden.
    virtual void showNameField(const HitRect& /*area*/, const std::string& /*name*/) {}
    virtual void hideNameField() {}
    // "RANDOM", "COPY" and "SCAN ": the window runs the command's dialog.
    virtual void elementAidRequested(Command /*command*/) {}
};

inline constexpr editor::PopupList kAmpTemplateList = editor::PopupList::AmpEgTemplates;
inline constexpr editor::PopupList kPitchTemplateList = editor::PopupList::PitchEgTemplates;
inline constexpr editor::PopupList kFilterTemplateList = editor::PopupList::FilterEgTemplates;
inline constexpr editor::PopupList kWaveCategoryList = editor::PopupList::WaveCategories;
inline constexpr editor::PopupList kWaveList = editor::PopupList::Waves;

class VoiceEditor final : public editor::Screen, private editor::DragTarget {
  public:
    VoiceEditor(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
                editor::SurfaceHost& host);
    ~VoiceEditor() override;
    VoiceEditor(const VoiceEditor&) = delete;
    VoiceEditor& operator=(const VoiceEditor&) = delete;

    void setHooks(VoiceEditorHooks* hooks) { hooks_ = hooks; }
    // "Auto EG Data" shows the envelope values in the strip while an envelope point moves;
    // the keyboard plays with the virtual keyboard's velocity.
    void setAutoEgData(bool on) { autoEgData_ = on; }
    void setVelocity(int velocity) { velocity_ = velocity; }
    // Keeps a record of the controls drawn from now on (null stops it), so that the picture
    // can be checked against the hit rectangles.
    void setDrawnControls(draw::DrawnControls* record) { drawn_ = record; }

    // Opens the editor on the current part's user voice (or the first part of its pair).
    // Returns false for a part without a user voice of its own.
    bool open(int currentPart);
    bool isOpen() const { return edit_.isOpen(); }
    // "EXIT": the voice compacted, stored in the part, the window told.
    void exit();
    // "&Initialize Element ...", after the user confirmed it.
    void initializeElement();
    // A send waits for the module: presses and sending commands must wait.
    bool busy() const { return edit_.sending(); }

    midi::QsVoiceEdit& edit() { return edit_; }
    const midi::QsVoiceEdit& edit() const { return edit_; }
    int currentElement() const { return edit_.currentElement(); }
    bool egDataShown() const { return egData_; }
    // The status line's text ("left|right" while two values show).
    const std::string& statusText() const { return status_; }
    // Where graph point 0..25 answers a press now (handles follow their values).
    HitRect pointRect(int entry) const;
    // Where the low (even) or high (odd) end of element e's range, 2e or 2e + 1, lies now.
    HitRect rangeHandle(int handle) const {
        return rangeHandles_[static_cast<std::size_t>(handle & 7)];
    }

    // The name field (`Edit1`): a key typed at `caret` in `text`, and the field's end.
    static char nameFieldKey(char typed, int caret, int length);
    void nameFieldDone(const std::string& text);

    // `P3Ig2MouseDown`, `P3Ig2MouseMove`, `P3Ig2MouseUp`.
    void P3Ig2MouseDown(editor::MouseButton button, editor::Modifiers modifiers, int x, int y);
    void P3Ig2MouseMove(editor::Modifiers modifiers, int x, int y);
    void P3Ig2MouseUp(editor::MouseButton button, editor::Modifiers modifiers, int x, int y);

    // ---- editor::Screen ----
    const QImage& image() const override { return image_; }
    void redrawAll() override;
    // The element the step changed becomes the current one and the voice is painted again.
    void showRestored(const image::StepScope& scope) override;
    void mouseDown(editor::MouseButton b, editor::Modifiers m, int x, int y) override {
        P3Ig2MouseDown(b, m, x, y);
    }
    void mouseMove(editor::Modifiers m, int x, int y) override { P3Ig2MouseMove(m, x, y); }
    void mouseUp(editor::MouseButton b, editor::Modifiers m, int x, int y) override {
        P3Ig2MouseUp(b, m, x, y);
    }
    void popupListClicked(editor::PopupList list, int item, bool doubleClick) override;
    void popupListRightPressed(editor::PopupList list, int item) override;
    void hidePopupLists() override;
    // The panel was closed without "EXIT" (the module was reset): the edit is dropped.
    void hidden() override;
    void setKnobScheme(draw::KnobScheme scheme) override;
    bool dragging() const override { return engine_.active() || rangeDrag_ >= 0; }
    void endDrag() override;
    std::vector<editor::NamedArea> hitAreas() const override;

  private:
    enum class DragKind { None, Strip, Overall, Mix, Knob, Point, Range };
    struct ActiveDrag {
        DragKind kind = DragKind::None;
        ParamRow row{};  // single values
        int element = 0; // the element the bytes belong to
        int point = -1;  // graph point 0..25
        std::optional<VoiceParam> horizontal;
        std::optional<VoiceParam> vertical;
    };

    // ---- presses (voice_editor_press.cpp) ----
    bool pressSwitch(int x, int y);
    bool pressCommand(int x, int y);
    bool pressDragTables(int x, int y);
    bool pressRange(editor::MouseButton button, int x, int y);
    void startSingle(DragKind kind, const ParamRow& row, int element, int x, int y);
    void startPoint(int point, int x, int y);
    void applySwitch(const SwitchEntry& entry);
    void selectElement(int element);
    void finishDrag(bool send);

    // ---- the bytes ----
    int valueOf(const VoiceParam& p, int element) const;
    void store(const VoiceParam& p, int element, int value);
    int dragValue(editor::DragAxis axis) const override;
    void storeDragValue(editor::DragAxis axis, int value) override;
    void send();

    // ---- painting (voice_editor_paint.cpp) ----
    void paintStatic();
    void paintValues();
    void paintAfterChange(const VoiceParam& p, int element, bool withGraph);
    // After an undo of bytes of the shown element only: their controls and the graphs.
    void paintRestoredElement(int element, const std::bitset<image::kVoiceElementSize>& bytes);
    void paintKnobRow(const ParamRow& row, int element, bool active, bool caption);
    void paintMixCell(int element, int row, bool active);
    void paintStrip();
    void paintStripCell(int index, bool active);
    void paintTabs();
    void paintLeds();
    void paintElementRows();
    void paintFader(int element, bool active);
    void paintSwitchGroups();
    void paintCommands();
    void paintName();
    void paintStatus();
    void paintStatus(const std::string& left, const std::string& right);
    void paintGraphs();
    void paintEnvelopes();
    void paintLfos();
    void paintRanges();
    void repaintAll();
    void repaint(const HitRect& area);

    // ---- lists and name (voice_editor_lists.cpp) ----
    void openTemplates(SwitchKind kind);
    void applyTemplate(editor::PopupList list, int item);
    void openWaves(int element);
    void showWaveList(int category, int selected);
    void applyWave(int item);

    image::SynthImage& image_data_;
    midi::XgMessages& messages_;
    midi::MidiPort& port_;
    editor::SurfaceHost& host_;
    VoiceEditorHooks* hooks_ = nullptr;
    midi::QsVoiceEdit edit_;
    editor::DragEngine engine_;
    QImage image_;

    ActiveDrag drag_;
    std::array<VoiceParam, 2> changed_{}; // the values the last move changed
    int changedCount_ = 0;
    bool ready_ = true;
    bool autoEgData_ = true;
    bool egData_ = false;       // the strip shows the envelope values
    bool egDataPinned_ = false; // chosen with "EG DATA"
    bool egDataForDrag_ = false;
    int velocity_ = 64;
    std::string status_ = "Parameter";
    std::optional<Command> pressedCommand_;
    std::optional<SwitchEntry> pressedSwitch_;
    int pressedPreset_ = -1;
    // Graph handles as last drawn: entries 0..21 of the graph point table.
    std::array<HitRect, 22> pointRects_{};
    std::array<HitRect, 8> rangeHandles_{};
    int rangeDrag_ = -1;
    std::optional<int> sounding_;
    std::optional<int> played_;
    std::optional<editor::PointerShape> shownShape_;
    std::optional<int> markedNote_;
    // Lists: the envelope before a template list opened, the wave list shown.
    std::array<image::Byte, 9> userEg_{};
    std::optional<editor::PopupList> openTemplate_;
    int waveCategory_ = -1;
    bool nameFieldShown_ = false;
    draw::DrawnControls* drawn_ = nullptr;
    draw::KnobScheme knobScheme_ = draw::KnobScheme::Yellow;
};

} // namespace qs300
