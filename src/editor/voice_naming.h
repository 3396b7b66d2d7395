#pragma once
// The name a part's voice button and the title field show, and the colour it is written in.

#include "draw/colour.h"
#include "image/synth_image.h"

#include <string>

namespace editor {

enum class VoiceKind { Normal, Drum, UserVoice };

// One colour for the names of each kind of voice, chosen in "Settings"; until then the
// colours of a fresh configuration.
struct VoiceNameColours {
    draw::Colour xg = draw::fromColorRef(0);
    draw::Colour qs = draw::fromColorRef(0x000080);
    draw::Colour drum = draw::fromColorRef(0x800000);

    draw::Colour of(VoiceKind kind) const;
    bool operator==(const VoiceNameColours&) const = default;
};

// From the part record: XG voices and kits by bank and program (drum setups 1 and 2 as
// "D1:" and "D2:" before the kit), QS300 user voices (bank 63) by the name in the part's
// voice dump.
std::string partVoiceName(const image::SynthImage& image, int part);
VoiceKind partVoiceKind(const image::SynthImage& image, int part);
// The part whose voice the title field names: a part that holds the second half of a
// two-part QS300 voice shows the voice of the part before it.
int titlePart(const image::SynthImage& image, int part);

} // namespace editor
