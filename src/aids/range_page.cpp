#include "aids/range_page.h"

#include "editor/part_values.h"

#include <algorithm>

namespace aids {
namespace {

using editor::DragAxis;
using editor::MouseButton;
using editor::PointerShape;

constexpr int kLow = image::offset::kNoteLimitLow;
constexpr int kHigh = image::offset::kNoteLimitHigh;
constexpr int kHandles = 2 * image::kPartCount;

} // namespace

RangePage::RangePage(image::SynthImage& image, midi::XgMessages& messages,
                     editor::PartEditor& surface, editor::SurfaceHost& host)
    : image_(image), messages_(messages), surface_(surface), host_(host),
      page_(kRangePageWidth, kRangePageHeight, QImage::Format_RGB32), canvas_(page_),
      painter_(canvas_), engine_(host) {
    opening_ = layoutOf(image_);
    painter_.paintAll(opening_, image_.currentPart);
}

// ---- showing -----------------------------------------------------------------------------

void RangePage::shown() {
    open_ = true;
    opening_ = layoutOf(image_);
    if (openListener_) openListener_(true);
    redrawAll();
}

void RangePage::hidden() {
    open_ = false;
    if (openListener_) openListener_(false);
}

void RangePage::redrawAll() {
    repaint(painter_.paintAll(layoutOf(image_), image_.currentPart));
}

void RangePage::showRestored(const image::StepScope& scope) {
    if (!open_) return;
    for (int part = 0; part < image::kPartCount; ++part)
        if (scope.parts[static_cast<std::size_t>(part)]) redrawPart(part);
}

void RangePage::paintRecorded(draw::DrawnControls* record) {
    canvas_.setDrawnControls(record);
    redrawAll();
    canvas_.setDrawnControls(nullptr);
}

void RangePage::currentPartChanged() {
    if (!open_ || engine_.active()) return;
    // The old part's bar and names lose the current part's colours.
    for (int part = 0; part < image::kPartCount; ++part) {
        const bool current = part == image_.currentPart;
        repaint(
            painter_.paintBar(part, rangeOf(part), current ? BarLook::Current : BarLook::Normal));
        repaint(painter_.paintNames(part, rangeOf(part), current));
    }
    repaint(painter_.paintKeyboard(rangeOf(image_.currentPart)));
}

// ---- press --------------------------------------------------------------------------------

void RangePage::P1Ig2MouseDown(MouseButton button, int x, int y) {
    // A press during a drag belongs to it.
    if (engine_.press(button, x, y) || button != MouseButton::Left) return;
    if (const int handle = handleAt(x, y)) {
        startDrag(handle, x, y);
        return;
    }
    if (const int pressed = buttonAt(x, y)) pressButton(pressed);
}

int RangePage::handleAt(int x, int y) const {
    for (int h = 1; h <= kHandles; ++h) {
        const int part = (h - 1) / 2;
        const bool high = h % 2 == 0;
        const NoteRange range = rangeOf(part);
        if (handleRect(part, high ? range.high : range.low).contains(x, y)) return h;
    }
    return 0;
}

void RangePage::startDrag(int handle, int x, int y) {
    const int part = (handle - 1) / 2;
    if (part != image_.currentPart) {
        // All Notes Off on the old part's channel, strips and page redrawn, and through
        // the surface's listener this page's colours too.
        surface_.switchToPart(part);
    }
    dragPart_ = part;
    dragHigh_ = handle % 2 == 0;
    // The pointer runs on a line at the page's origin: its x is the note.
    editor::DragSetup line = editor::DragSetup::line({true, 0, 127});
    line.fineMode = false;
    line.outside = editor::OutsideRange::Ignore;
    engine_.begin(line, *this, x, y);
    shape_ = PointerShape::Hidden;
    repaint(painter_.paintBar(part, rangeOf(part), BarLook::Dragged));
}

void RangePage::pressButton(int button) {
    pressedButton_ = button;
    repaint(painter_.paintButton(button, true));
    if (button <= kBuiltInLayouts) {
        applyLayout(builtInLayout(button));
    } else if (button == kResetButton) {
        applyLayout(opening_);
    } else {
        const int part = image_.currentPart;
        store(part, false, 0);
        store(part, true, 127);
        send(part, false);
        send(part, true);
        redrawPart(part);
    }
    surface_.redrawNoteLimits();
}

void RangePage::applyLayout(const RangeLayout& layout) {
    for (int part = 0; part < image::kPartCount; ++part) {
        const NoteRange range = layout[static_cast<std::size_t>(part)];
        store(part, false, range.low);
        store(part, true, range.high);
        send(part, false);
        send(part, true);
    }
    redrawAll();
    // The pressed button stays drawn pressed until the release.
    repaint(painter_.paintButton(pressedButton_, true));
}

// ---- move ---------------------------------------------------------------------------------

void RangePage::P1Ig2MouseMove(editor::Modifiers modifiers, int x, int y) {
    if (!engine_.active()) {
        setShape(handleAt(x, y) ? PointerShape::Drag : PointerShape::Default);
        return;
    }
    engine_.move(modifiers, x, y);
}

int RangePage::dragValue(DragAxis) const {
    return image_.part(dragPart_, dragHigh_ ? kHigh : kLow);
}

void RangePage::storeDragValue(DragAxis, int value) {
    value = std::clamp(value, 0, 127);
    if (value == dragValue(DragAxis::Horizontal)) return;
    store(dragPart_, dragHigh_, value);
    // Low never lies above high: the other limit is pushed along and sent first.
    const NoteRange range = rangeOf(dragPart_);
    const bool pushed = range.low > range.high;
    if (pushed) {
        store(dragPart_, !dragHigh_, value);
        send(dragPart_, !dragHigh_);
    }
    send(dragPart_, dragHigh_);
    repaint(painter_.paintBar(dragPart_, rangeOf(dragPart_), BarLook::Dragged));
    for (const bool high : {false, true}) {
        if (high != dragHigh_ && !pushed) continue;
        repaint(painter_.paintName(dragPart_, high, value, true));
    }
    repaint(painter_.paintKeyboard(rangeOf(dragPart_)));
    surface_.redrawNoteLimits(!dragHigh_ || pushed, dragHigh_ || pushed);
}

// ---- release ------------------------------------------------------------------------------

void RangePage::P1Ig2MouseUp(MouseButton button, int x, int y) {
    if (engine_.active()) {
        if (engine_.release(button, x, y)) finishDrag();
        return;
    }
    if (button == MouseButton::Left && pressedButton_) {
        repaint(painter_.paintButton(pressedButton_, false));
        pressedButton_ = 0;
    }
}

void RangePage::endDrag() {
    if (engine_.active()) finishDrag();
}

void RangePage::finishDrag() {
    // The pointer comes back on the handle just dragged, at the height of the press.
    const NoteRange range = rangeOf(dragPart_);
    const HitRect handle = handleRect(dragPart_, dragHigh_ ? range.high : range.low);
    engine_.finish(handle.left + 3, engine_.pressY());
    shape_ = PointerShape::Default;
    redrawPart(dragPart_);
}

// ---- hit areas ----------------------------------------------------------------------------

std::vector<editor::NamedArea> RangePage::hitAreas() const {
    std::vector<editor::NamedArea> areas;
    for (int part = 0; part < image::kPartCount; ++part) {
        const NoteRange range = rangeOf(part);
        areas.push_back({RangePainter::handleName(part, false), handleRect(part, range.low)});
        areas.push_back({RangePainter::handleName(part, true), handleRect(part, range.high)});
    }
    for (const RangeButton& button : rangeButtons())
        areas.push_back({std::string(button.caption), button.rect});
    return areas;
}

// ---- helpers ------------------------------------------------------------------------------

NoteRange RangePage::rangeOf(int part) const {
    return {image_.part(part, kLow), image_.part(part, kHigh)};
}

int RangePage::position(int part, bool high) const {
    return editor::partBase(part) + (high ? kHigh : kLow);
}

void RangePage::store(int part, bool high, int value) {
    image_.part(part, high ? kHigh : kLow) = static_cast<image::Byte>(value);
}

void RangePage::send(int part, bool high) {
    messages_.SendPartParam(part, position(part, high), image_.part(part, high ? kHigh : kLow));
}

void RangePage::redrawPart(int part) {
    const bool current = part == image_.currentPart;
    repaint(painter_.paintBar(part, rangeOf(part), current ? BarLook::Current : BarLook::Normal));
    repaint(painter_.paintNames(part, rangeOf(part), current));
    repaint(painter_.paintKeyboard(rangeOf(image_.currentPart)));
}

void RangePage::repaint(const HitRect& area) {
    if (open_ && area.right >= area.left) host_.repaint(area);
}

void RangePage::setShape(PointerShape shape) {
    if (shape == shape_) return;
    shape_ = shape;
    host_.setPointerShape(shape);
}

} // namespace aids
