#include "editor/part_editor.h"

#include "editor/surface_controller.h"

namespace editor {

struct PartEditor::Impl {
    Impl(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
         SurfaceHost& host)
        : controller(image, messages, port, host) {}
    SurfaceController controller;
};

PartEditor::PartEditor(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
                       SurfaceHost& host)
    : impl_(std::make_unique<Impl>(image, messages, port, host)) {}

PartEditor::~PartEditor() = default;

const QImage& PartEditor::image() const {
    return impl_->controller.surface();
}
draw::Canvas& PartEditor::canvas() {
    return impl_->controller.canvas();
}
void PartEditor::setKnobScheme(draw::KnobScheme scheme) {
    canvas().setKnobScheme(scheme);
}
void PartEditor::show() {
    impl_->controller.show();
}
void PartEditor::redrawAll() {
    impl_->controller.redrawAll();
}

void PartEditor::showRestored(const image::StepScope& scope) {
    impl_->controller.showRestored(scope);
}

void PartEditor::Ig2MouseDown(MouseButton button, Modifiers modifiers, int x, int y) {
    impl_->controller.mouseDown(button, modifiers, x, y);
}
void PartEditor::Ig2MouseMove(Modifiers modifiers, int x, int y) {
    impl_->controller.mouseMove(modifiers, x, y);
}
void PartEditor::Ig2MouseUp(MouseButton button, Modifiers modifiers, int x, int y) {
    impl_->controller.mouseUp(button, modifiers, x, y);
}
void PartEditor::FormKeyDown(ArrowKey key) {
    impl_->controller.keyDown(key);
}

void PartEditor::popupListClicked(PopupList list, int item, bool doubleClick) {
    impl_->controller.popupListClicked(list, item, doubleClick);
}
void PartEditor::popupListRightPressed(PopupList list, int item) {
    impl_->controller.popupListRightPressed(list, item);
}

void PartEditor::hidePopupLists() {
    impl_->controller.hidePopupLists();
}

void PartEditor::endDrag() {
    impl_->controller.endDrag();
}
std::vector<NamedArea> PartEditor::hitAreas() const {
    return impl_->controller.hitAreas();
}
std::string PartEditor::areaNameAt(int x, int y) const {
    return impl_->controller.areaNameAt(x, y);
}

void PartEditor::setEffectHook(EffectHook* hook) {
    impl_->controller.setEffectHook(hook);
}

void PartEditor::redrawPartVoice(int part) {
    impl_->controller.redrawPartVoice(part);
}

void PartEditor::setVoiceListHook(VoiceListHook* hook) {
    impl_->controller.setVoiceListHook(hook);
}
void PartEditor::setNameColours(const VoiceNameColours& colours) {
    impl_->controller.setNameColours(colours);
}
void PartEditor::setInsertionMode(bool insertion) {
    impl_->controller.setInsertionMode(insertion);
}
void PartEditor::redrawVariationSends() {
    impl_->controller.redrawVariationSends();
}
void PartEditor::selectPart(int part) {
    impl_->controller.selectPart(part);
}
void PartEditor::switchToPart(int part) {
    impl_->controller.switchToPart(part);
}
void PartEditor::redrawNoteLimits(bool low, bool high) {
    impl_->controller.redrawNoteLimits(low, high);
}
void PartEditor::setNoteLimitListener(std::function<void()> listener) {
    impl_->controller.setNoteLimitListener(std::move(listener));
}
int PartEditor::currentPart() const {
    return impl_->controller.currentPart();
}
bool PartEditor::dragging() const {
    return impl_->controller.dragging();
}

} // namespace editor
