#include "editor/edit_steps.h"

#include <cctype>
#include <string_view>

namespace editor {

std::string actionName(const std::string& areaName) {
    // A choice in an effect row's type list changes the row's type.
    constexpr std::string_view typeList = " type list";
    if (areaName.ends_with(typeList))
        return areaName.substr(0, areaName.size() - typeList.size()) + " Type";
    // Strip controls are named "P<n> <control>" so that the overlay's labels fit.
    std::size_t digits = 1;
    while (digits < areaName.size() && std::isdigit(static_cast<unsigned char>(areaName[digits])))
        ++digits;
    const bool stripName =
        areaName.size() > digits + 1 && areaName[0] == 'P' && digits > 1 && areaName[digits] == ' ';
    if (!stripName) return areaName;
    return areaName.substr(digits + 1) + " Part " + areaName.substr(1, digits - 1);
}

void showRestored(Panels& panels, PartEditor& surface, const image::UndoStep& step) {
    const image::StepScope scope = image::scopeOf(step);
    const int old = surface.currentPart();
    surface.selectPart(step.part);
    const int now = surface.currentPart();
    image::StepScope rest = scope;
    if (now != old) {
        // The switch painted both strips and the page already.
        rest.parts[static_cast<std::size_t>(old)] = false;
        rest.parts[static_cast<std::size_t>(now)] = false;
    }
    surface.showRestored(rest);
    for (Panel panel : {Panel::KeyboardRange, Panel::DrumEditor, Panel::VoiceEditor})
        if (panels.installed(panel)) panels.screen(panel).showRestored(scope);
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
    undo_.history().renameNewest(actionName(press_.screen->areaNameAt(press_.x, press_.y)));
}

} // namespace editor
