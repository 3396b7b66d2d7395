#pragma once
// The drum key's envelope: attack, decay 1 and decay 2 as a line over the small graph
// background, with a draggable handle at each corner. Drawn into its own work image and
// copied onto the panel.

#include "draw/canvas.h"
#include "draw/hit_rect.h"
#include "image/synth_image.h"

#include <QImage>

namespace drums {

struct EnvelopeHandles {
    draw::HitRect attack;
    draw::HitRect decay1;
    draw::HitRect decay2;
};

// The handle drawn red while it is dragged.
enum class EnvelopeMark { None, Attack, Decay1, Decay2 };

class DrumEnvelopeGraph {
  public:
    DrumEnvelopeGraph();
    // Draws the envelope of a key record (or the empty graph without one) onto the panel
    // and returns the handles' hit rectangles in panel coordinates.
    EnvelopeHandles draw(const image::DrumSlot* key, EnvelopeMark mark, draw::Canvas& panel);

  private:
    QImage work_;
};

// The hit rectangles of the handles for the three values, in panel coordinates.
EnvelopeHandles envelopeHandles(int attack, int decay1, int decay2);

} // namespace drums
