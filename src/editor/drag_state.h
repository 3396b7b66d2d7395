#pragma once
// What the part editor remembers between the press, the moves and the release of a drag.

#include "editor/part_controls.h"

namespace editor {

enum class Area { None = 0, Strip = 1, Page = 2 };
enum class AnchorMode { None = 0, Strip = 1, Graph = 2 };

inline constexpr int kNoPosition = -9999;
inline constexpr int kFineStep = 10;

struct DragState {
    Area area = Area::None;
    int control = 0; // strip control 1..10 or page control 1..68
    Kind kind = Kind::PartSelect;
    int yParam = 0; // part-table positions driven by vertical and horizontal motion
    int xParam = 0;
    int minimum = 0;
    int maximum = 0;
    int yTop = 0; // pointer y where the value reaches maximum, and minimum
    int yBottom = 0;
    int xLeft = 0; // pointer x where the value reaches minimum, and maximum
    int xRight = 0;
    int lastX = kNoPosition;
    int lastY = kNoPosition;
    int pressX = 0;
    int pressY = 0;
    bool dragging = false;
    bool twoAxis = false;
    bool horizontalOnly = false; // amplitude envelope handles follow x alone
    AnchorMode anchorMode = AnchorMode::None;
    bool fine = false;
    int fineTop = 0;
    int fineBottom = 0;
    int fineLeft = 0;
    int fineRight = 0;
    bool redrawPending = false;
};

} // namespace editor
