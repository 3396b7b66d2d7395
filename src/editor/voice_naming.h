#pragma once
// The name a part's voice button and the title field show.

#include "image/synth_image.h"

#include <string>

namespace editor {

enum class VoiceKind { Normal, Drum, UserVoice };

// From the part record: XG voices and kits by bank and program (drum setups 1 and 2 as
// "D1:" and "D2:" before the kit), QS300 user voices (bank 63) by the name in the part's
// voice dump.
std::string partVoiceName(const image::SynthImage& image, int part);
VoiceKind partVoiceKind(const image::SynthImage& image, int part);
// The part whose voice the title field names: a part that holds the second half of a
// two-part QS300 voice shows the voice of the part before it.
int titlePart(const image::SynthImage& image, int part);

} // namespace editor
