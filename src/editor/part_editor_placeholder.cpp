// A stand-in for the part editor surface until the real one is merged: a plain surface
// with a label and one working control (part 1's reverb send knob) so that the window
// around it can be tried and tested.

#include "editor/part_editor.h"

#include "draw/colour.h"
#include "draw/fonts.h"

#include <QPainter>

namespace editor {

namespace {
constexpr HitRect kReverbKnob{20, 75, 43, 98};
constexpr int kReverbSendOffset = 19;
} // namespace

struct PartEditor::Impl {
    image::SynthImage& image;
    midi::XgMessages& messages;
    SurfaceHost& host;
    QImage surface{kSurfaceWidth, kSurfaceHeight, QImage::Format_RGB32};
    bool dragging = false;
    int pressX = 0;
    int pressY = 0;
    EffectHook* effectHook = nullptr;

    void paint() {
        surface.fill(QColor(draw::rgb(190, 154, 74)));
        QPainter painter(&surface);
        painter.setFont(draw::toolkitFont(draw::FontFace::Sans, -13, 700));
        painter.drawText(QRect(0, 240, kSurfaceWidth, 40), Qt::AlignCenter,
                         QStringLiteral("XG-Orvo part editor"));
        painter.setPen(Qt::black);
        painter.drawRect(kReverbKnob.left, kReverbKnob.top, kReverbKnob.right - kReverbKnob.left,
                         kReverbKnob.bottom - kReverbKnob.top);
    }
};

PartEditor::PartEditor(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort&,
                       SurfaceHost& host)
    : impl_(std::make_unique<Impl>(Impl{image, messages, host})) {
    impl_->surface.fill(QColor(draw::rgb(190, 154, 74)));
}

PartEditor::~PartEditor() = default;

const QImage& PartEditor::image() const {
    return impl_->surface;
}

void PartEditor::show() {
    impl_->paint();
}

void PartEditor::redrawAll() {
    impl_->paint();
}

void PartEditor::Ig2MouseDown(MouseButton button, Modifiers, int x, int y) {
    if (button != MouseButton::Left || !kReverbKnob.contains(x, y)) return;
    const int value = impl_->image.part(0, kReverbSendOffset);
    impl_->dragging = true;
    impl_->pressX = x;
    impl_->pressY = y;
    impl_->host.confinePointer({0, 0, 127, 127});
    impl_->host.setPointerPosition(value, 127 - value);
}

void PartEditor::Ig2MouseMove(Modifiers, int, int y) {
    if (!impl_->dragging) return;
    const auto value = static_cast<image::Byte>(127 - y);
    if (value == impl_->image.part(0, kReverbSendOffset)) return;
    impl_->image.part(0, kReverbSendOffset) = value;
    impl_->messages.SendPartParam(0, kReverbSendOffset, value);
}

void PartEditor::Ig2MouseUp(MouseButton, Modifiers, int, int) {
    if (!impl_->dragging) return;
    impl_->dragging = false;
    impl_->host.releasePointer();
    impl_->host.setPointerPosition(impl_->pressX, impl_->pressY);
}

void PartEditor::FormKeyDown(ArrowKey) {}
void PartEditor::popupListClicked(int, int, bool) {}
void PartEditor::popupListRightPressed(int, int) {}

void PartEditor::setEffectHook(EffectHook* hook) {
    impl_->effectHook = hook;
}

int PartEditor::currentPart() const {
    return impl_->image.currentPart;
}

bool PartEditor::dragging() const {
    return impl_->dragging;
}

} // namespace editor
