#pragma once
// Sends what a file load changed, in the order a module needs it: the user voices first
// (a QS300 needs time to store each), then the system block, the parts, the effect blocks
// and the drum setups. Everything is queued at once and leaves at the cable's pace.

#include "files/set_interpreter.h"
#include "files/set_sections.h"
#include "image/synth_image.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

namespace files {

// A QS300 stores a user voice in flash: nothing may follow a voice dump for this long.
inline constexpr midi::Millis kQs300VoiceStorePause{200};

// The whole image after "Load Set". The parts that play a user voice ask for it as
// program = part number while the part table goes out; their own program and bank LSB are
// kept in the restore tables and put back afterwards.
void sendLoadedSet(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
                   const LoadCounters& counters);

// The effect blocks an effect file changed.
void sendLoadedEffects(midi::XgMessages& messages, const LoadCounters& counters);

// Both drum setups after a drum file: every value that differs from the kit.
void sendLoadedDrums(midi::XgMessages& messages);

// The sends after a load of this kind.
void sendLoaded(SetKind kind, image::SynthImage& image, midi::XgMessages& messages,
                midi::MidiPort& port, const LoadCounters& counters);

} // namespace files
