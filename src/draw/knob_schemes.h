#pragma once
// The three colour schemes of the small knobs. The user picks one in "Settings"; every
// screen draws its knobs through a canvas that carries the chosen scheme.

#include "draw/colour.h"

namespace draw {

// The values are those the configuration file keeps (`Poti`).
enum class KnobScheme { Yellow = 1, Red = 2, Silver = 3 };

// A stored number out of range reads as the default, the red scheme.
KnobScheme knobSchemeOf(int stored);

// The colours a knob sprite is generated from.
struct KnobPalette {
    Colour bodyDark;  // the body's shaded side
    Colour bodyLight; // the side facing the light
    Colour capRing;   // the ring round the dome
    Colour rim;       // the body's outline
    Colour shadow;    // the cast shadow at the lower right
};

const KnobPalette& knobPalette(KnobScheme scheme);

} // namespace draw
