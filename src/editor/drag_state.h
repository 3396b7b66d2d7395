#pragma once
// Which control of the part editor was pressed last and which part-table positions its
// drag drives; the drag mechanics themselves are the drag engine's.

#include "editor/part_controls.h"

namespace editor {

enum class Area { None = 0, Strip = 1, Page = 2 };

struct DragState {
    Area area = Area::None;
    int control = 0; // strip control 1..10 or page control 1..68
    Kind kind = Kind::PartSelect;
    int yParam = 0; // part-table positions driven by vertical and horizontal motion
    int xParam = 0;
    bool redrawPending = false; // the control is drawn active until the release
};

} // namespace editor
