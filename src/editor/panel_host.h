#pragma once
// The host a panel's screen talks to: the window's own, shifted by where the panel lies on
// the surface, so that the screen confines, places and repaints in its own image's
// coordinates (the drum editor's value square sits at its panel's origin, not the
// surface's).

#include "editor/panels.h"
#include "editor/surface_host.h"

namespace editor {

class PanelHost final : public SurfaceHost {
  public:
    PanelHost(SurfaceHost& window, Panel panel)
        : window_(window), dx_(Panels::placeOf(panel).left), dy_(Panels::placeOf(panel).top) {}

    void confinePointer(const HitRect& area) override {
        // Fine mode's "no confinement" stays the same on every screen.
        window_.confinePointer(area == kUnconfinedArea ? area : area.translated(dx_, dy_));
    }
    void releasePointer() override { window_.releasePointer(); }
    void setPointerPosition(int x, int y) override { window_.setPointerPosition(x + dx_, y + dy_); }
    void setPointerShape(PointerShape shape) override { window_.setPointerShape(shape); }
    void repaint(const HitRect& area) override { window_.repaint(area.translated(dx_, dy_)); }
    void showPopupList(PopupList list, int x, int y, int width, int height,
                       const std::vector<std::string>& items, int selected) override {
        window_.showPopupList(list, x + dx_, y + dy_, width, height, items, selected);
    }
    void hidePopupList(PopupList list) override { window_.hidePopupList(list); }
    void enablePopupList(PopupList list, bool enabled) override {
        window_.enablePopupList(list, enabled);
    }
    void showMessage(const std::string& text) override { window_.showMessage(text); }

  private:
    SurfaceHost& window_;
    int dx_;
    int dy_;
};

} // namespace editor
