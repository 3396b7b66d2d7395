#pragma once
// How each control of the part editor is dragged: which part-table positions follow the
// vertical and the horizontal motion, and the drag engine's setup (value square, the
// graphs' 128 x 128 square or line, the reversed time axis of the pitch attack handle),
// and where the pointer is put back after a graph drag.

#include "editor/drag_engine.h"
#include "editor/hit_tables.h"
#include "editor/part_controls.h"

#include <QPoint>

namespace editor {

struct PartDrag {
    int yParam = 0; // part-table position driven by vertical motion
    int xParam = 0; // and by horizontal motion (the same for a one-value control)
    DragSetup setup;
};

// A knob, fader, box or key of the strips or the page: one value in its value square.
PartDrag oneValueDrag(int position, const Descriptor& d);

// Page control n (1..7: the envelope handles, the filter pad and the vibrato graph) of
// the part whose record starts at `base`.
PartDrag graphDrag(int n, const Descriptor& d, int base);

bool isGraphKind(Kind kind);

// Where the pointer goes after graph control n was dragged: on the handle just dragged,
// on the filter point (`filterPoint`, surface coordinates), or on the vibrato graph.
QPoint graphPutBack(int n, const PageTable& pages, QPoint filterPoint);

} // namespace editor
