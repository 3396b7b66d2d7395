#include "effects/effect_knob_drag.h"

namespace effects {
namespace {

constexpr int kLongRange = 3000;
constexpr int kLongStep = 10;

} // namespace

int knobStep(int maximum) {
    return maximum > kLongRange ? kLongStep : 1;
}

editor::DragSetup knobDragSetup(int minimum, int maximum) {
    editor::DragSetup setup = editor::DragSetup::single(minimum, maximum, knobStep(maximum));
    setup.fineSideways = false;
    return setup;
}

} // namespace effects
