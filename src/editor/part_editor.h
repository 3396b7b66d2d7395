#pragma once
// The XG editor surface: the 16 part strips and the current part's page painted onto one
// 792 x 554 image, with its own hit testing and dragging. The window (TFXg) only forwards
// mouse and key events in surface coordinates and shows the image.

#include "editor/screen.h"
#include "editor/surface_host.h"
#include "editor/voice_list_hook.h"
#include "editor/voice_naming.h"
#include "image/synth_image.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <QImage>

#include <functional>
#include <memory>

namespace draw {
class Canvas;
}

namespace editor {

inline constexpr int kSurfaceWidth = 792;
inline constexpr int kSurfaceHeight = 554;

// The effect rows and the tool strip share the part editor's surface: the presses no part
// control claims go here (never the start of a part drag), and while the hook runs a drag
// of its own, every press, move and release of the surface.
class EffectHook {
  public:
    virtual ~EffectHook() = default;
    virtual void press(MouseButton button, Modifiers modifiers, int x, int y) = 0;
    virtual void move(Modifiers modifiers, int x, int y) = 0;
    virtual void release(MouseButton button, Modifiers modifiers, int x, int y) = 0;
    // While the hook runs a drag of its own, every press, move and release goes to it and
    // the part editor leaves the pointer alone.
    virtual bool dragging() const { return false; }
    // Ends the hook's drag as the left release would (a message box takes the mouse).
    virtual void endDrag() {}
    // A click in a pop-up list that is not the part editor's own.
    virtual void popupListClicked(PopupList /*list*/, int /*item*/, bool /*doubleClick*/) {}
    // Every press of the surface first closes the pop-up lists, the hook's included.
    virtual void hidePopupLists() {}
    // The part editor has just repainted the whole surface; the hook paints its share.
    virtual void surfaceRepainted() {}
    // After an undo or a redo the hook paints what the step changed of its share.
    virtual void showRestored(const image::StepScope& /*scope*/) {}
    // The hook's hit rectangles, named, in the order it tests them.
    virtual std::vector<NamedArea> hitAreas() const { return {}; }
};

class PartEditor final : public Screen {
  public:
    PartEditor(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
               SurfaceHost& host);
    ~PartEditor() override;
    PartEditor(const PartEditor&) = delete;
    PartEditor& operator=(const PartEditor&) = delete;

    // The painted surface, kSurfaceWidth x kSurfaceHeight, Format_RGB32.
    const QImage& image() const override;
    // The canvas on that image, for the screens that share the surface (the effect rows).
    draw::Canvas& canvas();

    // First show: builds the hit tables and paints everything from the image.
    void show();
    // Repaints everything from the image (after a load or a reset).
    void redrawAll() override;
    // The strips of the parts the step changed and the effect hook's share; the whole
    // surface when the step changed what the surface does not show piece by piece.
    void showRestored(const image::StepScope& scope) override;

    // `Ig2MouseDown`, `Ig2MouseMove`, `Ig2MouseUp` in surface coordinates.
    void Ig2MouseDown(MouseButton button, Modifiers modifiers, int x, int y);
    void Ig2MouseMove(Modifiers modifiers, int x, int y);
    void Ig2MouseUp(MouseButton button, Modifiers modifiers, int x, int y);
    // `FormKeyDown` for the four arrow keys; other keys never reach the surface.
    void FormKeyDown(ArrowKey key);

    // ---- editor::Screen (the mouse and key handlers above under their common names) ----
    void mouseDown(MouseButton button, Modifiers modifiers, int x, int y) override {
        Ig2MouseDown(button, modifiers, x, y);
    }
    void mouseMove(Modifiers modifiers, int x, int y) override { Ig2MouseMove(modifiers, x, y); }
    void mouseUp(MouseButton button, Modifiers modifiers, int x, int y) override {
        Ig2MouseUp(button, modifiers, x, y);
    }
    void arrowKey(ArrowKey key) override { FormKeyDown(key); }
    // A click in one of the surface's pop-up lists (see SurfaceHost::showPopupList).
    void popupListClicked(PopupList list, int item, bool doubleClick) override;
    void popupListRightPressed(PopupList list, int item) override;
    // Closes every pop-up list of the surface as a press would, redrawing the buttons that
    // opened them released (a menu opening calls this).
    void hidePopupLists() override;
    // The part editor's own drag or the effect hook's ends as a release would end it.
    void endDrag() override;
    // The strips, the page and the hook's rectangles.
    std::vector<NamedArea> hitAreas() const override;
    std::string areaNameAt(int x, int y) const override;

    // The effect rows share the surface's canvas and so its knob scheme.
    void setKnobScheme(draw::KnobScheme scheme) override;

    void setEffectHook(EffectHook* hook);
    // Pressing a strip's voice button calls this hook (nobody listens by default).
    void setVoiceListHook(VoiceListHook* hook);
    // Variation as an insertion effect switches off every strip's variation send and dry
    // level (the effect editor calls this).
    void setInsertionMode(bool insertion);
    // Repaints every strip's variation send and dry level (the inserted part's captions
    // are drawn darker; the effect editor calls this after the variation's part changes).
    void redrawVariationSends();
    // The colours of the strips' voice names, by the kind of voice; they show at the next
    // repaint.
    void setNameColours(const VoiceNameColours& colours);
    // Makes a part current without All Notes Off and redraws both strips and the page.
    void selectPart(int part);
    // Repaints a part's strip after its voice changed (and the title and page when it is
    // the current part).
    void redrawPartVoice(int part);
    // Makes a part current as a press on its strip does: All Notes Off on the old part's
    // channel, both strips and the page redrawn.
    void switchToPart(int part);
    // The page's note-limit knobs drawn again (another screen changed the limits).
    void redrawNoteLimits(bool low = true, bool high = true);
    // Told after the current part or its note limits changed on the surface, for the
    // screens that show them too.
    void setNoteLimitListener(std::function<void()> listener);
    int currentPart() const;
    // A drag runs on the surface, the part editor's own or the effect hook's.
    bool dragging() const override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace editor
