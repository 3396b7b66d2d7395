// The main window's commands of the QS300 voice editor.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/voice_editor_link.h"

#include <QAction>

#include <algorithm>

namespace app {

void TMF::connectVoiceEditorCommands() {
    const auto enable = [this](const char* name, void (TMF::*handler)()) {
        auto* action = findChild<QAction*>(QString::fromLatin1(name));
        if (!action) return;
        action->setEnabled(true);
        auto& later = menu_.comingLater;
        later.erase(std::remove(later.begin(), later.end(), action), later.end());
        connect(action, &QAction::triggered, this, handler);
    };
    enable("EditQS300Voice1", &TMF::EditQS300Voice1Click);
    enable("InitializeElement1", &TMF::InitializeElement1Click);
}

void TMF::openVoiceEditor(int part) {
    if (!editor_) return;
    reportErrors(prompts_, this, [&] { editor_->voiceEditor().open(part); });
}

void TMF::EditQS300Voice1Click() {
    if (editor_) openVoiceEditor(editor_->editor().currentPart());
}

void TMF::InitializeElement1Click() {
    if (!editor_) return;
    auto& voiceEditor = editor_->voiceEditor().editor();
    // While a voice waits for the module's answer nothing else is sent.
    if (!voiceEditor.isOpen() || voiceEditor.busy()) return;
    const QString text =
        QStringLiteral("Initialize %1 Element ?").arg(voiceEditor.currentElement() + 1);
    if (!prompts_.question(this, text)) return;
    reportErrors(prompts_, this, [&] { voiceEditor.initializeElement(); });
}

} // namespace app
