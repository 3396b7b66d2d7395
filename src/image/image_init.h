#pragma once
// Start-up initialisation and the data side of the full reset of the synth image.

#include "image/synth_image.h"

namespace image {

// Start-up: effect type memory from the presets (and its start copy), part voices and edit
// voice from the "Aurora" template, drum setups on the Standard Kit, part table and loaded
// copy on the expected values, system block defaults, default effect types current, user
// bank from the factory voices, effect snapshot taken, the first part current.
void initialiseImage(SynthImage& image);

// Data part of the full reset: part table and loaded copy refilled, effects and drum setups
// back to their defaults, system block defaults, the first part current. The caller sends all notes
// off and XG System On; the QS300 voices and the user bank are kept.
void resetImageData(SynthImage& image);

} // namespace image
