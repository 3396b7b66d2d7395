// The part editor's hit rectangles with readable names, for an overlay that shows where
// a press lands.
#include "editor/surface_controller.h"

#include "editor/part_editor.h"

#include <string>

namespace editor {

std::vector<NamedArea> SurfaceController::hitAreas() const {
    std::vector<NamedArea> areas;
    for (int entry = 1; entry < StripTable::kEntries; ++entry) {
        const HitRect& r = strips_.entry(entry);
        if (isEmpty(r)) continue;
        const int part = (entry - 1) / 10;
        const int c = (entry - 1) % 10 + 1;
        areas.push_back({"Part " + std::to_string(part + 1) + " " +
                             kStripControls[static_cast<std::size_t>(c)].name,
                         r});
    }
    for (int n = 1; n < PageTable::kEntries; ++n) {
        const HitRect& r = pages_.entry(n);
        if (isEmpty(r)) continue;
        areas.push_back({kPageControls[static_cast<std::size_t>(n)].name, r});
    }
    if (effectHook_) {
        auto more = effectHook_->hitAreas();
        areas.insert(areas.end(), more.begin(), more.end());
    }
    return areas;
}

} // namespace editor
