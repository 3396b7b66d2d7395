#pragma once
// The behaviour of the part editor surface: presses, drags with the value square, fine
// mode, axis locks, keyboard navigation, part switching, the status field and the road of
// every edit into the image and out to the module. Events arrive in surface coordinates;
// the host does what only the window can (the virtual pointer, repaints, pop-up lists).

#include "editor/drag_engine.h"
#include "editor/drag_state.h"
#include "editor/hit_tables.h"
#include "editor/part_controls.h"
#include "editor/part_drag_setup.h"
#include "editor/part_values.h"
#include "editor/screen.h"
#include "editor/surface_host.h"
#include "editor/surface_view.h"
#include "editor/voice_list_hook.h"
#include "image/synth_image.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <QImage>

#include <functional>

namespace editor {

class EffectHook;

class SurfaceController {
  public:
    SurfaceController(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
                      SurfaceHost& host);

    const QImage& surface() const { return view_.image(); }
    draw::Canvas& canvas() { return view_.canvas(); }

    void show();
    void redrawAll();
    void showRestored(const image::StepScope& scope);

    void mouseDown(MouseButton button, Modifiers modifiers, int x, int y);
    void mouseMove(Modifiers modifiers, int x, int y);
    void mouseUp(MouseButton button, Modifiers modifiers, int x, int y);
    void keyDown(ArrowKey key);
    void popupListClicked(PopupList list, int item, bool doubleClick);
    void popupListRightPressed(PopupList list, int item);
    void hidePopupLists() { hidePopups(); }
    // A message box is about to take the mouse: the running drag, ours or the effect
    // editor's, ends as the left release would end it.
    void endDrag();
    std::vector<NamedArea> hitAreas() const;
    std::string areaNameAt(int x, int y) const;

    void setEffectHook(EffectHook* hook) { effectHook_ = hook; }
    void setVoiceListHook(VoiceListHook* hook) { voiceListHook_ = hook; }
    // Variation as an insertion effect: the variation send and dry level of every strip
    // can neither be pressed nor reached with the arrow keys.
    void setInsertionMode(bool insertion);
    void redrawVariationSends();
    void setNameColours(const VoiceNameColours& colours) { view_.setNameColours(colours); }
    // Makes a part current (no All Notes Off) and redraws both strips and the page.
    void selectPart(int part);
    void redrawPartVoice(int part) { view_.partVoice(part); }
    // Makes a part current with All Notes Off on the old part's channel.
    void switchToPart(int part);
    void redrawNoteLimits(bool low, bool high);
    void setNoteLimitListener(std::function<void()> listener) {
        noteLimitListener_ = std::move(listener);
    }

    // The image holds the current part; the surface only reads and switches it.
    int currentPart() const { return image_.currentPart; }
    bool dragging() const;
    bool hookDragging() const;
    const DragState& drag() const { return drag_; }
    const PartControls& controls() const { return controls_; }
    const StripTable& stripTable() const { return strips_; }
    const PageTable& pageTable() const { return pages_; }
    int keyFocus() const { return keyFocus_; }

  private:
    void showRestoredPart(int part, const image::StepScope& scope);
    void stripPress(int entry);
    void pagePress(int n);
    void startDrag(const PartDrag& drag, const Descriptor& d);
    void sendDragValues();
    void pushNoteLimits();
    void finishDrag();

    void switchPart(int part, bool allNotesOff);
    void hidePopups();
    void toggleByte(int position);
    void storeChoice(int n);

    void send(int position);

    void setShape(PointerShape shape);

    image::SynthImage& image_;
    midi::XgMessages& messages_;
    midi::MidiPort& port_;
    SurfaceHost& host_;
    EffectHook* effectHook_ = nullptr;
    VoiceListHook* voiceListHook_ = nullptr;

    StripTable strips_;
    PageTable pages_;
    PartControls controls_;
    SurfaceView view_;

    PartValues values_;
    DragEngine engine_;
    DragState drag_;
    int pressX_ = 0;
    int pressY_ = 0;
    int keyFocus_ = 0;
    bool keyNavigation_ = false;
    bool shown_ = false;
    bool insertion_ = false;
    int controllerListOwner_ = 0; // 0 closed, 1 AC1, 2 AC2
    PointerShape shape_ = PointerShape::Default;
    std::function<void()> noteLimitListener_;
};

} // namespace editor
