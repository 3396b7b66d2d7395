#pragma once
// Paints the keyboard range page: the title, one bar per part over the 128-note scale with
// its two handles and note names, the buttons, and the keyboard picture with the current
// part's limits marked. Every call returns the area it changed.

#include "aids/range_geometry.h"
#include "aids/range_layouts.h"
#include "draw/canvas.h"

#include <QImage>

#include <optional>
#include <string>

namespace aids {

enum class BarLook { Normal, Current, Dragged };

class RangePainter {
  public:
    explicit RangePainter(draw::Canvas& canvas);

    HitRect paintAll(const RangeLayout& ranges, int currentPart);
    HitRect paintBar(int part, NoteRange range, BarLook look);
    HitRect paintNames(int part, NoteRange range, bool current);
    // The name of one limit: a drag step changes only one of them.
    HitRect paintName(int part, bool high, int note, bool current);
    // The keyboard with the current part's limits marked. Once drawn, only the keys whose
    // marks come or go are drawn again.
    HitRect paintKeyboard(NoteRange current);
    HitRect paintButton(int button, bool pressed);

    // The names the page's hit areas carry, so that what is drawn can be told apart.
    static std::string handleName(int part, bool high);

  private:
    draw::Canvas& canvas_;
    QImage keyboard_;                 // the clean keyboard picture, drawn once
    std::optional<NoteRange> marked_; // the limits marked on the page's keyboard now
};

} // namespace aids
