#pragma once
// Paints the keyboard range page: the title, one bar per part over the 128-note scale with
// its two handles and note names, the buttons, and the keyboard picture with the current
// part's limits marked. Every call returns the area it changed.

#include "aids/range_geometry.h"
#include "aids/range_layouts.h"
#include "draw/canvas.h"

#include <QImage>

namespace aids {

enum class BarLook { Normal, Current, Dragged };

class RangePainter {
  public:
    explicit RangePainter(draw::Canvas& canvas);

    HitRect paintAll(const RangeLayout& ranges, int currentPart);
    HitRect paintBar(int part, NoteRange range, BarLook look);
    HitRect paintNames(int part, NoteRange range, bool current);
    HitRect paintKeyboard(NoteRange current);
    HitRect paintButton(int button, bool pressed);

    // The names the page's hit areas carry, so that what is drawn can be told apart.
    static std::string handleName(int part, bool high);

  private:
    draw::Canvas& canvas_;
    QImage keyboard_; // the clean keyboard picture, drawn once
};

} // namespace aids
