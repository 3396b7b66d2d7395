#include "editor/area_names.h"

#include "editor/part_controls.h"

#include <algorithm>

namespace editor {

std::string stripAreaName(int part, int c) {
    const auto index = static_cast<std::size_t>(std::clamp(c, 0, kStripControlCount));
    return "P" + std::to_string(part + 1) + " " + kStripControls[index].name;
}

std::string pageAreaName(int n) {
    const PageControlInfo& info =
        kPageControls[static_cast<std::size_t>(std::clamp(n, 0, kPageControlCount))];
    // The controller number buttons have no name of their own; their caption tells them
    // apart.
    const std::string name = info.name;
    if (name.find_first_not_of(' ') == std::string::npos) return info.label;
    // A graph edits two values; its name tells it from the knob of its first value.
    if (info.secondName) return name + " / " + info.secondName;
    return name;
}

} // namespace editor
