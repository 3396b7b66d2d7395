#pragma once
// The one way a painted control is dragged, on every screen. The pointer is hidden and
// confined to a value square whose pixels are the values: one pixel is one step, a drag
// over the whole range is as long as the range, and the pointer can neither leave the
// range nor overshoot it. The right button held during a drag switches to fine mode, in
// which every ten pixels of motion make one step; releasing it goes on from the value
// reached without a jump. Shift keeps the horizontal value, Ctrl the vertical one. At the
// release the pointer is shown again where the screen wants it (by default the press).
//
// The engine knows neither Qt nor what the values mean: the screen gives the geometry and
// ranges in a DragSetup, keeps the values itself (DragTarget) and, after every move the
// engine evaluated, stores, sends and redraws what changed. The pointer belongs to the
// host.

#include "editor/surface_host.h"

#include <optional>

namespace editor {

enum class DragAxis { Vertical, Horizontal };

// Where the values of a drag live. Both calls name the axis; a one-value drag only ever
// names the vertical one.
class DragTarget {
  public:
    virtual ~DragTarget() = default;
    // The value the axis stands at now, inside the axis's range.
    virtual int dragValue(DragAxis axis) const = 0;
    virtual void storeDragValue(DragAxis axis, int value) = 0;
};

struct AxisRange {
    bool used = false;
    int minimum = 0;
    int maximum = 0;
    // Values per pixel in normal mode. Ranges in the thousands (the long delays) move by
    // ten and keep their last digit; fine mode always moves by one.
    int step = 1;
    // Up raises a vertical value and right raises a horizontal one; a reversed axis runs
    // the other way (envelope rates: a higher rate is a shorter segment).
    bool reversed = false;
};

// A pointer outside the square (possible once fine mode has freed it): the nearer end of
// the range, or no change at all.
enum class OutsideRange { Clamp, Ignore };

// Leaving fine mode: go on from the reached value with the pointer still free (hidden),
// or confine and place it again as at the start.
enum class AfterFine { StayFree, Rearm };

struct DragSetup {
    AxisRange vertical;
    AxisRange horizontal;
    // Surface position of value square pixel (0, 0). The square's near corner lies at the
    // minimum: value v of a vertical axis sits at originY + maximum + minimum - v.
    int originX = 0;
    int originY = 0;
    // The rectangle the pointer is kept in; by default the square (or line) of the axes.
    std::optional<HitRect> confinement;
    OutsideRange outside = OutsideRange::Clamp;
    // The right button may switch to fine mode at all.
    bool fineMode = true;
    // In fine mode a one-value drag steps with sideways motion too (right raises).
    bool fineSideways = true;
    AfterFine afterFine = AfterFine::StayFree;

    // One value, up raises it.
    static DragSetup single(int minimum, int maximum, int step = 1);
    // A point of two values: across and up.
    static DragSetup point(AxisRange horizontal, AxisRange vertical);
    // One value moved along a horizontal line.
    static DragSetup line(AxisRange horizontal);
};

// The fine mode's band: a step every this many pixels.
inline constexpr int kFineDistance = 10;

class DragEngine {
  public:
    explicit DragEngine(SurfaceHost& host) : host_(host) {}

    // Starts a drag at the press point: confines, hides and places the pointer on the
    // values the target holds now.
    void begin(const DragSetup& setup, DragTarget& target, int pressX, int pressY);

    // A press while the drag runs belongs to it: the right button enters fine mode, any
    // other press is swallowed. Returns whether a drag runs.
    bool press(MouseButton button, int x, int y);
    // Evaluates a pointer position: stores the values it gives through the target. Returns
    // false when nothing was evaluated (no drag, or the pointer did not move).
    bool move(Modifiers modifiers, int x, int y);
    // The right button leaves fine mode and the drag goes on, also when the drag was
    // started with the right button; only the left button ends a drag. Returns true when
    // the screen must now end the drag (redraw, then finish()).
    bool release(MouseButton button, int x, int y);
    // Ends the drag: the pointer freed, put back at the press point (or where the screen
    // says: a graph handle that moved) and shown.
    void finish();
    void finish(int putBackX, int putBackY);

    bool active() const { return active_; }
    bool fine() const { return fine_; }
    int pressX() const { return pressX_; }
    int pressY() const { return pressY_; }
    const DragSetup& setup() const { return setup_; }
    // The rectangle the pointer was confined to at the start.
    HitRect confinement() const;

  private:
    struct Axis {
        int low = 0;       // pointer coordinate of the square's near edge
        int remainder = 0; // last digit kept by a step of ten
    };

    void place();
    void anchor(DragAxis which, int coordinate);
    void stepNormal(DragAxis which, int coordinate, int last);
    void stepFine(DragAxis which, int delta);
    const AxisRange& range(DragAxis which) const;
    Axis& axis(DragAxis which);
    int coordinateOf(DragAxis which, int value) const;

    SurfaceHost& host_;
    DragSetup setup_;
    DragTarget* target_ = nullptr;
    Axis vertical_;
    Axis horizontal_;
    bool active_ = false;
    bool fine_ = false;
    int fineTop_ = 0;
    int fineBottom_ = 0;
    int fineLeft_ = 0;
    int fineRight_ = 0;
    int pressX_ = 0;
    int pressY_ = 0;
    int lastX_ = 0;
    int lastY_ = 0;
    bool moved_ = false;
};

} // namespace editor
