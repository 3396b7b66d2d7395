#pragma once
// The floating status field: name and value of the control being edited, drawn over the
// surface with the background under it saved so that hiding it restores the picture.

#include "draw/canvas.h"
#include "draw/hit_rect.h"

#include <QImage>
#include <string>

namespace editor {

class StatusField {
  public:
    // Draws the field at (x, y), width x 18, clipped to the canvas; returns its rectangle
    // (inclusive). A field already shown is hidden first.
    draw::HitRect show(draw::Canvas& canvas, int x, int y, int width, const std::string& name,
                       const std::string& value, const std::string& secondName = {},
                       const std::string& secondValue = {});
    // Restores the saved background; returns the area, or an empty rectangle when hidden.
    draw::HitRect hide(draw::Canvas& canvas);
    bool shown() const { return shown_; }
    const draw::HitRect& area() const { return area_; }

  private:
    QImage saved_;
    draw::HitRect area_{0, 0, -1, -1};
    bool shown_ = false;
};

} // namespace editor
