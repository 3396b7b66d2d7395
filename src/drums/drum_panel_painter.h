#pragma once
// Paints the drum setup editor's panel: the fixed frames, headers and knob units, and the
// parts that follow the selected key (knobs with their value texts, buttons, graphs and
// the keyboard highlight).

#include "draw/canvas.h"
#include "draw/part_graphs.h"
#include "drums/drum_envelope_graph.h"
#include "drums/drum_keyboard.h"
#include "image/synth_image.h"

#include <QString>

#include <string>

namespace drums {

// A knob's value as its value box shows it.
QString knobValueText(int knob, int value);

class DrumPanelPainter {
  public:
    explicit DrumPanelPainter(draw::Canvas& canvas) : canvas_(canvas) {}

    // Rules, frames, knob units and the keyboard: everything that never changes.
    void paintFixed();
    // LEDs and captions of both setup headers; `active` is 1 or 2.
    void paintSetupHeaders(int active);
    // The key header with the key's name, "NONE" when empty.
    void paintKeyHeader(const std::string& keyName);
    // Knob 1..13 with its value text; an empty pot without a key. The dragged knob is
    // drawn active.
    void paintKnob(int knob, const image::DrumSlot* key, bool active);
    // The four buttons; without a key they carry no captions.
    void paintButtons(const image::DrumSlot* key);
    EnvelopeHandles paintEnvelope(const image::DrumSlot* key, EnvelopeMark mark);
    void paintFilter(const image::DrumSlot* key, bool marked);
    void paintKeyHighlight(int note, int activeSetup);

  private:
    draw::Canvas& canvas_;
    DrumKeyboard keyboard_;
    DrumEnvelopeGraph envelope_;
    draw::PartGraphs graphs_;
};

} // namespace drums
