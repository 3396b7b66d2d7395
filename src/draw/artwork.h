#pragma once
// The bitmaps of the painted screens, generated once from the palette.

#include "draw/knob_schemes.h"

#include <QImage>
#include <QPoint>

#include <array>

namespace draw {

struct Artwork {
    // 64 x 64: the knob sprite is the 32 x 32 square at (0, 0), its AND mask the square at
    // (32, 0) (black where the knob is, white around it; the sprite is black around it).
    // The yellow scheme's sprite; the same shape in every scheme.
    QImage knob;
    // The sprite of each scheme, in the order of KnobScheme (yellow, red, silver).
    std::array<QImage, 3> knobs;
    // 791 x 32 brushed-brass texture behind title strips and named values.
    QImage titleStrip;
    // 11 x 11 slotted screw head on panel colour.
    QImage screw;
    // 188 x 74 clean background of the small graphs.
    QImage graphBackground;
    // 256 x 13 bar behind the selected entry of a list.
    QImage listSelection;
    // 32 x 32 with transparency: the pointer shape over draggable graph handles.
    QImage dragCursor;
    QPoint dragCursorHotSpot;
};

// Made on first use (needs no application object) and never changed afterwards.
const Artwork& artwork();
// The 64 x 64 knob bitmap of a scheme.
const QImage& knobSprite(KnobScheme scheme);

} // namespace draw
