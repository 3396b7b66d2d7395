#pragma once
// A board that plays two elements per voice plays a four-element voice on two
// neighbouring parts: the second part gets a dump of its own that holds the upper two
// elements.

#include "image/synth_image.h"

namespace image {

// The dump the second part of a pair plays: elements 3 and 4 of `whole` moved to elements
// 1 and 2, the element switch shifted right by two, the voice number `upperPart`, and a
// fresh checksum. The common block stays.
VoiceDump upperHalfDump(const VoiceDump& whole, int upperPart);

} // namespace image
