#pragma once
// Resets of the image that also tell the module: one part back to its defaults, or the
// whole image back to the state after XG System On.

#include "image/synth_image.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

namespace midi {

// Writes the defaults into one part; unless `full` the voice (bank, program, part mode)
// stays. With `send`, each value goes to the module.
void ResetPart(XgMessages& messages, int part, bool full, bool send);

// The full reset of "New" and "Load Set": all notes off on the part being left, the first part
// current, every table back to its defaults, XG System On.
void ResetAll(image::SynthImage& image, MidiPort& port, XgMessages& messages);

} // namespace midi
