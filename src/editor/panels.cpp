#include "editor/panels.h"

#include "editor/edit_steps.h"

namespace editor {
namespace {

constexpr std::array<Panel, 4> kAll{Panel::Surface, Panel::KeyboardRange, Panel::DrumEditor,
                                    Panel::VoiceEditor};

struct PanelRule {
    Panel panel;
    HitRect place;
    std::optional<Panel> closes; // the panel that may not stay open beside it
};

// `Panel1` at (1, 72), 583 x 309; `Panel2` at (1, 56), 583 x 324; `Panel3` over the whole
// 792 x 554 surface.
constexpr std::array<PanelRule, 4> kRules{{
    {Panel::Surface, {0, 0, 791, 553}, std::nullopt},
    {Panel::KeyboardRange, {1, 72, 583, 380}, Panel::DrumEditor},
    {Panel::DrumEditor, {1, 56, 583, 379}, Panel::KeyboardRange},
    {Panel::VoiceEditor, {0, 0, 791, 553}, std::nullopt},
}};

const PanelRule& ruleOf(Panel panel) {
    return kRules[static_cast<std::size_t>(panel)];
}

} // namespace

Panels::Panels(Screen& surface) {
    slot(Panel::Surface) = {&surface, true};
}

HitRect Panels::placeOf(Panel panel) {
    return ruleOf(panel).place;
}

void Panels::install(Panel panel, Screen& screen) {
    if (panel == Panel::Surface) return;
    slot(panel).screen = &screen;
    screen.setKnobScheme(knobScheme_);
}

void Panels::setKnobScheme(draw::KnobScheme scheme) {
    knobScheme_ = scheme;
    for (Slot& s : slots_)
        if (s.screen) s.screen->setKnobScheme(scheme);
}

bool Panels::open(Panel panel) {
    Slot& s = slot(panel);
    if (!s.screen) return false;
    if (s.open) return true;
    if (const auto other = ruleOf(panel).closes) close(*other);
    endDrags();
    s.open = true;
    s.screen->shown();
    return true;
}

void Panels::close(Panel panel) {
    Slot& s = slot(panel);
    if (panel == Panel::Surface || !s.open) return;
    if (s.screen->dragging()) s.screen->endDrag();
    s.screen->hidePopupLists();
    s.open = false;
    if (grab_ == panel) grab_.reset();
    s.screen->hidden();
}

bool Panels::toggle(Panel panel) {
    if (isOpen(panel)) {
        close(panel);
        return true;
    }
    return open(panel);
}

std::vector<Panel> Panels::shown() const {
    std::vector<Panel> panels;
    for (Panel panel : kAll)
        if (isOpen(panel)) panels.push_back(panel);
    return panels;
}

Panel Panels::panelAt(int x, int y) const {
    if (isOpen(Panel::VoiceEditor)) return Panel::VoiceEditor;
    for (Panel panel : {Panel::DrumEditor, Panel::KeyboardRange})
        if (isOpen(panel) && placeOf(panel).contains(x, y)) return panel;
    return Panel::Surface;
}

Panel Panels::target(int x, int y) const {
    if (grab_ && isOpen(*grab_)) return *grab_;
    for (Panel panel : kAll)
        if (isOpen(panel) && slot(panel).screen->dragging()) return panel;
    return panelAt(x, y);
}

void Panels::mouseDown(MouseButton button, Modifiers modifiers, int x, int y) {
    const Panel panel = target(x, y);
    const HitRect place = placeOf(panel);
    // A press during a drag (fine mode) belongs to the drag's step.
    if (steps_ && !grab_) steps_->pressed(screen(panel), x - place.left, y - place.top);
    grab_ = panel;
    screen(panel).mouseDown(button, modifiers, x - place.left, y - place.top);
}

void Panels::mouseMove(Modifiers modifiers, int x, int y) {
    const Panel panel = target(x, y);
    const HitRect place = placeOf(panel);
    screen(panel).mouseMove(modifiers, x - place.left, y - place.top);
}

void Panels::mouseUp(MouseButton button, Modifiers modifiers, int x, int y) {
    const Panel panel = target(x, y);
    const HitRect place = placeOf(panel);
    Screen& s = screen(panel);
    s.mouseUp(button, modifiers, x - place.left, y - place.top);
    if (s.dragging()) return;
    grab_.reset();
    if (steps_) steps_->end();
}

void Panels::arrowKey(ArrowKey key) {
    // The arrow keys walk the part strips, which only the voice editor hides.
    screen(isOpen(Panel::VoiceEditor) ? Panel::VoiceEditor : Panel::Surface).arrowKey(key);
}

Panel Panels::ownerOf(PopupList list) {
    switch (list) {
    case PopupList::ReverbTypes:
    case PopupList::ChorusTypes:
    case PopupList::VariationTypes:
    case PopupList::ControllerNumbers:
    case PopupList::VoiceCategories:
    case PopupList::FirstVoiceList:
        break;
    case PopupList::DrumKeys:
    case PopupList::DrumKits1:
    case PopupList::DrumKits2:
        return Panel::DrumEditor;
    case PopupList::AmpEgTemplates:
    case PopupList::PitchEgTemplates:
    case PopupList::FilterEgTemplates:
    case PopupList::WaveCategories:
    case PopupList::Waves:
        return Panel::VoiceEditor;
    }
    return Panel::Surface;
}

void Panels::popupListClicked(PopupList list, int item, bool doubleClick) {
    if (steps_) steps_->listChosen();
    screen(ownerOf(list)).popupListClicked(list, item, doubleClick);
    if (steps_) steps_->end();
}

void Panels::popupListRightPressed(PopupList list, int item) {
    if (steps_) steps_->listChosen();
    screen(ownerOf(list)).popupListRightPressed(list, item);
    if (steps_) steps_->end();
}

bool Panels::dragging() const {
    for (Panel panel : kAll)
        if (isOpen(panel) && slot(panel).screen->dragging()) return true;
    return false;
}

void Panels::endDrags() {
    for (Panel panel : kAll)
        if (isOpen(panel) && slot(panel).screen->dragging()) slot(panel).screen->endDrag();
    grab_.reset();
}

void Panels::hidePopupLists() {
    for (Panel panel : kAll)
        if (isOpen(panel)) slot(panel).screen->hidePopupLists();
}

std::vector<NamedArea> Panels::hitAreas() const {
    std::vector<NamedArea> areas;
    for (Panel panel : shown()) {
        const HitRect place = placeOf(panel);
        for (NamedArea area : slot(panel).screen->hitAreas()) {
            area.rect = area.rect.translated(place.left, place.top);
            areas.push_back(std::move(area));
        }
    }
    return areas;
}

} // namespace editor
