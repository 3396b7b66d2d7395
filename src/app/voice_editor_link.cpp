#include "app/voice_editor_link.h"

#include "app/editor_window.h"
#include "app/element_aids_link.h"
#include "app/session.h"
#include "app/zoom.h"
#include "draw/fonts.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace app {

VoiceEditorLink::VoiceEditorLink(Session& session, TFXg& window)
    : session_(session), window_(window),
      editor_(std::make_unique<qs300::VoiceEditor>(session.image(), session.messages(),
                                                   session.port(), window)) {
    editor_->setHooks(this);
    aids_ = std::make_unique<ElementAidsLink>(session, window.prompts(), window, *editor_);
    name_ = new QLineEdit(&window);
    name_->setObjectName(QStringLiteral("Edit1"));
    name_->setMaxLength(image::kVoiceNameSize);
    name_->hide();
    name_->installEventFilter(this);
    // Enter hides the field; the name is taken when the field loses the focus.
    connect(name_, &QLineEdit::returnPressed, this, [this] { hideNameField(); });
    connect(name_, &QLineEdit::editingFinished, this, [this] { commitName(); });
}

VoiceEditorLink::~VoiceEditorLink() = default;

bool VoiceEditorLink::open(int part) {
    if (!editor_->isOpen()) {
        editor_->setAutoEgData(session_.settings().autoEg);
        editor_->setVelocity(session_.settings().vkVelocity);
        if (!editor_->open(part)) return false;
    }
    window_.panels().open(editor::Panel::VoiceEditor);
    window_.update();
    return true;
}

void VoiceEditorLink::closeIfOpen() {
    if (editor_->isOpen()) editor_->exit();
}

image::VoiceRecord VoiceEditorLink::editorVoice() {
    const auto voice = editor_->edit().compactedVoice();
    refreshFromEditVoice();
    return voice;
}

void VoiceEditorLink::refreshFromEditVoice() {
    editor_->redrawAll();
    window_.update();
}

void VoiceEditorLink::voiceEditorClosed(int /*part*/, int partAtOpen) {
    hideNameField();
    window_.panels().close(editor::Panel::VoiceEditor);
    // The strips show the part's new voice name; the part current at opening is again.
    window_.editor().selectPart(partAtOpen);
    window_.editor().redrawAll();
    window_.update();
}

void VoiceEditorLink::elementAidRequested(qs300::Command command) {
    hideNameField();
    aids_->run(command);
    window_.update();
}

void VoiceEditorLink::showNameField(const draw::HitRect& area, const std::string& name) {
    const int zoom = window_.zoomPercent();
    name_->setGeometry(windowFromSurface(area.left, zoom), windowFromSurface(area.top - 2, zoom),
                       windowLength(area.right - area.left + 1, zoom),
                       windowLength(area.bottom - area.top + 5, zoom));
    name_->setText(QString::fromStdString(name));
    name_->show();
    name_->raise();
    name_->setFocus(Qt::OtherFocusReason);
}

void VoiceEditorLink::hideNameField() {
    if (!name_->isVisible()) return;
    commitName();
    name_->hide();
    window_.setFocus(Qt::OtherFocusReason);
}

void VoiceEditorLink::commitName() {
    if (!name_->isVisible()) return;
    editor_->nameFieldDone(name_->text().toStdString());
}

bool VoiceEditorLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched != name_ || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (typed.size() != 1 || typed[0].unicode() > 0x7F) return false;
    const char c = static_cast<char>(typed[0].unicode());
    const char entered = qs300::VoiceEditor::nameFieldKey(c, name_->cursorPosition(),
                                                          static_cast<int>(name_->text().size()));
    if (entered == c) return false;
    name_->insert(QString(QChar(entered)));
    return true;
}

} // namespace app
