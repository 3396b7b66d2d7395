#pragma once
// The behaviour of the part editor surface: presses, drags with the value square, fine
// mode, axis locks, keyboard navigation, part switching, the status field and the road of
// every edit into the image and out to the module. Events arrive in surface coordinates;
// the host does what only the window can (the virtual pointer, repaints, pop-up lists).

#include "draw/canvas.h"
#include "editor/drag_state.h"
#include "editor/hit_tables.h"
#include "editor/page_painter.h"
#include "editor/part_controls.h"
#include "editor/status_field.h"
#include "editor/strip_painter.h"
#include "editor/surface_host.h"
#include "editor/voice_list_hook.h"
#include "image/synth_image.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <QImage>

namespace editor {

class EffectHook;

// Position of a part's record in the part table.
inline int partBase(int part) {
    return part * image::kPartRecordSize;
}

class SurfaceController {
  public:
    SurfaceController(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
                      SurfaceHost& host);

    const QImage& surface() const { return surface_; }
    draw::Canvas& canvas() { return canvas_; }

    void show();
    void redrawAll();

    void mouseDown(MouseButton button, Modifiers modifiers, int x, int y);
    void mouseMove(Modifiers modifiers, int x, int y);
    void mouseUp(MouseButton button, Modifiers modifiers, int x, int y);
    void keyDown(ArrowKey key);
    void popupListClicked(int list, int item, bool doubleClick);
    void popupListRightPressed(int list, int item);
    void hidePopupLists() { hidePopups(); }

    void setEffectHook(EffectHook* hook) { effectHook_ = hook; }
    void setVoiceListHook(VoiceListHook* hook) { voiceListHook_ = hook; }
    // Variation as an insertion effect: the variation send and dry level of every strip
    // can neither be pressed nor reached with the arrow keys.
    void setInsertionMode(bool insertion);
    void redrawVariationSends();
    // Makes a part current (no All Notes Off) and redraws both strips and the page.
    void selectPart(int part);

    int currentPart() const { return current_; }
    bool dragging() const;
    bool hookDragging() const;
    const DragState& drag() const { return drag_; }
    const PartControls& controls() const { return controls_; }
    const StripTable& stripTable() const { return strips_; }
    const PageTable& pageTable() const { return pages_; }
    int keyFocus() const { return keyFocus_; }

  private:
    void stripPress(int entry);
    void pagePress(int n);
    void startOneAxisDrag(int position, const Descriptor& d);
    void startGraphDrag(int n, const Descriptor& d, int base);
    void enterFineMode(int x, int y);
    void leaveFineMode(int x, int y);
    bool stepNormal(Modifiers modifiers, int x, int y);
    bool stepFine(Modifiers modifiers, int x, int y);
    void sendDragValues();
    void pushNoteLimits();
    void finishDrag();
    void placePointerAfterDrag();

    void switchPart(int part, bool allNotesOff);
    void hidePopups();
    void toggleByte(int position);
    void storeChoice(int n);

    int readValue(int position) const;
    int storedByte(int position) const;
    void storeValue(int position, int value);
    void send(int position);

    void redrawDragged(bool active);
    void redrawStripControl(int part, int c, bool active);
    void redrawPageControl(int n, bool active, int marked = 0);
    void showStatus(Area area, int control);
    void hideStatus();
    void repaint(const HitRect& area);
    void setShape(PointerShape shape);
    bool isHorizontalReversed() const;

    image::SynthImage& image_;
    midi::XgMessages& messages_;
    midi::MidiPort& port_;
    SurfaceHost& host_;
    EffectHook* effectHook_ = nullptr;
    VoiceListHook* voiceListHook_ = nullptr;

    QImage surface_;
    draw::Canvas canvas_;
    StripTable strips_;
    PageTable pages_;
    PartControls controls_;
    StripPainter stripPainter_;
    PagePainter pagePainter_;
    StatusField status_;

    DragState drag_;
    int current_ = 0;
    int keyFocus_ = 0;
    bool keyNavigation_ = false;
    bool shown_ = false;
    bool insertion_ = false;
    int controllerListOwner_ = 0; // 0 closed, 1 AC1, 2 AC2
    PointerShape shape_ = PointerShape::Default;
};

} // namespace editor
