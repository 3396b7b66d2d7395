#pragma once
// Drawing of the current part's page: the four graphs, the scale-tuning keyboard, the
// knobs, boxes and buttons, the controller section, and the registration of their hit
// rectangles in the page table.

#include "draw/canvas.h"
#include "draw/part_graphs.h"
#include "editor/hit_tables.h"
#include "editor/part_controls.h"
#include "image/synth_image.h"

#include <QPoint>

namespace editor {

class PagePainter {
  public:
    PagePainter(draw::Canvas& canvas, PageTable& table) : canvas_(canvas), table_(table) {}

    // The whole page for a part with the static rectangles registered.
    draw::HitRect paintPage(const image::SynthImage& image, int part, const PartControls& controls);
    // One page control n (1..51) in normal or active colours; `marked` is the graph handle
    // shown as dragged (0 for none). Returns the area drawn.
    draw::HitRect paintControl(const image::SynthImage& image, int part,
                               const PartControls& controls, int n, bool active, int marked = 0);
    // The controller section for the shown source: source buttons and destination knobs.
    draw::HitRect paintControllerSection(const image::SynthImage& image, int part,
                                         const PartControls& controls);
    // "AC1 =" / "AC2 =" (which 1 or 2) with the controller name beside it.
    draw::HitRect paintControllerNumber(const image::SynthImage& image, int part, int which,
                                        bool pressed);

    // Where the filter handle point was last drawn (surface coordinates).
    QPoint filterPoint() const { return filterPoint_; }

  private:
    draw::HitRect paintGraph(const image::SynthImage& image, int part, int n, int marked);
    draw::HitRect paintKnob(const image::SynthImage& image, int part, const Descriptor& d, int n,
                            bool active);
    draw::HitRect paintBox(const image::SynthImage& image, int part, int n, bool active);
    draw::HitRect paintScaleKeyboard(const image::SynthImage& image, int part, int activeKey);
    draw::HitRect paintRadioGroup(const image::SynthImage& image, int part, int first, int last);

    draw::Canvas& canvas_;
    PageTable& table_;
    draw::PartGraphs graphs_;
    QPoint filterPoint_;
};

} // namespace editor
