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

bool showRestored(PartEditor& surface, const image::UndoStep& step) {
    surface.selectPart(step.part);
    const image::StepScope scope = image::scopeOf(step);
    if (scope.others) {
        surface.redrawAll();
        return false;
    }
    for (int p = 0; p < image::kPartCount; ++p)
        if (scope.parts[static_cast<std::size_t>(p)]) surface.redrawPartVoice(p);
    return true;
}

void EditSteps::begin(std::string action) {
    end();
    undo_.begin(std::move(action));
    open_ = true;
    namedByPress_ = false;
}

void EditSteps::end() {
    if (!open_) return;
    open_ = false;
    if (undo_.end() && namedByPress_) nameAfterPress();
}

void EditSteps::pressed(const Screen& screen, int x, int y) {
    // The name is looked up only for a press that changed something.
    press_ = {&screen, x, y};
    begin({});
    namedByPress_ = true;
}

void EditSteps::listChosen() {
    begin({});
    namedByPress_ = press_.screen != nullptr;
}

void EditSteps::nameAfterPress() {
    undo_.history().renameNewest(actionName(areaAt(press_.screen->hitAreas(), press_.x, press_.y)));
}

} // namespace editor
