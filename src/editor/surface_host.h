#pragma once
// What only the application shell can do for a painted surface: the virtual pointer,
// repainting the window, pop-up lists and message boxes. The surfaces call it; tests
// script it.

#include "draw/hit_rect.h"
#include "editor/popup_lists.h"

#include <string>
#include <vector>

namespace editor {

using draw::HitRect;

enum class MouseButton { Left, Right, Middle };

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
};

enum class ArrowKey { Left, Up, Right, Down };

enum class PointerShape {
    Default, // the system's arrow
    Hidden,  // during a drag
    Drag,    // the program's own cursor over graph handles and pads
};

// The confinement of fine mode: so wide that it confines nothing, while the drag still
// runs on the hidden virtual pointer.
inline constexpr int kUnconfined = 10000;
inline constexpr HitRect kUnconfinedArea{-kUnconfined, -kUnconfined, kUnconfined, kUnconfined};

class SurfaceHost {
  public:
    virtual ~SurfaceHost() = default;

    // The virtual pointer. While confined, the pointer the surface sees stays inside
    // `area` (surface coordinates, all bounds inclusive) however far the mouse moves.
    // Areas as wide as the fine mode's (-10000..10000) mean "not confined".
    virtual void confinePointer(const HitRect& area) = 0;
    virtual void releasePointer() = 0;
    // Puts the pointer at a surface position (inside the confinement when there is one).
    virtual void setPointerPosition(int x, int y) = 0;
    virtual void setPointerShape(PointerShape shape) = 0;

    // The surface image changed inside `area`; the window shows it on its next paint.
    virtual void repaint(const HitRect& area) = 0;

    // A pop-up list of the surface, shown at a surface position with one item selected.
    // Choices come back through the surface's list handlers.
    virtual void showPopupList(PopupList list, int x, int y, int width, int height,
                               const std::vector<std::string>& items, int selected) = 0;
    virtual void hidePopupList(PopupList list) = 0;
    // A shown list that takes no clicks is drawn greyed.
    virtual void enablePopupList(PopupList /*list*/, bool /*enabled*/) {}

    // A message box with one OK button.
    virtual void showMessage(const std::string& text) = 0;
};

} // namespace editor
