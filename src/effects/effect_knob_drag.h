#pragma once
// The value square of an effect or system knob. The hidden pointer is confined to a square
// at the top left of the surface whose height is the knob's range, so that its y is the
// value. The long delays (maxima above 3000) move by 10 per pixel and keep their last
// digit; the right button switches to fine mode, where every 10 pixels of motion make one
// step.

#include "editor/surface_host.h"

namespace effects {

class EffectKnobDrag {
  public:
    // Confines and places the pointer for a knob showing `value` of minimum..maximum.
    void begin(int minimum, int maximum, int value, editor::SurfaceHost& host);
    // The value for the pointer at (x, y) (the value unchanged when the pointer did not
    // move far enough).
    int move(int x, int y, int value);
    // The right button: fine mode from here on, pointer no longer confined.
    void enterFine(int x, int y, editor::SurfaceHost& host);
    // The right button released: normal mode again, anchored so that the value does not
    // jump; the pointer stays hidden and free.
    void leaveFine(int x, int y, int value, editor::SurfaceHost& host);

    bool fine() const { return fine_; }
    int step() const { return step_; }
    int remainder() const { return remainder_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

  private:
    void anchor(int y, int value);

    int minimum_ = 0;
    int maximum_ = 0;
    int step_ = 1;
    int remainder_ = 0;
    int top_ = 0;    // pointer y at or above which the value is the maximum
    int bottom_ = 0; // pointer y at or below which the value is the minimum
    bool fine_ = false;
    int fineTop_ = 0;
    int fineBottom_ = 0;
};

// Step of a knob in normal mode.
int knobStep(int maximum);

} // namespace effects
