#pragma once
// The part-level steps a voice change is made of, shared by the voice selection and the
// part copy: a part's voice sent as the module takes it, the mirrored controls back at
// their XG values, and the end of a DB-50 pair. A pair ends as soon as either of its
// parts gets a voice of its own; the other part must not stay flagged as half of a voice
// that is gone.

#include "image/synth_image.h"
#include "midi/xg_messages.h"

namespace midi {

// One byte of a part record written and sent.
void SetPartByte(image::SynthImage& image, XgMessages& messages, int part, int offset, int value);

// Part mode, bank MSB, bank LSB and program of a part, in the order the module needs them
// (the part mode first, or the bank would select a voice of the old mode). The part mode
// and MSB come from the record; LSB and program as given.
void SendVoiceSelect(const image::SynthImage& image, XgMessages& messages, int part, int lsbToSend,
                     int program);

// The controls a QS300 voice may have brought into the part get their XG values again,
// each sent.
void SendXgDefaults(image::SynthImage& image, XgMessages& messages, int part);

// Whether `first` (an even part) and the part after it play one voice together.
bool PairedWithNext(const image::SynthImage& image, int first);

// Ends the pair `part` belongs to: the flags cleared, the second part back on its own
// receive channel, and the other part of the two back to an XG voice (the tenth part to
// the first drum setup its name promises, every other part to the first voice of the
// catalogue), each value sent; with `xgDefaults` that part's mirrored controls as well.
// Returns the other part, or -1 when `part` belongs to no pair.
int ReleasePair(image::SynthImage& image, XgMessages& messages, int part, bool xgDefaults);

} // namespace midi
