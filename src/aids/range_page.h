#pragma once
// The keyboard range page (`Panel1`, image `P1Ig2`): the note ranges of all 16 parts as bars
// over the 128-note scale. A handle is dragged along a 128-pixel line whose x is the note;
// the buttons apply one of six built-in layouts, the layout found at opening ("RESET"), or
// the full range for the current part. Every change is stored in the part table and sent
// at once, the low limit before the high one.

#include "aids/range_layouts.h"
#include "aids/range_painter.h"
#include "editor/drag_engine.h"
#include "editor/part_editor.h"
#include "editor/screen.h"
#include "image/synth_image.h"
#include "midi/xg_messages.h"

#include <QImage>

#include <functional>

namespace aids {

class RangePage final : public editor::Screen, private editor::DragTarget {
  public:
    // `host` works in the page's own coordinates (a panel host).
    RangePage(image::SynthImage& image, midi::XgMessages& messages, editor::PartEditor& surface,
              editor::SurfaceHost& host);

    // Told when the page opens (true) or closes (false): the tool strip's button follows.
    void setOpenListener(std::function<void(bool)> listener) {
        openListener_ = std::move(listener);
    }
    // The part page changed the current part or its limits: their bar, names and keyboard
    // marks follow while the page is open.
    void currentPartChanged();

    // The layout kept at the last opening, applied by "RESET".
    const RangeLayout& openingLayout() const { return opening_; }
    // The whole page painted again with the toolkit recording what it draws where.
    void paintRecorded(draw::DrawnControls* record);

    // `P1Ig2MouseDown`, `P1Ig2MouseMove`, `P1Ig2MouseUp` in page coordinates.
    void P1Ig2MouseDown(editor::MouseButton button, int x, int y);
    void P1Ig2MouseMove(editor::Modifiers modifiers, int x, int y);
    void P1Ig2MouseUp(editor::MouseButton button, int x, int y);

    // ---- editor::Screen ----
    const QImage& image() const override { return page_; }
    void redrawAll() override;
    // The bars of the parts the step changed.
    void showRestored(const image::StepScope& scope) override;
    void mouseDown(editor::MouseButton button, editor::Modifiers, int x, int y) override {
        P1Ig2MouseDown(button, x, y);
    }
    void mouseMove(editor::Modifiers modifiers, int x, int y) override {
        P1Ig2MouseMove(modifiers, x, y);
    }
    void mouseUp(editor::MouseButton button, editor::Modifiers, int x, int y) override {
        P1Ig2MouseUp(button, x, y);
    }
    void shown() override;
    void hidden() override;
    bool dragging() const override { return engine_.active(); }
    void endDrag() override;
    std::vector<editor::NamedArea> hitAreas() const override;

  private:
    // The handle under a point, 1..32 (odd the low limits), or 0.
    int handleAt(int x, int y) const;
    void startDrag(int handle, int x, int y);
    void finishDrag();
    void pressButton(int button);
    void applyLayout(const RangeLayout& layout);

    // ---- editor::DragTarget: the limit being dragged ----
    int dragValue(editor::DragAxis axis) const override;
    void storeDragValue(editor::DragAxis axis, int value) override;

    NoteRange rangeOf(int part) const;
    int position(int part, bool high) const;
    void store(int part, bool high, int value);
    void send(int part, bool high);
    void redrawPart(int part);
    void repaint(const HitRect& area);
    void setShape(editor::PointerShape shape);

    image::SynthImage& image_;
    midi::XgMessages& messages_;
    editor::PartEditor& surface_;
    editor::SurfaceHost& host_;
    QImage page_;
    draw::Canvas canvas_;
    RangePainter painter_;
    editor::DragEngine engine_;
    RangeLayout opening_{};
    std::function<void(bool)> openListener_;
    bool open_ = false;
    int dragPart_ = 0;
    bool dragHigh_ = false;
    int pressedButton_ = 0;
    editor::PointerShape shape_ = editor::PointerShape::Default;
};

} // namespace aids
