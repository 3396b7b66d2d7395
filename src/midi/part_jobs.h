#pragma once
// The two jobs that act on whole parts: copying chosen groups of one part to another part
// or to all others, and setting a part back to its defaults. Both change the image and
// tell the module.

#include "image/part_copy.h"
#include "image/synth_image.h"
#include "midi/xg_messages.h"

#include <vector>

namespace midi {

// Target number meaning every part but the source.
inline constexpr int kAllPartsTarget = 16;

struct CopyOutcome {
    std::vector<int> targets; // the parts that were changed, in part order
    // A voice dump found the module not ready ("QS300 Timeout" has been shown): the copy
    // ended there and no part was sent whole.
    bool timedOut = false;
};

// Copies the chosen groups from `source` to `target` (0..15, or kAllPartsTarget). The
// voice group follows the rules of the module's pairs and sends the user voice, inside the
// handshake where the module needs one. Afterwards every changed target is sent whole, in
// part order, unless the module timed out. The source record is never written.
CopyOutcome CopyParts(image::SynthImage& image, XgMessages& messages, int source, int target,
                      const image::CopyChoice& choice);

// The part back to its defaults, each value sent. Without `withDefaultVoice` the bank,
// program and part mode stay; with it the part also gives up any user voice of its own.
void InitializePart(image::SynthImage& image, XgMessages& messages, int part,
                    bool withDefaultVoice);

} // namespace midi
