#pragma once
// Reading a graph's values from a part record.

#include "image/synth_image.h"

#include <algorithm>
#include <cstddef>

namespace draw {

// A 7-bit value of the record; in-band markers and other out-of-range bytes count as 127.
inline int graphValue(const image::PartRecord& part, int offset) {
    return std::min<int>(part[static_cast<std::size_t>(offset)], 127);
}

} // namespace draw
