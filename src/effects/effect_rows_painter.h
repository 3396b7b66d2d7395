#pragma once
// Drawing of the three effect rows on the editor surface: the row panels, knobs and their
// labels, the type name fields, list buttons, LEDs, header grooves and the "INS" / "SYS"
// buttons. A clean copy of the rows' background is kept so that a knob or label can be
// erased exactly where it was.

#include "draw/canvas.h"
#include "effects/effect_geometry.h"
#include "effects/effect_slots.h"
#include "image/synth_image.h"

#include <QImage>
#include <string_view>

namespace effects {

class EffectRowsPainter {
  public:
    explicit EffectRowsPainter(draw::Canvas& canvas) : canvas_(canvas) {}

    // The panels of the three rows, without knobs; keeps them as the clean background.
    HitRect paintBackground();
    // A knob slot: erased, and drawn at `value` of minimum..maximum when visible.
    HitRect paintKnob(image::EffectKind kind, int slot, bool visible, int value, int minimum,
                      int maximum, bool active);
    HitRect paintLabel(image::EffectKind kind, int slot, std::string_view label);
    // Type name, grooves, list button and LED of a row.
    HitRect paintHeader(image::EffectKind kind, int type, bool on);
    HitRect paintConnection(Connection connection);

  private:
    void restore(int left, int top, int right, int bottom);

    draw::Canvas& canvas_;
    QImage background_;
};

} // namespace effects
