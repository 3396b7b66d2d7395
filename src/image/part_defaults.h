#pragma once
// Default values of the multi-part records and the pure data side of a part reset.

#include "image/synth_image.h"

namespace image {

// The XG power-on values of one part record, before the part-dependent values are applied.
extern const PartRecord kDefaultPartRecord;

// The value a part's byte holds after XG System On: the default record with the receive
// channel set to the part and the tenth part (index 9) set up as drum part (element reserve 0,
// bank MSB 127, part mode 2). Out-of-range part or offset gives 0.
Byte ExpectedPartValue(int part, int offset);

// Writes the expected values into one part record. Unless `full`, bank MSB, bank LSB,
// program and part mode (offsets 1, 2, 3, 7) keep their values. Out-of-range parts are
// ignored.
void writePartDefaults(SynthImage& image, int part, bool full);

// The value a whole-table send compares a byte against: the expected value, except that
// bank MSB, bank LSB and program read as kAlwaysDiffers when any of the three differs, so
// that the three always go together.
Byte expectedTableValue(const SynthImage& image, int part, int offset);

// Whether a part's voice group (part mode, bank MSB, bank LSB, program) must be sent to a
// module that takes whole parts parameter by parameter: for the tenth part whenever it is
// not a plain drum part in mode 1, for the others when bank, program or mode differ from
// the default record.
bool partGroupDiffers(const SynthImage& image, int part);

// Fills the part table and the loaded copy with the expected values of every part.
void fillPartTables(SynthImage& image);

} // namespace image
