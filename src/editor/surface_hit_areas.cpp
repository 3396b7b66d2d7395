// The part editor's hit rectangles with readable names, for an overlay that shows where
// a press lands.
#include "editor/surface_controller.h"

#include "editor/area_names.h"
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
        areas.push_back({stripAreaName(part, c), r});
    }
    for (int n = 1; n < PageTable::kEntries; ++n) {
        const HitRect& r = pages_.entry(n);
        if (isEmpty(r)) continue;
        areas.push_back({pageAreaName(n), r});
    }
    if (effectHook_) {
        auto more = effectHook_->hitAreas();
        areas.insert(areas.end(), more.begin(), more.end());
    }
    return areas;
}

std::string SurfaceController::areaNameAt(int x, int y) const {
    // In the order of hitAreas(), naming only the rectangle found.
    for (int entry = 1; entry < StripTable::kEntries; ++entry) {
        const HitRect& r = strips_.entry(entry);
        if (!isEmpty(r) && r.contains(x, y))
            return stripAreaName((entry - 1) / 10, (entry - 1) % 10 + 1);
    }
    for (int n = 1; n < PageTable::kEntries; ++n) {
        const HitRect& r = pages_.entry(n);
        if (!isEmpty(r) && r.contains(x, y)) return pageAreaName(n);
    }
    if (effectHook_)
        for (const NamedArea& area : effectHook_->hitAreas())
            if (area.rect.contains(x, y)) return area.name;
    return {};
}

} // namespace editor
