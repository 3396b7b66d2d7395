#pragma once
// A record of what the drawing toolkit drew where: knob bodies, button faces, value boxes
// and handles, each with the control a screen was painting at the time. A screen that lists
// its hit rectangles under the same names can then be checked against its own picture:
// every drawn control must lie inside the rectangle that answers a press on it.
//
// Recording is off unless a record is attached to the canvas, so painting costs nothing
// extra in normal use.

#include "draw/hit_rect.h"

#include <string>
#include <vector>

namespace draw {

class Canvas;

enum class DrawnKind { Knob, Button, ValueBox, Handle };

const char* drawnKindName(DrawnKind kind);

struct DrawnControl {
    DrawnKind kind;
    HitRect area;      // inclusive, like the hit rectangles
    std::string owner; // the control being painted, empty when the screen named none
};

class DrawnControls {
  public:
    void add(DrawnKind kind, HitRect area) { items_.push_back({kind, area, owner_}); }
    const std::vector<DrawnControl>& items() const { return items_; }
    void clear() { items_.clear(); }

    const std::string& owner() const { return owner_; }
    void setOwner(std::string owner) { owner_ = std::move(owner); }

  private:
    std::vector<DrawnControl> items_;
    std::string owner_;
};

// Names the control a screen paints for as long as it lives; does nothing when the canvas
// keeps no record.
class DrawnOwner {
  public:
    DrawnOwner(Canvas& canvas, const std::string& owner);
    ~DrawnOwner();
    DrawnOwner(const DrawnOwner&) = delete;
    DrawnOwner& operator=(const DrawnOwner&) = delete;

  private:
    DrawnControls* record_;
    std::string previous_;
};

// Adds one drawn control to the canvas's record, if it keeps one: the part of left, top,
// right, bottom (inclusive) inside the canvas's clip.
void noteDrawn(Canvas& canvas, DrawnKind kind, int left, int top, int right, int bottom);

} // namespace draw
