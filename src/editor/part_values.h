#pragma once
// The part table as the part editor's drags see it: the two positions a drag drives (the
// vertical and the horizontal value), read inside the control's range and stored with the
// receive channel's "off" rule. It is the drag engine's target for the part surface.

#include "editor/drag_engine.h"
#include "image/synth_image.h"

namespace editor {

// Position of a part's record in the part table.
inline int partBase(int part) {
    return part * image::kPartRecordSize;
}

class PartValues final : public DragTarget {
  public:
    explicit PartValues(image::SynthImage& image) : image_(image) {}

    // The positions driven by vertical and horizontal motion, and their common range.
    void bind(int yPosition, int xPosition, int minimum, int maximum);

    // A value read through the bound range: a receive channel of 127 (off) reads as the
    // top of its 0..16 range.
    int read(int position) const;
    // The byte as the image holds it. A step counts as a change when this byte changed,
    // not the value read through the range: a value above the range is cut back on the
    // first step, and the module must get the cut-back value too.
    int stored(int position) const { return image_.parts[static_cast<std::size_t>(position)]; }
    // A receive channel of 16 or more is stored as 127 ("OFF").
    void store(int position, int value);

    int dragValue(DragAxis axis) const override;
    void storeDragValue(DragAxis axis, int value) override;

  private:
    int positionOf(DragAxis axis) const { return axis == DragAxis::Vertical ? y_ : x_; }

    image::SynthImage& image_;
    int y_ = 0;
    int x_ = 0;
    int minimum_ = 0;
    int maximum_ = 0;
};

} // namespace editor
