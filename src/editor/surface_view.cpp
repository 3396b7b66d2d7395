#include "editor/surface_view.h"

#include "editor/part_editor.h"
#include "editor/value_texts.h"

#include <string>

namespace editor {

SurfaceView::SurfaceView(const image::SynthImage& image, const PartControls& controls,
                         StripTable& strips, PageTable& pages, SurfaceHost& host)
    : image_(image), controls_(controls), strips_(strips), host_(host),
      surface_(kSurfaceWidth, kSurfaceHeight, QImage::Format_RGB32), canvas_(surface_),
      stripPainter_(canvas_), pagePainter_(canvas_, pages) {
    surface_.fill(kWindowColour);
}

void SurfaceView::paintAll() {
    status_ = StatusField();
    stripPainter_.paintBackground();
    for (int p = 0; p < image::kPartCount; ++p) stripPainter_.paintStrip(image_, p, p == part());
    for (int k = 0; k <= page::kLastReceive - page::kFirstReceive; ++k)
        stripPainter_.paintReceiveSwitch(image_, part(), k);
    stripPainter_.paintTitle(image_, part());
    pagePainter_.paintPage(image_, part(), controls_);
}

void SurfaceView::showPartSwitch(int old) {
    if (old != part()) repaint(stripPainter_.paintStrip(image_, old, false));
    repaint(stripPainter_.paintStrip(image_, part(), true));
    repaint(stripPainter_.paintTitle(image_, part()));
    for (int k = 0; k <= page::kLastReceive - page::kFirstReceive; ++k) receiveSwitch(k);
    repaint(pagePainter_.paintPage(image_, part(), controls_));
}

void SurfaceView::partVoice(int p) {
    if (p == part()) {
        showPartSwitch(p);
        return;
    }
    repaint(stripPainter_.paintStrip(image_, p, false));
    repaint(stripPainter_.paintTitle(image_, part()));
}

void SurfaceView::pressedControl(const DragState& pressed, bool active) {
    if (pressed.area == Area::Strip)
        stripControl(part(), pressed.control, active);
    else if (pressed.area == Area::Page)
        pageControl(pressed.control, active, active ? pressed.control : 0);
}

void SurfaceView::stripControl(int p, int c, bool active) {
    repaint(stripPainter_.paintControl(image_, p, c, active, p == part()));
}

void SurfaceView::pageControl(int n, bool active, int marked) {
    if (n >= page::kFirstReceive && n <= page::kLastReceive) {
        receiveSwitch(n - page::kFirstReceive);
        return;
    }
    repaint(pagePainter_.paintControl(image_, part(), controls_, n, active,
                                      n <= page::kVibrato ? marked : 0));
}

void SurfaceView::controllerSection() {
    repaint(pagePainter_.paintControllerSection(image_, part(), controls_));
}

void SurfaceView::controllerNumber(int which, bool pressed) {
    repaint(pagePainter_.paintControllerNumber(image_, part(), which, pressed));
}

void SurfaceView::receiveSwitch(int k) {
    repaint(stripPainter_.paintReceiveSwitch(image_, part(), k));
}

void SurfaceView::showStatus(Area area, int control) {
    const int current = part();
    if (area == Area::Strip) {
        if (control < 1 || control > kStripControlCount) return;
        const StripControlInfo& info = kStripControls[static_cast<std::size_t>(control)];
        const int x = info.statusX + kStripSpacing * current - (current >= 1 ? 18 : 0);
        const int value = image_.part(current, controls_.strip(control).offset);
        const HitRect r = status_.show(canvas_, x, info.statusY, kStripStatusWidth, info.name,
                                       valueText(info.form, value));
        strips_.setStatus(r);
        repaint(r);
        return;
    }
    if (area != Area::Page || control < 1 || control > kPageControlCount) return;
    const PageControlInfo& info = kPageControls[static_cast<std::size_t>(control)];
    if (info.statusWidth == 0) return;
    const int offset = controls_.page(control).offset;
    const int value = image_.part(current, offset);
    std::string first = valueText(info.form, value);
    std::string second;
    if (info.secondName) second = valueText(info.form, image_.part(current, offset + 1));
    const HitRect r = status_.show(canvas_, info.statusX, info.statusY, info.statusWidth, info.name,
                                   first, info.secondName ? info.secondName : "", second);
    strips_.setStatus(r);
    repaint(r);
}

void SurfaceView::hideStatus() {
    repaint(status_.hide(canvas_));
}

void SurfaceView::repaint(const HitRect& area) {
    if (!isEmpty(area)) host_.repaint(area);
}

} // namespace editor
