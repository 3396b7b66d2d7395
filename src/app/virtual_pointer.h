#pragma once
// The pointer a painted surface sees during a drag. While a drag confines it, the real
// pointer only supplies motion: its movements, scaled down by the window's zoom, move a
// virtual position that stays inside the confinement area however far the mouse goes.
// The window hides the real cursor meanwhile and may re-centre it on the screen so that
// it never stops at a screen edge.

#include "draw/hit_rect.h"

namespace app {

class VirtualPointer {
  public:
    // The window's zoom in percent: 150 means 3 pixels of motion move 2 surface pixels.
    void setZoomPercent(int percent);

    // Starts confining at the current virtual position, clamped into `area`.
    void confine(const draw::HitRect& area);
    void release() { confined_ = false; }
    bool confined() const { return confined_; }

    // Puts the virtual pointer at a surface position (clamped while confined).
    void setPosition(int x, int y);
    int x() const;
    int y() const;

    // The real pointer was seen at a screen position without that being a motion the
    // surface should follow (a press, or the pointer put back after re-centring).
    void syncReal(int screenX, int screenY);
    // The real pointer moved to a screen position. While confined the motion since the
    // last position seen moves the virtual pointer; the result is its new position.
    void moveReal(int screenX, int screenY);

  private:
    void clamp();

    bool confined_ = false;
    draw::HitRect area_{};
    // Positions are kept in hundredths of a window pixel (a surface pixel is `zoom_`
    // of them), so that motion at any zoom adds up exactly.
    int zoom_ = 100;
    long long x_ = 0;
    long long y_ = 0;
    int realX_ = 0;
    int realY_ = 0;
};

// Whether a real pointer at (x, y) is close enough to the edge of the screen rectangle
// (inclusive bounds) that further motion could be lost.
bool nearScreenEdge(int x, int y, const draw::HitRect& screen, int margin);

} // namespace app
