#pragma once
// How much of the image differs from what it was compared against: the part table from
// the copy taken at the last set load, each effect block from the snapshot, each drum
// setup from its kit's reference values and the system block from its defaults. The File
// menu enables its save commands by these counts.

#include "image/synth_image.h"

#include <array>

namespace files {

struct ChangeCounts {
    int parts = 0;
    int system = 0;
    std::array<int, 3> effects{}; // reverb, chorus, variation
    std::array<int, 2> drums{};   // setup 1, setup 2

    int effectTotal() const { return effects[0] + effects[1] + effects[2]; }
    int drumTotal() const { return drums[0] + drums[1]; }
    int total() const { return parts + system + effectTotal() + drumTotal(); }
};

ChangeCounts countChanges(const image::SynthImage& image);

// Bytes of the slots in use of a drum setup that differ from its kit's reference values
// (0 for a setup no part uses).
int drumChangesFromKit(const image::DrumSetup& setup);

// Bytes of the system block that differ from master tune 0x0400, volume 127, transpose 64.
int systemChanges(const image::SystemBlock& system);

} // namespace files
