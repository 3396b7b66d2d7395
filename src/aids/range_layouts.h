#pragma once
// The note ranges of all 16 parts as one layout: the six built in for the buttons
// "SET  1".."SET  6", and the one kept when the range page opens.

#include "image/synth_image.h"

#include <array>

namespace aids {

struct NoteRange {
    image::Byte low = 0;
    image::Byte high = 127;
    friend bool operator==(const NoteRange&, const NoteRange&) = default;
};

using RangeLayout = std::array<NoteRange, image::kPartCount>;

inline constexpr int kBuiltInLayouts = 6;

// Layout 1..6 of the "SET" buttons; a number outside 1..6 gives the first.
const RangeLayout& builtInLayout(int number);

// The note limits every part holds in the image now.
RangeLayout layoutOf(const image::SynthImage& image);

} // namespace aids
