#pragma once
// The drum editor's clickable keyboard: notes 12..91, drawn on the panel, with the selected
// key filled red (setup 1) or green (setup 2).

#include "draw/canvas.h"
#include "draw/colour.h"

#include <QImage>

namespace drums {

inline constexpr draw::Colour kSetup1KeyColour = draw::rgb(255, 0, 0);
inline constexpr draw::Colour kSetup2KeyColour = draw::rgb(0, 183, 0);

class DrumKeyboard {
  public:
    // Draws every key and keeps the clean picture for taking a highlight off again.
    void draw(draw::Canvas& canvas, draw::Colour whiteKeys);
    // The clean keyboard back, then the key of `note` filled (no fill for a note off the
    // keyboard).
    void highlight(draw::Canvas& canvas, int note, draw::Colour colour) const;
    // The note under a panel point, testing black keys before the white ones of their
    // group; -1 when no key is there.
    static int noteAt(int x, int y);

  private:
    QImage clean_;
};

} // namespace drums
