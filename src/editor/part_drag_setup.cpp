#include "editor/part_drag_setup.h"

#include <algorithm>

namespace editor {
namespace {

constexpr int kVibratoPointerX = 602 + (741 - 602) / 2 + 6;
constexpr int kVibratoPointerY = 291 + 30;
// The pointer lands this far inside a handle's rectangle, and this far right of and below
// the filter point, so that it sits on what was dragged rather than on its corner.
constexpr QPoint kHandleInset{4, 4};
constexpr QPoint kFilterPointInset{4, 2};

} // namespace

bool isGraphKind(Kind kind) {
    return kind == Kind::AmplitudeHandle || kind == Kind::PitchHandle || kind == Kind::FilterPad ||
           kind == Kind::VibratoGraph;
}

PartDrag oneValueDrag(int position, const Descriptor& d) {
    return {position, position, DragSetup::single(d.minimum, d.maximum)};
}

PartDrag graphDrag(int n, const Descriptor& d, int base) {
    const int position = base + d.offset;
    const AxisRange range{true, d.minimum, d.maximum, 1, false};
    switch (d.kind) {
    case Kind::AmplitudeHandle:
        // The envelope times move along a line: only x counts.
        return {position, position, DragSetup::line(range)};
    case Kind::PitchHandle: {
        // The level up and the time belonging to it across; the attack's time runs
        // leftwards, as its handle sits left of the level line.
        AxisRange time = range;
        time.reversed = n == page::kPitchAttack;
        return {position, position + 1, DragSetup::point(time, range)};
    }
    default: // filter pad and vibrato graph: cutoff or rate across, resonance or depth up
        return {position + 1, position, DragSetup::point(range, range)};
    }
}

QPoint graphPutBack(int n, const PageTable& pages, QPoint filterPoint) {
    if (n >= page::kAttack && n <= page::kPitchRelease) {
        const HitRect& handle = pages.entry(n);
        return QPoint(handle.left, handle.top) + kHandleInset;
    }
    if (n == page::kFilter) {
        const HitRect& pad = kPageControls[page::kFilter].rect;
        const QPoint p = filterPoint + kFilterPointInset;
        return {std::clamp(p.x(), pad.left, pad.right), std::clamp(p.y(), pad.top, pad.bottom)};
    }
    return {kVibratoPointerX, kVibratoPointerY};
}

} // namespace editor
