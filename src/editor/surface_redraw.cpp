// Redrawing the dragged control and the status field of the part editor.
#include "editor/surface_controller.h"

#include "editor/value_texts.h"

#include <string>

namespace editor {

void SurfaceController::redrawDragged(bool active) {
    if (drag_.area == Area::Strip)
        redrawStripControl(currentPart(), drag_.control, active);
    else if (drag_.area == Area::Page)
        redrawPageControl(drag_.control, active, active ? drag_.control : 0);
}

void SurfaceController::redrawStripControl(int part, int c, bool active) {
    repaint(stripPainter_.paintControl(image_, part, c, active, part == currentPart()));
}

void SurfaceController::redrawPageControl(int n, bool active, int marked) {
    if (n >= page::kFirstReceive && n <= page::kLastReceive) {
        repaint(stripPainter_.paintReceiveSwitch(image_, currentPart(), n - page::kFirstReceive));
        return;
    }
    repaint(pagePainter_.paintControl(image_, currentPart(), controls_, n, active,
                                      n <= page::kVibrato ? marked : 0));
}

void SurfaceController::showStatus(Area area, int control) {
    if (area == Area::Strip) {
        if (control < 1 || control > kStripControlCount) return;
        const StripControlInfo& info = kStripControls[static_cast<std::size_t>(control)];
        const int x = info.statusX + kStripSpacing * currentPart() - (currentPart() >= 1 ? 18 : 0);
        const int value = image_.parts[static_cast<std::size_t>(partBase(currentPart()) +
                                                                controls_.strip(control).offset)];
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
    const int value = image_.part(currentPart(), offset);
    std::string first = valueText(info.form, value);
    std::string second;
    if (info.secondName) second = valueText(info.form, image_.part(currentPart(), offset + 1));
    const HitRect r = status_.show(canvas_, info.statusX, info.statusY, info.statusWidth, info.name,
                                   first, info.secondName ? info.secondName : "", second);
    strips_.setStatus(r);
    repaint(r);
}

void SurfaceController::hideStatus() {
    repaint(status_.hide(canvas_));
}

void SurfaceController::repaint(const HitRect& area) {
    if (!isEmpty(area)) host_.repaint(area);
}

void SurfaceController::setShape(PointerShape shape) {
    if (shape == shape_) return;
    shape_ = shape;
    host_.setPointerShape(shape);
}

} // namespace editor
