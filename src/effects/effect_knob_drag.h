#pragma once
// How an effect or system knob is dragged on the drag engine: one value in a square at the
// top left of the surface whose height is the knob's range. The long delays (maxima above
// 3000) move by 10 per pixel and keep their last digit; in fine mode only vertical motion
// counts, one step per 10 pixels.

#include "editor/drag_engine.h"

namespace effects {

// Step of a knob in normal mode.
int knobStep(int maximum);

editor::DragSetup knobDragSetup(int minimum, int maximum);

} // namespace effects
