#pragma once
// What the part surface shows: the 792 x 554 image with the strips, the current part's
// page and the status field, each piece redrawn on its own and announced to the host for
// repainting. It reads the image and draws; what a press or a drag means is the
// controller's.

#include "draw/canvas.h"
#include "editor/drag_state.h"
#include "editor/hit_tables.h"
#include "editor/page_painter.h"
#include "editor/part_controls.h"
#include "editor/status_field.h"
#include "editor/strip_painter.h"
#include "editor/surface_host.h"
#include "image/synth_image.h"

#include <QImage>

namespace editor {

class SurfaceView {
  public:
    SurfaceView(const image::SynthImage& image, const PartControls& controls, StripTable& strips,
                PageTable& pages, SurfaceHost& host);

    const QImage& image() const { return surface_; }
    draw::Canvas& canvas() { return canvas_; }

    // Everything from the image (the status field is gone with it); not announced, the
    // caller repaints the whole surface after the effect rows have painted theirs.
    void paintAll();
    void setVariationInsertion(bool insertion) { stripPainter_.setVariationInsertion(insertion); }
    void setNameColours(const VoiceNameColours& colours) { stripPainter_.setNameColours(colours); }
    // The strips of the old and the new current part, the title and the page.
    void showPartSwitch(int old);
    // A part's strip after its voice changed; the title and the page for the current part.
    void partVoice(int p);

    void stripControl(int part, int c, bool active);
    // Page control n; `marked` is the graph handle drawn as dragged (0 for none).
    void pageControl(int n, bool active, int marked = 0);
    // The pressed control in normal or active colours.
    void pressedControl(const DragState& pressed, bool active);
    void controllerSection();
    void controllerNumber(int which, bool pressed);
    void receiveSwitch(int k);

    // The status field of a strip or page control of the current part.
    void showStatus(Area area, int control);
    void hideStatus();

    // Where the filter point was drawn last (surface coordinates).
    QPoint filterPoint() const { return pagePainter_.filterPoint(); }
    void repaint(const HitRect& area);

  private:
    int part() const { return image_.currentPart; }

    const image::SynthImage& image_;
    const PartControls& controls_;
    StripTable& strips_;
    SurfaceHost& host_;
    QImage surface_;
    draw::Canvas canvas_;
    StripPainter stripPainter_;
    PagePainter pagePainter_;
    StatusField status_;
};

} // namespace editor
