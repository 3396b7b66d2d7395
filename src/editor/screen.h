#pragma once
// What the editor window knows of a painted screen: the part surface, and later the
// keyboard range page, the drum setup editor and the QS300 voice editor. Each paints into
// its own image, takes mouse events in that image's coordinates, and asks its host for
// the pointer, repaints, pop-up lists and messages.

#include "draw/knob_schemes.h"
#include "editor/popup_lists.h"
#include "editor/surface_host.h"
#include "image/step_scope.h"

#include <QImage>

#include <string>
#include <vector>

namespace editor {

// A hit rectangle with a name a person can read ("P3 Reverb Send", "Reverb knob 2").
struct NamedArea {
    std::string name;
    HitRect rect;
};

class Screen {
  public:
    virtual ~Screen() = default;

    // The painted image, drawn by the screen itself whenever something changes.
    virtual const QImage& image() const = 0;
    // Everything painted again from the image of the synth (after a load or a reset).
    virtual void redrawAll() = 0;
    // After an undo or a redo: what the step changed painted again. A screen that is not
    // shown only brings what it keeps of the image up to date.
    virtual void showRestored(const image::StepScope& /*scope*/) { redrawAll(); }

    virtual void mouseDown(MouseButton button, Modifiers modifiers, int x, int y) = 0;
    virtual void mouseMove(Modifiers modifiers, int x, int y) = 0;
    virtual void mouseUp(MouseButton button, Modifiers modifiers, int x, int y) = 0;
    virtual void arrowKey(ArrowKey /*key*/) {}

    // A click in one of the screen's pop-up lists; the right button acts on an item
    // before the list reacts itself.
    virtual void popupListClicked(PopupList /*list*/, int /*item*/, bool /*doubleClick*/) {}
    virtual void popupListRightPressed(PopupList /*list*/, int /*item*/) {}
    // Closes the screen's pop-up lists as a press would.
    virtual void hidePopupLists() {}

    // The window showed or hid the screen's panel.
    virtual void shown() {}
    virtual void hidden() {}

    // The knob colours chosen in "Settings": a screen that draws knobs hands the scheme to
    // its canvas and draws its knobs in it from now on (the window redraws it afterwards).
    virtual void setKnobScheme(draw::KnobScheme /*scheme*/) {}

    virtual bool dragging() const = 0;
    // Ends a running drag the way the left button's release would, without sending: a
    // message box is about to take the mouse.
    virtual void endDrag() = 0;

    // The rectangles a press is tested against, with their names, in table order.
    virtual std::vector<NamedArea> hitAreas() const = 0;
    // The name of the first rectangle that holds the point, "" when none does. A screen
    // with many rectangles names only the one found.
    virtual std::string areaNameAt(int x, int y) const {
        for (const NamedArea& area : hitAreas())
            if (area.rect.contains(x, y)) return area.name;
        return {};
    }
};

} // namespace editor
