#include "image/part_defaults.h"

namespace image {

// XG power-on values of a multi part, in record order (offsets 41.. are addresses 30..).
const PartRecord kDefaultPartRecord{
    2,  0,   0,  0,   0,  1,  1,   0,   64, 128, // 0..9: reserve .. detune (centre 128)
    0,  100, 64, 64,  64, 0,  127, 127, 0,  40,  // 10..19: filler, volume .. reverb send
    0,  64,  64, 64,  64, 64, 64,  64,  64, 64,  // 20..29: variation send .. MW pitch
    64, 64,  10, 0,   0,  66, 64,  64,  64, 64,  // 30..39: MW .. bend LFO FMod
    64, 1,   1,  1,   1,  1,  1,   1,   1,  1,   // 40..49: bend LFO AMod, receive switches
    1,  1,   1,  1,   1,  1,  1,   1,   64, 64,  // 50..59: receive switches, scale tuning
    64, 64,  64, 64,  64, 64, 64,  64,  64, 64,  // 60..69: scale tuning
    64, 64,  64, 0,   0,  0,  64,  64,  64, 0,   // 70..79: CAT, PAT
    0,  0,   16, 64,  64, 64, 0,   0,   0,  17,  // 80..89: PAT, AC1, AC2 controller
    64, 64,  64, 0,   0,  0,  0,   0,   64, 64,  // 90..99: AC2, portamento, pitch EG
    64, 64,  1,  127,                            // 100..103: pitch EG, velocity limits
};

} // namespace image
