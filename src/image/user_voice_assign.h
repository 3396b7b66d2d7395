#pragma once
// Makes a part play a QS300 user voice of its own, as choosing one from the voice lists
// does: the voice dump for the part, the user-voice kind and pair flags, and the part's
// bank and program. A four-element voice on a DB-50 takes the next part as well.

#include "image/synth_image.h"

namespace image {

void assignUserVoice(SynthImage& image, int part, const VoiceRecord& voice, bool twoParts,
                     int device = 0);

} // namespace image
