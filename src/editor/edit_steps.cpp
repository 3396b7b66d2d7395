#include "editor/edit_steps.h"

#include <cctype>

namespace editor {

std::string actionName(const std::string& areaName) {
    // Strip controls are named "P<n> <control>" so that the overlay's labels fit.
    std::size_t digits = 1;
    while (digits < areaName.size() && std::isdigit(static_cast<unsigned char>(areaName[digits])))
        ++digits;
    const bool stripName =
        areaName.size() > digits + 1 && areaName[0] == 'P' && digits > 1 && areaName[digits] == ' ';
    if (!stripName) return areaName;
    return areaName.substr(digits + 1) + " Part " + areaName.substr(1, digits - 1);
}

std::string areaAt(const std::vector<NamedArea>& areas, int x, int y) {
    for (const NamedArea& area : areas)
        if (area.rect.contains(x, y)) return area.name;
    return {};
}

void EditSteps::begin(std::string action) {
    end();
    undo_.begin(std::move(action));
    open_ = true;
}

void EditSteps::end() {
    if (!open_) return;
    open_ = false;
    undo_.end();
}

void EditSteps::pressed(const Screen& screen, int x, int y) {
    lastPressed_ = actionName(areaAt(screen.hitAreas(), x, y));
    begin(lastPressed_);
}

} // namespace editor
