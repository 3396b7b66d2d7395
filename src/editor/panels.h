#pragma once
// The painted screens of the editor window and which of them takes an event. The part
// surface is always there; the keyboard range page (`Panel1`), the drum setup editor
// (`Panel2`) and the QS300 voice editor (`Panel3`) are panels laid over it when open. The
// range page and the drum editor cover the part page only and close each other; the
// strips and the effect rows beside them stay usable. The voice editor covers the whole
// surface and takes every event while open.

#include "editor/screen.h"

#include <array>
#include <optional>
#include <vector>

namespace editor {

class EditSteps;

enum class Panel { Surface = 0, KeyboardRange = 1, DrumEditor = 2, VoiceEditor = 3 };

class Panels {
  public:
    explicit Panels(Screen& surface);

    // Where a panel's image lies on the surface.
    static HitRect placeOf(Panel panel);

    // The screen of a panel, once it exists.
    void install(Panel panel, Screen& screen);
    bool installed(Panel panel) const { return slot(panel).screen != nullptr; }
    // Opening a panel closes the ones it may not share the surface with and ends their
    // drags; a panel without a screen stays closed (returns false).
    bool open(Panel panel);
    void close(Panel panel);
    bool toggle(Panel panel);
    bool isOpen(Panel panel) const { return slot(panel).open; }
    // The open panels in painting order, the surface first.
    std::vector<Panel> shown() const;
    Screen& screen(Panel panel) const { return *slot(panel).screen; }

    // Mouse events in surface coordinates, handed to the screen that takes them in its own
    // image's coordinates. From a press to the release that ends it, and for the whole of
    // a drag, events stay with the screen that got the press.
    void mouseDown(MouseButton button, Modifiers modifiers, int x, int y);
    void mouseMove(Modifiers modifiers, int x, int y);
    void mouseUp(MouseButton button, Modifiers modifiers, int x, int y);
    void arrowKey(ArrowKey key);
    // The screen under a surface point (the panel on top, else the surface).
    Panel panelAt(int x, int y) const;

    // The list's clicks go to the screen that opened it.
    static Panel ownerOf(PopupList list);
    void popupListClicked(PopupList list, int item, bool doubleClick);
    void popupListRightPressed(PopupList list, int item);

    // Every press and list choice from now on is marked as an undo step.
    void setEditSteps(EditSteps* steps) { steps_ = steps; }

    bool dragging() const;
    // Every running drag ends as a release would (a message box takes the mouse).
    void endDrags();
    void hidePopupLists();
    // Every screen, installed now or later, draws its knobs in this scheme.
    void setKnobScheme(draw::KnobScheme scheme);
    draw::KnobScheme knobScheme() const { return knobScheme_; }
    // The hit rectangles of every shown screen, in surface coordinates.
    std::vector<NamedArea> hitAreas() const;

  private:
    struct Slot {
        Screen* screen = nullptr;
        bool open = false;
    };
    Slot& slot(Panel panel) { return slots_[static_cast<std::size_t>(panel)]; }
    const Slot& slot(Panel panel) const { return slots_[static_cast<std::size_t>(panel)]; }
    Panel target(int x, int y) const;

    std::array<Slot, 4> slots_{};
    std::optional<Panel> grab_; // the screen that got the press, until it is over
    EditSteps* steps_ = nullptr;
    draw::KnobScheme knobScheme_ = draw::KnobScheme::Yellow;
};

} // namespace editor
